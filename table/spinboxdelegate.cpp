// A spin-box editor with the column's bounds; the cell stores the integer.
#include "spinboxdelegate.h"

#include <QSpinBox>

SpinBoxDelegate::SpinBoxDelegate(int minimum, int maximum, QObject *parent)
    : CellDelegate(parent), minimum(minimum), maximum(maximum)
{
}

QWidget *SpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                       const QModelIndex & /*index*/) const
{
    auto *editor = new QSpinBox(parent);
    editor->setRange(minimum, maximum);
    return editor;
}

// An empty cell reads as 0, which the spin box raises to its minimum.
void SpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *spin = qobject_cast<QSpinBox *>(editor))
        spin->setValue(index.data(Qt::EditRole).toInt());
}

void SpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    if (!spin)
        return;
    spin->interpretText();
    model->setData(index, spin->value(), Qt::EditRole);
}
