// Channel number lists: the compact form shown to a person and the form a person types.
#include "channellist.h"

#include <QStringList>

#include <algorithm>

QString compactChannelList(QList<quint16> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        parts << (j == i ? QString::number(numbers[i]) : QStringLiteral("%1-%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

bool parseChannelList(const QString &text, QList<quint16> *numbers, QString *reason, int count)
{
    QList<quint16> out;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString &raw : parts) {
        const QString part = raw.trimmed();
        const QStringList ends = part.split(QLatin1Char('-'));
        bool firstOk = false, lastOk = false;
        const uint first = ends.value(0).trimmed().toUInt(&firstOk);
        const uint last = ends.size() == 2 ? ends.at(1).trimmed().toUInt(&lastOk) : first;
        if (!firstOk || ends.size() > 2 || (ends.size() == 2 && !lastOk)) {
            *reason = QStringLiteral("'%1' is not a channel number or a range such as 0-99").arg(part);
            return false;
        }
        if (last < first) {
            *reason = QStringLiteral("the range '%1' runs backwards").arg(part);
            return false;
        }
        if (last >= uint(count)) {
            *reason = QStringLiteral("channel %1 is out of range (0-%2)").arg(last).arg(count - 1);
            return false;
        }
        for (uint n = first; n <= last; ++n)
            out << quint16(n);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    *numbers = out;
    return true;
}
