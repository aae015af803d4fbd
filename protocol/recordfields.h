// Which fields two channels differ in, named as the channel table's column headers name them, with each
// side's value as the table shows it.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace recordfields
{

// The names of the fields in which two records' stored bytes (everything after size and command) differ,
// in byte order, each once: a field with a column goes by its header ("VFA_MODE", "Rx_cc"), the DMR
// bytes without one by their record field ("dmodGain").
QStringList differing(const QByteArray &first, const QByteArray &second, bool dmr);

// One field in which two channels differ, and its value on either side.
struct Difference {
    QString field;
    QString first;
    QString second;
    bool operator==(const Difference &other) const
    {
        return field == other.field && first == other.first && second == other.second;
    }
};
// Every field in which the stored bytes of two channels differ, the analog record's first, each once.
QList<Difference> differences(const channel &firstAnalog, const DMR &firstDmr, const channel &secondAnalog,
                              const DMR &secondDmr);
// A field's value as the table shows it: a list's text for a code ("?60" for one the list does not name),
// a number, the name as text; the DMR bytes without a column as numbers.
QString fieldText(const QString &field, const channel &analog, const DMR &dmr);

} // namespace recordfields
