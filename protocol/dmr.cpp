// The DMR channel record: accessors, frame building and decoding.
#include "dmr.h"

DMR::DMR(QObject *parent) : QObject(parent) {}

DMR::DMR(const DMR &other) : QObject(other.parent())
{
    copyFields(other);
}

DMR &DMR::operator=(const DMR &other)
{
    if (this != &other)
        copyFields(other);
    return *this;
}

void DMR::copyFields(const DMR &o)
{
    m_startBit1 = o.m_startBit1;
    m_startBit2 = o.m_startBit2;
    m_startBit3 = o.m_startBit3;
    m_startBit4 = o.m_startBit4;
    m_size = o.m_size;
    m_command = o.m_command;
    m_channelHigh = o.m_channelHigh;
    m_channelLow = o.m_channelLow;
    m_callFormat = o.m_callFormat;
    m_txCc = o.m_txCc;
    m_rxCc = o.m_rxCc;
    m_slot = o.m_slot;
    m_callId1 = o.m_callId1;
    m_callId2 = o.m_callId2;
    m_callId3 = o.m_callId3;
    m_callId4 = o.m_callId4;
    m_ownId1 = o.m_ownId1;
    m_ownId2 = o.m_ownId2;
    m_ownId3 = o.m_ownId3;
    m_ownId4 = o.m_ownId4;
    m_chType = o.m_chType;
    m_rxCtcss = o.m_rxCtcss;
    m_txCtcss = o.m_txCtcss;
    m_sqlevel = o.m_sqlevel;
    m_spkgain = o.m_spkgain;
    m_dmrexist = o.m_dmrexist;
    m_dmodGain = o.m_dmodGain;
    m_scrEn = o.m_scrEn;
    m_scrSeed1 = o.m_scrSeed1;
    m_scrSeed2 = o.m_scrSeed2;
    m_chBsMode = o.m_chBsMode;
    m_validat = o.m_validat;
    m_crcHigh = o.m_crcHigh;
    m_crcLow = o.m_crcLow;
}

quint16 DMR::channelNumber() const
{
    return quint16(m_channelHigh * 256 + m_channelLow);
}

quint32 DMR::callId() const
{
    return (quint32(m_callId1) << 24) | (quint32(m_callId2) << 16) | (quint32(m_callId3) << 8) | m_callId4;
}

void DMR::setCallId(quint32 id)
{
    m_callId1 = quint8(id >> 24);
    m_callId2 = quint8(id >> 16);
    m_callId3 = quint8(id >> 8);
    m_callId4 = quint8(id);
}

quint32 DMR::ownId() const
{
    return (quint32(m_ownId1) << 24) | (quint32(m_ownId2) << 16) | (quint32(m_ownId3) << 8) | m_ownId4;
}

void DMR::setOwnId(quint32 id)
{
    m_ownId1 = quint8(id >> 24);
    m_ownId2 = quint8(id >> 16);
    m_ownId3 = quint8(id >> 8);
    m_ownId4 = quint8(id);
}

QByteArray DMR::body() const
{
    QByteArray b;
    b.reserve(34);
    b.append(char(m_size));
    b.append(char(m_command));
    b.append(char(m_channelHigh));
    b.append(char(m_channelLow));
    b.append(char(m_callFormat));
    b.append(char(m_txCc));
    b.append(char(m_rxCc));
    b.append(char(m_slot));
    b.append(char(m_callId1));
    b.append(char(m_callId2));
    b.append(char(m_callId3));
    b.append(char(m_callId4));
    b.append(char(m_ownId1));
    b.append(char(m_ownId2));
    b.append(char(m_ownId3));
    b.append(char(m_ownId4));
    b.append(char(m_chType));
    b.append(char(m_rxCtcss));
    b.append(char(m_txCtcss));
    b.append(char(m_sqlevel));
    b.append(char(m_spkgain));
    b.append(char(m_dmrexist));
    b.append(char(m_dmodGain));
    b.append(char(m_scrEn));
    b.append(char(m_scrSeed1));
    b.append(char(m_scrSeed2));
    b.append(char(m_chBsMode));
    b.append(char(m_validat));
    return b;
}

QByteArray DMR::toWriteFrame() const
{
    QByteArray b = body();
    tools.appendCrc(b);
    tools.prependHeader(b);
    return b;
}

QByteArray DMR::toReadFrame() const
{
    QByteArray b;
    b.append(char(m_size));
    b.append(char(m_command));
    b.append(char(m_channelHigh));
    b.append(char(m_channelLow));
    tools.appendCrc(b);
    tools.prependHeader(b);
    return b;
}

void DMR::fromFrame(const QByteArray &frame)
{
    // All 34 frame offsets in order, header to CRC.
    static constexpr quint8 DMR::*kFields[] = {
        &DMR::m_startBit1, &DMR::m_startBit2,   &DMR::m_startBit3,  &DMR::m_startBit4,  &DMR::m_size,
        &DMR::m_command,   &DMR::m_channelHigh, &DMR::m_channelLow, &DMR::m_callFormat, &DMR::m_txCc,
        &DMR::m_rxCc,      &DMR::m_slot,        &DMR::m_callId1,    &DMR::m_callId2,    &DMR::m_callId3,
        &DMR::m_callId4,   &DMR::m_ownId1,      &DMR::m_ownId2,     &DMR::m_ownId3,     &DMR::m_ownId4,
        &DMR::m_chType,    &DMR::m_rxCtcss,     &DMR::m_txCtcss,    &DMR::m_sqlevel,    &DMR::m_spkgain,
        &DMR::m_dmrexist,  &DMR::m_dmodGain,    &DMR::m_scrEn,      &DMR::m_scrSeed1,   &DMR::m_scrSeed2,
        &DMR::m_chBsMode,  &DMR::m_validat,     &DMR::m_crcHigh,    &DMR::m_crcLow};
    constexpr int kFieldCount = int(sizeof(kFields) / sizeof(kFields[0]));
    const int len = int(frame.size());
    if (len >= kFieldCount) {
        for (int i = 0; i < kFieldCount; ++i)
            this->*kFields[i] = quint8(frame.at(i));
        return;
    }
    // A short frame (a brief acknowledgement, say): its last two bytes are its CRC once it is
    // long enough to pass the receive checks; every field it does not reach keeps its value.
    const bool hasCrc = len >= 7;
    const int fixedEnd = hasCrc ? len - 2 : len;
    for (int i = 0; i < fixedEnd; ++i)
        this->*kFields[i] = quint8(frame.at(i));
    if (hasCrc) {
        m_crcHigh = quint8(frame.at(len - 2));
        m_crcLow = quint8(frame.at(len - 1));
    }
}
