// The JSON channel file format: writing entries, reading them back leniently, safe file writes.
#include "channelfile.h"

#include "vocabulary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <utility>

namespace
{

const QLatin1String kChannelHigh("channelHigh"), kChannelLow("channelLow"), kChannelName("channelName");

// The members of a channel object besides the name, each with the record field it holds. The DMR
// record's channel number is the analog one's, so the file names it once.
template <typename Record> struct Member {
    QLatin1String key;
    typename Record::Field field;
};
const Member<channel> kAnalogMembers[] = {
    {kChannelHigh, channel::ChannelHigh},
    {kChannelLow, channel::ChannelLow},
    {QLatin1String("vfoaFrequency1"), channel::VfoaFrequency1},
    {QLatin1String("vfoaFrequency2"), channel::VfoaFrequency2},
    {QLatin1String("vfoaFrequency3"), channel::VfoaFrequency3},
    {QLatin1String("vfoaFrequency4"), channel::VfoaFrequency4},
    {QLatin1String("vfobFrequency1"), channel::VfobFrequency1},
    {QLatin1String("vfobFrequency2"), channel::VfobFrequency2},
    {QLatin1String("vfobFrequency3"), channel::VfobFrequency3},
    {QLatin1String("vfobFrequency4"), channel::VfobFrequency4},
    {QLatin1String("vfoaMode"), channel::VfoaMode},
    {QLatin1String("vfobMode"), channel::VfobMode},
    {QLatin1String("emitYayin"), channel::EmitYayin},
    {QLatin1String("receiveYayin"), channel::ReceiveYayin},
};
const Member<DMR> kDmrMembers[] = {
    {QLatin1String("callFormat"), DMR::CallFormat},
    {QLatin1String("txCc"), DMR::TxCc},
    {QLatin1String("rxCc"), DMR::RxCc},
    {QLatin1String("slot"), DMR::Slot},
    {QLatin1String("callId1"), DMR::CallId1},
    {QLatin1String("callId2"), DMR::CallId2},
    {QLatin1String("callId3"), DMR::CallId3},
    {QLatin1String("callId4"), DMR::CallId4},
    {QLatin1String("ownId1"), DMR::OwnId1},
    {QLatin1String("ownId2"), DMR::OwnId2},
    {QLatin1String("ownId3"), DMR::OwnId3},
    {QLatin1String("ownId4"), DMR::OwnId4},
    {QLatin1String("chType"), DMR::ChType},
    {QLatin1String("rxCtcss"), DMR::RxCtcss},
    {QLatin1String("txCtcss"), DMR::TxCtcss},
    {QLatin1String("sqlevel"), DMR::Sqlevel},
    {QLatin1String("spkgain"), DMR::Spkgain},
    {QLatin1String("dmodGain"), DMR::DmodGain},
    {QLatin1String("scrEn"), DMR::ScrEn},
    {QLatin1String("scrSeed1"), DMR::ScrSeed1},
    {QLatin1String("scrSeed2"), DMR::ScrSeed2},
    {QLatin1String("chBsMode"), DMR::ChBsMode},
};

// A whole number keeps its low 8 bits (300 reads as 44, -1 as 255); anything else reads as 0.
quint8 byteMember(const QJsonObject &entry, QLatin1String key)
{
    return quint8(entry.value(key).toInteger(0) & 0xFF);
}

} // namespace

void ChannelFileEntry::fill(const channel &analogRecord, const DMR &dmrRecord)
{
    for (const auto &m : kAnalogMembers)
        analog[m.field] = analogRecord.field(m.field);
    for (const auto &m : kDmrMembers)
        dmr[m.field] = dmrRecord.field(m.field);
    channelName = analogRecord.channelName();
}

quint16 ChannelFileEntry::channelNumber() const
{
    return quint16(analog[channel::ChannelHigh] * 256 + analog[channel::ChannelLow]);
}

QJsonObject ChannelFileEntry::toJsonObject() const
{
    // QJsonObject keeps its keys sorted, which gives the file its member order.
    QJsonObject o;
    for (const auto &m : kAnalogMembers)
        o.insert(m.key, analog[m.field]);
    for (const auto &m : kDmrMembers)
        o.insert(m.key, dmr[m.field]);
    // Invalid UTF-8 (a name cut inside a character) becomes U+FFFD; the filling zero bytes stay
    // in the string and are written as \u0000.
    o.insert(kChannelName, QString::fromUtf8(channelName));
    return o;
}

