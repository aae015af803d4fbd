// A channel file of either format, told apart by its name: opened and saved with the texts a person reads.
#pragma once

#include "channelfile.h"

#include <QString>

// CHIRP CSV when the name ends in .csv (any case), otherwise JSON.
bool isCsvFileName(const QString &fileName);

// The records of a JSON or CHIRP CSV file. False with the reason when the file cannot be read or is no
// channel file (an empty name gives no reason); notes say what was left out or changed on the way, and are
// empty when nothing was. A CSV file gives analog records only.
bool openChannelFile(const QString &fileName, ChannelFileRecords *records, QString *reason, QString *notes);

// Writes the records as CHIRP CSV or JSON by the name, through QSaveFile; saved gets the number of channels
// in the file. False with the reason; the previous file then stays as it was.
bool saveChannelFile(const QString &fileName, const QList<channel> &channels, const QList<DMR> &dmrs,
                     qsizetype *saved, QString *reason);
