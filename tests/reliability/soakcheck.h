// Reliability test helpers: random channels the table holds unchanged, field-by-field record
// comparison, the failure report's channel list and a record of the frames on the line.
#pragma once

#include "channel.h"
#include "channelfile.h"
#include "dmr.h"
#include "tools.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace soak
{

// Characters of one to four UTF-8 bytes; none of them is a zero byte.
inline const QStringList &nameCharacters()
{
    static const QStringList chars{
        QStringLiteral("A"),      QStringLiteral("z"),      QStringLiteral("7"),
        QStringLiteral(" "),      QStringLiteral("-"),      QStringLiteral("\u00e9"),
        QStringLiteral("\u00df"), QStringLiteral("\u03a9"), QStringLiteral("\u4e2d"),
        QStringLiteral("\u6587"), QStringLiteral("\u20ac"), QStringLiteral("\U0001F600")};
    return chars;
}

// A name of whole characters in at most 11 bytes, zero-filled to the field's 12.
inline QByteArray randomName(QRandomGenerator &rng)
{
    const int budget = int(rng.bounded(12));
    QByteArray name;
    for (int tries = 0; tries < 24 && name.size() < budget; ++tries) {
        const QByteArray ch =
            nameCharacters().at(int(rng.bounded(qsizetype(nameCharacters().size())))).toUtf8();
        if (name.size() + ch.size() <= budget)
            name += ch;
    }
    return name + QByteArray(12 - name.size(), '\0');
}

// A code from its list, now and then the "none" code 0xFF, which an empty cell gives back.
inline quint8 codeOrNone(QRandomGenerator &rng, int listSize)
{
    return rng.bounded(listSize + 1) == 0 ? quint8(0xFF) : quint8(rng.bounded(listSize));
}

// A channel the table keeps exactly: codes inside their lists (or 0xFF where an empty cell gives
// 0xFF back; analog tones have no such code), names of whole characters in 11 bytes, IDs below
// 16777215, slot 1-2, colour codes 0-15, and the two flag bytes at 1 as every sent record has them.
inline void randomValidChannel(QRandomGenerator &rng, int number, channel &c, DMR &d)
{
    auto anyByte = [&rng] { return quint8(rng.bounded(256)); };
    c = channel();
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setChannelName(randomName(rng));
    c.setVfoaMode(codeOrNone(rng, 10));
    c.setVfobMode(codeOrNone(rng, 10));
    const quint32 fa = rng.generate(), fb = rng.generate();
    c.setVfoaFrequency1(quint8(fa >> 24));
    c.setVfoaFrequency2(quint8(fa >> 16));
    c.setVfoaFrequency3(quint8(fa >> 8));
    c.setVfoaFrequency4(quint8(fa));
    c.setVfobFrequency1(quint8(fb >> 24));
    c.setVfobFrequency2(quint8(fb >> 16));
    c.setVfobFrequency3(quint8(fb >> 8));
    c.setVfobFrequency4(quint8(fb));
    c.setEmitYayin(quint8(rng.bounded(56)));
    c.setReceiveYayin(quint8(rng.bounded(56)));

    d = DMR();
    d.setChannelHigh(c.channelHigh());
    d.setChannelLow(c.channelLow());
    d.setCallFormat(codeOrNone(rng, 3));
    d.setTxCc(quint8(rng.bounded(16)));
    d.setRxCc(quint8(rng.bounded(16)));
    d.setSlot(quint8(1 + rng.bounded(2)));
    d.setCallId(rng.bounded(16777215u));
    d.setOwnId(rng.bounded(16777215u));
    d.setChType(codeOrNone(rng, 2));
    d.setRxCtcss(codeOrNone(rng, 52));
    d.setTxCtcss(codeOrNone(rng, 52));
    d.setSqlevel(anyByte());
    d.setSpkgain(anyByte());
    d.setDmodGain(anyByte());
    d.setScrEn(anyByte());
    d.setScrSeed1(anyByte());
    d.setScrSeed2(anyByte());
    d.setChBsMode(anyByte());
}

// Every field in which two channels differ, by name ("" when they are the same).
inline QString differences(const channel &c1, const DMR &d1, const channel &c2, const DMR &d2)
{
    ChannelFileEntry e1, e2;
    e1.fill(c1, d1);
    e2.fill(c2, d2);
    const QJsonObject o1 = e1.toJsonObject(), o2 = e2.toJsonObject();
    QStringList out;
    for (auto it = o1.begin(); it != o1.end(); ++it) {
        if (it.value() != o2.value(it.key()))
            out << QStringLiteral("%1 %2/%3")
                       .arg(it.key(), it.value().toVariant().toString(),
                            o2.value(it.key()).toVariant().toString());
    }
    if (c1.channelName() != c2.channelName())
        out << QStringLiteral("name bytes %1/%2")
                   .arg(QString::fromLatin1(c1.channelName().toHex()),
                        QString::fromLatin1(c2.channelName().toHex()));
    if (d1.channelNumber() != d2.channelNumber())
        out << QStringLiteral("DMR channel %1/%2").arg(d1.channelNumber()).arg(d2.channelNumber());
    if (d1.dmrexist() != d2.dmrexist())
        out << QStringLiteral("dmrexist %1/%2").arg(d1.dmrexist()).arg(d2.dmrexist());
    if (d1.validat() != d2.validat())
        out << QStringLiteral("validat %1/%2").arg(d1.validat()).arg(d2.validat());
    return out.join(QStringLiteral(", "));
}

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
