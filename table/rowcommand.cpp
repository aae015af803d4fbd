// Row snapshots of the channel table and the undo command built on them.
#include "rowcommand.h"

#include "tablecolumns.h"

#include <QDataStream>
#include <QIODevice>
#include <QStandardItemModel>

namespace
{

constexpr int keptRoles[] = {RoleSpkgain, RoleDmodGain, RoleScrEn, RoleScrSeed1, RoleScrSeed2, RoleChBsMode};

} // namespace

// QDataStream keeps a value's type (a number stays a number, an empty cell stays without value), so a row
// comes back exactly as it was, at a few hundred bytes a row.
QByteArray captureRow(const QStandardItemModel *model, int row)
{
    QByteArray state;
    QDataStream out(&state, QIODevice::WriteOnly);
    for (int column = ColChannel; column < ColumnCount; ++column) {
        const QStandardItem *item = model->item(row, column);
        if (!item) {
            out << quint8(0);
            continue;
        }
        out << quint8(1) << quint32(item->flags()) << item->data(Qt::DisplayRole);
        if (column == ColChannel)
            for (int role : keptRoles)
                out << item->data(role);
    }
    // The stream grows its buffer ahead; the history keeps thousands of these.
    state.squeeze();
    return state;
}

void restoreRow(QStandardItemModel *model, int row, const QByteArray &state)
{
    QDataStream in(state);
    const bool wasBlocked = model->blockSignals(true);
    for (int column = ColChannel; column < ColumnCount; ++column) {
        quint8 present = 0;
        in >> present;
        if (!present)
            continue;
        quint32 flags = 0;
        QVariant value;
        in >> flags >> value;
        QStandardItem *item = model->item(row, column);
        if (!item) {
            item = new QStandardItem;
            item->setTextAlignment(Qt::AlignCenter);
            model->setItem(row, column, item);
        }
        item->setData(value, Qt::DisplayRole);
        item->setFlags(Qt::ItemFlags(int(flags)));
        if (column == ColChannel)
            for (int role : keptRoles) {
                QVariant kept;
                in >> kept;
                item->setData(kept, role);
            }
    }
    model->blockSignals(wasBlocked);
}

// Contiguous runs of ascending rows, as first and last.
QList<QPair<int, int>> rowRuns(const QList<int> &rows)
{
    QList<QPair<int, int>> runs;
    for (int row : rows) {
        if (!runs.isEmpty() && runs.last().second + 1 == row)
            runs.last().second = row;
        else if (runs.isEmpty() || runs.last().second != row)
            runs.append({row, row});
    }
    return runs;
}

RowCommand::RowCommand(const QString &text, QStandardItemModel *model, QList<Change> changes,
                       Restored restored)
    : QUndoCommand(text), model(model), rowChanges(std::move(changes)), restored(std::move(restored))
{
}

void RowCommand::undo()
{
    apply(false);
}

void RowCommand::redo()
{
    // Pushing a command calls redo, but the change it records has already happened.
    if (applied) {
        applied = false;
        return;
    }
    apply(true);
}

void RowCommand::apply(bool after)
{
    QList<int> rows;
    QList<QByteArray> states;
    rows.reserve(rowChanges.size());
    states.reserve(rowChanges.size());
    for (const Change &change : std::as_const(rowChanges)) {
        const QByteArray &state = after ? change.after : change.before;
        restoreRow(model, change.row, state);
        rows.append(change.row);
        states.append(state);
    }
    if (restored)
        restored(rows, states);
}
