// The transfer engine: four command queues, their time-outs and resends, the receive path, and the end of
// a write, read or verifying write with its report.
#include "transferengine.h"

#include "log.h"
#include "recordfields.h"
#include "wire.h"

#include <algorithm>

namespace
{

QString commandName(quint8 command)
{
    return QStringLiteral("0x%1").arg(command, 2, 16, QLatin1Char('0'));
}

bool isWriteCommand(quint8 command)
{
    return command == wire::kWriteAnalog || command == wire::kWriteDmr;
}

// A reply counts only while its command has a frame in flight, and only for the channel in flight.
bool takesReply(quint8 size, quint16 number, const QTimer &timer, quint16 inFlight, bool needsRecord)
{
    // No frame in flight: a late or repeated answer, which must not start anything.
    if (!timer.isActive())
        return false;
    // A read is answered only by a whole record; anything shorter is no answer and is resent.
    if (needsRecord && size < wire::kRecordSize)
        return false;
    // Replies of 10 bytes or more name their channel; a short acknowledgement cannot be told apart from a
    // late one and is taken as the answer to the frame in flight.
    return size < wire::kRequestSize || number == inFlight;
}

template <typename Record> QList<Record> requests(const QList<quint16> &numbers)
{
    // Only the channel number matters for a read request.
    QList<Record> out;
    for (const quint16 number : numbers) {
        Record record;
        record.setChannelHigh(quint8(number >> 8));
        record.setChannelLow(quint8(number));
        out << record;
    }
    return out;
}

} // namespace

TransferEngine::TransferEngine(QObject *parent)
    : QObject(parent), queue0x40(wire::kWriteAnalog, &SerialPort::takeFirst40ListWrite),
      queue0x41(wire::kReadAnalog, &SerialPort::takeFirst41ListWrite),
      queue0x43(wire::kWriteDmr, &SerialPort::takeFirst43ListWrite),
      queue0x44(wire::kReadDmr, &SerialPort::takeFirst44ListWrite)
{
    qRegisterMetaType<TransferEngine::Report>();
    connect(&line.port(), &QSerialPort::readyRead, this, &TransferEngine::receive);
    connect(&line, &Link::lost, this, &TransferEngine::onLineLost);
    connect(&queue0x40.timer, &QTimer::timeout, this, [this] { onTimeout(queue0x40); });
    connect(&queue0x41.timer, &QTimer::timeout, this, [this] { onTimeout(queue0x41); });
    connect(&queue0x43.timer, &QTimer::timeout, this, [this] { onTimeout(queue0x43); });
    connect(&queue0x44.timer, &QTimer::timeout, this, [this] { onTimeout(queue0x44); });
}

TransferEngine::~TransferEngine()
{
    for (QTimer *timer : {&queue0x40.timer, &queue0x41.timer, &queue0x43.timer, &queue0x44.timer})
        timer->stop();
    disconnect(&line.port(), nullptr, this, nullptr);
    line.close();
}

void TransferEngine::close()
{
    // The port is closed first, so that its lock file and descriptor are gone whatever follows. Closing by
    // hand is the person's own stop of whatever runs.
    line.close();
    silentSkips = 0;
    if (writing)
        finish(Direction::Write, End::Cancelled);
    if (reading)
        finish(Direction::Read, End::Cancelled);
}

void TransferEngine::onLineLost(const QString &reason)
{
    WLOG() << "与串口的连接已断开" << reason;
    silentSkips = 0;
    // A transfer cannot outlive its line; the channels it did not get through are named with the loss.
    QList<quint16> notTransferred;
    const bool ended = writing || reading;
    if (writing)
        notTransferred += finish(Direction::Write, End::Stopped, Stop::LineLost);
    if (reading)
        notTransferred += finish(Direction::Read, End::Stopped, Stop::LineLost);
    emit lineLost(reason, notTransferred, ended);
}

void TransferEngine::beginRun(Run &r, const QList<quint16> &channels, const QHash<quint16, int> &framesDue)
{
    r.channels = channels;
    r.framesDue = framesDue;
    r.framesDone.clear();
    r.failed.clear();
    r.handled = 0;
    r.clock.start();
}

