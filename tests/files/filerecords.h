// Test helpers shared by the channel file tests: two known rows, their exact file text, field access.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace filetest
{

// Every field the file keeps, read through the records' own getters (name as raw bytes, hex).
inline QMap<QString, QString> fields(const channel &c, const DMR &d)
{
    QMap<QString, QString> f;
    auto put = [&f](const char *key, int v) { f.insert(QLatin1String(key), QString::number(v)); };
    put("channelHigh", c.channelHigh());
    put("channelLow", c.channelLow());
    f.insert(QStringLiteral("channelName"), QString::fromLatin1(c.channelName().toHex()));
    put("vfoaFrequency1", c.vfoaFrequency1());
    put("vfoaFrequency2", c.vfoaFrequency2());
    put("vfoaFrequency3", c.vfoaFrequency3());
    put("vfoaFrequency4", c.vfoaFrequency4());
    put("vfobFrequency1", c.vfobFrequency1());
    put("vfobFrequency2", c.vfobFrequency2());
    put("vfobFrequency3", c.vfobFrequency3());
    put("vfobFrequency4", c.vfobFrequency4());
    put("vfoaMode", c.vfoaMode());
    put("vfobMode", c.vfobMode());
    put("emitYayin", c.emitYayin());
    put("receiveYayin", c.receiveYayin());
    put("callFormat", d.callFormat());
    put("txCc", d.txCc());
    put("rxCc", d.rxCc());
    put("slot", d.slot());
    put("callId1", d.callId1());
    put("callId2", d.callId2());
    put("callId3", d.callId3());
    put("callId4", d.callId4());
    put("ownId1", d.ownId1());
    put("ownId2", d.ownId2());
    put("ownId3", d.ownId3());
    put("ownId4", d.ownId4());
    put("chType", d.chType());
    put("rxCtcss", d.rxCtcss());
    put("txCtcss", d.txCtcss());
    put("sqlevel", d.sqlevel());
    put("spkgain", d.spkgain());
    put("dmodGain", d.dmodGain());
    put("scrEn", d.scrEn());
    put("scrSeed1", d.scrSeed1());
    put("scrSeed2", d.scrSeed2());
    put("chBsMode", d.chBsMode());
    return f;
}

// Row 10: every field set, values within the table's vocabularies so they survive the table too.
inline channel channel10()
{
    channel c;
    c.setChannelLow(10);
    c.setChannelName(QByteArray("Ab") + QByteArray(10, '\0'));
    c.setVfoaFrequency1(0x1A); // 438500000 Hz
    c.setVfoaFrequency2(0x22);
    c.setVfoaFrequency3(0xFA);
    c.setVfoaFrequency4(0xA0);
    c.setVfobFrequency1(0x08); // 145500000 Hz
    c.setVfobFrequency2(0xAC);
    c.setVfobFrequency3(0x27);
    c.setVfobFrequency4(0x60);
    c.setVfoaMode(6);
    c.setVfobMode(9);
    c.setEmitYayin(13);
    c.setReceiveYayin(0);
    return c;
}

inline DMR dmr10()
{
    DMR d;
    d.setChannelLow(10);
    d.setCallFormat(1);
    d.setTxCc(3);
    d.setRxCc(4);
    d.setSlot(2);
    d.setCallId(1234567);
    d.setOwnId(9);
    d.setChType(1);
    d.setRxCtcss(5);
    d.setTxCtcss(6);
    d.setSqlevel(7);
    d.setSpkgain(8);
    d.setDmodGain(11);
    d.setScrEn(1);
    d.setScrSeed1(0x12);
    d.setScrSeed2(0x34);
    d.setChBsMode(2);
    return d;
}

// Row 2 as a never-edited row leaves the table: empty name, "no selection" codes 0xFF.
inline channel channel2()
{
    channel c;
    c.setChannelLow(2);
    c.setChannelName(QByteArray(12, '\0'));
    c.setVfoaMode(0xFF);
    c.setVfobMode(0xFF);
    return c;
}

inline DMR dmr2()
{
    DMR d;
    d.setChannelLow(2);
    d.setCallFormat(0xFF);
    d.setChType(0xFF);
    d.setRxCtcss(0xFF);
    d.setTxCtcss(0xFF);
    return d;
}

// The file of rows 2 and 10, saved in that row order.
inline QByteArray expectedText()
{
    return QByteArray(R"({
    "10": {
        "callFormat": 1,
        "callId1": 0,
        "callId2": 18,
        "callId3": 214,
        "callId4": 135,
        "chBsMode": 2,
        "chType": 1,
        "channelHigh": 0,
        "channelLow": 10,
        "channelName": "Ab\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000",
        "dmodGain": 11,
        "emitYayin": 13,
        "ownId1": 0,
        "ownId2": 0,
        "ownId3": 0,
        "ownId4": 9,
        "receiveYayin": 0,
        "rxCc": 4,
        "rxCtcss": 5,
        "scrEn": 1,
        "scrSeed1": 18,
        "scrSeed2": 52,
        "slot": 2,
        "spkgain": 8,
        "sqlevel": 7,
        "txCc": 3,
        "txCtcss": 6,
        "vfoaFrequency1": 26,
        "vfoaFrequency2": 34,
        "vfoaFrequency3": 250,
        "vfoaFrequency4": 160,
        "vfoaMode": 6,
        "vfobFrequency1": 8,
        "vfobFrequency2": 172,
        "vfobFrequency3": 39,
        "vfobFrequency4": 96,
        "vfobMode": 9
    },
    "2": {
        "callFormat": 255,
        "callId1": 0,
        "callId2": 0,
        "callId3": 0,
        "callId4": 0,
        "chBsMode": 0,
        "chType": 255,
        "channelHigh": 0,
        "channelLow": 2,
        "channelName": "\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000\u0000",
        "dmodGain": 0,
        "emitYayin": 0,
        "ownId1": 0,
        "ownId2": 0,
        "ownId3": 0,
        "ownId4": 0,
        "receiveYayin": 0,
        "rxCc": 0,
        "rxCtcss": 255,
        "scrEn": 0,
        "scrSeed1": 0,
        "scrSeed2": 0,
        "slot": 0,
        "spkgain": 0,
        "sqlevel": 0,
        "txCc": 0,
        "txCtcss": 255,
        "vfoaFrequency1": 0,
        "vfoaFrequency2": 0,
        "vfoaFrequency3": 0,
        "vfoaFrequency4": 0,
        "vfoaMode": 255,
        "vfobFrequency1": 0,
        "vfobFrequency2": 0,
        "vfobFrequency3": 0,
        "vfobFrequency4": 0,
        "vfobMode": 255
    }
}
)");
}

} // namespace filetest
