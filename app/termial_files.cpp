// Saving rows to a JSON channel file, opening such files into the table, and keeping edits from being lost.
#include "termial.h"
#include "ui_termial.h"

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
    QString fileName = chooseSaveFileName(this, fileFilters());
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
    const bool written = isCsvFile(fileName)
                             ? writeChannelFile(fileName, chirpCsvText(csvChannels(channels)), &reason, false)
                             : writeJsonFile(channelFileObject(channels, dmrs), fileName, &reason);
    if (!written) {
        WLOG() << "保存失败";
        seams::warning(this, tr("警告"), tr("文件没有保存：%1").arg(reason));
        return false;
    }
    // A CSV file carries columns 2 to 8 only: an edited DMR cell would not be in it.
    if (!isCsvFile(fileName))
        for (const channel &record : channels)
            editedRows.remove(record.channelNumber());
    return true;
}

void termial::openBtn_clicked()
{
    const QString fileName = seams::getOpenFileName(this, tr("Open JSON File"), QString(), fileFilters());
    const QString shownName = QFileInfo(fileName).fileName();
    if (isCsvFile(fileName)) {
        openCsv(fileName);
        return;
    }
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

QString termial::fileFilters()
{
    return tr("JSON 信道文件 (*.json)") + QLatin1String(";;") + tr("CHIRP CSV (*.csv)");
}

bool termial::isCsvFile(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

// The CSV carries columns 2 to 8 only; the records give them as the table shows them.
QList<CsvChannel> termial::csvChannels(const QList<channel> &channels)
{
    QList<CsvChannel> out;
    for (const channel &record : channels) {
        CsvChannel c;
        c.location = record.channelNumber();
        QByteArray name = record.channelName();
        c.name = QString::fromUtf8(name.replace(QByteArrayView("\0", 1), QByteArrayView()));
        c.vfoaFrequency = record.vfoaFrequency();
        c.vfobFrequency = record.vfobFrequency();
        c.vfoaMode = modeList.value(record.vfoaMode());
        c.vfobMode = modeList.value(record.vfobMode());
        c.emitTone = yayinList.value(record.emitYayin(), QStringLiteral("0"));
        c.receiveTone = yayinList.value(record.receiveYayin(), QStringLiteral("0"));
        out.append(c);
    }
    return out;
}

// Sets columns 2 to 8 of each Location's row; the DMR columns, the kept bytes and the ticks stay.
void termial::openCsv(const QString &fileName)
{
    const QString shownName = QFileInfo(fileName).fileName();
    CsvImport csv;
    QString reason;
    if (!readChirpCsvFile(fileName, &csv, &reason)) {
        WLOG() << "文件打开失败";
        seams::warning(this, tr("警告"), tr("无法打开 %1：%2").arg(shownName, reason));
        return;
    }
    if (csv.error != CsvError::None) {
        seams::warning(this, tr("警告"), tr("无法打开 %1：%2").arg(shownName, csvErrorText(csv.error)));
        return;
    }
    QList<int> rows;
    for (const CsvChannel &c : std::as_const(csv.channels))
        rows.append(c.location);
    if (!settleEdits(rows))
        return;
    const RowChangeScope openStep(this, tr("打开文件"));
    ui->load_progressBar->setMaximum(int(csv.channels.size()));
    ui->load_progressBar->setValue(0);
    int done = 0;
    for (const CsvChannel &c : std::as_const(csv.channels)) {
        const bool wasBlocked = model->blockSignals(true);
        const QVariant cells[] = {c.name,     c.vfoaFrequency, c.vfobFrequency, c.vfoaMode,
                                  c.vfobMode, c.emitTone,      c.receiveTone};
        for (int column = ColName; column <= ColReceiveYayin; ++column)
            model->setData(model->index(c.location, column), cells[column - ColName]);
        model->blockSignals(wasBlocked);
        editedRows.remove(c.location);
        emit model->dataChanged(model->index(c.location, ColCheck), model->index(c.location, ColReceiveYayin),
                                {});
        ui->load_progressBar->setValue(++done);
    }
    QStringList notes;
    for (auto note = csv.notes.cbegin(); note != csv.notes.cend(); ++note) {
        const QList<quint16> numbers(note.value().cbegin(), note.value().cend());
        notes << csvNoteText(note.key(), compactChannelList(numbers));
    }
    if (!notes.isEmpty())
        seams::warning(this, tr("警告"), shownName + QLatin1Char('\n') + notes.join(QLatin1Char('\n')));
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
