// The JSON channel file format: writing entries, reading them back leniently, safe file writes.
#include "channelfile.h"

#include "vocabulary.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <utility>

void ChannelFileEntry::fill(const channel &analog, const DMR &dmr)
{
    channelHigh = analog.channelHigh();
    channelLow = analog.channelLow();
    channelName = analog.channelName();
    vfoaFrequency1 = analog.vfoaFrequency1();
    vfoaFrequency2 = analog.vfoaFrequency2();
    vfoaFrequency3 = analog.vfoaFrequency3();
    vfoaFrequency4 = analog.vfoaFrequency4();
    vfobFrequency1 = analog.vfobFrequency1();
    vfobFrequency2 = analog.vfobFrequency2();
    vfobFrequency3 = analog.vfobFrequency3();
    vfobFrequency4 = analog.vfobFrequency4();
    vfoaMode = analog.vfoaMode();
    vfobMode = analog.vfobMode();
    emitYayin = analog.emitYayin();
    receiveYayin = analog.receiveYayin();

    callFormat = dmr.callFormat();
    txCc = dmr.txCc();
    rxCc = dmr.rxCc();
    slot = dmr.slot();
    callId1 = dmr.callId1();
    callId2 = dmr.callId2();
    callId3 = dmr.callId3();
    callId4 = dmr.callId4();
    ownId1 = dmr.ownId1();
    ownId2 = dmr.ownId2();
    ownId3 = dmr.ownId3();
    ownId4 = dmr.ownId4();
    chType = dmr.chType();
    rxCtcss = dmr.rxCtcss();
    txCtcss = dmr.txCtcss();
    sqlevel = dmr.sqlevel();
    spkgain = dmr.spkgain();
    dmodGain = dmr.dmodGain();
    scrEn = dmr.scrEn();
    scrSeed1 = dmr.scrSeed1();
    scrSeed2 = dmr.scrSeed2();
    chBsMode = dmr.chBsMode();
}

quint16 ChannelFileEntry::channelNumber() const
{
    return quint16(channelHigh * 256 + channelLow);
}

