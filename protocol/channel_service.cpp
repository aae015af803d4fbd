// Analog frame builder: size, command and payload, then CRC, then header.
#include "channel_service.h"

Channel_Service::Channel_Service(QObject *parent) : QObject(parent) {}

QByteArray Channel_Service::buildWriteFrame(const channel &record)
{
    QByteArray frame = record.body();
    tools.appendCrc(frame);
    tools.prependHeader(frame);
    return frame;
}

QByteArray Channel_Service::buildReadFrame(const channel &record)
{
    QByteArray frame = record.readBody();
    tools.appendCrc(frame);
    tools.prependHeader(frame);
    return frame;
}
