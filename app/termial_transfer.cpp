// The transfer engine: queues, in-flight records, time-outs and resends for writes, reads and verifies.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"
#include "wire.h"

#include <QTimer>
#include <algorithm>

namespace
{
constexpr int kReplyTimeoutMs = 200;
// Resends of an unanswered frame; the time-out after the last of them gives the frame up.
constexpr int kResends = 3;
// A line on which this many frames in a row are given up without a single valid frame from the
// radio has nothing at the other end; grinding on would cost 0.8 s a frame.
constexpr int kSilentSkipsToStop = 5;
} // namespace

template <typename Record>
bool termial::sendNext(QList<Record> *list, Record &current, QTimer *timer,
                       void (SerialPort::*takeFirst)(QList<Record> &, Record &, QSerialPort &))
{
    if (list->isEmpty())
        return false;
    (serialPort.*takeFirst)(*list, current, currentSerialport);
    timer->start(kReplyTimeoutMs);
    return true;
}

template <typename Record>
bool termial::replyTaken(int &retry, QList<Record> *list, Record &current, QTimer *timer,
                         void (SerialPort::*takeFirst)(QList<Record> &, Record &, QSerialPort &))
{
    retry = 0;
    timer->stop();
    return sendNext(list, current, timer, takeFirst);
}

template <typename Record>
bool termial::frameSkipped(int &retry, QList<Record> *list, Record &current, QTimer *timer,
                           void (SerialPort::*takeFirst)(QList<Record> &, Record &, QSerialPort &))
{
    // A skip does not move the progress bar.
    retry = 0;
    timer->stop();
    if (++silentSkips >= kSilentSkipsToStop) {
        stopSilentLine();
        return true;
    }
    return sendNext(list, current, timer, takeFirst);
}

void termial::beginRun(TransferRun &run, const QList<channel> &records)
{
    run.channels.clear();
    for (const channel &record : records)
        run.channels << record.channelNumber();
    run.halvesDone.clear();
    run.failed.clear();
    run.handled = 0;
    run.clock.start();
}

void termial::send_clicked()
{
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (!isSending) {
        // Said while the queues are built, until the write's own text (or the idle one) replaces it.
        ui->send_btn->setText(tr("正在发送.."));
        sendBtn_clicked();
        updateControls();
    } else {
        finishTransfer(Direction::Write, TransferEnd::Cancelled);
    }
}

void termial::sendBtn_clicked()
{
    // The verify reads back with the read commands, so it cannot share the line with a read.
    if (isSending || (isReading && ui->verify_checkBox->isChecked()))
        return;
    list0x40->clear();
    list0x43->clear();
    checkedChannels(list0x40);
    checkedDmrs(list0x43);
    if (list0x40->isEmpty() && list0x43->isEmpty()) {
        WLOG() << "没有选中任何行";
        return;
    }
    isSending = true;
    writePhase = WritePhase::Writing;
    writeVerifies = ui->verify_checkBox->isChecked();
    sentAnalog.clear();
    sentDmr.clear();
    if (writeVerifies) {
        for (const channel &record : std::as_const(*list0x40))
            sentAnalog.insert(record.channelNumber(), record.body().mid(2));
        for (const DMR &record : std::as_const(*list0x43))
            sentDmr.insert(record.channelNumber(), record.body().mid(2));
    }
    beginRun(writeRun, *list0x40);
    retry0x40 = 0;
    retry0x43 = 0;
    silentSkips = 0;
    const int frames = int(list0x40->size() + list0x43->size());
    ui->load_progressBar->setMaximum(writeVerifies ? 2 * frames : frames);
    ui->load_progressBar->setValue(0);
    updateControls();
    showProgress();
    sendNext(list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite);
}

void termial::read_clicked()
{
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (!isReading)
        readBtn_clicked();
    else
        finishTransfer(Direction::Read, TransferEnd::Cancelled);
}

void termial::readBtn_clicked()
{
    if (isReading || (isSending && writeVerifies))
        return;
    checkedChannels(list0x41);
    checkedDmrs(list0x44);
    if (list0x41->isEmpty() && list0x44->isEmpty()) {
        WLOG() << "没有选中任何行";
        return;
    }
    isReading = true;
    // Every row the read fills is one undo step, however the read ends.
    beginRowChange(tr("读取"));
    beginRun(readRun, *list0x41);
    retry0x41 = 0;
    retry0x44 = 0;
    silentSkips = 0;
    ui->load_progressBar->setMaximum(int(list0x41->size() + list0x44->size()));
    ui->load_progressBar->setValue(0);
    updateControls();
    showProgress();
    sendNext(list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite);
}

