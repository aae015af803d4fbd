// The simulated radio: pty handling, channel memory, answers, and the faults on the way back.
#include "radiosim.h"

#include "channelfile.h"
#include "log.h"
#include "wire.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace
{

// Without a baud rate, chunked pieces are this far apart, so that a reader in another process
// gets a chance to read each piece on its own.
constexpr qint64 kPieceGapNs = 1'000'000;
// Without a chunk size, a paced answer is written in pieces of about this much wire time.
constexpr int kPacedPieceMs = 2;
// A hang-up waits until the other side has read what was sent, but not forever.
constexpr int kDrainPollMs = 5;
constexpr qint64 kDrainLimitNs = 1'000'000'000;
// Reading the master fails while no one has the line open; retry this often instead of spinning.
constexpr int kReadRetryMs = 100;

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

// A read answer that names its channel but stops six bytes into the record.
QByteArray cutShort(QByteArray body)
{
    body.truncate(1 + 1 + 2 + 6); // size, command, channel, six bytes
    body[0] = char(body.size() - 1 + 2);
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}

QByteArray twelveByteName(QByteArray name)
{
    name.truncate(wire::kNameLength);
    name.append(QByteArray(wire::kNameLength - name.size(), '\0'));
    return name;
}

QByteArray shortAck(quint8 command)
{
    QByteArray frame;
    frame.append(char(3));
    frame.append(char(command));
    Tools::appendCrc(frame);
    Tools::prependHeader(frame);
    return frame;
}

channel emptyAnalog(int number)
{
    channel c;
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    return c;
}

DMR emptyDmr(int number)
{
    DMR d;
    d.setChannelHigh(quint8(number >> 8));
    d.setChannelLow(quint8(number));
    return d;
}

} // namespace

RadioSim::RadioSim(const RadioSimOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_rng(options.seed)
{
    m_pumpTimer = new QTimer(this);
    m_pumpTimer->setSingleShot(true);
    m_pumpTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pumpTimer, &QTimer::timeout, this, &RadioSim::pump);

    m_retryTimer = new QTimer(this);
    m_retryTimer->setSingleShot(true);
    connect(m_retryTimer, &QTimer::timeout, this, [this] {
        if (m_readNotifier)
            m_readNotifier->setEnabled(true);
    });

    m_drainTimer = new QTimer(this);
    m_drainTimer->setInterval(kDrainPollMs);
    connect(m_drainTimer, &QTimer::timeout, this, &RadioSim::checkDrained);

    m_clock.start();
    clearMemory();
}

RadioSim::~RadioSim()
{
    shutdown(false);
}

bool RadioSim::open(QString *error)
{
    if (isOpen())
        return true;
    auto fail = [&](const QString &message, int master, int slave) {
        if (error)
            *error = message;
        if (slave >= 0)
            ::close(slave);
        if (master >= 0)
            ::close(master);
        return false;
    };

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return fail(systemError("posix_openpt"), -1, -1);
    if (::grantpt(master) != 0)
        return fail(systemError("grantpt"), master, -1);
    if (::unlockpt(master) != 0)
        return fail(systemError("unlockpt"), master, -1);
    const char *name = ::ptsname(master);
    if (!name)
        return fail(systemError("ptsname"), master, -1);
    const QString path = QString::fromLocal8Bit(name);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);

    // Until someone sets the line up, a pty edits lines: it would swallow 0x11/0x13, turn CR into
    // LF and echo. Make it a plain 8-bit line at once. Holding this descriptor also keeps reads of
    // the master from failing with EIO while the terminal has the port closed.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0)
        return fail(systemError("open slave"), master, -1);
    termios tio{};
    if (::tcgetattr(slave, &tio) != 0)
        return fail(systemError("tcgetattr"), master, slave);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    if (::tcsetattr(slave, TCSANOW, &tio) != 0)
        return fail(systemError("tcsetattr"), master, slave);

    m_master = master;
    m_slave = slave;
    m_slavePath = path;
    m_cutter.clear();
    m_out.clear();
    m_dying = false;
    m_lineFreeNs = 0;
    m_answersQueued = 0;

    m_readNotifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &RadioSim::readMaster);
    m_writeNotifier = new QSocketNotifier(qintptr(m_master), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        pump();
    });
    if (m_options.verbose)
        PLOG() << "radio-sim: line open at" << m_slavePath;
    return true;
}

