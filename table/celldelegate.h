// The delegate every editable column of the channel table shares: it paints cells that cannot be edited
// greyed.
#pragma once

#include <QStyledItemDelegate>

class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CellDelegate(QObject *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
