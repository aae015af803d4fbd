// The transfer engine: queues, in-flight records, time-outs and resends for writes and reads.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"

#include <QSet>
#include <QTimer>
#include <algorithm>

namespace
{
constexpr int kReplyTimeoutMs = 200;
// Three resends, then the frame is given up.
constexpr int kMaxResends = 2;
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
    if (timer->isActive())
        timer->stop();
    ui->load_progressBar->setValue(ui->load_progressBar->value() + 1);
    return sendNext(list, current, timer, takeFirst);
}

template <typename Record>
bool termial::frameSkipped(int &retry, QList<Record> *list, Record &current, QTimer *timer,
                           void (SerialPort::*takeFirst)(QList<Record> &, Record &, QSerialPort &))
{
    // A skip does not move the progress bar.
    retry = 0;
    if (timer->isActive())
        timer->stop();
    return sendNext(list, current, timer, takeFirst);
}

void termial::cancelTransfer(QTimer *analogTimer, QTimer *dmrTimer)
{
    for (QTimer *timer : {analogTimer, dmrTimer}) {
        if (timer->isActive())
            timer->stop();
    }
    list0x40->clear();
    list0x41->clear();
    list0x43->clear();
    list0x44->clear();
    ui->checkAll_pushButton->setEnabled(true);
    ui->checkNotAll_pushButton->setEnabled(true);
    ui->load_progressBar->reset();
}

void termial::send_clicked()
{
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (!isSending) {
        ui->send_btn->setText(tr("正在发送.."));
        sendBtn_clicked();
        return;
    }
    // A click during a write cancels it.
    ui->send_btn->setText(tr("发送"));
    cancelTransfer(timer0x40, timer0x43);
    isSending = false;
    failedWrite.clear();
}

void termial::sendBtn_clicked()
{
    list0x40->clear();
    list0x43->clear();
    checkedChannels(list0x40);
    checkedDmrs(list0x43);
    isSending = true;
    if (list0x40->isEmpty() && list0x43->isEmpty()) {
        WLOG() << "没有选中任何行";
        ui->send_btn->setText(tr("发送"));
        isSending = false;
        return;
    }
    retry0x40 = 0;
    retry0x43 = 0;
    failedWrite.clear();
    ui->load_progressBar->setMaximum(int(list0x40->size() + list0x43->size()));
    ui->load_progressBar->setValue(0);
    ui->send_btn->setText(tr("发送中..."));
    ui->checkAll_pushButton->setEnabled(false);
    ui->checkNotAll_pushButton->setEnabled(false);
    sendNext(list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite);
}

void termial::read_clicked()
{
    // Every click rebuilds all four queues first, also while a write runs (it then restarts
    // from the first checked row) or while the port is closed.
    checkedChannels(list0x40);
    checkedChannels(list0x41);
    checkedDmrs(list0x43);
    checkedDmrs(list0x44);
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (!isReading) {
        ui->read_btn->setText(tr("正在读取.."));
        readBtn_clicked();
        return;
    }
    // A click during a read cancels it.
    ui->read_btn->setText(tr("读取"));
    cancelTransfer(timer0x41, timer0x44);
    isReading = false;
    failedRead.clear();
}

void termial::readBtn_clicked()
{
    checkedChannels(list0x41);
    checkedDmrs(list0x44);
    isReading = true;
    if (list0x41->isEmpty() && list0x44->isEmpty()) {
        WLOG() << "没有选中任何行";
        ui->read_btn->setText(tr("读取"));
        isReading = false;
        return;
    }
    retry0x41 = 0;
    retry0x44 = 0;
    failedRead.clear();
    ui->load_progressBar->setMaximum(int(list0x41->size() + list0x44->size()));
    ui->load_progressBar->setValue(0);
    sendNext(list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite);
}

bool termial::isStaleReply(quint8 size, quint16 number, const QTimer *timer, quint16 inFlight)
{
    // Replies of 10 bytes or more carry a channel number; a short acknowledgement cannot be
    // told apart from a late one and is taken as the answer.
    if (size < 5)
        return false;
    return !timer->isActive() || number != inFlight;
}

void termial::serialHandleCommand0x40(channel &record)
{
    if (isStaleReply(record.size(), record.channelNumber(), timer0x40, current0x40.channelNumber()))
        return;
    if (!replyTaken(retry0x40, list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite))
        endOfQueue0x40();
}

void termial::serialHandleCommand0x41(channel &record)
{
    // A late answer still carries its channel's contents, so it fills its row either way.
    viewUpdate(record.channelNumber(), record);
    if (isStaleReply(record.size(), record.channelNumber(), timer0x41, current0x41.channelNumber()))
        return;
    if (!replyTaken(retry0x41, list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite))
        endOfQueue0x41();
}

