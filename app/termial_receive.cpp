// The receive path: cut replies from the port's bytes and hand each to its command's handler.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"

void termial::currentSerialport_readyRead()
{
}

