// Reliability test helpers: the failure report's channel list and the pacing of the frames on the line.
#pragma once

#include "records.h"
#include "tools.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace soak
{

// The channel numbers of a failure report ("%1 channel(s) failed: 3, 7-9, 12" in the window's
// language). Returns false when the text is not such a report or its count disagrees with its list.
inline bool parseFailureReport(const QString &text, QSet<int> *channels)
{
    const QString pattern = QCoreApplication::translate("termial", "%1 个信道传输失败：%2");
    const qsizetype p1 = pattern.indexOf(QLatin1String("%1")), p2 = pattern.indexOf(QLatin1String("%2"));
    if (p1 < 0 || p2 < p1)
        return false;
    const QRegularExpression re(
        QLatin1Char('^') + QRegularExpression::escape(pattern.left(p1)) + QStringLiteral("(\\d+)") +
        QRegularExpression::escape(pattern.mid(p1 + 2, p2 - p1 - 2)) + QStringLiteral("(.+)") +
        QRegularExpression::escape(pattern.mid(p2 + 2)) + QLatin1Char('$'));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return false;
    QSet<int> found;
    for (const QString &part : m.captured(2).split(QStringLiteral(", "))) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool ok1 = false, ok2 = true;
        const int from = ends.first().toInt(&ok1);
        const int to = ends.size() == 2 ? ends.last().toInt(&ok2) : from;
        if (!ok1 || !ok2 || ends.size() > 2 || to < from)
            return false;
        for (int c = from; c <= to; ++c)
            found.insert(c);
    }
    if (found.size() != m.captured(1).toInt())
        return false;
    *channels += found;
    return true;
}

// One frame on the line as the radio saw it: a request it received, or an answer it sent.
struct WireEvent {
    bool fromRadio = false;
    quint8 command = 0;
    int channel = -1;   // -1: a short acknowledgement, which names no channel
    bool intact = true; // an answer that left the radio corrupted fails its CRC
};

inline WireEvent wireEvent(const QByteArray &frame, bool fromRadio)
{
    WireEvent e;
    e.fromRadio = fromRadio;
    e.command = quint8(frame.at(5));
    const int size = quint8(frame.at(4));
    if (size >= 5)
        e.channel = quint8(frame.at(6)) * 256 + quint8(frame.at(7));
    const quint16 crc =
        Tools::crc16(reinterpret_cast<const quint8 *>(frame.constData() + 4), quint8(size - 1));
    e.intact = frame.size() == size + 5 && quint8(frame.at(frame.size() - 2)) == quint8(crc >> 8) &&
               quint8(frame.at(frame.size() - 1)) == quint8(crc);
    return e;
}

// The frames of one direction go out strictly one after another: channels 0..n-1 with `first`, then
// with `second`. Each frame's first transmission must wait until the radio has answered the frame
// before it intact (with that frame's channel, when `numbered`), unless that frame was sent four
// times and given up, in which case its channel is in `failed`. The last frame, unless failed, must
// have had its answer too. Returns what broke the rule, or an empty string; `*unanswered` gets the
// channels with a frame that had no answer before the next frame went out.
inline QString checkPacing(const QList<WireEvent> &events, quint8 first, quint8 second, int n, bool numbered,
                           const QSet<int> &failed, QSet<int> *unanswered)
{
    struct Frame {
        quint8 command;
        int channel;
    };
    QList<Frame> order;
    for (const quint8 command : {first, second})
        for (int c = 0; c < n; ++c)
            order << Frame{command, c};
    auto firstRequest = [&events](const Frame &f) -> qsizetype {
        for (qsizetype i = 0; i < events.size(); ++i)
            if (!events[i].fromRadio && events[i].command == f.command && events[i].channel == f.channel)
                return i;
        return -1;
    };
    for (qsizetype k = 0; k < order.size(); ++k) {
        const Frame a = order[k];
        const qsizetype start = firstRequest(a);
        if (start < 0)
            return QStringLiteral("0x%1 channel %2 never sent").arg(a.command, 0, 16).arg(a.channel);
        qsizetype end = events.size();
        if (k + 1 < order.size()) {
            end = firstRequest(order[k + 1]);
            if (end < start)
                return QStringLiteral("0x%1 channel %2 sent before 0x%3 channel %4")
                    .arg(order[k + 1].command, 0, 16)
                    .arg(order[k + 1].channel)
                    .arg(a.command, 0, 16)
                    .arg(a.channel);
        }
        bool answered = false;
        int sends = 0;
        for (qsizetype i = 0; i < end; ++i) {
            const WireEvent &e = events[i];
            if (e.command != a.command)
                continue;
            if (!e.fromRadio && e.channel == a.channel)
                ++sends;
            else if (i > start && e.fromRadio && e.intact && (!numbered || e.channel == a.channel))
                answered = true;
        }
        if (answered)
            continue;
        unanswered->insert(a.channel);
        if (sends < 4 || !failed.contains(a.channel))
            return QStringLiteral("0x%1 channel %2 counted as done without its answer (sent %3 times)")
                .arg(a.command, 0, 16)
                .arg(a.channel)
                .arg(sends);
    }
    return QString();
}

} // namespace soak
