// Greyed painting of the DMR cells the column-enabling rule has closed.
#include "celldelegate.h"

#include "tablecolumns.h"

CellDelegate::CellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

// A closed DMR cell is drawn as disabled (the table's style sheet gives ::item:disabled its grey), so a
// double-click that opens nothing is no surprise. The channel-number column is never editable but is
// not a setting, so it keeps its normal look.
void CellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() >= ColCallType && !index.flags().testFlag(Qt::ItemIsEditable))
        option->state &= ~QStyle::State_Enabled;
}
