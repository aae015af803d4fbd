// Conversion between table rows and channel/DMR records.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "tablecolumns.h"
#include "vocabulary.h"

#include <QStandardItemModel>

namespace
{

constexpr int nameFieldSize = 12;
constexpr int nameTextMax = nameFieldSize - 1;
constexpr quint64 frequencyFallback = 300003000;
constexpr quint64 idLimit = 0xFFFFFF;

QVariant cellValue(const QStandardItemModel *model, int row, int column)
{
    const QStandardItem *item = model->item(row, column);
    return item ? item->data(Qt::DisplayRole) : QVariant();
}

// Empty cells and texts that are not numbers read as 0.
quint64 cellNumber(const QStandardItemModel *model, int row, int column)
{
    return cellValue(model, row, column).toULongLong();
}

quint8 cellByte(const QStandardItemModel *model, int row, int column)
{
    return quint8(cellNumber(model, row, column) & 0xFF);
}

// A text missing from its list, an empty cell say, gives `missing`: 0xFF (position -1 in a
// one-byte field) or, for the analog tones, 0.
quint8 cellCode(const QStandardItemModel *model, int row, int column, const QStringList &list,
                quint8 missing = 0xFF)
{
    const QString text = cellValue(model, row, column).toString();
    const qsizetype position = list.indexOf(text);
    if (position >= 0)
        return quint8(position);
    if (text.startsWith(QLatin1Char('?'))) {
        bool ok = false;
        const uint code = QStringView(text).mid(1).toUInt(&ok);
        if (ok && code <= 0xFF)
            return quint8(code);
    }
    return missing;
}

// The name field holds at most 11 bytes of text; the cut backs off to the start of a character so
// that no half of a multi-byte character goes to the radio.
QByteArray nameField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > nameTextMax) {
        qsizetype cut = nameTextMax;
        while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    bytes.append(nameFieldSize - bytes.size(), '\0');
    return bytes;
}

void setItemData(QStandardItemModel *model, int row, int column, const QVariant &value,
                 int role = Qt::DisplayRole)
{
    QStandardItem *item = model->item(row, column);
    if (!item) {
        item = new QStandardItem;
        item->setTextAlignment(Qt::AlignCenter);
        model->setItem(row, column, item);
    }
    item->setData(value, role);
}

} // namespace

void termial::checkedChannels(QList<channel> *list)
{
    if (!list)
        return;
    list->clear();
    const int rows = model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const QStandardItem *check = model->item(row, ColCheck);
        if (check && check->data(Qt::CheckStateRole).toInt() == Qt::Checked)
            list->append(rowToChannel(row));
    }
}

void termial::checkedDmrs(QList<DMR> *list)
{
    if (!list)
        return;
    list->clear();
    const int rows = model->rowCount();
    for (int row = 0; row < rows; ++row) {
        const QStandardItem *check = model->item(row, ColCheck);
        if (check && check->data(Qt::CheckStateRole).toInt() == Qt::Checked)
            list->append(rowToDmr(row));
    }
}

void termial::viewUpdate(int row, const channel &record)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const bool wasBlocked = model->blockSignals(true);
    setItemData(model, row, ColChannel, int(record.channelNumber()));
    setItemData(model, row, ColName, vocabulary::nameText(record.channelName()));
    setItemData(model, row, ColVfoaFreq, uint(record.vfoaFrequency()));
    setItemData(model, row, ColVfobFreq, uint(record.vfobFrequency()));
    setItemData(model, row, ColVfoaMode, vocabulary::codeText(modeList, record.vfoaMode()));
    setItemData(model, row, ColVfobMode, vocabulary::codeText(modeList, record.vfobMode()));
    // No analog tone code stands for an empty cell: "0" is code 0.
    setItemData(model, row, ColEmitYayin, vocabulary::codeText(yayinList, record.emitYayin(), -1));
    setItemData(model, row, ColReceiveYayin, vocabulary::codeText(yayinList, record.receiveYayin(), -1));
    model->blockSignals(wasBlocked);
    editedRows.remove(row);
    changedRows.remove(row);
    emit model->dataChanged(model->index(row, ColCheck), model->index(row, ColReceiveYayin), {});
}