bool TransferEngine::startWrite(const QList<channel> &channels, const QList<DMR> &dmrs, bool verify)
{
    // The read-back uses the read commands, so a verifying write cannot share the line with a read.
    if (writing || (reading && verify) || (channels.isEmpty() && dmrs.isEmpty()))
        return false;
    writing = true;
    verifies = verify;
    verifyPhase = false;
    queue0x40.list = channels;
    queue0x43.list = dmrs;
    sentAnalog.clear();
    sentDmr.clear();
    writtenAnalog.clear();
    writtenDmr.clear();
    // A channel may come with an analog record, a DMR record or both; it is through when every frame sent
    // for it was answered, the read-backs included.
    QList<quint16> numbers;
    QHash<quint16, int> due;
    const auto take = [&](const auto &records, QList<quint16> &written, QHash<quint16, QByteArray> &sent) {
        for (const auto &record : records) {
            const quint16 number = record.channelNumber();
            if (!due.contains(number))
                numbers << number;
            due[number] += verify ? 2 : 1;
            written << number;
            if (verify)
                sent.insert(number, record.body().mid(2));
        }
    };
    take(channels, writtenAnalog, sentAnalog);
    take(dmrs, writtenDmr, sentDmr);
    beginRun(writeRun, numbers, due);
    queue0x40.retry = 0;
    queue0x43.retry = 0;
    silentSkips = 0;
    if (!sendNext(queue0x40))
        endOfQueue(wire::kWriteAnalog);
    return true;
}

bool TransferEngine::startRead(const QList<quint16> &channelNumbers, int readPurpose)
{
    if (reading || (writing && verifies) || channelNumbers.isEmpty())
        return false;
    reading = true;
    purpose = readPurpose;
    queue0x41.list = requests<channel>(channelNumbers);
    queue0x44.list = requests<DMR>(channelNumbers);
    QHash<quint16, int> due;
    for (const quint16 number : channelNumbers)
        due[number] += 2;
    beginRun(readRun, channelNumbers, due);
    queue0x41.retry = 0;
    queue0x44.retry = 0;
    silentSkips = 0;
    sendNext(queue0x41);
    return true;
}

void TransferEngine::cancel(Direction direction)
{
    if (direction == Direction::Write ? writing : reading)
        finish(direction, End::Cancelled);
}

TransferEngine::Direction TransferEngine::readCommandsOwner() const
{
    return writing && verifyPhase ? Direction::Write : Direction::Read;
}

template <typename Record> bool TransferEngine::sendNext(CommandQueue<Record> &queue)
{
    if (queue.list.isEmpty())
        return false;
    (serialPort.*queue.takeFirst)(queue.list, queue.current, line.port());
    queue.timer.start(kReplyTimeoutMs);
    return true;
}

void TransferEngine::receive()
{
    const QByteArray bytes = line.port().readAll();
    if (bytes.isEmpty()) {
        WLOG() << "没有读取到任何数据，但触发了串口有数据可读?";
        return;
    }
    const QByteArray frame = rxTools.extractFrame(bytes);
    if (frame.isEmpty())
        return;
    handleReply(frame);
    // One reply per pass; but a second reply the same chunk completed must not sit in the buffer until
    // unrelated bytes arrive (read and write under way together, answers held up on the line): it would
    // run into its command's time-out though it came in time. Only a buffer that can hold a whole frame
    // is worth the extra pass of the event loop.
    if (rxTools.buffer().size() >= wire::kMinFrameLength)
        QMetaObject::invokeMethod(this, &TransferEngine::takeBufferedReply, Qt::QueuedConnection);
}

void TransferEngine::takeBufferedReply()
{
    const QByteArray frame = rxTools.extractFrame(QByteArray());
    if (frame.isEmpty())
        return;
    handleReply(frame);
    if (rxTools.buffer().size() >= wire::kMinFrameLength)
        QMetaObject::invokeMethod(this, &TransferEngine::takeBufferedReply, Qt::QueuedConnection);
}

