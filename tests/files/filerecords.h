// Test helpers of the channel file tests: a known row and the exact file text of it beside a blank row.
#pragma once

#include "records.h"

#include <QByteArray>

namespace filetest
{

// Row 10: every field set, values within the table's vocabularies so they survive the table too.
inline void row10(channel &c, DMR &d)
{
    c = channel(), d = DMR();
    c.setChannelLow(10), d.setChannelLow(10);
    c.setChannelName(QByteArray("Ab") + QByteArray(10, '\0'));
    records::setFrequencies(c, 438500000, 145500000);
    c.setVfoaMode(6), c.setVfobMode(9), c.setEmitYayin(13), c.setReceiveYayin(0);
    d.setCallFormat(1), d.setTxCc(3), d.setRxCc(4), d.setSlot(2), d.setCallId(1234567), d.setOwnId(9);
    d.setChType(1), d.setRxCtcss(5), d.setTxCtcss(6), d.setSqlevel(7), d.setSpkgain(8), d.setDmodGain(11);
    d.setScrEn(1), d.setScrSeed1(0x12), d.setScrSeed2(0x34), d.setChBsMode(2);
}

// The file of rows 2 (never edited: empty name, "no selection" codes 0xFF) and 10, saved in that order.
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
