// The serial line: open with the radio's settings, low latency where the driver offers it, close, loss.
#include "link.h"

#include "serialport.h"

#ifdef Q_OS_LINUX
#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace
{

// Many USB serial adapters hold received bytes up to 16 ms before passing them on; every answer of a
// transfer would wait that long. The flag asks the driver not to. A pseudo-terminal refuses it, which is
// no fault.
void askLowLatency([[maybe_unused]] QSerialPort &port)
{
#ifdef Q_OS_LINUX
    // The port reads errno when a later read fails without one of its own (a hung-up line reads 0 bytes):
    // a refusal here must leave nothing behind to be reported then.
    const int savedErrno = errno;
    serial_struct settings{};
    const int fd = int(port.handle());
    if (fd >= 0 && ::ioctl(fd, TIOCGSERIAL, &settings) == 0) {
        settings.flags |= ASYNC_LOW_LATENCY;
        ::ioctl(fd, TIOCSSERIAL, &settings);
    }
    errno = savedErrno;
#endif
}

} // namespace

Link::Link(QObject *parent) : QObject(parent)
{
    connect(&serial, &QSerialPort::errorOccurred, this, &Link::onError);
}

bool Link::open(const QSerialPortInfo &info, const QString &path)
{
    SerialPort::configurePort(info, serial);
    if (!path.isEmpty())
        serial.setPortName(path);
    if (!serial.open(QIODevice::ReadWrite))
        return false;
    serial.clear();
    askLowLatency(serial);
    openPath = path.isEmpty() ? info.systemLocation() : path;
    return true;
}

void Link::close()
{
    // close() gives up the descriptor and the lock file even when the device has already vanished.
    if (!serial.isOpen())
        return;
    closing = true;
    serial.close();
    closing = false;
}

void Link::send(const QByteArray &frame)
{
    SerialPort::send(serial, frame);
}

void Link::onError(QSerialPort::SerialPortError error)
{
    // A hung-up line repeats ReadError for as long as the port stays open, so the link is dropped at the
    // first one; later errors find it closed and are ignored. Some systems report a pulled adapter as a
    // read error rather than a lost resource.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!serial.isOpen() || closing)
        return;
    const QString reason = serial.errorString();
    close();
    emit lost(reason);
}
