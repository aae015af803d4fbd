// Line settings and the four "send the next frame" operations of the transfer engine.
#include "serialport.h"

#include "log.h"
#include "wire.h"

#include <QSerialPort>
#include <QSerialPortInfo>

SerialPort::SerialPort(QObject *parent) : QObject(parent) {}

void SerialPort::send(QSerialPort &port, const QByteArray &frame)
{
    // QSerialPort would write on the next pass of the event loop; the radio waits for this frame,
    // so it goes to the line now (flush does not block).
    port.write(frame);
    port.flush();
}

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
    current = list.takeFirst();
    current.setCommand(wire::kWriteAnalog);
    current.setSize(wire::kRecordSize);
    send(port, channelService.buildWriteFrame(current));
}

void SerialPort::takeFirst41ListWrite(QList<channel> &list, channel &current, QSerialPort &port)
{
    current = list.takeFirst();
    current.setCommand(wire::kReadAnalog);
    current.setSize(wire::kRequestSize);
    send(port, channelService.buildReadFrame(current));
}

void SerialPort::takeFirst43ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port)
{
    current = list.takeFirst();
    current.setCommand(wire::kWriteDmr);
    current.setSize(wire::kRecordSize);
    const QByteArray frame = dmrService.buildWriteFrame(current);
    // The radio waits for the frame, not for the log line.
    send(port, frame);
    CLOG() << "0x43 发送的数据"
           << "\n\t" + tlog::hex(frame);
}

void SerialPort::takeFirst44ListWrite(QList<DMR> &list, DMR &current, QSerialPort &port)
{
    current = list.takeFirst();
    current.setCommand(wire::kReadDmr);
    current.setSize(wire::kRequestSize);
    const QByteArray frame = dmrService.buildReadFrame(current);
    // The radio waits for the frame, not for the log line.
    send(port, frame);
    CLOG() << "发送的数据"
           << "\n\t" + tlog::hex(frame);
}