void TransferEngine::handleReply(const QByteArray &frame)
{
    // Any valid frame shows that something answers on the line.
    silentSkips = 0;
    // Fresh decode targets for every reply, so nothing of an earlier reply leaks into this one.
    channel analog;
    DMR dmr;
    const quint8 command = quint8(frame.at(wire::kCommandOffset));
    switch (command) {
    case wire::kWriteAnalog:
    case wire::kReadAnalog:
        analog.fromFrame(frame);
        takeAnalogReply(analog);
        break;
    case wire::kWriteDmr:
    case wire::kReadDmr:
        dmr.fromFrame(frame);
        takeDmrReply(dmr);
        break;
    default:
        break;
    }
    // Said once the next request has left: the radio waits for that, not for the log.
    if (command != wire::kStatus)
        WLOG() << "判断数据合法性结束"
               << "\n\t" + tlog::hex(frame);
    // A reply too short to hold chType shows the record's default.
    if (command == wire::kReadDmr)
        WLOG() << "0x44chTypes - "
               << int(qint8(frame.size() > DMR::ChType ? quint8(frame.at(DMR::ChType)) : dmr.chType()));
}

void TransferEngine::takeAnalogReply(const channel &record)
{
    takeReply(record.command() == wire::kWriteAnalog ? queue0x40 : queue0x41, record);
}

void TransferEngine::takeDmrReply(const DMR &record)
{
    takeReply(record.command() == wire::kWriteDmr ? queue0x43 : queue0x44, record);
}

template <typename Record> void TransferEngine::takeReply(CommandQueue<Record> &queue, const Record &reply)
{
    const bool write = isWriteCommand(queue.command);
    const bool dmr = queue.command == wire::kWriteDmr || queue.command == wire::kReadDmr;
    const Direction owner = write ? Direction::Write : readCommandsOwner();
    const quint16 inFlight = queue.current.channelNumber();
    // During a read a late whole answer still carries its channel's contents, so it fills its row.
    const bool contents = !write && reading && owner == Direction::Read && reply.size() >= wire::kRecordSize;
    const auto deliver = [&] {
        if constexpr (std::is_same_v<Record, channel>)
            emit analogRead(reply);
        else
            emit dmrRead(reply);
    };
    if (!takesReply(reply.size(), reply.channelNumber(), queue.timer, inFlight, !write)) {
        if (contents)
            deliver();
        // An acknowledgement naming another channel is not credited: a radio that echoes the frame names
        // it, and a late echo of an earlier frame must not advance the queue. Said in the log, so that with
        // a radio whose acknowledgements carry no channel number the resends are explained.
        if (write && queue.timer.isActive() && reply.size() >= wire::kRequestSize)
            WLOG() << commandName(queue.command) + QStringLiteral(" 应答的信道号") << reply.channelNumber()
                   << "不是发送中的信道" << inFlight << "，不计为应答";
        return;
    }
    if (owner == Direction::Write && verifyPhase && !write)
        compareWritten(reply.channelNumber(), (dmr ? sentDmr : sentAnalog).value(reply.channelNumber()),
                       reply.body().mid(2), dmr);
    Run &r = run(owner);
    ++r.framesDone[inFlight];
    ++r.handled;
    queue.retry = 0;
    queue.timer.stop();
    // The radio waits for the next request: it leaves before the answer is shown anywhere.
    const bool more = sendNext(queue);
    if (contents)
        deliver();
    emit frameAnswered(owner);
    if (!more)
        endOfQueue(queue.command);
}

void TransferEngine::timeout(quint8 command)
{
    switch (command) {
    case wire::kWriteAnalog:
        onTimeout(queue0x40);
        break;
    case wire::kReadAnalog:
        onTimeout(queue0x41);
        break;
    case wire::kWriteDmr:
        onTimeout(queue0x43);
        break;
    case wire::kReadDmr:
        onTimeout(queue0x44);
        break;
    default:
        break;
    }
}

template <typename Record> void TransferEngine::onTimeout(CommandQueue<Record> &queue)
{
    const QString name = commandName(queue.command);
    if (queue.retry >= kResends) {
        WLOG() << name + QStringLiteral(" 命令已达到最大重试次数(3次)，跳过此命令");
        const Direction owner = isWriteCommand(queue.command) ? Direction::Write : readCommandsOwner();
        Run &r = run(owner);
        r.failed.insert(queue.current.channelNumber(), Failure{});
        ++r.handled;
        // A skip does not move the progress bar.
        queue.retry = 0;
        queue.timer.stop();
        if (++silentSkips >= kSilentSkipsToStop) {
            stopSilentLine();
            return;
        }
        if (!sendNext(queue))
            endOfQueue(queue.command);
        return;
    }
    const QByteArray frame = isWriteCommand(queue.command) ? queue.current.toWriteFrame() : queue.current.toReadFrame();
    WLOG() << name + QStringLiteral(" 超时重发(尝试次数:") << queue.retry + 1 << "):"
           << "\n" + tlog::hex(frame);
    line.send(frame);
    ++queue.retry;
}

