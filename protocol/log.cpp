// Debug log prefixes and hex rendering shared by every part of the program.
#include "log.h"

#include <QTime>

namespace tlog
{

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

QDebug window(int line, const char *method)
{
    QDebug d = qDebug().noquote();
    d << QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"))
      << QStringLiteral("termial:[%1]%2()").arg(line).arg(QLatin1String(method));
    return d;
}

QDebug channel(int line, const char *method)
{
    QDebug d = qDebug().noquote();
    d << QStringLiteral("channel:[%1]%2()").arg(line).arg(QLatin1String(method));
    return d;
}

QDebug plain()
{
    return qDebug().noquote();
}

} // namespace tlog
