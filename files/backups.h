// Backups of what a radio held before a write: channel files named by date and time in one folder.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace backups
{

// How many backups are kept; the oldest go when a new one is saved.
constexpr int kKept = 100;

// The folder: "backups" under the program's data location.
QString folder();
// Saves the records as a JSON channel file named by `when` ("2026-12-07_19-15-44-123.json") and keeps the
// newest kKept. Returns the file's path, or an empty string and the reason.
QString save(const QList<channel> &channels, const QList<DMR> &dmrs, QString *errorString = nullptr,
             const QDateTime &when = QDateTime::currentDateTime());
// Every backup's path, newest first.
QStringList all();
// The newest backup's path, or an empty string when there is none.
QString newest();

} // namespace backups
