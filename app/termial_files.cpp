// Saving rows to a JSON channel file, opening such files into the table, and keeping edits from being lost.
#include "termial.h"
#include "ui_termial.h"

#include "channelfile.h"
#include "log.h"
#include "seams.h"
#include "tablecolumns.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStandardItemModel>

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
    QString fileName = chooseSaveFileName(this, QStringLiteral("JSON Files (*.json)"));
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
    if (!writeJsonFile(channelFileObject(channels, dmrs), fileName, &reason)) {
        WLOG() << "保存失败";
        seams::warning(this, tr("警告"), tr("文件没有保存：%1").arg(reason));
        return false;
    }
    for (const channel &record : channels)
        editedRows.remove(record.channelNumber());
    return true;
}

void termial::openBtn_clicked()
{
    const QString fileName =
        seams::getOpenFileName(this, tr("Open JSON File"), QString(), tr("JSON Files (*.json)"));
    const QString shownName = QFileInfo(fileName).fileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        WLOG() << "文件打开失败";
        // A cancelled dialog gives no name: nothing to report.
        if (!fileName.isEmpty())
            seams::warning(this, tr("警告"), tr("无法打开 %1：%2").arg(shownName, file.errorString()));
        return;
    }
    const QByteArray text = file.readAll();
    file.close();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        WLOG() << "json转化失败\n\t" << error.errorString();
        seams::warning(
            this, tr("警告"),
            tr("无法打开 %1：%2").arg(shownName, tr("不是 JSON 文本（%1）").arg(error.errorString())));
        return;
    }
    if (!document.isObject()) {
        seams::warning(this, tr("警告"), tr("无法打开 %1：%2").arg(shownName, tr("不是信道文件")));
        return;
    }
    const ChannelFileRecords records = parseChannelFile(document);

    QList<int> rows;
    for (const channel &record : records.channels)
        rows.append(record.channelNumber());
    if (!settleEdits(rows))
        return;

    const int channelCount = int(records.channels.size());
    ui->load_progressBar->setMaximum(channelCount + int(records.dmrs.size()));
    ui->load_progressBar->setValue(0);
    // The event loop runs after every record so the table and the bar repaint during a long load.
    const RowChangeScope openStep(this, tr("打开文件"));
    int done = 0;
    for (const channel &record : records.channels) {
        viewUpdate(record.channelNumber(), record);
        ui->load_progressBar->setValue(++done);
        QCoreApplication::processEvents();
    }
    for (const DMR &record : records.dmrs) {
        viewUpdateDmr(record.channelNumber(), record);
        ui->load_progressBar->setValue(++done);
        QCoreApplication::processEvents();
    }
    if (!records.skipped.isEmpty()) {
        // A box cannot show a hundred thousand keys; the first ones say what is wrong.
        constexpr int shownKeys = 20;
        QString keys = records.skipped.mid(0, shownKeys).join(QLatin1String(", "));
        if (records.skipped.size() > shownKeys)
            keys += QLatin1String(", …");
        seams::warning(this, tr("警告"),
                       tr("%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。\n%3")
                           .arg(shownName, QString::number(records.skipped.size()), keys));
    }
}

QString termial::chooseSaveFileName(QWidget *parent, const QString &filter)
{
    return seams::getSaveFileName(parent, tr("保存文件"), QString(), filter);
}

bool termial::writeJsonFile(const QJsonObject &object, const QString &fileName, QString *errorString)
{
    return writeChannelFile(fileName, channelFileText(object), errorString);
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
    return saveChannels(channels, dmrs);
}

void termial::closeEvent(QCloseEvent *event)
{
    QList<int> rows(editedRows.cbegin(), editedRows.cend());
    std::sort(rows.begin(), rows.end());
    if (settleEdits(rows))
        event->accept();
    else
        event->ignore();
}
