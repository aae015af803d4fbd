// The channel table: model build, bulk checking, jump-to-row and the column-enabling rule.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::initTableView()
{
}

void termial::initTableModel()
{
}

void termial::setAllCheckState(bool /*checked*/)
{
}

void termial::setNumCheckedState(int /*count*/)
{
}

void termial::checkAllBtn_clicked()
{
}

void termial::checkAllNotBtn_clicked()
{
}

void termial::channelNumLineEdit_returnPressed()
{
}

void termial::onDataChanged(const QModelIndex &/*topLeft*/, const QModelIndex &/*bottomRight*/, const QList<int> &/*roles*/)
{
}