termial::Direction termial::readCommandsOwner() const
{
    return isSending && writePhase == WritePhase::Verifying ? Direction::Write : Direction::Read;
}

bool termial::takesReply(quint8 size, quint16 number, const QTimer *timer, quint16 inFlight, bool needsRecord)
{
    // No frame in flight: a late or repeated answer, which must not start anything.
    if (!timer->isActive())
        return false;
    // A read is answered only by a whole record; anything shorter is no answer and is resent.
    if (needsRecord && size < wire::kRecordSize)
        return false;
    // Replies of 10 bytes or more name their channel; a short acknowledgement cannot be told
    // apart from a late one and is taken as the answer to the frame in flight.
    return size < wire::kRequestSize || number == inFlight;
}

// An acknowledgement that names another channel than the one in flight is not credited: a radio that
// echoes the frame names it, and a late echo of an earlier frame must not advance the queue. Said in
// the log, so that with a radio whose acknowledgements carry no channel number the resends are explained.
bool termial::namesOtherChannel(quint8 size, quint16 number, const QTimer *timer, quint16 inFlight)
{
    return timer->isActive() && size >= wire::kRequestSize && number != inFlight;
}

void termial::serialHandleCommand0x40(channel &record)
{
    if (!takesReply(record.size(), record.channelNumber(), timer0x40, current0x40.channelNumber(), false)) {
        if (namesOtherChannel(record.size(), record.channelNumber(), timer0x40, current0x40.channelNumber()))
            WLOG() << "0x40 应答的信道号" << record.channelNumber() << "不是发送中的信道"
                   << current0x40.channelNumber() << "，不计为应答";
        return;
    }
    frameAnswered(Direction::Write, current0x40.channelNumber());
    if (!replyTaken(retry0x40, list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite))
        endOfQueue0x40();
}

void termial::serialHandleCommand0x41(channel &record)
{
    const bool verifying = readCommandsOwner() == Direction::Write;
    // During a read a late whole answer still carries its channel's contents, so it fills its row.
    if (isReading && !verifying && record.size() >= wire::kRecordSize)
        viewUpdate(record.channelNumber(), record);
    if (!takesReply(record.size(), record.channelNumber(), timer0x41, current0x41.channelNumber(), true))
        return;
    if (verifying)
        compareWritten(record.channelNumber(), sentAnalog.value(record.channelNumber()), record.body().mid(2),
                       false);
    frameAnswered(readCommandsOwner(), current0x41.channelNumber());
    if (!replyTaken(retry0x41, list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite))
        endOfQueue0x41();
}

void termial::serialHandleCommand0x43(DMR &record)
{
    if (!takesReply(record.size(), record.channelNumber(), timer0x43, current0x43.channelNumber(), false)) {
        if (namesOtherChannel(record.size(), record.channelNumber(), timer0x43, current0x43.channelNumber()))
            WLOG() << "0x43 应答的信道号" << record.channelNumber() << "不是发送中的信道"
                   << current0x43.channelNumber() << "，不计为应答";
        return;
    }
    frameAnswered(Direction::Write, current0x43.channelNumber());
    if (!replyTaken(retry0x43, list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite))
        endOfQueue0x43();
}

void termial::serialHandleCommand0x44(DMR &record)
{
    const bool verifying = readCommandsOwner() == Direction::Write;
    if (isReading && !verifying && record.size() >= wire::kRecordSize)
        viewUpdateDmr(record.channelNumber(), record);
    if (!takesReply(record.size(), record.channelNumber(), timer0x44, current0x44.channelNumber(), true))
        return;
    if (verifying)
        compareWritten(record.channelNumber(), sentDmr.value(record.channelNumber()), record.body().mid(2),
                       true);
    frameAnswered(readCommandsOwner(), current0x44.channelNumber());
    if (!replyTaken(retry0x44, list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite))
        endOfQueue0x44();
}

void termial::frameAnswered(Direction direction, quint16 number)
{
    TransferRun &r = run(direction);
    ++r.halvesDone[number];
    ++r.handled;
    ui->load_progressBar->setValue(ui->load_progressBar->value() + 1);
    showProgress();
}

