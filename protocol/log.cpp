// Debug log prefixes and hex rendering shared by every part of the program.
#include "log.h"

#include <QDateTime>

namespace tlog
{

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

namespace
{
// The time of day, "hh:mm:ss.zzz". Asking the system for local time stats the zone file on every
// call, and a transfer writes several lines per exchange; the zone's offset is looked up again
// once a minute, which still follows a change of daylight saving time within that minute.
QString timeOfDay()
{
    static qint64 offsetMs = 0;
    static qint64 offsetValidUntil = 0;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now >= offsetValidUntil) {
        offsetMs = qint64(QDateTime::fromMSecsSinceEpoch(now).offsetFromUtc()) * 1000;
        offsetValidUntil = now + 60000;
    }
    const qint64 ms = ((now + offsetMs) % 86400000 + 86400000) % 86400000;
    const auto digits = [](char *out, qint64 value, int count) {
        for (int i = count - 1; i >= 0; --i, value /= 10)
            out[i] = char('0' + value % 10);
    };
    char text[12] = {0, 0, ':', 0, 0, ':', 0, 0, '.', 0, 0, 0};
    digits(text, ms / 3600000, 2);
    digits(text + 3, ms / 60000 % 60, 2);
    digits(text + 6, ms / 1000 % 60, 2);
    digits(text + 9, ms % 1000, 3);
    return QString::fromLatin1(text, 12);
}
} // namespace

QDebug window(int line, const char *method)
{
    QDebug d = qDebug().noquote();
    d << timeOfDay()
      << QLatin1String("termial:[") + QString::number(line) + QLatin1String("]") + QLatin1String(method) +
             QLatin1String("()");
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
