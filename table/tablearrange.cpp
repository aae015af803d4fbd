// Arranging the channel table's rows: move up and down, insert, remove, sort by frequency or name, fill down.
#include "tableedits.h"

#include "rowcommand.h"
#include "tablecolumns.h"

#include <QItemSelection>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace
{

constexpr int keptRoles[] = {RoleSpkgain, RoleDmodGain, RoleScrEn, RoleScrSeed1, RoleScrSeed2, RoleChBsMode};

} // namespace

// Rows touched by any selected cell, ascending; without a selection the current row.
QList<int> TableEdits::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (rows.isEmpty() && view->currentIndex().isValid())
        rows.append(view->currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Empty as a never-filled row is: no value in columns 2 to 18 and no kept DMR bytes, so it would send the
// record defaults. Flags are left out: the enabling rule leaves an emptied row's flags other than a fresh one's.
bool TableEdits::isEmptyRow(int row) const
{
    for (int column = ColName; column < ColumnCount; ++column)
        if (!model->index(row, column).data(Qt::DisplayRole).toString().isEmpty())
            return false;
    const QStandardItem *number = model->item(row, ColChannel);
    return !number || std::none_of(std::begin(keptRoles), std::end(keptRoles),
                                   [number](int role) { return number->data(role).isValid(); });
}

// The recorded state is the row's own unless a step still open has changed the row since.
QByteArray TableEdits::rowState(int row) const
{
    return stepBefore.contains(row) ? captureRow(model, row) : rowStates.at(row);
}

void TableEdits::placeRows(const QString &text, const QMap<int, QByteArray> &states)
{
    beginRowChange(text);
    QList<int> rows;
    const bool wasBlocked = model->blockSignals(true);
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
        restoreRow(model, it.key(), it.value());
        model->item(it.key(), ColChannel)->setData(it.key(), Qt::DisplayRole);
        if (captureRow(model, it.key()) != rowStates.at(it.key()))
            rows.append(it.key());
    }
    model->blockSignals(wasBlocked);
    // Announced as edits, so the rows count as changed, in two parts that leave out the columns the
    // enabling rule watches: the flags came along with the contents they were set for, and the rule
    // over a thousand rows would cost more than the move itself.
    announceRows(rows, ColChannel, ColVfobFreq);
    announceRows(rows, ColRxCtcss, ColSqlevel);
    // The view heard nothing of the tick and the columns left out: it paints them afresh.
    view->viewport()->update();
    endRowChange();
}

