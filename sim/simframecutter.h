// The simulated radio's own frame cutter: finds frames in a noisy byte stream and resynchronises.
#pragma once

#include <QByteArray>

// Unlike a plain "first header wins" cutter, a candidate that fails its CRC costs only its first
// byte, so a good frame hidden behind a stray 0xA5 or a corrupted length byte is still found, and
// a candidate still waiting for its tail does not block a complete frame that starts after it.
class SimFrameCutter
{
public:
    void append(const QByteArray &bytes) { m_buffer.append(bytes); }

    // The next frame whose length and CRC check out, or an empty array when none is complete yet.
    // Bytes that can no longer start a frame are removed and, when asked, appended to *skipped.
    QByteArray next(QByteArray *skipped = nullptr);

    const QByteArray &pending() const { return m_buffer; }
    void clear() { m_buffer.clear(); }

    // True when the bytes hold a whole frame: header, a length byte that fits them, and a good CRC.
    static bool isValidFrame(const QByteArray &frame);

private:
    QByteArray m_buffer;
};
