// Saving rows to a JSON channel file, opening such files into the table, and keeping edits from being lost.
#include "termial.h"
#include "ui_termial.h"

#include "anyformat.h"
#include "backups.h"
#include "log.h"
#include "seams.h"
#include "tablecolumns.h"
#include "windowmemory.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardItemModel>

#include <algorithm>

void termial::saveBtn_clicked()
{
    WLOG() << "取所有勾选的channel对象开始";
    QList<channel> channels;
    QList<DMR> dmrs;
    checkedChannels(&channels);
    checkedDmrs(&dmrs);
    WLOG() << "获取所有勾选的channel对象结束";
    saveChannels(channels, dmrs);
}

bool termial::saveChannels(const QList<channel> &channels, const QList<DMR> &dmrs)
{
    QString fileName = chooseSaveFileName(this, saveFileFilters());
    WLOG() << QStringLiteral("选择保存的位置:") + fileName;
    // A cancelled dialog is the operator's choice, not a failure worth a box.
    if (fileName.isEmpty()) {
        WLOG() << "保存失败";
        return false;
    }
    // Without an extension the Open dialog's filter would hide the file. The dialog asked about
    // replacing the name as typed, not this one, so ask here.
    if (QFileInfo(fileName).suffix().isEmpty()) {
        fileName += QLatin1String(".json");
        if (QFileInfo::exists(fileName) &&
            seams::question(this, tr("警告"),
                            tr("%1 已存在。要替换它吗？").arg(QFileInfo(fileName).fileName()),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            WLOG() << "保存失败";
            return false;
        }
    }

    QString reason;
    qsizetype saved = 0;
    const bool written = saveChannelFile(fileName, channels, dmrs, &saved, &reason);
    if (!written) {
        WLOG() << "保存失败";
        seams::warning(this, tr("警告"), tr("文件没有保存：%1").arg(reason));
        return false;
    }
    // A CSV file carries columns 2 to 8 only: an edited DMR cell would not be in it.
    if (!isCsvFileName(fileName))
        for (const channel &record : channels)
            editedRows.remove(record.channelNumber());
    memory->fileUsed(fileName);
    const QString shownName = QFileInfo(fileName).fileName();
    showStatus([=] { return tr("已将 %1 个信道保存到 %2").arg(saved).arg(shownName); });
    return true;
}

// Every format takes one road into the table: its records, the question about unsaved edits, one undo
// step, and the same bookkeeping a read does (rows filled are neither edited nor changed any more).
void termial::openBtn_clicked()
{
    // The backups taken before writes are one click away.
    openFile(seams::getOpenFileName(this, tr("Open JSON File"), memory->folder(), openFileFilters(),
                                    {backups::folder()}));
}

void termial::openFile(const QString &fileName)
{
    const QString shownName = QFileInfo(fileName).fileName();
    ChannelFileRecords records;
    QString reason, notes;
    if (!openChannelFile(fileName, &records, &reason, &notes)) {
        // A cancelled dialog gives no name and no reason: nothing to report.
        if (!reason.isEmpty())
            seams::warning(this, tr("警告"), tr("无法打开 %1：%2").arg(shownName, reason));
        return;
    }

    QList<int> rows;
    for (const channel &record : std::as_const(records.channels))
        rows.append(record.channelNumber());
    if (!settleEdits(rows))
        return;
    const int channelCount = int(records.channels.size());
    ui->load_progressBar->setMaximum(channelCount + int(records.dmrs.size()));
    ui->load_progressBar->setValue(0);
    {
        // The event loop runs after every record so the table and the bar repaint during a long load.
        const RowChangeScope openStep(this, tr("打开文件"));
        int done = 0;
        for (const channel &record : std::as_const(records.channels)) {
            viewUpdate(record.channelNumber(), record);
            ui->load_progressBar->setValue(++done);
            QCoreApplication::processEvents();
        }
        for (const DMR &record : std::as_const(records.dmrs)) {
            viewUpdateDmr(record.channelNumber(), record);
            ui->load_progressBar->setValue(++done);
            QCoreApplication::processEvents();
        }
    }
    memory->fileUsed(fileName);
    showStatus([=] { return tr("已打开 %1：%2 个信道").arg(shownName).arg(channelCount); });
    if (!notes.isEmpty())
        seams::warning(this, tr("警告"), notes);
}

// The JSON filter's text is the one the program has always offered; on Open one filter shows both
// formats at once.
QString termial::saveFileFilters()
{
    return QStringLiteral("JSON Files (*.json)") + QLatin1String(";;") + tr("CHIRP CSV (*.csv)");
}

QString termial::openFileFilters()
{
    return tr("信道文件 (*.json *.csv)") + QLatin1String(";;") + tr("JSON Files (*.json)") + QLatin1String(";;") +
           tr("CHIRP CSV (*.csv)");
}

QString termial::chooseSaveFileName(QWidget *parent, const QString &filter)
{
    return seams::getSaveFileName(parent, tr("保存文件"), memory->folder(), filter);
}

// Only a person's edits count: they arrive as value changes of a cell. Rows filled from the radio or a
// file announce themselves without roles, flag changes of the enabling rule too.
void termial::noteEdits(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    if (!roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
        return;
    if (bottomRight.column() < ColName)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        editedRows.insert(row);
        changedRows.insert(row);
    }
}

bool termial::settleEdits(const QList<int> &rows)
{
    QList<quint16> lost;
    for (int row : rows)
        if (editedRows.contains(row))
            lost.append(quint16(row));
    if (lost.isEmpty())
        return true;
    const QMessageBox::StandardButton answer =
        seams::question(this, tr("警告"), tr("信道 %1 的修改还没有保存。").arg(compactChannelList(lost)),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    // The file gets the ticked rows, as a save does, and the edited rows that would be lost.
    QList<int> saved(lost.cbegin(), lost.cend());
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, ColCheck).data(Qt::CheckStateRole).toInt() == Qt::Checked &&
            !saved.contains(row))
            saved.append(row);
    std::sort(saved.begin(), saved.end());
    QList<channel> channels;
    QList<DMR> dmrs;
    for (int row : std::as_const(saved)) {
        channels.append(rowToChannel(row));
        dmrs.append(rowToDmr(row));
    }
    // Saved as CSV, the DMR columns were left out: those rows are still at risk.
    return saveChannels(channels, dmrs) &&
           std::none_of(lost.cbegin(), lost.cend(), [this](quint16 row) { return editedRows.contains(row); });
}

void termial::closeEvent(QCloseEvent *event)
{
    QList<int> rows(editedRows.cbegin(), editedRows.cend());
    std::sort(rows.begin(), rows.end());
    if (settleEdits(rows)) {
        memory->closing();
        event->accept();
    } else {
        event->ignore();
    }
}