void TableEdits::selectRows(const QList<int> &rows, int currentRow)
{
    QItemSelection selection;
    for (const auto &run : rowRuns(rows))
        selection.select(model->index(run.first, 0), model->index(run.second, ColumnCount - 1));
    const int column = view->currentIndex().isValid() ? view->currentIndex().column() : int(ColName);
    view->selectionModel()->setCurrentIndex(model->index(currentRow, column), QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

// Each run of selected rows swaps places with the row beside it; a block already at the edge moves none,
// so the runs keep their distances.
void TableEdits::moveRows(int by)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    if (by < 0 && rows.first() == 0) {
        hooks.showStatus([] { return tr("选中的行已在最上面。"); });
        return;
    }
    if (by > 0 && rows.last() == model->rowCount() - 1) {
        hooks.showStatus([] { return tr("选中的行已在最下面。"); });
        return;
    }
    QMap<int, QByteArray> states;
    for (const auto &run : rowRuns(rows)) {
        const int beside = by < 0 ? run.first - 1 : run.second + 1;
        for (int row = run.first; row <= run.second; ++row)
            states.insert(row + by, rowState(row));
        states.insert(by < 0 ? run.second : run.first, rowState(beside));
    }
    const QModelIndex current = view->currentIndex();
    const QItemSelection before = view->selectionModel()->selection();
    placeRows(by < 0 ? tr("上移") : tr("下移"), states);
    QItemSelection after;
    for (const QItemSelectionRange &range : before)
        after.select(model->index(range.top() + by, range.left()), model->index(range.bottom() + by, range.right()));
    if (current.isValid())
        view->selectionModel()->setCurrentIndex(model->index(current.row() + by, current.column()),
                                                QItemSelectionModel::NoUpdate);
    view->selectionModel()->select(after, QItemSelectionModel::ClearAndSelect);
}

// The rows from the current one down to the first empty row shift down by one; that empty row is taken up.
void TableEdits::insertRow()
{
    const QList<int> rows = selectedRows();
    const int at = view->currentIndex().isValid() ? view->currentIndex().row() : rows.value(0, -1);
    if (at < 0)
        return;
    int empty = at;
    while (empty < model->rowCount() && !isEmptyRow(empty))
        ++empty;
    // The current row is already the empty row asked for.
    if (empty == at) {
        selectRows({at}, at);
        return;
    }
    if (empty == model->rowCount()) {
        hooks.showStatus([at] { return tr("信道 %1 及以下没有空行：没有插入。").arg(at); });
        return;
    }
    QMap<int, QByteArray> states;
    for (int row = empty; row > at; --row)
        states.insert(row, rowState(row - 1));
    states.insert(at, freshRows.at(at));
    placeRows(tr("插入行"), states);
    selectRows({at}, at);
}

// Run by run from the bottom: the rows below a run shift up over it as far as the next empty row, and
// never-filled rows close the gap, so blocks beyond an empty row keep their channel numbers.
void TableEdits::removeRows()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const int first = rows.first();
    QList<QByteArray> states;
    QList<bool> empty;
    for (int row = first; row < model->rowCount(); ++row) {
        states.append(rowState(row));
        empty.append(isEmptyRow(row));
    }
    const QList<QPair<int, int>> runs = rowRuns(rows);
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        const int top = run->first - first;
        const int length = run->second - run->first + 1;
        int end = run->second - first + 1;
        while (end < states.size() && !empty.at(end))
            ++end;
        for (int i = top; i < end - length; ++i) {
            states[i] = states.at(i + length);
            empty[i] = empty.at(i + length);
        }
        for (int i = end - length; i < end; ++i) {
            states[i] = freshRows.at(first + i);
            empty[i] = true;
        }
    }
    QMap<int, QByteArray> placed;
    for (int i = 0; i < states.size(); ++i)
        placed.insert(first + i, states.at(i));
    placeRows(tr("移除行"), placed);
    selectRows({first}, first);
}

// Ascending by the column as the table holds it: a frequency as its number, a name as shown, any case.
// Rows without that value follow, then empty rows; equal values keep their order.
void TableEdits::sortRows(int column)
{
    const QList<int> rows = selectedRows();
    if (rows.size() < 2)
        return;
    struct Key {
        int rank; // 0 with a value, 1 filled without one, 2 empty
        QVariant value;
    };
    QList<Key> keys;
    for (int row : rows) {
        const QVariant value = model->index(row, column).data(Qt::DisplayRole);
        const bool has = !value.toString().isEmpty();
        keys.append({has ? 0 : isEmptyRow(row) ? 2 : 1, value});
    }
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys, column](int a, int b) {
        const Key &x = keys.at(a);
        const Key &y = keys.at(b);
        if (x.rank != y.rank || x.rank != 0)
            return x.rank < y.rank;
        if (column == ColName)
            return x.value.toString().compare(y.value.toString(), Qt::CaseInsensitive) < 0;
        return x.value.toULongLong() < y.value.toULongLong();
    });
    QMap<int, QByteArray> states;
    for (qsizetype i = 0; i < rows.size(); ++i)
        states.insert(rows.at(i), rowState(rows.at(order.at(i))));
    placeRows(column == ColName ? tr("按名称排序") : tr("按频率排序"), states);
}

// Cells the column rule refuses are skipped, judged with the row's other filled cells already in place
// (a mode filled down opens the DMR cells filled beside it).
void TableEdits::fillDown()
{
    QMap<int, QList<int>> columns;
    for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
        if (index.column() >= ColName)
            columns[index.column()].append(index.row());
    QHash<int, QHash<int, QString>> pending;
    QMap<QPair<int, int>, QVariant> values;
    for (auto it = columns.begin(); it != columns.end(); ++it) {
        std::sort(it->begin(), it->end());
        const QVariant value = model->index(it->first(), it.key()).data(Qt::DisplayRole);
        for (int row : it->mid(1)) {
            pending[row].insert(it.key(), value.toString());
            values.insert({row, it.key()}, value);
        }
    }
    QMap<QPair<int, int>, QVariant> cells;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (hooks.isEditable(it.key().first, it.key().second, pending.value(it.key().first)))
            cells.insert(it.key(), it.value());
    beginRowChange(tr("向下填充"));
    writeCells(cells);
    endRowChange();
}
