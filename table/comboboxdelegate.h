// A column delegate that edits a cell by choosing one text of a fixed list.
#pragma once

#include "celldelegate.h"
#include <QStringList>

class ComboBoxDelegate : public CellDelegate
{
    Q_OBJECT
public:
    ComboBoxDelegate(const QStringList &items, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QStringList items;
};
