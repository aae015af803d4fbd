// Typed cells with a checked entry: channel names the radio keeps whole, frequencies in Hz or MHz.
#pragma once

#include "celldelegate.h"

// Refuses a name longer than the radio keeps (11 UTF-8 bytes), so the cell shows what the radio gets.
class NameDelegate : public CellDelegate
{
    Q_OBJECT
public:
    explicit NameDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};

// Takes whole hertz ("438500000") or megahertz with a decimal point ("438.5"); the cell keeps hertz.
class FrequencyDelegate : public CellDelegate
{
    Q_OBJECT
public:
    explicit FrequencyDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
