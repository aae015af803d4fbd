// Test helpers for channel records: every field by name, and random channels the table holds unchanged.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QMap>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace records
{

// Every field a channel file keeps, read through the records' own getters (the name as hex bytes).
inline QMap<QString, QString> fields(const channel &c, const DMR &d)
{
    QMap<QString, QString> f;
    const auto put = [&f](const char *key, int v) { f.insert(QLatin1String(key), QString::number(v)); };
    f.insert(QStringLiteral("channelName"), QString::fromLatin1(c.channelName().toHex()));
    put("channelHigh", c.channelHigh()), put("channelLow", c.channelLow());
    put("vfoaFrequency1", c.vfoaFrequency1()), put("vfoaFrequency2", c.vfoaFrequency2());
    put("vfoaFrequency3", c.vfoaFrequency3()), put("vfoaFrequency4", c.vfoaFrequency4());
    put("vfobFrequency1", c.vfobFrequency1()), put("vfobFrequency2", c.vfobFrequency2());
    put("vfobFrequency3", c.vfobFrequency3()), put("vfobFrequency4", c.vfobFrequency4());
    put("vfoaMode", c.vfoaMode()), put("vfobMode", c.vfobMode());
    put("emitYayin", c.emitYayin()), put("receiveYayin", c.receiveYayin());
    put("callFormat", d.callFormat()), put("txCc", d.txCc()), put("rxCc", d.rxCc()), put("slot", d.slot());
    put("callId1", d.callId1()), put("callId2", d.callId2()), put("callId3", d.callId3());
    put("callId4", d.callId4()), put("ownId1", d.ownId1()), put("ownId2", d.ownId2());
    put("ownId3", d.ownId3()), put("ownId4", d.ownId4()), put("chType", d.chType());
    put("rxCtcss", d.rxCtcss()), put("txCtcss", d.txCtcss()), put("sqlevel", d.sqlevel());
    put("spkgain", d.spkgain()), put("dmodGain", d.dmodGain()), put("scrEn", d.scrEn());
    put("scrSeed1", d.scrSeed1()), put("scrSeed2", d.scrSeed2()), put("chBsMode", d.chBsMode());
    return f;
}

inline void setFrequencies(channel &c, quint32 a, quint32 b)
{
    c.setVfoaFrequency1(quint8(a >> 24)), c.setVfoaFrequency2(quint8(a >> 16));
    c.setVfoaFrequency3(quint8(a >> 8)), c.setVfoaFrequency4(quint8(a));
    c.setVfobFrequency1(quint8(b >> 24)), c.setVfobFrequency2(quint8(b >> 16));
    c.setVfobFrequency3(quint8(b >> 8)), c.setVfobFrequency4(quint8(b));
}

// Records whose byte fields hold 1, 2, 3, … in frame order after the command byte (the name "ABCDEFGHIJK"),
// so that two fields swapped anywhere change what is seen.
inline channel distinctChannel()
{
    channel c;
    c.setSize(29), c.setCommand(0x40);
    c.setChannelHigh(1), c.setChannelLow(2), c.setVfoaMode(3), c.setVfobMode(4);
    setFrequencies(c, 0x05060708, 0x090A0B0C);
    c.setEmitYayin(13), c.setReceiveYayin(14);
    c.setChannelName(QByteArray("ABCDEFGHIJK") + '\0');
    return c;
}
inline DMR distinctDmr()
{
    DMR d;
    d.setSize(29), d.setCommand(0x43);
    d.setChannelHigh(1), d.setChannelLow(2), d.setCallFormat(3), d.setTxCc(4), d.setRxCc(5), d.setSlot(6);
    d.setCallId(0x0708090A), d.setOwnId(0x0B0C0D0E);
    d.setChType(15), d.setRxCtcss(16), d.setTxCtcss(17), d.setSqlevel(18), d.setSpkgain(19), d.setDmrexist(20);
    d.setDmodGain(21), d.setScrEn(22), d.setScrSeed1(23), d.setScrSeed2(24), d.setChBsMode(25), d.setValidat(26);
    return d;
}

// Characters of one to four UTF-8 bytes; none of them is a zero byte.
inline const QStringList &nameCharacters()
{
    static const QStringList chars =
        QStringLiteral("A|z|7| |-|\u00e9|\u00df|\u03a9|\u4e2d|\u6587|\u20ac|\U0001F600")
            .split(QLatin1Char('|'));
    return chars;
}

// A name of whole characters in at most 11 bytes, zero-filled to the field's 12.
inline QByteArray randomName(QRandomGenerator &rng)
{
    const int budget = int(rng.bounded(12));
    QByteArray name;
    for (int tries = 0; tries < 24 && name.size() < budget; ++tries) {
        const QByteArray ch =
            nameCharacters().at(int(rng.bounded(qsizetype(nameCharacters().size())))).toUtf8();
        if (name.size() + ch.size() <= budget)
            name += ch;
    }
    return name + QByteArray(12 - name.size(), '\0');
}

// A channel the table keeps exactly: codes inside their lists, or now and then the "none" code 0xFF
// that an empty cell gives back (analog tones have none), names of whole characters in 11 bytes, IDs
// below 16777215, slot 1-2, colour codes 0-15, and the two flag bytes at 1 as every sent record has them.
inline void randomValidChannel(QRandomGenerator &rng, int number, channel &c, DMR &d)
{
    const auto anyByte = [&rng] { return quint8(rng.bounded(256)); };
    const auto codeOrNone = [&rng](int listSize) {
        return rng.bounded(listSize + 1) == 0 ? quint8(0xFF) : quint8(rng.bounded(listSize));
    };
    c = channel();
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setChannelName(randomName(rng));
    c.setVfoaMode(codeOrNone(10));
    c.setVfobMode(codeOrNone(10));
    const quint32 fa = rng.generate();
    setFrequencies(c, fa, rng.generate());
    c.setEmitYayin(quint8(rng.bounded(56)));
    c.setReceiveYayin(quint8(rng.bounded(56)));

    d = DMR();
    d.setChannelHigh(c.channelHigh());
    d.setChannelLow(c.channelLow());
    d.setCallFormat(codeOrNone(3));
    d.setTxCc(quint8(rng.bounded(16)));
    d.setRxCc(quint8(rng.bounded(16)));
    d.setSlot(quint8(1 + rng.bounded(2)));
    d.setCallId(rng.bounded(16777215u));
    d.setOwnId(rng.bounded(16777215u));
    d.setChType(codeOrNone(2));
    d.setRxCtcss(codeOrNone(52));
    d.setTxCtcss(codeOrNone(52));
    d.setSqlevel(anyByte()), d.setSpkgain(anyByte()), d.setDmodGain(anyByte()), d.setScrEn(anyByte());
    d.setScrSeed1(anyByte()), d.setScrSeed2(anyByte()), d.setChBsMode(anyByte());
}

} // namespace records
