// The check-box column's delegate: the cell is toggled by a click anywhere in it, never edited.
#include "checkboxdelegate.h"

#include <QAbstractButton>
#include <QEvent>

CheckBoxDelegate::CheckBoxDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QWidget *CheckBoxDelegate::createEditor(QWidget * /*parent*/, const QStyleOptionViewItem & /*option*/,
                                        const QModelIndex & /*index*/) const
{
    return nullptr;
}

void CheckBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *button = qobject_cast<QAbstractButton *>(editor))
        button->setChecked(index.data(Qt::CheckStateRole).toBool());
}

void CheckBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                    const QModelIndex &index) const
{
    if (auto *button = qobject_cast<QAbstractButton *>(editor))
        model->setData(index, button->isChecked() ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

// Any button and any point of the cell count, so the small indicator need not be hit.
bool CheckBoxDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                   const QStyleOptionViewItem & /*option*/, const QModelIndex &index)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const int state = index.data(Qt::CheckStateRole).toInt();
    model->setData(index, state == Qt::Checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    return true;
}
