// Saving rows to a JSON channel file, opening such files into the table, and keeping edits from being lost.
#include "termial.h"
#include "ui_termial.h"

#include "backups.h"
#include "channelfile.h"
#include "chirpcsv.h"
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
    bool written = false;
    if (isCsvFile(fileName)) {
        QList<CsvChannel> lines;
        for (const channel &record : channels)
            lines.append(csvChannel(record));
        saved = lines.size();
        written = writeChannelFile(fileName, chirpCsvText(lines), &reason, false);
    } else {
        const QJsonObject object = channelFileObject(channels, dmrs);
        saved = object.size();
        written = writeJsonFile(object, fileName, &reason);
    }
    if (!written) {
        WLOG() << "保存失败";
        seams::warning(this, tr("警告"), tr("文件没有保存：%1").arg(reason));
        return false;
    }
    // A CSV file carries columns 2 to 8 only: an edited DMR cell would not be in it.
    if (!isCsvFile(fileName))
        for (const channel &record : channels)
            editedRows.remove(record.channelNumber());
    const QString shownName = QFileInfo(fileName).fileName();
    showStatus([=] { return tr("已将 %1 个信道保存到 %2").arg(saved).arg(shownName); });
    return true;
}

// Every format takes one road into the table: its records, the question about unsaved edits, one undo
// step, and the same bookkeeping a read does (rows filled are neither edited nor changed any more).
void termial::openBtn_clicked()
{
    // The backups taken before writes are one click away.
    openFile(seams::getOpenFileName(this, tr("Open JSON File"), QString(), openFileFilters(), {backups::folder()}));
}

void termial::openFile(const QString &fileName)
{
    const QString shownName = QFileInfo(fileName).fileName();
    ChannelFileRecords records;
    QString reason, notes;
    const bool read = isCsvFile(fileName) ? readCsvRecords(fileName, &records, &reason, &notes)
                                          : readJsonRecords(fileName, &records, &reason, &notes);
    if (!read) {
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
    showStatus([=] { return tr("已打开 %1：%2 个信道").arg(shownName).arg(channelCount); });
    if (!notes.isEmpty())
        seams::warning(this, tr("警告"), notes);
}

bool termial::readJsonRecords(const QString &fileName, ChannelFileRecords *records, QString *reason,
                              QString *notes)
{
    const QString shownName = QFileInfo(fileName).fileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        WLOG() << "文件打开失败";
        if (!fileName.isEmpty())
            *reason = file.errorString();
        return false;
    }
    const QByteArray text = file.readAll();
    file.close();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        WLOG() << "json转化失败\n\t" << error.errorString();
        *reason = tr("不是 JSON 文本（%1）").arg(error.errorString());
        return false;
    }
    if (!document.isObject()) {
        *reason = tr("不是信道文件");
        return false;
    }
    *records = parseChannelFile(document);
    if (!records->skipped.isEmpty()) {
        // A box cannot show a hundred thousand keys; the first ones say what is wrong.
        constexpr int shownKeys = 20;
        QString keys = records->skipped.mid(0, shownKeys).join(QLatin1String(", "));
        if (records->skipped.size() > shownKeys)
            keys += QLatin1String(", …");
        *notes = tr("%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。\n%3")
                     .arg(shownName, QString::number(records->skipped.size()), keys);
    }
    return true;
}

// A CSV line sets columns 2 to 8 of its Location's row; the DMR columns, the kept bytes and the ticks stay.
bool termial::readCsvRecords(const QString &fileName, ChannelFileRecords *records, QString *reason,
                             QString *notes)
{
    CsvImport csv;
    if (!readChirpCsvFile(fileName, &csv, reason)) {
        WLOG() << "文件打开失败";
        return false;
    }
    if (csv.error != CsvError::None) {
        *reason = csvErrorText(csv.error);
        return false;
    }
    for (const CsvChannel &c : std::as_const(csv.channels))
        records->channels.append(csvRecord(c));
    QStringList lines;
    for (auto note = csv.notes.cbegin(); note != csv.notes.cend(); ++note) {
        const QList<quint16> numbers(note.value().cbegin(), note.value().cend());
        lines << csvNoteText(note.key(), compactChannelList(numbers));
    }
    if (!lines.isEmpty())
        *notes = QFileInfo(fileName).fileName() + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    return true;
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

bool termial::isCsvFile(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
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
    // Saved as CSV, the DMR columns were left out: those rows are still at risk.
    return saveChannels(channels, dmrs) &&
           std::none_of(lost.cbegin(), lost.cend(), [this](quint16 row) { return editedRows.contains(row); });
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