void termial::frameGivenUp(Direction direction, quint16 number)
{
    TransferRun &r = run(direction);
    r.failed.insert(number, tr("无应答"));
    ++r.handled;
}

void termial::endOfQueue0x40()
{
    WLOG() << "0x40 写操作命令全部发送完成";
    list0x40->clear();
    if (!sendNext(list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite))
        endOfQueue0x43();
}

void termial::endOfQueue0x41()
{
    WLOG() << "0x41 读操作命令全部发送完成";
    list0x41->clear();
    if (!sendNext(list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite))
        endOfQueue0x44();
}

void termial::endOfQueue0x43()
{
    WLOG() << "0x43 写操作命令全部发送完成";
    list0x43->clear();
    if (writeVerifies)
        startVerify();
    else
        finishTransfer(Direction::Write, TransferEnd::Completed);
}

void termial::endOfQueue0x44()
{
    WLOG() << "0x44 读操作命令全部发送完成";
    list0x44->clear();
    finishTransfer(readCommandsOwner(), TransferEnd::Completed);
}

void termial::startVerify()
{
    // Only the channel numbers matter for a read request; the answers are compared with what was sent.
    writePhase = WritePhase::Verifying;
    list0x41->clear();
    list0x44->clear();
    for (const quint16 number : std::as_const(writeRun.channels)) {
        channel analog;
        analog.setChannelHigh(quint8(number >> 8));
        analog.setChannelLow(quint8(number));
        list0x41->append(analog);
        DMR dmr;
        dmr.setChannelHigh(quint8(number >> 8));
        dmr.setChannelLow(quint8(number));
        list0x44->append(dmr);
    }
    retry0x41 = 0;
    retry0x44 = 0;
    showProgress();
    if (!sendNext(list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite))
        endOfQueue0x41();
}

QList<quint16> termial::finishTransfer(Direction direction, TransferEnd how, const char *why)
{
    const bool write = direction == Direction::Write;
    const bool verified = write && writeVerifies;
    const bool wasReading = isReading;
    QList<QTimer *> timers;
    if (write) {
        timers = {timer0x40, timer0x43};
        list0x40->clear();
        list0x43->clear();
    }
    if (!write || writePhase == WritePhase::Verifying) {
        timers << timer0x41 << timer0x44;
        list0x41->clear();
        list0x44->clear();
    }
    for (QTimer *timer : std::as_const(timers))
        timer->stop();

    // A channel is through when each of its frames was answered: two, or four with the read-back.
    TransferRun &r = run(direction);
    const int frames = verified ? 4 : 2;
    QList<quint16> notTransferred;
    QList<int> through;
    for (const quint16 number : std::as_const(r.channels)) {
        if (r.failed.contains(number)) {
            notTransferred << number;
            markRow(number, r.failed.value(number));
        } else if (r.halvesDone.value(number) >= frames) {
            clearMark(number);
            through << number;
        } else if (how != TransferEnd::Cancelled) {
            notTransferred << number;
            markRow(number, tr("未传输"));
        }
    }

    if (write) {
        isSending = false;
        writeVerifies = false;
        writePhase = WritePhase::Writing;
        rowsWritten(through);
    } else {
        isReading = false;
        if (wasReading)
            endRowChange();
    }
    if (how != TransferEnd::Completed)
        ui->load_progressBar->reset();

    const double seconds = r.clock.elapsed() / 1000.0;
    const qsizetype channels = r.channels.size(), failed = r.failed.size();
    switch (how) {
    case TransferEnd::Completed:
        showStatus([=] {
            return (verified ? tr("写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败")
                    : write  ? tr("写入完成：%1 个信道，用时 %2 秒，%3 个失败")
                             : tr("读取完成：%1 个信道，用时 %2 秒，%3 个失败"))
                .arg(channels)
                .arg(seconds, 0, 'f', 1)
                .arg(failed);
        });
        break;
    case TransferEnd::Cancelled:
        showStatus([=] { return write ? tr("写入已取消") : tr("读取已取消"); });
        break;
    case TransferEnd::Stopped:
        showStatus([=] { return (write ? tr("写入已停止：%1") : tr("读取已停止：%1")).arg(tr(why)); });
        break;
    }
    updateControls();

    if (how == TransferEnd::Completed && !r.failed.isEmpty()) {
        // One box: the channels without an answer, then those stored differently with their fields.
        QList<quint16> unanswered;
        QStringList differing;
        const QString noAnswer = tr("无应答");
        for (auto it = r.failed.cbegin(); it != r.failed.cend(); ++it) {
            if (it.value() == noAnswer)
                unanswered << it.key();
            else
                differing << QStringLiteral("%1: %2").arg(it.key()).arg(it.value());
        }
        QStringList parts;
        if (!unanswered.isEmpty())
            parts << tr("%1 个信道传输失败：%2").arg(unanswered.size()).arg(compactChannelList(unanswered));
        if (!differing.isEmpty())
            parts << tr("%1 个信道校验不符：").arg(differing.size()) + QLatin1Char('\n') +
                         differing.join(QLatin1Char('\n'));
        const QString text = parts.join(QLatin1Char('\n'));
        // Shown after the receive path or the timer tick has returned, so no modal loop runs inside them.
        QTimer::singleShot(0, this, [this, text] { seams::warning(this, tr("警告"), text); });
    }
    return notTransferred;
}

