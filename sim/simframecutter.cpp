// The simulated radio's frame cutter.
#include "simframecutter.h"

#include "tools.h"

namespace
{

const QByteArray &header()
{
    static const QByteArray h(4, char(0xA5));
    return h;
}

// Smallest length byte that leaves room for a command byte and the two CRC bytes.
constexpr int kMinSize = 3;

bool crcMatches(const char *frame, int length)
{
    // The CRC covers the length byte through the last payload byte.
    const quint16 crc = Tools::crc16(reinterpret_cast<const quint8 *>(frame + 4), quint8(length - 6));
    const quint16 received = quint16(quint8(frame[length - 2]) << 8 | quint8(frame[length - 1]));
    return crc == received;
}

} // namespace

bool SimFrameCutter::isValidFrame(const QByteArray &frame)
{
    if (frame.size() < 4 + 1 + kMinSize || !frame.startsWith(header()))
        return false;
    const int size = quint8(frame.at(4));
    return size >= kMinSize && frame.size() == size + 5 && crcMatches(frame.constData(), int(frame.size()));
}

QByteArray SimFrameCutter::next(QByteArray *skipped)
{
    qsizetype waitFrom = -1; // first header whose frame may still be arriving
    for (qsizetype from = 0;;) {
        const qsizetype pos = m_buffer.indexOf(header(), from);
        if (pos < 0)
            break;
        if (pos + 5 > m_buffer.size()) {
            if (waitFrom < 0)
                waitFrom = pos;
            break;
        }
        const int size = quint8(m_buffer.at(pos + 4));
        const qsizetype length = size + 5;
        if (size >= kMinSize) {
            if (pos + length <= m_buffer.size()) {
                if (crcMatches(m_buffer.constData() + pos, int(length))) {
                    if (skipped)
                        skipped->append(m_buffer.left(pos));
                    const QByteArray frame = m_buffer.mid(pos, length);
                    m_buffer.remove(0, pos + length);
                    return frame;
                }
            } else if (waitFrom < 0) {
                waitFrom = pos;
            }
        }
        from = pos + 1;
    }

    // Nothing complete. Keep what may still become a frame: from the first unfinished candidate on,
    // or else the trailing 0xA5 bytes that may be the start of a header.
    qsizetype keepFrom = waitFrom;
    if (keepFrom < 0) {
        keepFrom = m_buffer.size();
        while (keepFrom > 0 && m_buffer.size() - keepFrom < 3 && quint8(m_buffer.at(keepFrom - 1)) == 0xA5)
            --keepFrom;
    }
    if (keepFrom > 0) {
        if (skipped)
            skipped->append(m_buffer.left(keepFrom));
        m_buffer.remove(0, keepFrom);
    }
    return {};
}
