// The window's side of transfers: starts and cancels them on the engine, and shows what the engine says in
// the table, the progress bar, the status line, the row marks and the boxes.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"

#include <QAccessible>
#include <QTimer>

using Direction = TransferEngine::Direction;
using End = TransferEngine::End;

void termial::initTransferEngine()
{
    // A read for the table fills its rows; one for a comparison or a backup keeps the records aside.
    connect(engine, &TransferEngine::analogRead, this, [this](const channel &record) {
        engine->readPurpose() == SafetyNet::IntoTable ? viewUpdate(record.channelNumber(), record) : safety->keep(record);
    });
    connect(engine, &TransferEngine::dmrRead, this, [this](const DMR &record) {
        engine->readPurpose() == SafetyNet::IntoTable ? viewUpdateDmr(record.channelNumber(), record) : safety->keep(record);
    });
    // A screen reader is told of every change of the bar and the status line. At one a frame they bury
    // the news of a transfer's end (Orca drops what comes during such a flood), so while one listens the
    // two move five times a second.
    progressPace = new QTimer(this);
    progressPace->setSingleShot(true);
    progressPace->setInterval(200);
    connect(progressPace, &QTimer::timeout, this, &termial::showFrames);
    connect(engine, &TransferEngine::frameAnswered, this, [this] {
        ++framesToShow;
        if (!QAccessible::isActive())
            showFrames();
        else if (!progressPace->isActive())
            progressPace->start();
    });
    connect(engine, &TransferEngine::verifyStarted, this, &termial::showFrames);
    connect(engine, &TransferEngine::finished, this, &termial::finishTransfer);
    connect(engine, &TransferEngine::lineLost, this, &termial::lineLost);
    connect(engine, &TransferEngine::lineSilent, this, [this](const QList<quint16> &notTransferred) {
        const QString text =
            tr("电台没有应答，传输已停止。未传输的信道：%1").arg(compactChannelList(notTransferred));
        QTimer::singleShot(0, this, [this, text] { seams::warning(this, tr("警告"), text); });
    });
}

void termial::send_clicked()
{
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (isReading() && engine->readPurpose() == SafetyNet::Backup) {
        engine->cancel(Direction::Read);
    } else if (!isSending() && ui->backup_checkBox->isChecked()) {
        safety->writeWithBackup();
    } else if (!isSending()) {
        // Said while the queues are built, until the write's own text (or the idle one) replaces it.
        ui->send_btn->setText(tr("正在发送.."));
        sendBtn_clicked();
        updateControls();
    } else {
        engine->cancel(Direction::Write);
    }
}

void termial::sendBtn_clicked()
{
    const bool verify = ui->verify_checkBox->isChecked();
    if (isSending() || (isReading() && verify))
        return;
    QList<channel> channels;
    QList<DMR> dmrs;
    checkedChannels(&channels);
    checkedDmrs(&dmrs);
    startWrite(channels, dmrs);
}

void termial::startWrite(const QList<channel> &channels, const QList<DMR> &dmrs)
{
    const bool verify = ui->verify_checkBox->isChecked();
    if (channels.isEmpty() && dmrs.isEmpty()) {
        WLOG() << "没有选中任何行";
        return;
    }
    const int frames = int(channels.size() + dmrs.size());
    ui->load_progressBar->setMaximum(verify ? 2 * frames : frames);
    ui->load_progressBar->setValue(0);
    if (!engine->startWrite(channels, dmrs, verify))
        return;
    updateControls();
    showProgress();
}

void termial::read_clicked()
{
    if (!currentSerialport.isOpen()) {
        seams::warning(this, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (!isReading())
        readBtn_clicked();
    else
        engine->cancel(Direction::Read);
}

void termial::readBtn_clicked()
{
    if (isReading() || (isSending() && engine->writeVerifies()))
        return;
    QList<channel> channels;
    checkedChannels(&channels);
    if (channels.isEmpty()) {
        WLOG() << "没有选中任何行";
        return;
    }
    QList<quint16> numbers;
    for (const channel &record : std::as_const(channels))
        numbers << record.channelNumber();
    // Every row the read fills is one undo step, however the read ends.
    beginRowChange(tr("读取"));
    ui->load_progressBar->setMaximum(int(2 * numbers.size()));
    ui->load_progressBar->setValue(0);
    if (!engine->startRead(numbers)) {
        endRowChange();
        return;
    }
    updateControls();
    showProgress();
}

QString termial::failureText(const TransferEngine::Failure &failure)
{
    return failure.kind == TransferEngine::Failure::NoAnswer
               ? tr("无应答")
               : tr("存储内容不同：%1").arg(failure.fields.join(QStringLiteral(", ")));
}

void termial::showFrames()
{
    progressPace->stop();
    ui->load_progressBar->setValue(ui->load_progressBar->value() + framesToShow);
    framesToShow = 0;
    showProgress();
}

void termial::finishTransfer(const TransferEngine::Report &report)
{
    if (framesToShow > 0)
        showFrames();
    const bool write = report.direction == Direction::Write;
    QList<int> through;
    for (const quint16 number : report.through) {
        clearMark(number);
        through << number;
    }
    for (const quint16 number : report.notTransferred)
        markRow(number, report.failed.contains(number) ? failureText(report.failed.value(number)) : tr("未传输"));
    if (write)
        rowsWritten(through);
    else if (report.purpose == SafetyNet::IntoTable)
        endRowChange();
    if (report.end != End::Completed)
        ui->load_progressBar->reset();

    const double seconds = report.elapsedMs / 1000.0;
    const qsizetype channels = report.channels.size(), failed = report.failed.size();
    const bool verified = report.verified;
    const char *why = report.why == TransferEngine::Stop::Silent ? QT_TR_NOOP("电台没有应答")
                                                                 : QT_TR_NOOP("与串口的连接已断开");
    switch (report.end) {
    case End::Completed:
        showStatus([=] {
            return (verified ? tr("写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败")
                    : write  ? tr("写入完成：%1 个信道，用时 %2 秒，%3 个失败")
                             : tr("读取完成：%1 个信道，用时 %2 秒，%3 个失败"))
                .arg(channels)
                .arg(seconds, 0, 'f', 1)
                .arg(failed);
        });
        break;
    case End::Cancelled:
        showStatus([=] { return write ? tr("写入已取消") : tr("读取已取消"); });
        break;
    case End::Stopped:
        showStatus([=] { return (write ? tr("写入已停止：%1") : tr("读取已停止：%1")).arg(tr(why)); });
        break;
    }
    updateControls();

    if (report.end == End::Completed && !report.failed.isEmpty()) {
        // One box: the channels without an answer, then those stored differently with their fields.
        QList<quint16> unanswered;
        QStringList differing;
        for (auto it = report.failed.cbegin(); it != report.failed.cend(); ++it) {
            if (it->kind == TransferEngine::Failure::NoAnswer)
                unanswered << it.key();
            else
                differing << QStringLiteral("%1: %2").arg(it.key()).arg(failureText(it.value()));
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
}
