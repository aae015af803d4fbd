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

namespace
{
// Set on an editor opened on a value beyond its bounds (an ID of 16777215 read from a radio, say).
const char *const kOutOfRange = "termialOutOfRange";
} // namespace

// An empty cell reads as 0, which the spin box raises to its minimum.
void SpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    if (!spin)
        return;
    const qlonglong value = index.data(Qt::EditRole).toLongLong();
    spin->setValue(int(qBound(qlonglong(minimum), value, qlonglong(maximum))));
    spin->setProperty(kOutOfRange, value > maximum ? QVariant(spin->value()) : QVariant());
}

void SpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spin = qobject_cast<QSpinBox *>(editor);
    if (!spin)
        return;
    spin->interpretText();
    // A value beyond the bounds came from the radio or a file; it stays as it is unless a person
    // changed what the editor showed for it.
    const QVariant shown = spin->property(kOutOfRange);
    if (shown.isValid() && shown.toInt() == spin->value())
        return;
    model->setData(index, spin->value(), Qt::EditRole);
}
