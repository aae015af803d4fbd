// Test helper: the transfer engine on a line to its own in-process simulated radio, and all the engine says.
#pragma once

#include "logcapture.h"
#include "radiosim.h"
#include "records.h"
#include "transferengine.h"
#include "waituntil.h"

#include <QRegularExpression>
#include <QSerialPortInfo>

// What the radio stores of a channel: everything after the size and command bytes.
template <typename Record> QByteArray stored(const Record &record)
{
    return record.body().mid(2);
}
inline QByteArray stored(const RadioSim &sim, int number)
{
    return stored(sim.analog(number)) + stored(sim.dmr(number));
}

// The channel a frame names; -1 for a short acknowledgement, which names none.
inline int channelOf(const QByteArray &frame)
{
    return quint8(frame.at(4)) >= 5 ? quint8(frame.at(6)) * 256 + quint8(frame.at(7)) : -1;
}

// Items in order, a repeat written "x*3", then a run of one prefix with numbers counting up "<prefix>3-5"
// ("a0 a1 a2 a2 d0" is "a0-1 a2*2 d0"); a gap or a swap shows as it is. "-" when there are none.
inline QString runs(const QStringList &items)
{
    static const QRegularExpression numbered(QStringLiteral("^(.*?)(\\d+)$"));
    QStringList once, out;
    int times = 0, first = -1, last = -1;
    for (const QString &item : items) {
        if (!once.isEmpty() && once.last().section('*', 0, 0) == item)
            once.last() = item + '*' + QString::number(++times);
        else
            once << item, times = 1;
    }
    QString prefix;
    for (const QString &item : std::as_const(once)) {
        const QRegularExpressionMatch m = numbered.match(item);
        const int n = m.hasMatch() ? m.captured(2).toInt() : -1;
        if (n >= 0 && first >= 0 && m.captured(1) == prefix && n == last + 1)
            out.last() = prefix + QString::number(first) + '-' + QString::number(last = n);
        else
            out << item, prefix = m.captured(1), first = last = n;
    }
    return out.isEmpty() ? QStringLiteral("-") : out.join(QLatin1Char(' '));
}
inline QString numbers(const QList<quint16> &list)
{
    QStringList out;
    for (const quint16 n : list)
        out << QString::number(n);
    return runs(out);
}

// A whole report in one line; why it ended early is none of a cancel's business (a cancel is the person's own).
inline QString describe(const TransferEngine::Report &r)
{
    QList<quint16> unanswered;
    QStringList failed;
    for (auto it = r.failed.cbegin(); it != r.failed.cend(); ++it)
        if (it->kind == TransferEngine::Failure::NoAnswer && it->fields.isEmpty())
            unanswered << it.key();
        else
            failed << QString::number(it.key()) +
                          (it->kind == TransferEngine::Failure::NoAnswer ? " unanswered" : "") + " (" +
                          it->fields.join(QLatin1Char(',')) + ')';
    const char *const ends[] = {" completed", " cancelled", " stopped"};
    const char *const whys[] = {"", " (line lost)", " (silent)"};
    return QLatin1String(r.direction == TransferEngine::Direction::Write ? "write" : "read") +
           (r.verified ? " verified" : "") + ends[int(r.end)] +
           whys[int(r.why)] + ": " + numbers(r.channels) +
           "; through " + numbers(r.through) + "; unanswered " + numbers(unanswered) +
           (failed.isEmpty() ? QString() : "; differing " + failed.join(QStringLiteral(", "))) +
           "; not transferred " + numbers(r.notTransferred);
}

// The radio answers only the frames `answers` lets through.
inline QMetaObject::Connection answerOnly(RadioSim &sim,
                                          const std::function<bool(const QByteArray &)> &answers)
{
    return QObject::connect(&sim, &RadioSim::frameReceived, &sim, [&sim, answers](const QByteArray &f) {
        RadioSimOptions o = sim.options();
        o.drop = answers(f) ? 0 : 1;
        sim.setOptions(o);
    });
}

// The radio keeps channel 1 its own way (VFO A mode and receive colour code), which only reading back shows.
inline void storeChannel1Differently(RadioSim &sim)
{
    channel c = sim.analog(1);
    DMR d = sim.dmr(1);
    c.setVfoaMode(quint8((c.vfoaMode() + 1) % 10)), d.setRxCc(quint8((d.rxCc() + 1) % 16));
    sim.setAnalog(1, c), sim.setDmr(1, d);
}

// Random channels first..first+count-1 that a radio and the table hold unchanged, handed to `take`.
inline void randomChannels(quint32 seed, int first, int count,
                           const std::function<void(int, const channel &, const DMR &)> &take)
{
    QRandomGenerator rng(seed);
    for (int r = first; r < first + count; ++r) {
        channel c;
        DMR d;
        records::randomValidChannel(rng, r, c, d);
        take(r, c, d);
    }
}
inline void fillRadio(RadioSim &sim, quint32 seed, int first, int count)
{
    randomChannels(seed, first, count,
                   [&sim](int r, const channel &c, const DMR &d) { sim.setAnalog(r, c), sim.setDmr(r, d); });
}