void termial::stopSilentLine()
{
    const char *why = QT_TR_NOOP("电台没有应答");
    QList<quint16> notTransferred;
    for (const Direction direction : {Direction::Write, Direction::Read}) {
        if (direction == Direction::Write ? isSending : isReading)
            notTransferred += finishTransfer(direction, TransferEnd::Stopped, why);
    }
    silentSkips = 0;
    const QString text =
        tr("电台没有应答，传输已停止。未传输的信道：%1").arg(compactChannelList(notTransferred));
    QTimer::singleShot(0, this, [this, text] { seams::warning(this, tr("警告"), text); });
}

QString termial::compactChannelList(QList<quint16> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        parts << (j == i ? QString::number(numbers[i])
                         : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

// The four time-out slots stay four near-identical bodies rather than one shared helper: every log
// line names the method that writes it, and a reader of the log tells the commands apart by that
// name (onTimeout0x40() ... onTimeout0x44()).
void termial::onTimeout0x40()
{
    if (retry0x40 >= kResends) {
        WLOG() << "0x40 命令已达到最大重试次数(3次)，跳过此命令";
        frameGivenUp(Direction::Write, current0x40.channelNumber());
        if (!frameSkipped(retry0x40, list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite))
            endOfQueue0x40();
        return;
    }
    const QByteArray frame = current0x40.toWriteFrame();
    WLOG() << "0x40 超时重发(尝试次数:" << retry0x40 + 1 << "):"
           << "\n" + tlog::hex(frame);
    SerialPort::send(currentSerialport, frame);
    ++retry0x40;
}

void termial::onTimeout0x41()
{
    if (retry0x41 >= kResends) {
        WLOG() << "0x41 命令已达到最大重试次数(3次)，跳过此命令";
        frameGivenUp(readCommandsOwner(), current0x41.channelNumber());
        if (!frameSkipped(retry0x41, list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite))
            endOfQueue0x41();
        return;
    }
    const QByteArray frame = current0x41.toReadFrame();
    WLOG() << "0x41 超时重发(尝试次数:" << retry0x41 + 1 << "):"
           << "\n" + tlog::hex(frame);
    SerialPort::send(currentSerialport, frame);
    ++retry0x41;
}

void termial::onTimeout0x43()
{
    if (retry0x43 >= kResends) {
        WLOG() << "0x43 命令已达到最大重试次数(3次)，跳过此命令";
        frameGivenUp(Direction::Write, current0x43.channelNumber());
        if (!frameSkipped(retry0x43, list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite))
            endOfQueue0x43();
        return;
    }
    const QByteArray frame = current0x43.toWriteFrame();
    WLOG() << "0x43 超时重发(尝试次数:" << retry0x43 + 1 << "):"
           << "\n" + tlog::hex(frame);
    SerialPort::send(currentSerialport, frame);
    ++retry0x43;
}

void termial::onTimeout0x44()
{
    if (retry0x44 >= kResends) {
        WLOG() << "0x44 命令已达到最大重试次数(3次)，跳过此命令";
        frameGivenUp(readCommandsOwner(), current0x44.channelNumber());
        if (!frameSkipped(retry0x44, list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite))
            endOfQueue0x44();
        return;
    }
    const QByteArray frame = current0x44.toReadFrame();
    WLOG() << "0x44 超时重发(尝试次数:" << retry0x44 + 1 << "):"
           << "\n" + tlog::hex(frame);
    SerialPort::send(currentSerialport, frame);
    ++retry0x44;
}