QString RadioSim::slavePath() const
{
    return m_slavePath;
}

void RadioSim::close()
{
    shutdown(true);
}

void RadioSim::shutdown(bool notify)
{
    if (m_master < 0)
        return;
    m_pumpTimer->stop();
    m_retryTimer->stop();
    m_drainTimer->stop();
    // Notifiers must let go of the descriptor before it is closed; this may run inside their own
    // activation, hence deleteLater.
    for (QSocketNotifier **n : {&m_readNotifier, &m_writeNotifier}) {
        (*n)->setEnabled(false);
        (*n)->deleteLater();
        *n = nullptr;
    }
    // Closing the master hangs up every open descriptor of the slave, as a pulled cable would.
    ::close(m_master);
    ::close(m_slave);
    m_master = -1;
    m_slave = -1;
    m_out.clear();
    m_cutter.clear();
    m_dying = false;
    if (notify) {
        log("hang-up", {});
        emit hungUp();
    }
}

channel RadioSim::analog(int number) const
{
    return number >= 0 && number < kChannelCount ? m_analog.at(number) : channel();
}

DMR RadioSim::dmr(int number) const
{
    return number >= 0 && number < kChannelCount ? m_dmr.at(number) : DMR();
}

void RadioSim::setAnalog(int number, const channel &c)
{
    if (number < 0 || number >= kChannelCount)
        return;
    m_analog[number] = c;
    m_analog[number].setChannelHigh(quint8(number >> 8));
    m_analog[number].setChannelLow(quint8(number));
}

void RadioSim::setDmr(int number, const DMR &d)
{
    if (number < 0 || number >= kChannelCount)
        return;
    m_dmr[number] = d;
    m_dmr[number].setChannelHigh(quint8(number >> 8));
    m_dmr[number].setChannelLow(quint8(number));
}

void RadioSim::clearMemory()
{
    m_analog.clear();
    m_dmr.clear();
    m_analog.reserve(kChannelCount);
    m_dmr.reserve(kChannelCount);
    for (int i = 0; i < kChannelCount; ++i) {
        m_analog.append(emptyAnalog(i));
        m_dmr.append(emptyDmr(i));
    }
}

bool RadioSim::isEmptyChannel(int number) const
{
    if (number < 0 || number >= kChannelCount)
        return true;
    // size and command are how the record last travelled, not what the radio keeps.
    return m_analog.at(number).body().mid(2) == emptyAnalog(number).body().mid(2) &&
           m_dmr.at(number).body().mid(2) == emptyDmr(number).body().mid(2);
}

bool RadioSim::loadMemory(const QString &path, QString *error)
{
    ChannelFileRecords records;
    if (!readChannelFile(path, &records, error))
        return false;
    clearMemory();
    for (const channel &c : std::as_const(records.channels)) {
        if (c.channelNumber() < kChannelCount)
            setAnalog(c.channelNumber(), c);
        else if (m_options.verbose)
            PLOG() << "radio-sim: memory file: skipped channel" << c.channelNumber();
    }
    for (const DMR &d : std::as_const(records.dmrs)) {
        if (d.channelNumber() < kChannelCount)
            setDmr(d.channelNumber(), d);
    }
    return true;
}

bool RadioSim::saveMemory(const QString &path, QString *error) const
{
    QList<channel> channels;
    QList<DMR> dmrs;
    for (int i = 0; i < kChannelCount; ++i) {
        if (isEmptyChannel(i))
            continue;
        channels.append(m_analog.at(i));
        dmrs.append(m_dmr.at(i));
    }
    return writeChannelFile(path, channelFileText(channels, dmrs), error);
}

QList<QByteArray> RadioSim::received() const
{
    return m_received;
}

void RadioSim::clearReceived()
{
    m_received.clear();
}

int RadioSim::answersSent() const
{
    return m_answersSent;
}

