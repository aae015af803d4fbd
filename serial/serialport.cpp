// Line settings and the four "send the next frame" operations of the transfer engine.
#include "serialport.h"

#include "log.h"

#include <QSerialPort>
#include <QSerialPortInfo>

SerialPort::SerialPort(QObject *parent) : QObject(parent) {}

void SerialPort::configurePort(const QSerialPortInfo &info, QSerialPort &port)
{
    port.setBaudRate(QSerialPort::Baud115200, QSerialPort::AllDirections);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::HardwareControl);
    port.setPort(info);
}

void SerialPort::takeFirst40ListWrite(QList<channel> &list, channel &current, QSerialPort &port)
{
    Q_UNUSED(list);
    Q_UNUSED(current);
    Q_UNUSED(port);
}

void SerialPort::takeFirst41ListWrite(QList<channel> &list, channel &current, QSerialPort &port)
{
    Q_UNUSED(list);
    Q_UNUSED(current);
    Q_UNUSED(port);
}

void SerialPort::takeFirst43ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port)
{
    Q_UNUSED(list);
    Q_UNUSED(current);
    Q_UNUSED(port);
}

void SerialPort::takeFirst44ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port)
{
    Q_UNUSED(list);
    Q_UNUSED(current);
    Q_UNUSED(port);
}
