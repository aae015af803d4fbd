// The DMR channel record: frame building and decoding over its bytes in frame order.
#include "dmr.h"

#include "wire.h"

static_assert(DMR::Size == wire::kSizeOffset && DMR::Command == wire::kCommandOffset &&
              DMR::FieldCount == wire::kRecordSize + wire::kSizeToLength);

DMR::DMR(QObject *parent) : QObject(parent)
{
    m_bytes[Dmrexist] = 1;
    m_bytes[Validat] = 1;
}

DMR::DMR(const DMR &other) : QObject(other.parent()), m_bytes(other.m_bytes) {}

DMR &DMR::operator=(const DMR &other)
{
    m_bytes = other.m_bytes;
    return *this;
}

QByteArray DMR::bytes(Field from, Field to) const
{
    return QByteArray(reinterpret_cast<const char *>(m_bytes.data()) + from, to - from);
}

void DMR::setBe32(Field first, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[first + i] = quint8(value >> (24 - 8 * i));
}

quint16 DMR::channelNumber() const
{
    return quint16(m_bytes[ChannelHigh] * 256 + m_bytes[ChannelLow]);
}

quint32 DMR::callId() const
{
    return wire::be32(&m_bytes[CallId1]);
}

void DMR::setCallId(quint32 id)
{
    setBe32(CallId1, id);
}

quint32 DMR::ownId() const
{
    return wire::be32(&m_bytes[OwnId1]);
}

void DMR::setOwnId(quint32 id)
{
    setBe32(OwnId1, id);
}

QByteArray DMR::body() const
{
    return bytes(Size, CrcHigh);
}

QByteArray DMR::readBody() const
{
    return bytes(Size, CallFormat);
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
    QByteArray b = readBody();
    tools.appendCrc(b);
    tools.prependHeader(b);
    return b;
}

void DMR::fromFrame(const QByteArray &frame)
{
    const int len = int(frame.size());
    // A short frame (a brief acknowledgement, say): its last two bytes are its CRC once it is long
    // enough to pass the receive checks; every field it does not reach keeps its value.
    const bool full = len >= FieldCount;
    const bool hasCrc = len >= wire::kMinFrameLength;
    const int fixedEnd = full ? int(FieldCount) : hasCrc ? len - 2 : len;
    for (int i = 0; i < fixedEnd; ++i)
        m_bytes[i] = quint8(frame.at(i));
    if (hasCrc && !full) {
        m_bytes[CrcHigh] = quint8(frame.at(len - 2));
        m_bytes[CrcLow] = quint8(frame.at(len - 1));
    }
}
