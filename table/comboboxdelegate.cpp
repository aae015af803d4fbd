// A combo-box editor over one value list; the cell stores the chosen text, not its code.
#include "comboboxdelegate.h"

#include <QComboBox>

ComboBoxDelegate::ComboBoxDelegate(const QStringList &items, QObject *parent)
    : CellDelegate(parent), items(items)
{
}

QWidget *ComboBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                        const QModelIndex & /*index*/) const
{
    auto *editor = new QComboBox(parent);
    editor->addItems(items);
    return editor;
}

void ComboBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    const int position = int(items.indexOf(index.data(Qt::EditRole).toString()));
    combo->setCurrentIndex(position < 0 ? 0 : position);
}

// The position goes in first and the text over it: the cell holds one value for both roles, so the
// text is what stays, and the column-enabling rule sees both notices. The first write makes the view
// reload the still-open editor from the cell, which then holds a number and so selects entry 0: the
// choice is taken before either write.
void ComboBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    auto *combo = qobject_cast<QComboBox *>(editor);
    if (!combo)
        return;
    const int position = combo->currentIndex();
    const QString text = combo->currentText();
    model->setData(index, position, Qt::EditRole);
    model->setData(index, text, Qt::DisplayRole);
}
