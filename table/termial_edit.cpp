// The window's side of the table's edit habits: the edit actions and undo steps are TableEdits'; the rows
// changed since they were last written, read or opened are the window's.
#include "termial.h"
#include "ui_termial.h"

#include "tableedits.h"
#include "tablecolumns.h"

#include <QStandardItemModel>

#include <algorithm>

void termial::initEditActions()
{
    TableEdits::Hooks hooks;
    hooks.window = this;
    hooks.isEditable = [this](int row, int column, const QHash<int, QString> &pending) {
        return isEditable(row, column, pending);
    };
    hooks.showStatus = [this](std::function<QString()> text) { showStatus(std::move(text)); };
    hooks.selectRow = [this](int row) { selectRow(row); };
    hooks.tickChangedRows = [this] { tickChangedRows(); };
    edits = new TableEdits(model, ui->tableView, std::move(hooks), this);
}

void termial::rowsWritten(const QList<int> &rows)
{
    for (int row : rows)
        changedRows.remove(row);
}

QList<int> termial::changedRowList() const
{
    QList<int> rows(changedRows.cbegin(), changedRows.cend());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void termial::tickChangedRows()
{
    const bool wasBlocked = model->blockSignals(true);
    for (int row = 0; row < model->rowCount(); ++row)
        if (QStandardItem *item = model->item(row, ColCheck))
            item->setCheckState(changedRows.contains(row) ? Qt::Checked : Qt::Unchecked);
    model->blockSignals(wasBlocked);
    emit model->dataChanged(model->index(0, ColCheck), model->index(model->rowCount() - 1, ColCheck), {});
}
