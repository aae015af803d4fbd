// The channel table's edit habits: whole-row undo steps, copy, cut and paste as tab-separated text,
// Delete, Clear rows and find (arranging rows is in tablearrange.cpp).
#include "tableedits.h"

#include "rowcommand.h"
#include "seams.h"
#include "tablecolumns.h"
#include "vocabulary.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTableView>
#include <QUndoStack>

namespace
{

// The value a pasted text gives its column, or an invalid variant with ok false when it does not fit.
// An empty text empties the cell, as an empty cell copied elsewhere would.
QVariant pasteValue(int column, const QString &text, bool *ok)
{
    *ok = true;
    if (text.isEmpty())
        return QVariant();
    // A code the list does not name, as a read shows it ("?60"), copies along with its row.
    const auto inList = [&](const QStringList &list) {
        bool number = false;
        const uint code = text.startsWith(u'?') ? text.mid(1).toUInt(&number) : 0;
        *ok = list.contains(text) || (number && code >= uint(list.size()) && code <= 255);
        return QVariant(text);
    };
    const auto number = [&](int minimum, int maximum) {
        const int value = text.toInt(ok);
        *ok = *ok && value >= minimum && value <= maximum;
        return QVariant(value);
    };
    switch (column) {
    case ColName:
        *ok = vocabulary::fitName(text) == text;
        return text;
    case ColVfoaFreq:
    case ColVfobFreq: {
        quint32 hertz = 0;
        *ok = vocabulary::parseFrequency(text, &hertz) == vocabulary::FrequencyText::Valid;
        return uint(hertz);
    }
    case ColVfoaMode:
    case ColVfobMode:
        return inList(vocabulary::modes());
    case ColEmitYayin:
    case ColReceiveYayin:
        return inList(vocabulary::analogTones());
    case ColCallType:
        return inList(vocabulary::callTypes());
    case ColTxCc:
    case ColRxCc:
        return number(0, 15);
    case ColSlot:
        // 0 is what a channel that never had DMR settings reads back with; its row must paste too.
        return number(0, 2);
    case ColCallId:
    case ColOwnId:
        // 16777215 and above would reach the radio as 0.
        return number(0, vocabulary::idEntryMax);
    case ColChType:
        return inList(vocabulary::channelTypes());
    case ColRxCtcss:
    case ColTxCtcss:
        return inList(vocabulary::dmrTones());
    case ColSqlevel:
        return number(0, 255);
    default:
        return QVariant();
    }
}

} // namespace