void TransferEngine::endOfQueue(quint8 command)
{
    switch (command) {
    case wire::kWriteAnalog:
        WLOG() << "0x40 写操作命令全部发送完成";
        queue0x40.list.clear();
        if (!sendNext(queue0x43))
            endOfQueue(wire::kWriteDmr);
        break;
    case wire::kReadAnalog:
        WLOG() << "0x41 读操作命令全部发送完成";
        queue0x41.list.clear();
        if (!sendNext(queue0x44))
            endOfQueue(wire::kReadDmr);
        break;
    case wire::kWriteDmr:
        WLOG() << "0x43 写操作命令全部发送完成";
        queue0x43.list.clear();
        if (verifies)
            startVerify();
        else
            finish(Direction::Write, End::Completed);
        break;
    case wire::kReadDmr:
        WLOG() << "0x44 读操作命令全部发送完成";
        queue0x44.list.clear();
        finish(readCommandsOwner(), End::Completed);
        break;
    default:
        break;
    }
}

void TransferEngine::startVerify()
{
    verifyPhase = true;
    // Only what was written is read back.
    queue0x41.list = requests<channel>(writtenAnalog);
    queue0x44.list = requests<DMR>(writtenDmr);
    queue0x41.retry = 0;
    queue0x44.retry = 0;
    emit verifyStarted();
    if (!sendNext(queue0x41))
        endOfQueue(wire::kReadAnalog);
}

void TransferEngine::compareWritten(quint16 number, const QByteArray &sent, const QByteArray &answer, bool dmr)
{
    // A channel whose write went unanswered stays unanswered: what the radio holds instead is no news.
    const auto known = writeRun.failed.constFind(number);
    if (sent == answer || (known != writeRun.failed.cend() && known->kind == Failure::NoAnswer))
        return;
    Failure &failure = writeRun.failed[number];
    failure.kind = Failure::StoredDifferently;
    failure.fields += recordfields::differing(sent, answer, dmr);
}

QList<quint16> TransferEngine::finish(Direction direction, End how, Stop why)
{
    const bool write = direction == Direction::Write;
    QList<QTimer *> timers;
    if (write) {
        timers = {&queue0x40.timer, &queue0x43.timer};
        queue0x40.list.clear();
        queue0x43.list.clear();
    }
    if (!write || verifyPhase) {
        timers << &queue0x41.timer << &queue0x44.timer;
        queue0x41.list.clear();
        queue0x44.list.clear();
    }
    for (QTimer *timer : std::as_const(timers))
        timer->stop();

    // A channel is through when each of its frames was answered: two, or four with the read-back.
    Run &r = run(direction);
    Report report;
    report.direction = direction;
    report.end = how;
    report.why = how == End::Completed ? Stop::None : why;
    report.verified = write && verifies;
    report.channels = r.channels;
    report.failed = r.failed;
    report.elapsedMs = r.clock.elapsed();
    report.purpose = write ? 0 : purpose;
    for (const quint16 number : std::as_const(r.channels)) {
        if (r.failed.contains(number))
            report.notTransferred << number;
        else if (r.framesDone.value(number) >= r.framesDue.value(number))
            report.through << number;
        else if (how != End::Cancelled)
            report.notTransferred << number;
    }
    if (write) {
        writing = false;
        verifies = false;
        verifyPhase = false;
    } else {
        reading = false;
    }
    emit finished(report);
    return report.notTransferred;
}

void TransferEngine::stopSilentLine()
{
    QList<quint16> notTransferred;
    if (writing)
        notTransferred += finish(Direction::Write, End::Stopped, Stop::Silent);
    if (reading)
        notTransferred += finish(Direction::Read, End::Stopped, Stop::Silent);
    silentSkips = 0;
    emit lineSilent(notTransferred);
}
