// Fuzz target for the receive path: byte streams cut into arbitrary chunks and fed to Tools::extractFrame.
//
// Input: byte 0 picks how many of the following bytes are chunk sizes (1 to 8, used in turn; a size
// of 0 is a read that delivers nothing); the rest is the stream. The same rest also builds a valid
// frame between two runs of noise: its byte 0 is the length of the noise in front, byte 1 the frame's
// size byte (2 to 255), then the frame's command and payload, the noise, and the noise behind.
#include "fuzz_common.h"
#include "tools.h"
#include "wire.h"

#include <QList>

#include <cstddef>
#include <cstdint>

namespace
{

const QByteArray kHeader(4, char(0xA5));
constexpr qsizetype kMinFrame = 7;

quint8 at(const QByteArray &bytes, qsizetype i)
{
    return quint8(bytes.at(i));
}

// The CRC worked out here rather than by checkFrame, which is under test.
bool crcHolds(const QByteArray &frame)
{
    QByteArray covered = frame.mid(4, frame.size() - 6);
    Tools::appendCrc(covered);
    return frame.right(2) == covered.right(2);
}

bool isValidFrame(const QByteArray &frame)
{
    return frame.size() >= kMinFrame && frame.startsWith(kHeader) && frame.size() == at(frame, 4) + 5 &&
           crcHolds(frame);
}

// Between calls the buffer starts with a header, or holds at most three bytes (a header may be
// starting); so noise never piles up.
void checkBetweenCalls(const QByteArray &buffer, const QByteArray &input)
{
    const qsizetype pos = buffer.indexOf(kHeader);
    FUZZ_CHECK(pos == 0 || (pos < 0 && buffer.size() <= 3), input);
}

// Once every frame has been taken, what waits behind the header is an incomplete candidate, so
// never more than one largest frame.
void checkDrained(const QByteArray &buffer, const QByteArray &input)
{
    checkBetweenCalls(buffer, input);
    if (!buffer.startsWith(kHeader))
        return;
    FUZZ_CHECK(buffer.size() < wire::kMaxFrameLength, input);
    if (buffer.size() > 4)
        FUZZ_CHECK(buffer.size() < at(buffer, 4) + 5, input);
}

// Where a complete valid frame lies in a stream: at a header, as long as its size byte says.
struct Span {
    qsizetype begin;
    qsizetype end;
};

QList<Span> validFrames(const QByteArray &stream)
{
    QList<Span> spans;
    for (qsizetype p = stream.indexOf(kHeader); p >= 0 && p + 5 <= stream.size();
         p = stream.indexOf(kHeader, p + 1)) {
        const qsizetype end = p + at(stream, p + 4) + 5;
        if (end <= stream.size() && isValidFrame(stream.mid(p, end - p)))
            spans.append({p, end});
    }
    return spans;
}

// A failed candidate costs only its first header byte, and while one is incomplete the first
// complete valid frame behind it is taken; so only another valid frame sharing bytes with a valid
// frame can take its place.
bool overlapsAnother(const QList<Span> &spans, const Span &span)
{
    for (const Span &other : spans)
        if (other.begin != span.begin && other.begin < span.end && span.begin < other.end)
            return true;
    return false;
}

// Feeds the stream in chunks of the given sizes, taking every frame after each chunk the way the
// window would over successive reads. Returns the frames in the order they came out. Every valid
// frame of the stream that shares no byte with another valid frame must be among them.
QList<QByteArray> feed(const QByteArray &stream, const QByteArray &sizes, const QByteArray &input)
{
    Tools rx;
    Tools checker;
    QList<QByteArray> frames;
    qsizetype offset = 0;
    qsizetype turn = 0;
    qsizetype emptyReads = 0;
    qsizetype frameEnd = 0; // frames are cut from the stream in order, never overlapping
    while (offset < stream.size()) {
        qsizetype n = quint8(sizes.at(turn++ % sizes.size()));
        // Sizes that are all zero would never finish; the rest then comes in one read.
        if (n == 0 && ++emptyReads >= sizes.size())
            n = stream.size() - offset;
        if (n > 0)
            emptyReads = 0;
        n = qMin(n, stream.size() - offset);
        QByteArray frame = rx.extractFrame(stream.mid(offset, n));
        offset += n;
        // Each frame leaves with its bytes, so a drain ends within the stream's length.
        for (qsizetype guard = 0; !frame.isEmpty(); ++guard) {
            FUZZ_CHECK(guard <= stream.size(), input);
            FUZZ_CHECK(isValidFrame(frame), input);
            FUZZ_CHECK(checker.checkFrame(frame), input);
            const qsizetype where = stream.indexOf(frame, frameEnd);
            FUZZ_CHECK(where >= 0, input);
            frameEnd = where + frame.size();
            frames.append(frame);
            checkBetweenCalls(rx.buffer(), input);
            frame = rx.extractFrame(QByteArray());
        }
        checkDrained(rx.buffer(), input);
    }

    // Nothing but a valid frame overlapping it can cost a valid frame its turn.
    QList<QByteArray> left = frames;
    const QList<Span> valid = validFrames(stream);
    for (const Span &span : valid) {
        if (overlapsAnother(valid, span))
            continue;
        FUZZ_CHECK(left.removeOne(stream.mid(span.begin, span.end - span.begin)), input);
    }
    return frames;
}

// A valid frame of the given size byte (2..255): the command and payload from the input, zero-padded.
QByteArray makeFrame(quint8 size, const QByteArray &content)
{
    QByteArray body(1, char(size));
    body.append(content.left(size - 2));
    body.append(QByteArray(size - 2 - qMin<qsizetype>(content.size(), size - 2), '\0'));
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}

// A valid frame between two runs of noise always comes out, whatever the noise holds (false headers,
// size bytes announcing long frames, runs of 0xA5 ending where the frame starts) and however the
// bytes are chunked, unless the noise and the frame together hold another valid frame overlapping it.
void checkResync(const QByteArray &rest, const QByteArray &sizes, const QByteArray &input)
{
    if (rest.size() < 2)
        return;
    const qsizetype noiseLength = at(rest, 0);
    const quint8 size = quint8(2 + at(rest, 1) % 254);
    const QByteArray content = rest.mid(2, size - 2);
    const qsizetype afterContent = qMin<qsizetype>(rest.size(), size);
    const QByteArray noise = rest.mid(afterContent, noiseLength);
    const QByteArray trailing = rest.mid(afterContent + noise.size());
    const QByteArray frame = makeFrame(size, content);
    const QByteArray stream = noise + frame + trailing;

    const QList<QByteArray> frames = feed(stream, sizes, input);
    const Span span{noise.size(), noise.size() + frame.size()};
    FUZZ_CHECK(frames.contains(frame) || overlapsAnother(validFrames(stream), span), input);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::quietLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.isEmpty())
        return 0;
    const qsizetype sizeCount = 1 + at(input, 0) % 8;
    const QByteArray sizes = input.mid(1, sizeCount);
    if (sizes.isEmpty())
        return 0;
    const QByteArray rest = input.mid(1 + sizeCount);
    feed(rest, sizes, input);
    checkResync(rest, sizes, input);
    return 0;
}
