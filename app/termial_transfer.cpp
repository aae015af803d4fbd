// The transfer engine: queues, in-flight records, time-outs and resends for writes and reads.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::send_clicked()
{
}

void termial::sendBtn_clicked()
{
}

void termial::read_clicked()
{
}

void termial::readBtn_clicked()
{
}

void termial::serialHandleCommand0x40(channel &/*record*/)
{
}

void termial::serialHandleCommand0x41(channel &/*record*/)
{
}

void termial::serialHandleCommand0x43(DMR &/*record*/)
{
}

void termial::serialHandleCommand0x44(DMR &/*record*/)
{
}

void termial::onTimeout0x40()
{
}

void termial::onTimeout0x41()
{
}

void termial::onTimeout0x43()
{
}

void termial::onTimeout0x44()
{
}

