// Which fields two stored channel records differ in, named as the channel table's column headers name them.
#pragma once

#include <QByteArray>
#include <QStringList>

namespace recordfields
{

// The names of the fields in which two records' stored bytes (everything after size and command) differ,
// in byte order, each once: a field with a column goes by its header ("VFA_MODE", "Rx_cc"), the DMR
// bytes without one by their record field ("dmodGain").
QStringList differing(const QByteArray &first, const QByteArray &second, bool dmr);

} // namespace recordfields