QJsonObject ChannelFileEntry::toJsonObject() const
{
    // QJsonObject keeps its keys sorted, which gives the file its member order.
    QJsonObject o;
    o.insert(QLatin1String("channelHigh"), channelHigh);
    o.insert(QLatin1String("channelLow"), channelLow);
    // Invalid UTF-8 (a name cut inside a character) becomes U+FFFD; the filling zero bytes stay
    // in the string and are written as \u0000.
    o.insert(QLatin1String("channelName"), QString::fromUtf8(channelName));
    o.insert(QLatin1String("vfoaFrequency1"), vfoaFrequency1);
    o.insert(QLatin1String("vfoaFrequency2"), vfoaFrequency2);
    o.insert(QLatin1String("vfoaFrequency3"), vfoaFrequency3);
    o.insert(QLatin1String("vfoaFrequency4"), vfoaFrequency4);
    o.insert(QLatin1String("vfobFrequency1"), vfobFrequency1);
    o.insert(QLatin1String("vfobFrequency2"), vfobFrequency2);
    o.insert(QLatin1String("vfobFrequency3"), vfobFrequency3);
    o.insert(QLatin1String("vfobFrequency4"), vfobFrequency4);
    o.insert(QLatin1String("vfoaMode"), vfoaMode);
    o.insert(QLatin1String("vfobMode"), vfobMode);
    o.insert(QLatin1String("emitYayin"), emitYayin);
    o.insert(QLatin1String("receiveYayin"), receiveYayin);
    o.insert(QLatin1String("callFormat"), callFormat);
    o.insert(QLatin1String("txCc"), txCc);
    o.insert(QLatin1String("rxCc"), rxCc);
    o.insert(QLatin1String("slot"), slot);
    o.insert(QLatin1String("callId1"), callId1);
    o.insert(QLatin1String("callId2"), callId2);
    o.insert(QLatin1String("callId3"), callId3);
    o.insert(QLatin1String("callId4"), callId4);
    o.insert(QLatin1String("ownId1"), ownId1);
    o.insert(QLatin1String("ownId2"), ownId2);
    o.insert(QLatin1String("ownId3"), ownId3);
    o.insert(QLatin1String("ownId4"), ownId4);
    o.insert(QLatin1String("chType"), chType);
    o.insert(QLatin1String("rxCtcss"), rxCtcss);
    o.insert(QLatin1String("txCtcss"), txCtcss);
    o.insert(QLatin1String("sqlevel"), sqlevel);
    o.insert(QLatin1String("spkgain"), spkgain);
    o.insert(QLatin1String("dmodGain"), dmodGain);
    o.insert(QLatin1String("scrEn"), scrEn);
    o.insert(QLatin1String("scrSeed1"), scrSeed1);
    o.insert(QLatin1String("scrSeed2"), scrSeed2);
    o.insert(QLatin1String("chBsMode"), chBsMode);
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

namespace
{

// A whole number keeps its low 8 bits (300 reads as 44, -1 as 255); anything else reads as 0.
quint8 byteMember(const QJsonObject &entry, QLatin1String key)
{
    return quint8(entry.value(key).toInteger(0) & 0xFF);
}

} // namespace

channel channelFromFileEntry(const QJsonObject &e)
{
    channel c;
    c.setChannelHigh(byteMember(e, QLatin1String("channelHigh")));
    c.setChannelLow(byteMember(e, QLatin1String("channelLow")));
    // A missing name is empty, not the record's default.
    c.setChannelName(e.value(QLatin1String("channelName")).toString().toUtf8());
    c.setEmitYayin(byteMember(e, QLatin1String("emitYayin")));
    c.setReceiveYayin(byteMember(e, QLatin1String("receiveYayin")));
    c.setVfoaFrequency1(byteMember(e, QLatin1String("vfoaFrequency1")));
    c.setVfoaFrequency2(byteMember(e, QLatin1String("vfoaFrequency2")));
    c.setVfoaFrequency3(byteMember(e, QLatin1String("vfoaFrequency3")));
    c.setVfoaFrequency4(byteMember(e, QLatin1String("vfoaFrequency4")));
    c.setVfoaMode(byteMember(e, QLatin1String("vfoaMode")));
    c.setVfobFrequency1(byteMember(e, QLatin1String("vfobFrequency1")));
    c.setVfobFrequency2(byteMember(e, QLatin1String("vfobFrequency2")));
    c.setVfobFrequency3(byteMember(e, QLatin1String("vfobFrequency3")));
    c.setVfobFrequency4(byteMember(e, QLatin1String("vfobFrequency4")));
    c.setVfobMode(byteMember(e, QLatin1String("vfobMode")));
    return c;
}

DMR dmrFromFileEntry(const QJsonObject &e)
{
    DMR d;
    d.setChannelHigh(byteMember(e, QLatin1String("channelHigh")));
    d.setChannelLow(byteMember(e, QLatin1String("channelLow")));
    d.setCallFormat(byteMember(e, QLatin1String("callFormat")));
    d.setTxCc(byteMember(e, QLatin1String("txCc")));
    d.setRxCc(byteMember(e, QLatin1String("rxCc")));
    d.setCallId1(byteMember(e, QLatin1String("callId1")));
    d.setCallId2(byteMember(e, QLatin1String("callId2")));
    d.setCallId3(byteMember(e, QLatin1String("callId3")));
    d.setCallId4(byteMember(e, QLatin1String("callId4")));
    d.setOwnId1(byteMember(e, QLatin1String("ownId1")));
    d.setOwnId2(byteMember(e, QLatin1String("ownId2")));
    d.setOwnId3(byteMember(e, QLatin1String("ownId3")));
    d.setOwnId4(byteMember(e, QLatin1String("ownId4")));
    d.setChType(byteMember(e, QLatin1String("chType")));
    d.setRxCtcss(byteMember(e, QLatin1String("rxCtcss")));
    d.setTxCtcss(byteMember(e, QLatin1String("txCtcss")));
    d.setSqlevel(byteMember(e, QLatin1String("sqlevel")));
    d.setSpkgain(byteMember(e, QLatin1String("spkgain")));
    d.setDmodGain(byteMember(e, QLatin1String("dmodGain")));
    d.setSlot(byteMember(e, QLatin1String("slot")));
    d.setScrSeed1(byteMember(e, QLatin1String("scrSeed1")));
    d.setScrSeed2(byteMember(e, QLatin1String("scrSeed2")));
    d.setScrEn(byteMember(e, QLatin1String("scrEn")));
    d.setChBsMode(byteMember(e, QLatin1String("chBsMode")));
    return d;
}

ChannelFileRecords parseChannelFile(const QJsonDocument &document)
{
    ChannelFileRecords records;
    // A top level that is not an object reads as an empty one.
    const QJsonObject top = document.object();
    records.channels.reserve(top.size());
    records.dmrs.reserve(top.size());
    const QLatin1String high("channelHigh"), low("channelLow");
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
        if (!entry.contains(high) && !entry.contains(low) && keyNumber >= 0) {
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