void RadioSim::setOptions(const RadioSimOptions &options)
{
    m_options = options;
    m_rng.seed(options.seed);
    // A new run: --die-after counts from here, and a hang-up not yet under way is called off.
    m_answersQueued = 0;
    if (!m_drainTimer->isActive())
        m_dying = false;
}

bool RadioSim::chance(double probability)
{
    return probability > 0 && m_rng.generateDouble() < probability;
}

void RadioSim::log(const char *what, const QByteArray &bytes) const
{
    if (!m_options.verbose)
        return;
    if (bytes.isEmpty())
        PLOG() << "radio-sim:" << what;
    else
        PLOG() << "radio-sim:" << what << tlog::hex(bytes);
}

void RadioSim::readMaster()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            m_cutter.append(QByteArray(buf, qsizetype(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // EIO (or end of file): nobody holds the line. The notifier would fire again at once,
        // so rest it for a while.
        m_readNotifier->setEnabled(false);
        m_retryTimer->start(kReadRetryMs);
        break;
    }
    while (isOpen()) {
        QByteArray skipped;
        const QByteArray frame = m_cutter.next(&skipped);
        if (!skipped.isEmpty())
            log("skipped", skipped);
        if (frame.isEmpty())
            break;
        handleFrame(frame);
    }
}

void RadioSim::handleFrame(const QByteArray &frame)
{
    log("rx", frame);
    m_received.append(frame);
    const QByteArray answer = answerFor(frame);
    emit frameReceived(frame);
    if (!answer.isEmpty() && isOpen())
        queueAnswer(answer);
}

QByteArray RadioSim::answerFor(const QByteArray &frame)
{
    const quint8 size = quint8(frame.at(wire::kSizeOffset));
    const quint8 command = quint8(frame.at(wire::kCommandOffset));
    const bool isRead = command == wire::kReadAnalog || command == wire::kReadDmr;
    const bool isWrite = command == wire::kWriteAnalog || command == wire::kWriteDmr;
    if (!isRead && !isWrite) {
        log("ignored (unknown command)", frame);
        return {};
    }
    if (size != (isRead ? wire::kRequestSize : wire::kRecordSize)) {
        log("ignored (wrong length for its command)", frame);
        return {};
    }
    const int number = quint8(frame.at(channel::ChannelHigh)) << 8 | quint8(frame.at(channel::ChannelLow));
    if (number >= kChannelCount) {
        log("ignored (no such channel)", frame);
        return {};
    }

    switch (command) {
    case wire::kWriteAnalog: {
        channel c;
        c.fromFrame(frame);
        m_analog[number] = c;
        return m_options.shortAck ? shortAck(command) : frame;
    }
    case wire::kWriteDmr: {
        DMR d;
        d.fromFrame(frame);
        m_dmr[number] = d;
        return m_options.shortAck ? shortAck(command) : frame;
    }
    case wire::kReadAnalog: {
        channel c = m_analog.at(number);
        c.setSize(wire::kRecordSize);
        c.setCommand(command);
        c.setChannelName(twelveByteName(c.channelName()));
        return m_options.shortRead ? cutShort(c.body()) : c.toWriteFrame();
    }
    default: {
        DMR d = m_dmr.at(number);
        d.setSize(wire::kRecordSize);
        d.setCommand(command);
        return m_options.shortRead ? cutShort(d.body()) : d.toWriteFrame();
    }
    }
}

void RadioSim::queueAnswer(QByteArray frame)
{
    if (m_dying) {
        log("ignored (line going down)", frame);
        return;
    }
    if (m_options.dieAfter >= 0 && m_answersQueued >= m_options.dieAfter) {
        m_dying = true;
        pump();
        return;
    }
    if (chance(m_options.drop)) {
        log("answer dropped", frame);
        return;
    }
    if (chance(m_options.corrupt)) {
        // Header and length stay intact, so the frame is cut at its true length and fails its CRC.
        const int pos = wire::kCommandOffset + int(m_rng.bounded(int(frame.size()) - wire::kCommandOffset));
        frame[pos] = char(quint8(frame.at(pos)) ^ quint8(1 + m_rng.bounded(255)));
        log("answer corrupted", frame);
    }
    Answer a;
    if (chance(m_options.garbage)) {
        // Noise never holds 0xA5, so it cannot pose as (part of) a header.
        const int count = 1 + int(m_rng.bounded(8));
        for (int i = 0; i < count; ++i) {
            int v = int(m_rng.bounded(255));
            a.wire.append(char(v >= wire::kHeaderByte ? v + 1 : v));
        }
        log("noise", a.wire);
    }
    if (chance(m_options.strayA5))
        a.wire.append(char(wire::kHeaderByte));
    a.wire.append(frame);
    a.frame = frame;

    int piece = int(a.wire.size());
    if (m_options.chunk > 0)
        piece = m_options.chunk;
    else if (m_options.baud > 0)
        piece = qMax(1, m_options.baud / 10 * kPacedPieceMs / 1000);
    for (int left = int(a.wire.size()); left > 0;) {
        const int n = qMin(left, m_options.randomChunk ? 1 + int(m_rng.bounded(16)) : piece);
        a.pieces.append(n);
        left -= n;
    }

    a.dueNs = m_clock.nsecsElapsed() + qint64(qMax(0, m_options.delayMs)) * 1'000'000;
    if (!m_out.isEmpty())
        a.dueNs = qMax(a.dueNs, m_out.last().dueNs);
    m_out.append(a);
    ++m_answersQueued;
    if (m_options.dieAfter >= 0 && m_answersQueued >= m_options.dieAfter)
        m_dying = true;
    pump();
}

void RadioSim::schedulePump(qint64 delayNs)
{
    m_pumpTimer->start(int((delayNs + 999'999) / 1'000'000));
}

void RadioSim::pump()
{
    m_pumpTimer->stop();
    while (isOpen() && !m_out.isEmpty()) {
        Answer &a = m_out.first();
        const qint64 now = m_clock.nsecsElapsed();
        if (now < a.dueNs) {
            schedulePump(a.dueNs - now);
            return;
        }
        if (m_options.baud > 0 && now < m_lineFreeNs) {
            schedulePump(m_lineFreeNs - now);
            return;
        }
        qsizetype offset = a.pieceWritten;
        for (int i = 0; i < a.piece; ++i)
            offset += a.pieces.at(i);
        const int left = a.pieces.at(a.piece) - a.pieceWritten;
        const ssize_t n = ::write(m_master, a.wire.constData() + offset, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                m_writeNotifier->setEnabled(true);
                return;
            }
            if (m_options.verbose)
                PLOG() << "radio-sim:" << systemError("write");
            shutdown(true);
            return;
        }
        a.pieceWritten += int(n);
        if (m_options.baud > 0)
            m_lineFreeNs = qMax(now, m_lineFreeNs) + qint64(n) * 10'000'000'000LL / m_options.baud;
        if (a.pieceWritten < a.pieces.at(a.piece)) {
            m_writeNotifier->setEnabled(true); // the pty is full; go on when it has room
            return;
        }
        a.pieceWritten = 0;
        ++a.piece;
        if (a.piece < a.pieces.size()) {
            if (m_options.baud <= 0) {
                schedulePump(kPieceGapNs);
                return;
            }
            continue; // the line time of this piece keeps the next one back
        }
        const QByteArray frame = a.frame;
        m_out.removeFirst();
        ++m_answersSent;
        log("tx", frame);
        emit frameSent(frame);
    }
    if (isOpen() && m_out.isEmpty() && m_dying && !m_drainTimer->isActive()) {
        m_drainStartNs = m_clock.nsecsElapsed();
        m_drainQuietChecks = 0;
        m_drainTimer->start();
    }
}

void RadioSim::checkDrained()
{
    // Closing the master throws away what the other side has not read yet; a pulled cable would
    // not take back bytes already on the wire, so wait until the slave's input queue is empty.
    int queued = 0;
    if (::ioctl(m_slave, FIONREAD, &queued) != 0)
        queued = 0;
    const bool timedOut = m_clock.nsecsElapsed() - m_drainStartNs > kDrainLimitNs;
    if (!timedOut) {
        if (queued > 0) {
            m_drainQuietChecks = 0;
            return;
        }
        if (++m_drainQuietChecks < 2)
            return;
    }
    shutdown(true);
}
