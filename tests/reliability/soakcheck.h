// Soak checks: the pacing of the frames on the line.
#pragma once

#include "enginerig.h"
#include "tools.h"

#include <QList>
#include <QSet>

namespace soak
{

// One frame on the line as the radio saw it: a request it received, or an answer it sent.
struct WireEvent {
    bool fromRadio;
    quint8 command;
    int channel;
    bool intact; // an answer that left the radio corrupted fails its CRC
};

inline WireEvent wireEvent(const QByteArray &frame, bool fromRadio)
{
    const int size = quint8(frame.at(4));
    const quint16 crc =
        Tools::crc16(reinterpret_cast<const quint8 *>(frame.constData() + 4), quint8(size - 1));
    return {fromRadio, quint8(frame.at(5)), channelOf(frame),
            frame.size() == size + 5 &&
                (quint8(frame.at(size + 3)) << 8 | quint8(frame.at(size + 4))) == crc};
}

// The frames of one transfer reach the radio strictly in turn: channels 0..n-1 with `first`, then
// with `second`. A frame is first sent only once the frame before it had an intact answer after its
// own first send (naming its channel, when `numbered`), or had been sent four times and its channel
// is in `failed`; the same holds for the last frame at the end. Returns what broke the rule.
inline QString checkPacing(const QList<WireEvent> &events, quint8 first, quint8 second, int n, bool numbered,
                           const QSet<int> &failed)
{
    const auto command = [&](int k) { return k < n ? first : second; };
    int k = -1, sends = 0;
    bool answered = true;
    const auto leftBehind = [&]() -> QString {
        if (k < 0 || answered || (sends >= 4 && failed.contains(k % n)))
            return QString();
        return QStringLiteral("0x%1 channel %2 counted as done without its answer (sent %3 times)")
            .arg(command(k), 0, 16)
            .arg(k % n)
            .arg(sends);
    };
    for (const WireEvent &e : events) {
        if (e.fromRadio) {
            answered = answered ||
                       (k >= 0 && e.intact && e.command == command(k) && (!numbered || e.channel == k % n));
        } else if (k >= 0 && e.command == command(k) && e.channel == k % n) {
            ++sends;
        } else if (k + 1 < 2 * n && e.command == command(k + 1) && e.channel == (k + 1) % n) {
            if (const QString why = leftBehind(); !why.isEmpty())
                return why;
            ++k, sends = 1, answered = false;
        } else {
            return QStringLiteral("0x%1 channel %2 sent out of turn").arg(e.command, 0, 16).arg(e.channel);
        }
    }
    if (k + 1 < 2 * n)
        return QStringLiteral("only %1 of %2 frames sent").arg(k + 1).arg(2 * n);
    return leftBehind();
}

} // namespace soak
