// The channel table: model build, bulk checking, jump-to-row and the column-enabling rule.
#include "termial.h"
#include "ui_termial.h"

#include "celldelegate.h"
#include "checkboxdelegate.h"
#include "comboboxdelegate.h"
#include "log.h"
#include "seams.h"
#include "spinboxdelegate.h"
#include "tablecolumns.h"
#include "texteditdelegates.h"
#include "vocabulary.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QStandardItemModel>

namespace
{

constexpr int tableRows = 1000;
constexpr int progressStep = 100;
// Rows sampled when sizing the columns: the widest cell of a fresh table is its header or a
// three-digit channel number, so looking at every row only costs start-up time.
constexpr int sizingSampleRows = 200;

void setEditable(QStandardItem *item, bool editable)
{
    const Qt::ItemFlags flags = item->flags();
    const Qt::ItemFlags wanted = editable ? flags | Qt::ItemIsEditable : flags & ~Qt::ItemIsEditable;
    // Only real changes: each flag change is announced and runs the enabling rule again.
    if (wanted != flags)
        item->setFlags(wanted);
}

} // namespace

void termial::initTableView()
{
    ui->tableView->setModel(model);

    checkBoxDelegate = new CheckBoxDelegate(this);
    modeDelegate = new ComboBoxDelegate(modeList, this);
    yayinDelegate = new ComboBoxDelegate(yayinList, this);
    dmrYayinDelegate = new ComboBoxDelegate(dmrYayinList, this);
    callTypeDelegate = new ComboBoxDelegate(callTypeList, this);
    ccDelegate = new SpinBoxDelegate(0, 15, this);
    slotDelegate = new SpinBoxDelegate(1, 2, this);
    idDelegate = new SpinBoxDelegate(0, vocabulary::idEntryMax, this);
    chTypeDelegate = new ComboBoxDelegate(chTypeList, this);
    cellDelegate = new CellDelegate(this);
    nameDelegate = new NameDelegate(this);
    frequencyDelegate = new FrequencyDelegate(this);

    QTableView *view = ui->tableView;
    view->setItemDelegate(cellDelegate);
    view->setItemDelegateForColumn(ColName, nameDelegate);
    view->setItemDelegateForColumn(ColVfoaFreq, frequencyDelegate);
    view->setItemDelegateForColumn(ColVfobFreq, frequencyDelegate);
    view->setItemDelegateForColumn(ColCheck, checkBoxDelegate);
    view->setItemDelegateForColumn(ColVfoaMode, modeDelegate);
    view->setItemDelegateForColumn(ColVfobMode, modeDelegate);
    view->setItemDelegateForColumn(ColEmitYayin, yayinDelegate);
    view->setItemDelegateForColumn(ColReceiveYayin, yayinDelegate);
    view->setItemDelegateForColumn(ColRxCtcss, dmrYayinDelegate);
    view->setItemDelegateForColumn(ColTxCtcss, dmrYayinDelegate);
    view->setItemDelegateForColumn(ColCallType, callTypeDelegate);
    view->setItemDelegateForColumn(ColTxCc, ccDelegate);
    view->setItemDelegateForColumn(ColRxCc, ccDelegate);
    view->setItemDelegateForColumn(ColSlot, slotDelegate);
    view->setItemDelegateForColumn(ColCallId, idDelegate);
    view->setItemDelegateForColumn(ColOwnId, idDelegate);
    view->setItemDelegateForColumn(ColChType, chTypeDelegate);

    connect(model, &QStandardItemModel::dataChanged, this, &termial::onDataChanged);
    connect(model, &QStandardItemModel::dataChanged, this, &termial::noteEdits);
    initTableModel();
    initEditActions();
}

// The items are built with the model's signals blocked: one notice per cell would run the
// enabling rule some 20000 times. The flags are set directly to what that rule leaves behind for
// an empty row: columns 9 to 15 read-only, 16 to 18 still editable.
void termial::initTableModel()
{
    QTableView *view = ui->tableView;
    view->setUpdatesEnabled(false);

    model->setColumnCount(ColumnCount);
    model->setHorizontalHeaderLabels(
        {"-", "    CHANNEL    ", "  NAME  ", "    VFA_FREQ(Hz)    ", "    VFB_FREQ(Hz)    ",
         "    VFA_MODE    ", "    VFB_MODE    ", "    T_CTCSS    ", "    R_CTCSS    ", "    call_type    ",
         "    Tx_cc    ", "    Rx_cc    ", "     slot     ", "    Call_id    ", "    Own_id    ",
         "    Ch_type    ", "    Rx_ctcss    ", "    Tx_ctcss    ", "    sqlevel    "});
    view->verticalHeader()->hide();
    model->setRowCount(tableRows);

    const bool wasBlocked = model->blockSignals(true);
    for (int row = 0; row < tableRows; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QStandardItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (column == ColCheck) {
                item->setCheckable(true);
                item->setCheckState(Qt::Unchecked);
                item->setText(QString());
            } else if (column == ColChannel) {
                item->setData(row, Qt::DisplayRole);
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            } else if (column >= ColCallType && column <= ColChType) {
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            }
            model->setItem(row, column, item);
        }
    }
    model->blockSignals(wasBlocked);
    // One notice for the whole build, on the columns the enabling rule leaves alone; the rule's
    // outcome for the others is already in their flags.
    emit model->dataChanged(model->index(0, ColCheck), model->index(tableRows - 1, ColVfobFreq), {});
    emit model->dataChanged(model->index(0, ColRxCtcss), model->index(tableRows - 1, ColSqlevel), {});

    view->setUpdatesEnabled(true);
    QHeaderView *header = view->horizontalHeader();
    const int precision = header->resizeContentsPrecision();
    header->setResizeContentsPrecision(sizingSampleRows);
    view->resizeColumnsToContents();
    // Sizing a single column later (double-click on a header divider) looks at every row again.
    header->setResizeContentsPrecision(precision);
    // Wide enough for the longest name the radio keeps, eleven wide letters.
    const QString widestName(vocabulary::nameBytes, u'W');
    const int nameWidth =
        view->fontMetrics().horizontalAdvance(widestName) + 2 * view->fontMetrics().averageCharWidth();
    view->setColumnWidth(ColName, qMax(view->columnWidth(ColName), nameWidth));
}

