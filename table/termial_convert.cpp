// Conversion between table rows and channel/DMR records.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::checkedChannels(QList<channel> */*list*/)
{
}

void termial::checkedDmrs(QList<DMR> */*list*/)
{
}

void termial::viewUpdate(int /*row*/, const channel &/*record*/)
{
}

void termial::viewUpdateDmr(int /*row*/, const DMR &/*record*/)
{
}

channel termial::rowToChannel(int row)
{
    Q_UNUSED(row);
    return channel();
}

DMR termial::rowToDmr(int row)
{
    Q_UNUSED(row);
    return DMR();
}
