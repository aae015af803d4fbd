// The JSON channel file format: one entry per channel, joining its analog and DMR records.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class QJsonDocument;
struct QJsonParseError;

// One channel of a file: the bytes of a row's analog record and of its DMR record that the file keeps,
// at their record's field positions (the members table in channelfile.cpp names them), and the name.
// The DMR record's own channel number is not kept; both records share the analog one.
struct ChannelFileEntry {
    std::array<quint8, channel::FieldCount> analog{};
    std::array<quint8, DMR::FieldCount> dmr{};
    QByteArray channelName;

    void fill(const channel &analogRecord, const DMR &dmrRecord);
    quint16 channelNumber() const;
    // The channel object of the file: 37 members, the name as text, every other member one byte.
    QJsonObject toJsonObject() const;
};

// The top-level object: one member per channel, keyed by its number in decimal. Records are paired
// by position up to the shorter list; a later pair with the same channel number replaces an earlier one.
QJsonObject channelFileObject(const QList<channel> &channels, const QList<DMR> &dmrs);
// The file's content: the object as indented JSON (four spaces, one member per line, '\n' line ends).
QByteArray channelFileText(const QJsonObject &object);
QByteArray channelFileText(const QList<channel> &channels, const QList<DMR> &dmrs);

// A file read back: one analog and one DMR record per channel entry taken, in the object's order.
struct ChannelFileRecords {
    QList<channel> channels;
    QList<DMR> dmrs;
    // Keys of the entries left out: not a channel object, a key that is not the entry's channel number,
    // or a channel number outside 0 to 999.
    QStringList skipped;
};

// Reading is lenient: a top level that is not an object gives no records, an entry that is not an
// object reads as an empty one, a missing or non-integral number reads as 0, an integer keeps its low
// 8 bits, a missing name reads as empty and a name keeps its UTF-8 bytes exactly (not cut, not filled).
// The key is the channel number: an entry with neither channelHigh nor channelLow takes its key's number;
// one whose fields name another number is skipped, as is every number outside 0 to 999.
channel channelFromFileEntry(const QJsonObject &entry);
DMR dmrFromFileEntry(const QJsonObject &entry);
ChannelFileRecords parseChannelFile(const QJsonDocument &document);
// Parses JSON text; on a syntax error returns no records and, when asked, the parser's error
// (its errorString() is the text to report).
ChannelFileRecords parseChannelFile(const QByteArray &text, QJsonParseError *error = nullptr);

// Writes the bytes through QSaveFile, in text mode: an existing file stays untouched until the new
// content is completely written and committed. On failure returns false and, when asked, the reason.
// Text mode gives the platform's line ends; a format with its own (CSV's CRLF) is written as it stands.
bool writeChannelFile(const QString &fileName, const QByteArray &text, QString *errorString = nullptr,
                      bool textMode = true);
// Reads and parses a whole file. Returns false when the file cannot be opened or is not JSON, with
// the reason when asked; the records are then left empty.
bool readChannelFile(const QString &fileName, ChannelFileRecords *records, QString *errorString = nullptr);