void termial::viewUpdateDmr(int row, const DMR &record)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const bool wasBlocked = model->blockSignals(true);
    setItemData(model, row, ColCallType, vocabulary::codeText(callTypeList, record.callFormat()));
    setItemData(model, row, ColTxCc, int(record.txCc()));
    setItemData(model, row, ColRxCc, int(record.rxCc()));
    setItemData(model, row, ColSlot, int(record.slot()));
    setItemData(model, row, ColCallId, uint(record.callId()));
    setItemData(model, row, ColOwnId, uint(record.ownId()));
    setItemData(model, row, ColChType, vocabulary::codeText(chTypeList, record.chType()));
    setItemData(model, row, ColRxCtcss, vocabulary::codeText(dmrYayinList, record.rxCtcss()));
    setItemData(model, row, ColTxCtcss, vocabulary::codeText(dmrYayinList, record.txCtcss()));
    WLOG() << "chTypes -" << record.chType();
    setItemData(model, row, ColSqlevel, int(record.sqlevel()));
    QStandardItem *sqlevel = model->item(row, ColSqlevel);
    sqlevel->setFlags(sqlevel->flags() & ~Qt::ItemIsEditable);

    setItemData(model, row, ColChannel, int(record.spkgain()), RoleSpkgain);
    setItemData(model, row, ColChannel, int(record.dmodGain()), RoleDmodGain);
    setItemData(model, row, ColChannel, int(record.scrEn()), RoleScrEn);
    setItemData(model, row, ColChannel, int(record.scrSeed1()), RoleScrSeed1);
    setItemData(model, row, ColChannel, int(record.scrSeed2()), RoleScrSeed2);
    setItemData(model, row, ColChannel, int(record.chBsMode()), RoleChBsMode);
    model->blockSignals(wasBlocked);
    editedRows.remove(row);
    changedRows.remove(row);
    emit model->dataChanged(model->index(row, ColCallType), model->index(row, ColSqlevel), {});
}

channel termial::rowToChannel(int row)
{
    channel record;
    const quint64 number = cellNumber(model, row, ColChannel);
    record.setChannelHigh(quint8((number >> 8) & 0xFF));
    record.setChannelLow(quint8(number & 0xFF));
    record.setChannelName(nameField(cellValue(model, row, ColName).toString()));

    quint64 vfoa = cellNumber(model, row, ColVfoaFreq);
    if (vfoa > 0xFFFFFFFFULL)
        vfoa = frequencyFallback;
    record.setVfoaFrequency1(quint8(vfoa >> 24));
    record.setVfoaFrequency2(quint8(vfoa >> 16));
    record.setVfoaFrequency3(quint8(vfoa >> 8));
    record.setVfoaFrequency4(quint8(vfoa));

    quint64 vfob = cellNumber(model, row, ColVfobFreq);
    if (vfob > 0xFFFFFFFFULL)
        vfob = frequencyFallback;
    record.setVfobFrequency1(quint8(vfob >> 24));
    record.setVfobFrequency2(quint8(vfob >> 16));
    record.setVfobFrequency3(quint8(vfob >> 8));
    record.setVfobFrequency4(quint8(vfob));

    record.setVfoaMode(cellCode(model, row, ColVfoaMode, modeList));
    record.setVfobMode(cellCode(model, row, ColVfobMode, modeList));
    // A tone missing from the list means no tone rather than an unknown code.
    record.setEmitYayin(cellCode(model, row, ColEmitYayin, yayinList, 0));
    record.setReceiveYayin(cellCode(model, row, ColReceiveYayin, yayinList, 0));
    return record;
}

DMR termial::rowToDmr(int row)
{
    DMR record;
    const quint64 number = cellNumber(model, row, ColChannel);
    record.setChannelHigh(quint8((number >> 8) & 0xFF));
    record.setChannelLow(quint8(number & 0xFF));
    record.setCallFormat(cellCode(model, row, ColCallType, callTypeList));
    record.setTxCc(cellByte(model, row, ColTxCc));
    record.setRxCc(cellByte(model, row, ColRxCc));
    record.setSlot(cellByte(model, row, ColSlot));
    const quint64 callId = cellNumber(model, row, ColCallId);
    record.setCallId(callId >= idLimit ? 0 : quint32(callId));
    const quint64 ownId = cellNumber(model, row, ColOwnId);
    record.setOwnId(ownId >= idLimit ? 0 : quint32(ownId));
    record.setChType(cellCode(model, row, ColChType, chTypeList));
    record.setRxCtcss(cellCode(model, row, ColRxCtcss, dmrYayinList));
    record.setTxCtcss(cellCode(model, row, ColTxCtcss, dmrYayinList));
    record.setSqlevel(cellByte(model, row, ColSqlevel));

    // A row that never held a record from the radio or a file keeps the record's defaults.
    if (const QStandardItem *item = model->item(row, ColChannel)) {
        const auto kept = [item](int role, quint8 fallback) {
            const QVariant value = item->data(role);
            return value.isValid() ? quint8(value.toUInt()) : fallback;
        };
        record.setSpkgain(kept(RoleSpkgain, record.spkgain()));
        record.setDmodGain(kept(RoleDmodGain, record.dmodGain()));
        record.setScrEn(kept(RoleScrEn, record.scrEn()));
        record.setScrSeed1(kept(RoleScrSeed1, record.scrSeed1()));
        record.setScrSeed2(kept(RoleScrSeed2, record.scrSeed2()));
        record.setChBsMode(kept(RoleChBsMode, record.chBsMode()));
    }
    return record;
}
