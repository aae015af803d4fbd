// One undo step of the channel table: the full state of the rows it changed, before and after.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUndoCommand>

#include <functional>

class QStandardItemModel;

// A row's data as one compact byte string: the value and flags of columns 1 to 18 and the kept DMR
// bytes of the channel-number item. The tick is left out: it says what to act on, it is not data.
// Equal rows give equal strings, so a change that changes nothing is seen as such.
QByteArray captureRow(const QStandardItemModel *model, int row);
// Puts a captured row back with the model's signals blocked; the caller announces it.
void restoreRow(QStandardItemModel *model, int row, const QByteArray &state);

// Contiguous runs of ascending rows, as first and last.
QList<QPair<int, int>> rowRuns(const QList<int> &rows);

class RowCommand : public QUndoCommand
{
public:
    struct Change {
        int row;
        QByteArray before;
        QByteArray after;
    };
    // Rows put back, in ascending order: the window announces them and brings its own records up to date.
    using Restored = std::function<void(const QList<int> &rows, const QList<QByteArray> &states)>;

    // The changes are already in the table when the command is made; the first redo does nothing.
    RowCommand(const QString &text, QStandardItemModel *model, QList<Change> changes, Restored restored);

    void undo() override;
    void redo() override;

    const QList<Change> &changes() const { return rowChanges; }

private:
    void apply(bool after);

    QStandardItemModel *model;
    QList<Change> rowChanges; // ascending rows
    Restored restored;
    bool applied = true;
};