TableEdits::TableEdits(QStandardItemModel *model, QTableView *view, Hooks hooks, QObject *parent)
    : QObject(parent), model(model), view(view), hooks(std::move(hooks))
{
    undoHistory = new QUndoStack(this);
    rowStates.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row)
        rowStates.append(captureRow(model, row));
    freshRows = rowStates;
    connect(model, &QStandardItemModel::dataChanged, this, &TableEdits::noteRowChange);

    const auto add = [this, view](QAction **action, std::function<void()> slot, QList<QKeySequence> keys) {
        *action = new QAction(view);
        (*action)->setShortcuts(keys);
        // Inside an open editor its own undo, copy and paste win.
        (*action)->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(*action, &QAction::triggered, this, [slot] { slot(); });
        view->addAction(*action);
    };
    const auto separator = [view] {
        auto *line = new QAction(view);
        line->setSeparator(true);
        view->addAction(line);
    };
    add(&undoAction, [this] { undo(); }, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    add(&redoAction, [this] { redo(); },
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    separator();
    add(&cutAction, [this] { cutCells(); }, {QKeySequence(Qt::CTRL | Qt::Key_X)});
    add(&copyAction, [this] { copyCells(); }, {QKeySequence(Qt::CTRL | Qt::Key_C)});
    add(&pasteAction, [this] { pasteCells(); }, {QKeySequence(Qt::CTRL | Qt::Key_V)});
    add(&deleteAction, [this] { deleteCells(); }, {QKeySequence(Qt::Key_Delete)});
    add(&clearRowsAction, [this] { clearRows(); }, {});
    separator();
    add(&moveUpAction, [this] { moveRows(-1); }, {QKeySequence(Qt::ALT | Qt::Key_Up)});
    add(&moveDownAction, [this] { moveRows(1); }, {QKeySequence(Qt::ALT | Qt::Key_Down)});
    // An X keyboard delivers Ctrl+Shift+= (and the keypad's plus) as Ctrl++, the Shift used up by the plus.
    add(&insertRowAction, [this] { insertRow(); },
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    add(&removeRowAction, [this] { removeRows(); }, {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    add(&sortByFrequencyAction, [this] { sortRows(ColVfoaFreq); }, {});
    add(&sortByNameAction, [this] { sortRows(ColName); }, {});
    add(&fillDownAction, [this] { fillDown(); }, {QKeySequence(Qt::CTRL | Qt::Key_D)});
    moveUpAction->setObjectName(QStringLiteral("moveUpAction"));
    moveDownAction->setObjectName(QStringLiteral("moveDownAction"));
    insertRowAction->setObjectName(QStringLiteral("insertRowAction"));
    removeRowAction->setObjectName(QStringLiteral("removeRowAction"));
    sortByFrequencyAction->setObjectName(QStringLiteral("sortByFrequencyAction"));
    sortByNameAction->setObjectName(QStringLiteral("sortByNameAction"));
    fillDownAction->setObjectName(QStringLiteral("fillDownAction"));
    separator();
    add(&tickChangedAction, [this] { this->hooks.tickChangedRows(); }, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    add(&findAction, [this] { findRow(); }, {QKeySequence(Qt::CTRL | Qt::Key_F)});
    add(&findNextAction, [this] { findNextRow(); }, {QKeySequence(Qt::Key_F3)});
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The actions die with the view, before the stack, whose destruction still announces its end.
    connect(undoHistory, &QUndoStack::canUndoChanged, undoAction, [this] { updateUndoActions(); });
    connect(undoHistory, &QUndoStack::canRedoChanged, undoAction, [this] { updateUndoActions(); });
    updateUndoActions();
    retranslate();
}

void TableEdits::retranslate()
{
    undoAction->setText(tr("撤销"));
    redoAction->setText(tr("重做"));
    cutAction->setText(tr("剪切"));
    copyAction->setText(tr("复制"));
    pasteAction->setText(tr("粘贴"));
    deleteAction->setText(tr("删除"));
    clearRowsAction->setText(tr("清除行"));
    tickChangedAction->setText(tr("勾选修改过的行"));
    findAction->setText(tr("查找…"));
    findNextAction->setText(tr("查找下一个"));
    moveUpAction->setText(tr("上移"));
    moveDownAction->setText(tr("下移"));
    insertRowAction->setText(tr("插入行"));
    removeRowAction->setText(tr("移除行"));
    sortByFrequencyAction->setText(tr("按频率排序"));
    sortByNameAction->setText(tr("按名称排序"));
    fillDownAction->setText(tr("向下填充"));
}

// Every announced change of columns 1 to 18 joins the open step; its rows' states before it are the
// recorded ones. A person's edit opens a step of its own that ends on the next pass of the event loop,
// after the combo editor's second write.
void TableEdits::noteRowChange(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                            const QList<int> & /*roles*/)
{
    if (restoringRows || rowStates.isEmpty() || bottomRight.column() < ColChannel)
        return;
    if (rowChangeDepth == 0 && !editStepOpen) {
        editStepOpen = true;
        stepText = tr("编辑");
        QMetaObject::invokeMethod(this, [this] { closeEditStep(); }, Qt::QueuedConnection);
        updateUndoActions();
    }
    const int last = qMin(bottomRight.row(), int(rowStates.size()) - 1);
    for (int row = qMax(topLeft.row(), 0); row <= last; ++row)
        if (!stepBefore.contains(row))
            stepBefore.insert(row, rowStates.at(row));
}

void TableEdits::closeEditStep()
{
    if (editStepOpen && rowChangeDepth == 0) {
        editStepOpen = false;
        closeRowChange();
        updateUndoActions();
    }
}

// An edit not yet closed into a step can already be undone; nothing can while a read or an open runs.
void TableEdits::updateUndoActions()
{
    undoAction->setEnabled(rowChangeDepth == 0 && (editStepOpen || undoHistory->canUndo()));
    redoAction->setEnabled(rowChangeDepth == 0 && undoHistory->canRedo());
}

void TableEdits::beginRowChange(const QString &text)
{
    // A person's edit still waiting for its step to close is a step of its own, not part of this one.
    if (rowChangeDepth == 0)
        closeEditStep();
    if (rowChangeDepth++ == 0) {
        stepText = text;
        updateUndoActions();
    }
}

void TableEdits::endRowChange()
{
    if (rowChangeDepth > 0 && --rowChangeDepth == 0) {
        closeRowChange();
        updateUndoActions();
    }
}

// Rows announced but left as they were (a nested run of the enabling rule, a file holding what the
// table had) are no part of the step; a step that changed nothing is not kept.
void TableEdits::closeRowChange()
{
    QList<RowCommand::Change> changes;
    for (auto it = stepBefore.cbegin(); it != stepBefore.cend(); ++it) {
        QByteArray after = captureRow(model, it.key());
        if (after == it.value())
            continue;
        rowStates[it.key()] = after;
        changes.append({it.key(), it.value(), std::move(after)});
    }
    stepBefore.clear();
    if (changes.isEmpty())
        return;
    undoHistory->push(new RowCommand(
        stepText, model, std::move(changes),
        [this](const QList<int> &rows, const QList<QByteArray> &states) { rowsRestored(rows, states); }));
}

// The announcement runs the enabling rule; the states already hold the flags it gave those rows then
// (and a squelch a read closed), so they are put back once more after it.
void TableEdits::rowsRestored(const QList<int> &rows, const QList<QByteArray> &states)
{
    restoringRows = true;
    announceRows(rows, ColChannel, ColSqlevel);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        restoreRow(model, rows.at(i), states.at(i));
        rowStates[rows.at(i)] = states.at(i);
    }
    restoringRows = false;
}

// As a person's edits: the rows count as edited and changed (the radio and the file may no longer
// hold what the rows show).
void TableEdits::announceRows(const QList<int> &rows, int firstColumn, int lastColumn)
{
    for (const auto &run : rowRuns(rows))
        emit model->dataChanged(model->index(run.first, firstColumn), model->index(run.second, lastColumn),
                                {Qt::DisplayRole, Qt::EditRole});
}

void TableEdits::undo()
{
    closeEditStep();
    if (rowChangeDepth == 0)
        undoHistory->undo();
}

void TableEdits::redo()
{
    closeEditStep();
    if (rowChangeDepth == 0)
        undoHistory->redo();
}

void TableEdits::copyCells()
{
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int top = model->rowCount(), bottom = -1, left = model->columnCount(), right = -1;
    for (const QModelIndex &index : selected) {
        top = qMin(top, index.row());
        bottom = qMax(bottom, index.row());
        left = qMin(left, index.column());
        right = qMax(right, index.column());
    }
    // The bounding block; cells of it left out of the selection copy as empty ones.
    QString text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left)
                text += u'\t';
            const QModelIndex index = model->index(row, column);
            if (column != ColCheck && view->selectionModel()->isSelected(index)) {
                QString cell = index.data(Qt::DisplayRole).toString();
                cell.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
                text += cell;
            }
        }
        text += u'\n';
    }
    QApplication::clipboard()->setText(text);
}

void TableEdits::cutCells()
{
    copyCells();
    beginRowChange(tr("剪切"));
    deleteCells();
    endRowChange();
}

// A block fills from the current cell; a block of whole rows (as the table copies them) fills whole
// rows from the current row. Ticks and channel numbers are not pasted, cells beyond the table are left
// out. One cell that does not fit its column stops the whole paste.
void TableEdits::pasteCells()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText())
        return;
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return;
    QStringList lines = mime->text().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<QStringList> block;
    int width = 0;
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        block.append(line.split(u'\t'));
        width = qMax(width, int(block.last().size()));
    }
    const int firstColumn = width == ColumnCount ? int(ColCheck) : current.column();

    QMap<QPair<int, int>, QVariant> cells;
    for (int i = 0; i < block.size(); ++i) {
        const int row = current.row() + i;
        if (row >= model->rowCount())
            break;
        QHash<int, QString> pending;
        for (int j = 0; j < block.at(i).size(); ++j) {
            const int column = firstColumn + j;
            if (column > ColChannel && column < ColumnCount)
                pending.insert(column, block.at(i).at(j));
        }
        // In column order, so the box names the first cell that does not fit.
        for (int column = ColName; column < ColumnCount; ++column) {
            const auto it = pending.constFind(column);
            if (it == pending.cend())
                continue;
            bool ok = false;
            const QVariant value = pasteValue(column, *it, &ok);
            // A closed cell may be given what it already holds, so whole rows paste between analog rows.
            const bool same = model->index(row, column).data(Qt::DisplayRole).toString() == *it;
            if (!ok || (!same && !hooks.isEditable(row, column, pending))) {
                const QString name = model->headerData(column, Qt::Horizontal).toString().trimmed();
                seams::warning(hooks.window, tr("警告"),
                               tr("没有粘贴：信道 %1 的 %2 不能取“%3”。").arg(row).arg(name, *it));
                return;
            }
            cells.insert({row, column}, value);
        }
    }
    beginRowChange(tr("粘贴"));
    writeCells(cells);
    endRowChange();
}

