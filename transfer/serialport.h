// Applies the line settings to a port and sends the next frame of a command queue.
#pragma once

#include "channel.h"
#include "channel_service.h"
#include "dmr.h"
#include "dmr_service.h"

#include <QList>
#include <QObject>

class QSerialPort;
class QSerialPortInfo;

class SerialPort : public QObject
{
    Q_OBJECT
public:
    explicit SerialPort(QObject *parent = nullptr);

    static void configurePort(const QSerialPortInfo &info, QSerialPort &port);

    void takeFirst40ListWrite(QList<channel> &list, channel &current, QSerialPort &port);
    void takeFirst41ListWrite(QList<channel> &list, channel &current, QSerialPort &port);
    void takeFirst43ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port);
    void takeFirst44ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port);
    // Writes a frame and hands it to the line at once.
    static void send(QSerialPort &port, const QByteArray &frame);

private:
    Channel_Service channelService;
    Dmr_Service dmrService;
};
