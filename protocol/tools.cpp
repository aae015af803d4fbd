// CRC and header helpers used by every frame builder.
#include "tools.h"

#include "wire.h"

Tools::Tools(QObject *parent) : QObject(parent) {}

// One routine for every length, so an oversized array still gets the CRC of all its bytes.
static quint16 crcOf(const quint8 *data, qsizetype length)
{
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < length; ++i) {
        crc ^= quint16(data[i]) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
    }
    return crc;
}

quint16 Tools::crc16(const quint8 *data, quint8 length)
{
    return crcOf(data, length);
}

void Tools::appendCrc(QByteArray &frame)
{
    const quint16 crc = crcOf(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    frame.append(char(crc >> 8));
    frame.append(char(crc & 0xFF));
}

void Tools::prependHeader(QByteArray &frame)
{
    frame.prepend(QByteArray(wire::kHeaderLength, char(wire::kHeaderByte)));
}