void termial::serialHandleCommand0x43(DMR &record)
{
    if (isStaleReply(record.size(), record.channelNumber(), timer0x43, current0x43.channelNumber()))
        return;
    if (!replyTaken(retry0x43, list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite))
        endOfQueue0x43();
}

void termial::serialHandleCommand0x44(DMR &record)
{
    viewUpdateDmr(record.channelNumber(), record);
    if (isStaleReply(record.size(), record.channelNumber(), timer0x44, current0x44.channelNumber()))
        return;
    if (!replyTaken(retry0x44, list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite))
        endOfQueue0x44();
}

void termial::endOfQueue0x40()
{
    WLOG() << "0x40 写操作命令全部发送完成";
    list0x40->clear();
    sendNext(list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite);
}

void termial::endOfQueue0x41()
{
    WLOG() << "0x41 读操作命令全部发送完成";
    list0x41->clear();
    sendNext(list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite);
}

void termial::endOfQueue0x43()
{
    WLOG() << "0x43 写操作命令全部发送完成";
    ui->checkAll_pushButton->setEnabled(true);
    ui->checkNotAll_pushButton->setEnabled(true);
    ui->send_btn->setText(tr("发送"));
    isSending = false;
    list0x43->clear();
    reportFailures(std::exchange(failedWrite, {}));
}

void termial::endOfQueue0x44()
{
    WLOG() << "0x44 读操作命令全部发送完成";
    ui->checkAll_pushButton->setEnabled(true);
    ui->checkNotAll_pushButton->setEnabled(true);
    ui->read_btn->setText(tr("读取"));
    isReading = false;
    list0x44->clear();
    reportFailures(std::exchange(failedRead, {}));
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

void termial::reportFailures(const QList<quint16> &failed)
{
    if (failed.isEmpty())
        return;
    const qsizetype count = QSet<quint16>(failed.begin(), failed.end()).size();
    const QString text = tr("%1 个信道传输失败：%2").arg(count).arg(compactChannelList(failed));
    // Shown after the receive path or the timer tick has returned, so no modal loop runs inside them.
    QTimer::singleShot(0, this, [this, text] { seams::warning(this, tr("警告"), text); });
}

void termial::onTimeout0x40()
{
    if (retry0x40 > kMaxResends) {
        WLOG() << "0x40 命令已达到最大重试次数(3次)，跳过此命令";
        failedWrite << current0x40.channelNumber();
        if (!frameSkipped(retry0x40, list0x40, current0x40, timer0x40, &SerialPort::takeFirst40ListWrite))
            endOfQueue0x40();
        return;
    }
    const QByteArray frame = current0x40.toWriteFrame();
    WLOG() << "0x40 超时重发(尝试次数:" << retry0x40 + 1 << "):"
           << "\n" + tlog::hex(frame);
    currentSerialport.write(frame);
    ++retry0x40;
}

void termial::onTimeout0x41()
{
    if (retry0x41 > kMaxResends) {
        WLOG() << "0x41 命令已达到最大重试次数(3次)，跳过此命令";
        failedRead << current0x41.channelNumber();
        if (!frameSkipped(retry0x41, list0x41, current0x41, timer0x41, &SerialPort::takeFirst41ListWrite))
            endOfQueue0x41();
        return;
    }
    const QByteArray frame = current0x41.toReadFrame();
    WLOG() << "0x41 超时重发(尝试次数:" << retry0x41 + 1 << "):"
           << "\n" + tlog::hex(frame);
    currentSerialport.write(frame);
    ++retry0x41;
}

void termial::onTimeout0x43()
{
    if (retry0x43 > kMaxResends) {
        WLOG() << "0x43 命令已达到最大重试次数(3次)，跳过此命令";
        failedWrite << current0x43.channelNumber();
        if (!frameSkipped(retry0x43, list0x43, current0x43, timer0x43, &SerialPort::takeFirst43ListWrite))
            endOfQueue0x43();
        return;
    }
    const QByteArray frame = current0x43.toWriteFrame();
    WLOG() << "0x43 超时重发(尝试次数:" << retry0x43 + 1 << "):"
           << "\n" + tlog::hex(frame);
    currentSerialport.write(frame);
    ++retry0x43;
}

void termial::onTimeout0x44()
{
    if (retry0x44 > kMaxResends) {
        WLOG() << "0x44 命令已达到最大重试次数(3次)，跳过此命令";
        failedRead << current0x44.channelNumber();
        if (!frameSkipped(retry0x44, list0x44, current0x44, timer0x44, &SerialPort::takeFirst44ListWrite))
            endOfQueue0x44();
        return;
    }
    const QByteArray frame = current0x44.toReadFrame();
    WLOG() << "0x44 超时重发(尝试次数:" << retry0x44 + 1 << "):"
           << "\n" + tlog::hex(frame);
    currentSerialport.write(frame);
    ++retry0x44;
}
