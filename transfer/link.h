// The serial line to the radio: opened by path with the radio's line settings, closed, watched for loss.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <QSerialPortInfo>

class Link : public QObject
{
    Q_OBJECT
public:
    explicit Link(QObject *parent = nullptr);

    // Opens path as it stands (a device the system does not list), or else the port info describes, at
    // 115200 bit/s, 8N1 with hardware flow control. Bytes the system queued before the open are dropped.
    // False when it cannot be opened; port() then has the error.
    bool open(const QSerialPortInfo &info, const QString &path = QString());
    // Closed by hand: errors the port raises while it closes are no lost line.
    void close();
    bool isOpen() const { return serial.isOpen(); }
    // The device the link has open, as a person names it.
    QString path() const { return openPath; }
    QSerialPort &port() { return serial; }
    const QSerialPort &port() const { return serial; }
    // Writes a frame and hands it to the line at once.
    void send(const QByteArray &frame);

signals:
    // The device went away while open (an adapter pulled out, a line hung up); the port is closed by then.
    void lost(const QString &reason);

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort serial;
    QString openPath;
    bool closing = false;
};
