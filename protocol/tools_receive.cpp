// Receive path: gathers bytes, cuts frames at the header and checks length and CRC.
#include "log.h"
#include "tools.h"
#include "wire.h"

namespace
{

const QByteArray kHeader(wire::kHeaderLength, char(wire::kHeaderByte));

// A header that may be starting at the end of the buffer is at most this long.
constexpr qsizetype kHeaderTail = wire::kHeaderLength - 1;

enum class Verdict { Valid, TooShort, Inconsistent, BadCrc };

struct Inspection {
    Verdict verdict;
    quint16 computed = 0;
    quint16 received = 0;
};

// The checks of checkFrame without its log lines, so the look-ahead can test candidates
// it may later see again without writing them twice.
Inspection inspect(const char *data, qsizetype length)
{
    if (length < wire::kMinFrameLength)
        return {Verdict::TooShort};
    const int size = quint8(data[wire::kSizeOffset]);
    // A size below 2 leaves no CRC to cover; only a caller other than extractFrame gets here.
    if (size + wire::kSizeToLength > length || size < 2)
        return {Verdict::Inconsistent};
    const quint16 computed =
        Tools::crc16(reinterpret_cast<const quint8 *>(data + wire::kSizeOffset), quint8(size - 1));
    const quint16 received = quint16(quint8(data[length - 2]) << 8 | quint8(data[length - 1]));
    return {computed == received ? Verdict::Valid : Verdict::BadCrc, computed, received};
}

qsizetype frameLength(const QByteArray &buffer, qsizetype pos)
{
    return qsizetype(quint8(buffer.at(pos + wire::kSizeOffset))) + wire::kSizeToLength;
}

// Start of the first complete, valid frame whose header lies after `after`, or -1. The caller
// only asks while the candidate at `after` is incomplete, so fewer than 260 bytes are searched.
// Candidates ending at or before `searchedEnd` were complete and invalid at an earlier search;
// their bytes have not changed since, so they are not checked again.
qsizetype laterValidFrame(const QByteArray &buffer, qsizetype after, qsizetype searchedEnd)
{
    for (qsizetype p = buffer.indexOf(kHeader, after + 1); p >= 0; p = buffer.indexOf(kHeader, p + 1)) {
        if (p + wire::kSizeOffset + 1 > buffer.size())
            break;
        const qsizetype end = p + frameLength(buffer, p);
        if (end <= buffer.size() && end > searchedEnd &&
            inspect(buffer.constData() + p, end - p).verdict == Verdict::Valid)
            return p;
    }
    return -1;
}

} // namespace

// Between calls the buffer either starts with a header or holds at most three 0xA5 bytes (the
// start of a header that may be arriving); while it waits for a frame it holds less than one
// largest frame.
void Tools::dropUnusable()
{
    const qsizetype pos = m_buffer.indexOf(kHeader);
    if (pos < 0) {
        qsizetype tail = 0;
        while (tail < kHeaderTail && tail < m_buffer.size() &&
               quint8(m_buffer.at(m_buffer.size() - 1 - tail)) == wire::kHeaderByte)
            ++tail;
        consume(m_buffer.size() - tail);
    } else {
        consume(pos);
    }
}

void Tools::consume(qsizetype count)
{
    m_buffer.remove(0, count);
    m_searchedEnd = qMax<qsizetype>(0, m_searchedEnd - count);
}

QByteArray Tools::extractFrame(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    for (;;) {
        qsizetype pos = m_buffer.indexOf(kHeader);
        if (pos < 0 || pos + wire::kSizeOffset + 1 > m_buffer.size()) {
            dropUnusable();
            return QByteArray();
        }
        qsizetype len = frameLength(m_buffer, pos);
        if (pos + len > m_buffer.size()) {
            // A stray 0xA5 or a corrupted size byte must not hold back an answer that is
            // already complete behind it.
            pos = laterValidFrame(m_buffer, pos, m_searchedEnd);
            if (pos < 0) {
                m_searchedEnd = m_buffer.size();
                dropUnusable();
                return QByteArray();
            }
            len = frameLength(m_buffer, pos);
        }

        const QByteArray candidate = m_buffer.mid(pos, len);
        PLOG() << "完整数据包(crc未校验)：" << tlog::hex(candidate);
        if (!checkFrame(candidate)) {
            PLOG() << "crc校验失败" << tlog::hex(m_buffer);
            // Only this header is known to be false; a real frame may start inside the span.
            consume(pos + 1);
            continue;
        }

        consume(pos + len);
        dropUnusable();
        if (quint8(candidate.at(wire::kCommandOffset)) != wire::kStatus)
            PLOG() << "返回解析出来的数据包:" << tlog::hex(candidate);
        return candidate;
    }
}

bool Tools::checkFrame(const QByteArray &frame)
{
    const Inspection result = inspect(frame.constData(), frame.size());
    switch (result.verdict) {
    case Verdict::Valid:
        return true;
    case Verdict::TooShort:
        PLOG() << "数据长度不足，最小长度：7，实际长度：" << frame.size();
        return false;
    case Verdict::Inconsistent:
        return false;
    case Verdict::BadCrc:
        PLOG() << "CRC校验失败，计算值：" << QString::number(result.computed, 16) << "，接收值："
               << QString::number(result.received, 16);
        return false;
    }
    return false;
}
