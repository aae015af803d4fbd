// A column delegate that edits a cell as an integer within fixed bounds.
#pragma once

#include "celldelegate.h"

class SpinBoxDelegate : public CellDelegate
{
    Q_OBJECT
public:
    SpinBoxDelegate(int minimum, int maximum, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    int minimum;
    int maximum;
};