// Only cells a person could edit are emptied: a closed DMR cell holds what the radio keeps for an analog
// channel, and the squelch is shown as read.
void TableEdits::deleteCells()
{
    QMap<QPair<int, int>, QVariant> cells;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        if (index.column() >= ColName && hooks.isEditable(index.row(), index.column(), {}))
            cells.insert({index.row(), index.column()}, QVariant());
    beginRowChange(tr("删除"));
    writeCells(cells);
    endRowChange();
}

void TableEdits::writeCells(const QMap<QPair<int, int>, QVariant> &cells)
{
    if (cells.isEmpty())
        return;
    QList<int> rows;
    int left = ColumnCount, right = 0;
    const bool wasBlocked = model->blockSignals(true);
    for (auto it = cells.cbegin(); it != cells.cend(); ++it) {
        if (QStandardItem *item = model->item(it.key().first, it.key().second))
            item->setData(it.value(), Qt::DisplayRole);
        if (rows.isEmpty() || rows.last() != it.key().first)
            rows.append(it.key().first);
        left = qMin(left, it.key().second);
        right = qMax(right, it.key().second);
    }
    model->blockSignals(wasBlocked);
    announceRows(rows, left, right);
}

// Back to what the table was built with: no values, no kept DMR bytes, the flags of a fresh row.
void TableEdits::clearRows()
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return;
    beginRowChange(tr("清除行"));
    for (int row : std::as_const(rows))
        restoreRow(model, row, freshRows.at(row));
    announceRows(rows, ColChannel, ColSqlevel);
    endRowChange();
}

