// Saving the checked rows to a JSON channel file and opening such files into the table.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::saveBtn_clicked()
{
}

void termial::openBtn_clicked()
{
}

QString termial::chooseSaveFileName(QWidget *parent, const QString &filter)
{
    Q_UNUSED(parent);
    Q_UNUSED(filter);
    return QString();
}

bool termial::writeJsonFile(const QJsonObject &object, const QString &fileName)
{
    Q_UNUSED(object);
    Q_UNUSED(fileName);
    return false;
}
