// DMR frame builder: size, command and payload, then CRC, then header.
#include "dmr_service.h"

Dmr_Service::Dmr_Service(QObject *parent) : QObject(parent) {}

QByteArray Dmr_Service::buildWriteFrame(const DMR &record)
{
    QByteArray frame = record.body();
    tools.appendCrc(frame);
    tools.prependHeader(frame);
    return frame;
}

QByteArray Dmr_Service::buildReadFrame(const DMR &record)
{
    QByteArray frame = record.readBody();
    tools.appendCrc(frame);
    tools.prependHeader(frame);
    return frame;
}
