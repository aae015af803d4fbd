// The channel table's edit habits: undo steps of whole rows, copy, cut and paste, Delete, Clear rows, find,
// and arranging rows (move, insert, remove, sort, fill down).
#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>

class QAction;
class QModelIndex;
class QStandardItemModel;
class QTableView;
class QUndoStack;
class QWidget;

// The texts are the window's: they share its translation context.
class TableEdits : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(termial)

public:
    struct Hooks {
        QWidget *window = nullptr; // parent of the boxes and dialogs
        // The column rule: whether a cell may be edited, with pending texts standing for cells about to change.
        std::function<bool(int row, int column, const QHash<int, QString> &pending)> isEditable;
        std::function<void(std::function<QString()>)> showStatus;
        std::function<void(int row)> selectRow;
        std::function<void()> tickChangedRows;
    };
    TableEdits(QStandardItemModel *model, QTableView *view, Hooks hooks, QObject *parent = nullptr);

    // Everything the table announces between beginRowChange and endRowChange is one undo step named text;
    // outside such a pair, the changes of one pass of the event loop are one step (a cell edit, including the
    // combo editor's two writes). Pairs nest: the outermost names the step. Undo and redo wait while a pair
    // is open.
    void beginRowChange(const QString &text);
    void endRowChange();
    QUndoStack *undoStack() const { return undoHistory; }

    void retranslate();
    void undo();
    void redo();
    void copyCells();
    void cutCells();
    void pasteCells();
    void deleteCells();
    void clearRows();
    void findRow();
    void findNextRow();

    // Arranging rows (table/tablearrange.cpp). Each works on the rows the selection touches, or the current
    // row, and is one undo step; the channel number stays with its row, everything else moves.
    void moveRows(int by);
    void insertRow();
    void removeRows();
    void sortRows(int column);
    void fillDown();

private:
    // Ends the step that gathers a person's edits, if one is open.
    void closeEditStep();
    void updateUndoActions();
    void closeRowChange();
    void noteRowChange(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    // Announces rows an undo or redo put back, then keeps their exact flags.
    void rowsRestored(const QList<int> &rows, const QList<QByteArray> &states);
    // Writes cells with the model's signals blocked, then announces each run of rows once, as edits.
    void writeCells(const QMap<QPair<int, int>, QVariant> &cells);
    void announceRows(const QList<int> &rows, int firstColumn, int lastColumn);
    int findFrom(int row);
    QList<int> selectedRows() const;
    bool isEmptyRow(int row) const;
    QByteArray rowState(int row) const;
    // Puts each state into its row (channel numbers kept) as one undo step named text; only rows whose
    // contents differ count as changed.
    void placeRows(const QString &text, const QMap<int, QByteArray> &states);
    void selectRows(const QList<int> &rows, int currentRow);

    QStandardItemModel *model;
    QTableView *view;
    Hooks hooks;
    // Undo: the stack, each row's state as last recorded (the "before" of the next step; shares its bytes
    // with the steps) and as built, and the step being gathered.
    QUndoStack *undoHistory = nullptr;
    QList<QByteArray> rowStates;
    QList<QByteArray> freshRows;
    QMap<int, QByteArray> stepBefore;
    QString stepText;
    int rowChangeDepth = 0;
    bool editStepOpen = false;
    bool restoringRows = false;
    QString findText;
    QAction *undoAction = nullptr;
    QAction *redoAction = nullptr;
    QAction *cutAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *clearRowsAction = nullptr;
    QAction *tickChangedAction = nullptr;
    QAction *findAction = nullptr;
    QAction *findNextAction = nullptr;
    QAction *moveUpAction = nullptr;
    QAction *moveDownAction = nullptr;
    QAction *insertRowAction = nullptr;
    QAction *removeRowAction = nullptr;
    QAction *sortByFrequencyAction = nullptr;
    QAction *sortByNameAction = nullptr;
    QAction *fillDownAction = nullptr;
};