void termial::setAllCheckState(bool checked)
{
    const int rows = model->rowCount();
    ui->load_progressBar->setMaximum(rows);
    ui->load_progressBar->setValue(0);
    const bool wasBlocked = model->blockSignals(true);
    const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
    for (int row = 0; row < rows; ++row) {
        if (QStandardItem *item = model->item(row, ColCheck))
            item->setCheckState(state);
        if (row % progressStep == 0) {
            ui->load_progressBar->setValue(row);
            QCoreApplication::processEvents();
        }
    }
    ui->load_progressBar->setValue(rows);
    model->blockSignals(wasBlocked);
    emit model->dataChanged(model->index(0, ColCheck), model->index(rows - 1, ColCheck), {});
}

void termial::setNumCheckedState(int count)
{
    const int rows = model->rowCount();
    if (count < 0 || count > rows) {
        WLOG() << "无效的行数范围:" << count;
        return;
    }
    ui->load_progressBar->setMaximum(count);
    ui->load_progressBar->setValue(0);
    const bool wasBlocked = model->blockSignals(true);
    for (int row = 0; row < rows; ++row) {
        if (QStandardItem *item = model->item(row, ColCheck))
            item->setCheckState(Qt::Unchecked);
    }
    for (int row = 0; row < count; ++row) {
        if (QStandardItem *item = model->item(row, ColCheck))
            item->setCheckState(Qt::Checked);
        if (row % progressStep == 0) {
            ui->load_progressBar->setValue(row);
            QCoreApplication::processEvents();
        }
    }
    ui->load_progressBar->setValue(count);
    model->blockSignals(wasBlocked);
    emit model->dataChanged(model->index(0, ColCheck), model->index(rows - 1, ColCheck), {});
    WLOG() << "已勾选 0 ~" << count << "行";
}

// The buttons stay disabled while the event loop runs inside the bulk check, so a second click
// cannot start another one inside the first.
void termial::checkAllBtn_clicked()
{
    checkingAll = true;
    updateControls();
    setAllCheckState(true);
    checkingAll = false;
    updateControls();
}

void termial::checkAllNotBtn_clicked()
{
    checkingAll = true;
    updateControls();
    setAllCheckState(false);
    checkingAll = false;
    updateControls();
}

void termial::channelNumLineEdit_returnPressed()
{
    const int rows = model->rowCount();
    bool ok = false;
    const int row = ui->channelNum_lineEdit->text().toInt(&ok, 10);
    if (!ok || row < 0 || row >= rows) {
        // Some languages leave the range out of the text.
        QString text = tr("请输入有效的行号 (0~%1)");
        if (text.contains(QLatin1String("%1")))
            text = text.arg(rows - 1);
        seams::warning(this, tr("警告"), text);
        return;
    }
    selectRow(row);
}

void termial::selectRow(int row)
{
    QTableView *view = ui->tableView;
    view->clearSelection();
    const QItemSelection selection(model->index(row, 0), model->index(row, model->columnCount() - 1));
    view->selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view->scrollTo(model->index(row, 0), QAbstractItemView::PositionAtCenter);
    view->setFocus();
}

// DMR columns are editable only in a row whose VFO A or VFO B mode is "DMR"; the two DMR tone
// columns also need the channel type to be empty or "DFM". Squelch (column 18) is never opened
// here, only closed.
bool termial::isEditable(int row, int column, const QHash<int, QString> &pending) const
{
    if (column <= ColChannel || column >= ColumnCount)
        return false;
    if (column < ColCallType)
        return true;
    const auto text = [this, row, &pending](int column) {
        const auto it = pending.constFind(column);
        if (it != pending.cend())
            return *it;
        const QStandardItem *item = model->item(row, column);
        return item ? item->text() : QString();
    };
    const QLatin1String dmr("DMR");
    if (text(ColVfoaMode) != dmr && text(ColVfobMode) != dmr)
        return false;
    if (column <= ColChType)
        return true;
    if (column <= ColTxCtcss) {
        const QString chType = text(ColChType);
        return chType.isEmpty() || chType == QLatin1String("DFM");
    }
    const QStandardItem *item = model->item(row, column);
    return item && item->flags().testFlag(Qt::ItemIsEditable);
}

void termial::onDataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QList<int> & /*roles*/)
{
    if (topLeft.column() > ColChType || bottomRight.column() < ColVfoaMode ||
        topLeft.row() > bottomRight.row())
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        for (int column = ColCallType; column <= ColSqlevel; ++column) {
            if (QStandardItem *item = model->item(row, column))
                setEditable(item, isEditable(row, column));
        }
    }
}
