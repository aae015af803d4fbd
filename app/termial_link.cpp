// The serial link: port list, device paths and the connect/disconnect toggle.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::addPortPath(const QString &/*path*/)
{
}

void termial::fillPortList()
{
}

void termial::serialportFlashBtn_clicked()
{
}

void termial::serialportComboBox_currentIndexChanged(int /*index*/)
{
}

void termial::serialportLinkBtn_clicked()
{
}

