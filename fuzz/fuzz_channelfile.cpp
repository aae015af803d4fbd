// Fuzz target for the channel file reader: any bytes as a file, then the records it yields and a save/load
// round trip.
#include "channelfile.h"
#include "fuzz_common.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QMap>
#include <QVariant>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace
{

// What a member should read as, worked out from the variant the JSON library gives: integers keep
// their low 8 bits, a double counts only when it is a whole number that fits 64 bits, anything else is 0.
quint8 expectedByte(const QJsonObject &entry, const char *key)
{
    const QVariant v = entry.value(QLatin1String(key)).toVariant();
    switch (v.typeId()) {
    case QMetaType::LongLong:
        return quint8(v.toLongLong() & 0xFF);
    case QMetaType::Double: {
        const double d = v.toDouble();
        // 2^63 itself does not fit; -2^63 does.
        if (std::trunc(d) != d || d < -9223372036854775808.0 || d >= 9223372036854775808.0)
            return 0;
        return quint8(qint64(d) & 0xFF);
    }
    default:
        return 0;
    }
}

QByteArray expectedName(const QJsonObject &entry)
{
    const QJsonValue v = entry.value(QLatin1String("channelName"));
    return v.isString() ? v.toString().toUtf8() : QByteArray();
}

// The members of the file with the record field that holds each; the channel number is checked apart.
struct ChannelMember {
    const char *key;
    quint8 (channel::*get)() const;
};
struct DmrMember {
    const char *key;
    quint8 (DMR::*get)() const;
};

const ChannelMember kChannelMembers[] = {{"vfoaFrequency1", &channel::vfoaFrequency1},
                                         {"vfoaFrequency2", &channel::vfoaFrequency2},
                                         {"vfoaFrequency3", &channel::vfoaFrequency3},
                                         {"vfoaFrequency4", &channel::vfoaFrequency4},
                                         {"vfobFrequency1", &channel::vfobFrequency1},
                                         {"vfobFrequency2", &channel::vfobFrequency2},
                                         {"vfobFrequency3", &channel::vfobFrequency3},
                                         {"vfobFrequency4", &channel::vfobFrequency4},
                                         {"vfoaMode", &channel::vfoaMode},
                                         {"vfobMode", &channel::vfobMode},
                                         {"emitYayin", &channel::emitYayin},
                                         {"receiveYayin", &channel::receiveYayin}};

const DmrMember kDmrMembers[] = {{"callFormat", &DMR::callFormat},
                                 {"txCc", &DMR::txCc},
                                 {"rxCc", &DMR::rxCc},
                                 {"slot", &DMR::slot},
                                 {"callId1", &DMR::callId1},
                                 {"callId2", &DMR::callId2},
                                 {"callId3", &DMR::callId3},
                                 {"callId4", &DMR::callId4},
                                 {"ownId1", &DMR::ownId1},
                                 {"ownId2", &DMR::ownId2},
                                 {"ownId3", &DMR::ownId3},
                                 {"ownId4", &DMR::ownId4},
                                 {"chType", &DMR::chType},
                                 {"rxCtcss", &DMR::rxCtcss},
                                 {"txCtcss", &DMR::txCtcss},
                                 {"sqlevel", &DMR::sqlevel},
                                 {"spkgain", &DMR::spkgain},
                                 {"dmodGain", &DMR::dmodGain},
                                 {"scrEn", &DMR::scrEn},
                                 {"scrSeed1", &DMR::scrSeed1},
                                 {"scrSeed2", &DMR::scrSeed2},
                                 {"chBsMode", &DMR::chBsMode}};

// Everything a file does not carry stays as a fresh record has it.
void checkUntouched(const channel &c, const DMR &d, const QByteArray &input)
{
    const channel fc;
    const DMR fd;
    FUZZ_CHECK(c.startBit1() == fc.startBit1() && c.startBit2() == fc.startBit2() &&
                   c.startBit3() == fc.startBit3() && c.startBit4() == fc.startBit4(),
               input);
    FUZZ_CHECK(c.size() == fc.size() && c.command() == fc.command(), input);
    FUZZ_CHECK(c.crcHigh() == fc.crcHigh() && c.crcLow() == fc.crcLow(), input);
    FUZZ_CHECK(d.startBit1() == fd.startBit1() && d.startBit2() == fd.startBit2() &&
                   d.startBit3() == fd.startBit3() && d.startBit4() == fd.startBit4(),
               input);
    FUZZ_CHECK(d.size() == fd.size() && d.command() == fd.command(), input);
    FUZZ_CHECK(d.crcHigh() == fd.crcHigh() && d.crcLow() == fd.crcLow(), input);
    FUZZ_CHECK(d.dmrexist() == 1 && d.validat() == 1, input);
}

void checkSameFileFields(const channel &a, const DMR &ad, const channel &b, const DMR &bd,
                         const QByteArray &input)
{
    FUZZ_CHECK(a.channelNumber() == b.channelNumber() && ad.channelNumber() == bd.channelNumber(), input);
    FUZZ_CHECK(a.channelName() == b.channelName(), input);
    for (const ChannelMember &m : kChannelMembers)
        FUZZ_CHECK((a.*m.get)() == (b.*m.get)(), input);
    for (const DmrMember &m : kDmrMembers)
        FUZZ_CHECK((ad.*m.get)() == (bd.*m.get)(), input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::quietLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QJsonParseError error;
    const ChannelFileRecords records = parseChannelFile(input, &error);
    FUZZ_CHECK(records.channels.size() == records.dmrs.size(), input);

    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (error.error != QJsonParseError::NoError) {
        FUZZ_CHECK(records.channels.isEmpty(), input);
        return 0;
    }
    const QJsonObject top = document.object();
    FUZZ_CHECK(records.channels.size() + records.skipped.size() == top.size(), input);

    // Every entry is either taken, as the next record, or named as skipped.
    qsizetype i = 0;
    qsizetype skipped = 0;
    for (auto it = top.constBegin(); it != top.constEnd(); ++it) {
        const QJsonObject entry = it.value().toObject();
        bool keyIsNumber = !it.key().isEmpty() && it.key().size() <= 5;
        for (const QChar c : it.key())
            keyIsNumber = keyIsNumber && c.unicode() >= u'0' && c.unicode() <= u'9';
        const bool ownNumber =
            entry.contains(QLatin1String("channelHigh")) || entry.contains(QLatin1String("channelLow"));
        const int number = ownNumber
                               ? expectedByte(entry, "channelHigh") * 256 + expectedByte(entry, "channelLow")
                               : (keyIsNumber ? it.key().toInt() : -1);
        if (!it.value().isObject() || !keyIsNumber || number != it.key().toInt() || number > 999) {
            FUZZ_CHECK(skipped < records.skipped.size() && records.skipped.at(skipped++) == it.key(), input);
            continue;
        }
        FUZZ_CHECK(i < records.channels.size(), input);
        const channel &c = records.channels.at(i);
        const DMR &d = records.dmrs.at(i++);
        FUZZ_CHECK(c.channelNumber() == number, input);
        FUZZ_CHECK(d.channelHigh() == c.channelHigh() && d.channelLow() == c.channelLow(), input);
        FUZZ_CHECK(c.channelName() == expectedName(entry), input);
        for (const ChannelMember &m : kChannelMembers)
            FUZZ_CHECK((c.*m.get)() == expectedByte(entry, m.key), input);
        for (const DmrMember &m : kDmrMembers)
            FUZZ_CHECK((d.*m.get)() == expectedByte(entry, m.key), input);
        checkUntouched(c, d, input);
    }

    // Saving what was read and reading it back gives the same records, one per channel number,
    // the last record of a number winning.
    QMap<quint16, qsizetype> lastOf;
    for (qsizetype k = 0; k < records.channels.size(); ++k)
        lastOf.insert(records.channels.at(k).channelNumber(), k);
    const QByteArray saved = channelFileText(records.channels, records.dmrs);
    QJsonParseError again;
    const ChannelFileRecords reread = parseChannelFile(saved, &again);
    FUZZ_CHECK(again.error == QJsonParseError::NoError, saved);
    FUZZ_CHECK(reread.channels.size() == lastOf.size(), saved);
    for (qsizetype k = 0; k < reread.channels.size(); ++k) {
        const channel &c = reread.channels.at(k);
        const auto source = lastOf.constFind(c.channelNumber());
        FUZZ_CHECK(source != lastOf.constEnd(), saved);
        checkSameFileFields(c, reread.dmrs.at(k), records.channels.at(*source), records.dmrs.at(*source),
                            input);
        checkUntouched(c, reread.dmrs.at(k), saved);
    }
    return 0;
}
