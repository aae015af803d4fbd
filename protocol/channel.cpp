// The analog channel record: frame building and decoding over its bytes in frame order.
#include "channel.h"

#include "tools.h"
#include "wire.h"

static_assert(channel::Size == wire::kSizeOffset && channel::Command == wire::kCommandOffset &&
              channel::CrcHigh == wire::kNameOffset);

channel::channel(QObject *parent) : QObject(parent) {}

channel::channel(const channel &other)
    : QObject(other.parent()), m_bytes(other.m_bytes), m_channelName(other.m_channelName)
{
}

channel &channel::operator=(const channel &other)
{
    m_bytes = other.m_bytes;
    m_channelName = other.m_channelName;
    return *this;
}

QByteArray channel::bytes(Field from, Field to) const
{
    return QByteArray(reinterpret_cast<const char *>(m_bytes.data()) + from, to - from);
}

quint16 channel::channelNumber() const
{
    return quint16(m_bytes[ChannelHigh] * 256 + m_bytes[ChannelLow]);
}

quint32 channel::vfoaFrequency() const
{
    return wire::be32(&m_bytes[VfoaFrequency1]);
}

quint32 channel::vfobFrequency() const
{
    return wire::be32(&m_bytes[VfobFrequency1]);
}

QByteArray channel::body() const
{
    return bytes(Size, CrcHigh) + m_channelName;
}

QByteArray channel::readBody() const
{
    return bytes(Size, VfoaMode);
}

QByteArray channel::toWriteFrame() const
{
    QByteArray b = body();
    Tools::appendCrc(b);
    Tools::prependHeader(b);
    return b;
}

QByteArray channel::toReadFrame() const
{
    // A resend carries the record's own header bytes.
    QByteArray b = readBody();
    Tools::appendCrc(b);
    return bytes(StartBit1, Size) + b;
}

void channel::fromFrame(const QByteArray &frame)
{
    const int len = int(frame.size());
    // The last two bytes are the CRC of any frame long enough to pass the receive checks; the
    // fixed fields come from the bytes before it, and nothing past the end is read.
    const bool hasCrc = len >= wire::kMinFrameLength;
    const int fixedEnd = qMin<int>(CrcHigh, hasCrc ? len - 2 : len);
    for (int i = 0; i < fixedEnd; ++i)
        m_bytes[i] = quint8(frame.at(i));
    if (len >= wire::kNameOffset + 2)
        m_channelName = frame.mid(wire::kNameOffset, len - wire::kNameOffset - 2);
    if (hasCrc) {
        m_bytes[CrcHigh] = quint8(frame.at(len - 2));
        m_bytes[CrcLow] = quint8(frame.at(len - 1));
    }
}