class EngineRig
{
public:
    using Direction = TransferEngine::Direction;
    struct Heard {
        QStringList reports; // described
        TransferEngine::Report last;
        // Records read: "a0" or "d0" (analog or DMR, the channel), "!" after one not as in the radio.
        QStringList read;
        int answered[2] = {0, 0}; // frames answered, by direction
        int verifyStarts = 0;
        QStringList lost;   // "reason | channels not transferred | transfer ended, or idle"
        QStringList silent; // the channels not transferred
    };

    explicit EngineRig(const RadioSimOptions &options = {}) : sim(options)
    {
        if (!sim.open())
            qFatal("radio-sim did not open");
        TransferEngine *e = &engine;
        QObject::connect(e, &TransferEngine::finished, e, [this](const TransferEngine::Report &r) {
            heard.reports << describe(r);
            heard.last = r;
        });
        QObject::connect(e, &TransferEngine::analogRead, e, [this](const channel &c) {
            channel radio = sim.analog(c.channelNumber()); // its answer fills a short name to twelve bytes
            radio.setChannelName(radio.channelName().leftJustified(12, '\0', true));
            heard.read << QStringLiteral("a%1").arg(c.channelNumber()) +
                              (stored(c) == stored(radio) ? "" : "!");
        });
        QObject::connect(e, &TransferEngine::dmrRead, e, [this](const DMR &d) {
            heard.read << QStringLiteral("d%1").arg(d.channelNumber()) +
                              (stored(d) == stored(sim.dmr(d.channelNumber())) ? "" : "!");
        });
        QObject::connect(e, &TransferEngine::frameAnswered, e,
                         [this](Direction d) { ++heard.answered[int(d)]; });
        QObject::connect(e, &TransferEngine::verifyStarted, e, [this] { ++heard.verifyStarts; });
        QObject::connect(e, &TransferEngine::lineLost, e,
                         [this](const QString &why, const QList<quint16> &left, bool end) {
                             heard.lost
                                 << why + " | " + numbers(left) + (end ? " | transfer ended" : " | idle");
                         });
        QObject::connect(e, &TransferEngine::lineSilent, e,
                         [this](const QList<quint16> &left) { heard.silent << numbers(left); });
    }

    bool open() { return engine.open(QSerialPortInfo(), sim.slavePath()); }
    // Random channels first.. to write or read, which the radio already holds when inRadio.
    void makeChannels(int count, quint32 seed, bool inRadio = false, int first = 0)
    {
        channels.clear(), dmrs.clear(), numbered.clear();
        randomChannels(seed, first, count, [this](int r, const channel &c, const DMR &d) {
            channels << c, dmrs << d, numbered << quint16(r);
        });
        if (inRadio)
            fillRadio(sim, seed, first, count);
    }
    bool write(bool verify = false) { return engine.startWrite(channels, dmrs, verify); }
    bool read() { return engine.startRead(numbered); }
    bool waitIdle(int ms)
    {
        return waitUntil([this] { return !engine.isWriting() && !engine.isReading(); }, ms);
    }
    // One write (or read) from a clean slate to its end, the radio answering only what `answers` picks.
    bool transfer(bool writing, const std::function<bool(const QByteArray &)> &answers = {},
                  bool verify = false, int timeoutMs = 8000)
    {
        clear();
        const QMetaObject::Connection hook = answers ? answerOnly(sim, answers) : QMetaObject::Connection();
        const bool done = (writing ? write(verify) : read()) && waitIdle(timeoutMs);
        QObject::disconnect(hook);
        return done;
    }
    // Forgets what was said and sent, between the steps of a test.
    void clear() { sim.clearReceived(), log.clear(), heard = Heard(); }

    // The frames the radio received (of one command, or all) in order, as "40:0*4 40:1-3": command and
    // channel.
    QString wire(int command = -1) const
    {
        QStringList frames;
        for (const QByteArray &f : sim.received())
            if (command < 0 || quint8(f.at(5)) == command)
                frames << QString::number(quint8(f.at(5)), 16) + ':' + QString::number(channelOf(f));
        return runs(frames);
    }
    // The engine's log lines on the course of transfers (resends, skips, queue ends, acknowledgements not
    // taken), without the bytes of the frames.
    QStringList course() const
    {
        QStringList out;
        for (const QString &m : log.messages())
            if (m.startsWith(QLatin1String("0x4")) && !m.contains(QStringLiteral("发送的数据")) &&
                !m.contains(QLatin1String("chTypes")))
                out << m.section(QLatin1Char('\n'), 0, 0).trimmed();
        return out;
    }
    QString recordsRead() const { return runs(heard.read); }

    LogCapture log;
    RadioSim sim;
    TransferEngine engine;
    QList<channel> channels;
    QList<DMR> dmrs;
    QList<quint16> numbered;
    Heard heard;
};
