// The analog channel record: accessors, frame building and decoding.
#include "channel.h"

#include "tools.h"

namespace
{

QByteArray frameOf(QByteArray body)
{
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}
} // namespace

channel::channel(QObject *parent) : QObject(parent) {}

channel::channel(const channel &other) : QObject(other.parent())
{
    copyFields(other);
}

channel &channel::operator=(const channel &other)
{
    if (this != &other)
        copyFields(other);
    return *this;
}

void channel::copyFields(const channel &o)
{
    m_startBit1 = o.m_startBit1;
    m_startBit2 = o.m_startBit2;
    m_startBit3 = o.m_startBit3;
    m_startBit4 = o.m_startBit4;
    m_size = o.m_size;
    m_command = o.m_command;
    m_channelHigh = o.m_channelHigh;
    m_channelLow = o.m_channelLow;
    m_vfoaMode = o.m_vfoaMode;
    m_vfobMode = o.m_vfobMode;
    m_vfoaFrequency1 = o.m_vfoaFrequency1;
    m_vfoaFrequency2 = o.m_vfoaFrequency2;
    m_vfoaFrequency3 = o.m_vfoaFrequency3;
    m_vfoaFrequency4 = o.m_vfoaFrequency4;
    m_vfobFrequency1 = o.m_vfobFrequency1;
    m_vfobFrequency2 = o.m_vfobFrequency2;
    m_vfobFrequency3 = o.m_vfobFrequency3;
    m_vfobFrequency4 = o.m_vfobFrequency4;
    m_emitYayin = o.m_emitYayin;
    m_receiveYayin = o.m_receiveYayin;
    m_channelName = o.m_channelName;
    m_crcHigh = o.m_crcHigh;
    m_crcLow = o.m_crcLow;
}

quint16 channel::channelNumber() const
{
    return quint16(m_channelHigh * 256 + m_channelLow);
}

static quint32 be32(quint8 b1, quint8 b2, quint8 b3, quint8 b4)
{
    return (quint32(b1) << 24) | (quint32(b2) << 16) | (quint32(b3) << 8) | quint32(b4);
}

quint32 channel::vfoaFrequency() const
{
    return be32(m_vfoaFrequency1, m_vfoaFrequency2, m_vfoaFrequency3, m_vfoaFrequency4);
}

quint32 channel::vfobFrequency() const
{
    return be32(m_vfobFrequency1, m_vfobFrequency2, m_vfobFrequency3, m_vfobFrequency4);
}

QByteArray channel::body() const
{
    QByteArray b;
    b.reserve(32);
    b.append(char(m_size));
    b.append(char(m_command));
    b.append(char(m_channelHigh));
    b.append(char(m_channelLow));
    b.append(char(m_vfoaMode));
    b.append(char(m_vfobMode));
    b.append(char(m_vfoaFrequency1));
    b.append(char(m_vfoaFrequency2));
    b.append(char(m_vfoaFrequency3));
    b.append(char(m_vfoaFrequency4));
    b.append(char(m_vfobFrequency1));
    b.append(char(m_vfobFrequency2));
    b.append(char(m_vfobFrequency3));
    b.append(char(m_vfobFrequency4));
    b.append(char(m_emitYayin));
    b.append(char(m_receiveYayin));
    b.append(m_channelName);
    return b;
}

QByteArray channel::toWriteFrame() const
{
    return frameOf(body());
}

QByteArray channel::toReadFrame() const
{
    QByteArray b;
    b.append(char(m_size));
    b.append(char(m_command));
    b.append(char(m_channelHigh));
    b.append(char(m_channelLow));
    Tools::appendCrc(b);
    b.prepend(char(m_startBit4));
    b.prepend(char(m_startBit3));
    b.prepend(char(m_startBit2));
    b.prepend(char(m_startBit1));
    return b;
}

void channel::fromFrame(const QByteArray &frame)
{
    // Frame offsets 0..19 in order; the name follows at offset 20.
    static constexpr quint8 channel::*kFixedFields[] = {
        &channel::m_startBit1,      &channel::m_startBit2,      &channel::m_startBit3,
        &channel::m_startBit4,      &channel::m_size,           &channel::m_command,
        &channel::m_channelHigh,    &channel::m_channelLow,     &channel::m_vfoaMode,
        &channel::m_vfobMode,       &channel::m_vfoaFrequency1, &channel::m_vfoaFrequency2,
        &channel::m_vfoaFrequency3, &channel::m_vfoaFrequency4, &channel::m_vfobFrequency1,
        &channel::m_vfobFrequency2, &channel::m_vfobFrequency3, &channel::m_vfobFrequency4,
        &channel::m_emitYayin,      &channel::m_receiveYayin};
    constexpr int kFixedCount = int(sizeof(kFixedFields) / sizeof(kFixedFields[0]));
    const int len = int(frame.size());
    // The last two bytes are the CRC of any frame long enough to pass the receive checks;
    // the fixed fields come from the bytes before it, and nothing past the end is read.
    const bool hasCrc = len >= 7;
    const int fixedEnd = qMin(kFixedCount, hasCrc ? len - 2 : len);
    for (int i = 0; i < fixedEnd; ++i)
        this->*kFixedFields[i] = quint8(frame.at(i));
    if (len >= 22)
        m_channelName = frame.mid(20, len - 22);
    if (hasCrc) {
        m_crcHigh = quint8(frame.at(len - 2));
        m_crcLow = quint8(frame.at(len - 1));
    }
}