void TableEdits::findRow()
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(hooks.window, tr("查找"), tr("名称或频率："), QLineEdit::Normal, findText, &ok)
            .trimmed();
    if (!ok || text.isEmpty())
        return;
    findText = text;
    findNextRow();
}

void TableEdits::findNextRow()
{
    if (findText.isEmpty()) {
        findRow();
        return;
    }
    const int start = view->currentIndex().isValid() ? view->currentIndex().row() + 1 : 0;
    const int row = findFrom(start);
    const QString text = findText;
    // Said in the status line: a box to close after every F3 would get in the way of searching.
    if (row < 0)
        hooks.showStatus([=] { return tr("没有找到“%1”。").arg(text); });
    else if (row < start)
        hooks.showStatus([=] { return tr("找到“%1”：信道 %2（已从头查找）").arg(text).arg(row); });
    else
        hooks.showStatus([=] { return tr("找到“%1”：信道 %2").arg(text).arg(row); });
}

// From the row after the current one round to it: a name holding the text (any case), or a frequency
// the text names, in Hz or MHz. Returns the row found and selected, or -1.
int TableEdits::findFrom(int start)
{
    quint32 hertz = 0;
    const bool isFrequency = vocabulary::parseFrequency(findText, &hertz) == vocabulary::FrequencyText::Valid;
    const int rows = model->rowCount();
    for (int i = 0; i < rows; ++i) {
        const int row = (start + i) % rows;
        const auto frequency = [this, row](int column) {
            const QVariant value = model->index(row, column).data(Qt::DisplayRole);
            return value.isValid() && !value.toString().isEmpty() ? value.toULongLong() : quint64(-1);
        };
        if (model->index(row, ColName)
                .data(Qt::DisplayRole)
                .toString()
                .contains(findText, Qt::CaseInsensitive) ||
            (isFrequency && (frequency(ColVfoaFreq) == hertz || frequency(ColVfobFreq) == hertz))) {
            hooks.selectRow(row);
            view->selectionModel()->setCurrentIndex(model->index(row, ColName),
                                                             QItemSelectionModel::NoUpdate);
            return row;
        }
    }
    return -1;
}
