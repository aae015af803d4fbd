// The safety net: comparisons, backups before a write with their preview, and the latest backup reopened.
#include "safetynet.h"

#include "termial.h"
#include "ui_termial.h"

#include "backups.h"
#include "seams.h"
#include "windowmemory.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>

SafetyNet::SafetyNet(termial *window)
    : QObject(window), w(window), engine(window->transferEngine()),
      openLatestAction(new QAction(window->form()->tableView))
{
    connect(engine, &TransferEngine::finished, this,
            [this](const TransferEngine::Report &report) { finished(report); });
    openLatestAction->setObjectName(QStringLiteral("openLatestBackupAction"));
    connect(openLatestAction, &QAction::triggered, this, [this] { openLatestBackup(); });
    auto *line = new QAction(window->form()->tableView);
    line->setSeparator(true);
    window->form()->tableView->addAction(line);
    window->form()->tableView->addAction(openLatestAction);
    retranslate();
    connect(window->form()->compare_btn, &QPushButton::clicked, this, [this] { compare(); });
    // Whether writes back up first is kept from one run to the next.
    QCheckBox *backup = window->form()->backup_checkBox;
    WindowMemory *memory = window->windowMemory();
    backup->setChecked(memory->remembered(QStringLiteral("backupBeforeWrite"), false).toBool());
    connect(backup, &QCheckBox::toggled, this,
            [memory](bool on) { memory->remember(QStringLiteral("backupBeforeWrite"), on); });
    connect(backup, &QCheckBox::toggled, window, &termial::updateControls);
}

void SafetyNet::retranslate()
{
    openLatestAction->setText(tr("打开最新的备份"));
}

bool SafetyNet::comparing() const
{
    return engine->isReading() && engine->readPurpose() == Compare;
}

bool SafetyNet::startRead(Purpose purpose)
{
    QList<channel> ticked;
    w->checkedChannels(&ticked);
    QList<quint16> numbers;
    for (const channel &record : std::as_const(ticked))
        numbers << record.channelNumber();
    radioAnalog.clear();
    radioDmr.clear();
    if (numbers.isEmpty() || !engine->startRead(numbers, purpose))
        return false;
    w->form()->load_progressBar->setMaximum(int(2 * numbers.size()));
    w->form()->load_progressBar->setValue(0);
    w->updateControls();
    return true;
}

void SafetyNet::compare()
{
    if (!w->serialport().isOpen()) {
        seams::warning(w, tr("警告"), tr("未连接串口!"));
        return;
    }
    if (comparing())
        engine->cancel(TransferEngine::Direction::Read);
    else if (!engine->isReading() && !engine->writeVerifies())
        startRead(Compare);
}

void SafetyNet::writeWithBackup()
{
    w->checkedChannels(&plannedChannels);
    w->checkedDmrs(&plannedDmrs);
    if (engine->isReading() || !startRead(Backup))
        w->updateControls();
}

QList<ChangesDialog::Channel> SafetyNet::changes(const QList<quint16> &numbers, const QList<channel> &analog,
                                                 const QList<DMR> &dmrs, int *unchanged) const
{
    QMap<quint16, qsizetype> at;
    for (qsizetype i = 0; i < analog.size(); ++i)
        at.insert(analog.at(i).channelNumber(), i);
    QList<ChangesDialog::Channel> out;
    *unchanged = 0;
    for (const quint16 number : numbers) {
        const qsizetype i = at.value(number, -1);
        if (i < 0 || i >= dmrs.size())
            continue;
        const QList<recordfields::Difference> differences = recordfields::differences(
            radioAnalog.value(number), radioDmr.value(number), analog.at(i), dmrs.at(i));
        if (differences.isEmpty())
            ++*unchanged;
        else
            out.append({number, differences});
    }
    return out;
}

void SafetyNet::finished(const TransferEngine::Report &report)
{
    if (report.direction != TransferEngine::Direction::Read || report.purpose == IntoTable)
        return;
    // Only whole channels compare; the read's own report has named the others.
    const QList<quint16> numbers = report.through;
    // The dialogs wait until the receive path or the timer tick that ended the read has returned, so no
    // modal loop runs inside them.
    if (report.purpose == Compare) {
        if (report.end == TransferEngine::End::Completed)
            QTimer::singleShot(0, this, [this, numbers] { showComparison(numbers); });
        return;
    }
    // The backup before a write: nothing is written unless every ticked channel was read and saved.
    if (report.end != TransferEngine::End::Completed || !report.notTransferred.isEmpty()) {
        w->showStatus([] { return tr("写入已取消：备份没有完成"); });
        return;
    }
    QTimer::singleShot(0, this, [this, numbers] { backUpAndPreview(numbers); });
}

void SafetyNet::showComparison(const QList<quint16> &numbers)
{
    // Compared with the rows as they are now: what "take" would replace.
    QList<channel> analog;
    QList<DMR> dmrs;
    for (const quint16 number : numbers)
        analog << w->rowToChannel(number), dmrs << w->rowToDmr(number);
    int same = 0;
    const QList<ChangesDialog::Channel> differing = changes(numbers, analog, dmrs, &same);
    const qsizetype count = differing.size();
    w->showStatus([=] { return tr("比较完成：%1 个信道不同，%2 个相同").arg(count).arg(same); });
    ChangesDialog dialog(ChangesDialog::Kind::Comparison, differing, same, w);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QList<quint16> taken = dialog.selectedChannels();
    if (taken.isEmpty())
        return;
    w->beginRowChange(tr("取电台的值"));
    for (const quint16 number : taken) {
        w->viewUpdate(number, radioAnalog.value(number));
        w->viewUpdateDmr(number, radioDmr.value(number));
    }
    w->endRowChange();
}

void SafetyNet::backUpAndPreview(const QList<quint16> &numbers)
{
    QList<channel> analog;
    QList<DMR> dmr;
    for (const quint16 number : numbers)
        analog << radioAnalog.value(number), dmr << radioDmr.value(number);
    QString why;
    const QString path = backups::save(analog, dmr, &why);
    if (path.isEmpty()) {
        seams::warning(w, tr("警告"), tr("备份没有保存，没有写入：%1").arg(why));
        w->showStatus([] { return tr("写入已取消：备份没有完成"); });
        return;
    }
    // Compared with what the write will send, taken when Write was pressed.
    int same = 0;
    const QList<ChangesDialog::Channel> differing = changes(numbers, plannedChannels, plannedDmrs, &same);
    ChangesDialog preview(ChangesDialog::Kind::WritePreview, differing, same, w);
    if (preview.exec() != QDialog::Accepted) {
        w->showStatus([] { return tr("写入已取消"); });
        return;
    }
    QList<channel> channels = plannedChannels;
    QList<DMR> dmrs = plannedDmrs;
    if (preview.onlyChanged()) {
        QList<quint16> changed;
        for (const ChangesDialog::Channel &c : differing)
            changed << c.number;
        const auto unchangedChannel = [&changed](const auto &record) {
            return !changed.contains(record.channelNumber());
        };
        channels.removeIf(unchangedChannel);
        dmrs.removeIf(unchangedChannel);
        if (channels.isEmpty() && dmrs.isEmpty()) {
            w->showStatus([] { return tr("没有需要写入的改变"); });
            return;
        }
    }
    w->startWrite(channels, dmrs);
}

void SafetyNet::openLatestBackup()
{
    const QString path = backups::newest();
    if (path.isEmpty()) {
        seams::warning(w, tr("警告"), tr("还没有备份。"));
        return;
    }
    w->openFile(path);
}