QJsonObject channelFileObject(const QList<channel> &channels, const QList<DMR> &dmrs)
{
    QJsonObject top;
    const qsizetype n = qMin(channels.size(), dmrs.size());
    ChannelFileEntry entry;
    for (qsizetype i = 0; i < n; ++i) {
        entry.fill(channels.at(i), dmrs.at(i));
        top.insert(QString::number(entry.channelNumber()), entry.toJsonObject());
    }
    return top;
}

QByteArray channelFileText(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QByteArray channelFileText(const QList<channel> &channels, const QList<DMR> &dmrs)
{
    return channelFileText(channelFileObject(channels, dmrs));
}

channel channelFromFileEntry(const QJsonObject &e)
{
    channel c;
    for (const auto &m : kAnalogMembers)
        c.setField(m.field, byteMember(e, m.key));
    // A missing name is empty, not the record's default.
    c.setChannelName(e.value(kChannelName).toString().toUtf8());
    return c;
}

DMR dmrFromFileEntry(const QJsonObject &e)
{
    DMR d;
    d.setChannelHigh(byteMember(e, kChannelHigh));
    d.setChannelLow(byteMember(e, kChannelLow));
    for (const auto &m : kDmrMembers)
        d.setField(m.field, byteMember(e, m.key));
    return d;
}

ChannelFileRecords parseChannelFile(const QJsonDocument &document)
{
    ChannelFileRecords records;
    // A top level that is not an object reads as an empty one.
    const QJsonObject top = document.object();
    records.channels.reserve(top.size());
    records.dmrs.reserve(top.size());
    for (auto it = top.constBegin(); it != top.constEnd(); ++it) {
        const QString key = it.key();
        bool keyIsNumber = !key.isEmpty() && key.size() <= 5;
        for (const QChar c : key)
            keyIsNumber = keyIsNumber && c >= u'0' && c <= u'9';
        const int keyNumber = keyIsNumber ? key.toInt() : -1;
        if (!it.value().isObject()) {
            records.skipped.append(key);
            continue;
        }
        const QJsonObject entry = it.value().toObject();
        channel analog = channelFromFileEntry(entry);
        DMR dmr = dmrFromFileEntry(entry);
        // An entry written by hand may leave the number to its key.
        if (!entry.contains(kChannelHigh) && !entry.contains(kChannelLow) && keyNumber >= 0) {
            analog.setChannelHigh(quint8(keyNumber >> 8));
            analog.setChannelLow(quint8(keyNumber));
            dmr.setChannelHigh(analog.channelHigh());
            dmr.setChannelLow(analog.channelLow());
        }
        const int number = analog.channelNumber();
        if (number != keyNumber || number >= vocabulary::channelCount) {
            records.skipped.append(key);
            continue;
        }
        records.channels.append(analog);
        records.dmrs.append(dmr);
    }
    return records;
}

ChannelFileRecords parseChannelFile(const QByteArray &text, QJsonParseError *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (error)
        *error = parseError;
    if (parseError.error != QJsonParseError::NoError)
        return ChannelFileRecords();
    return parseChannelFile(document);
}

bool writeChannelFile(const QString &fileName, const QByteArray &text, QString *errorString, bool textMode)
{
    QSaveFile file(fileName);
    if (!file.open(textMode ? QIODevice::WriteOnly | QIODevice::Text : QIODevice::WriteOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    // QSaveFile::commit() misses a failure of the buffered bytes it flushes while closing and would
    // replace the old file with a truncated one (disk full), so flush and check before committing.
    if (file.write(text) != text.size() || !file.flush()) {
        // Keep the write's reason before cancelling; the previous file stays in place.
        if (errorString)
            *errorString = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    return true;
}

bool readChannelFile(const QString &fileName, ChannelFileRecords *records, QString *errorString)
{
    if (records)
        *records = ChannelFileRecords();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    const QByteArray text = file.readAll();
    file.close();
    QJsonParseError error;
    ChannelFileRecords parsed = parseChannelFile(text, &error);
    if (error.error != QJsonParseError::NoError) {
        if (errorString)
            *errorString = error.errorString();
        return false;
    }
    if (records)
        *records = std::move(parsed);
    return true;
}
