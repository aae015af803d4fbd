// The CHIRP CSV channel list: an RFC 4180 reader, its mapping onto table rows, and the writer.
#pragma once

#include "channel.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Columns 2 to 8 of one table row as the table shows them, with the row's number.
struct CsvChannel {
    int location = 0;          // the row, 0 to 999
    QString name;              // reading cuts it to what the radio keeps (vocabulary::fitName)
    quint32 vfoaFrequency = 0; // Hz, receive
    quint32 vfobFrequency = 0; // Hz, transmit
    QString vfoaMode;          // texts of vocabulary::modes(); reading sets both to the one Mode column,
    QString vfobMode;          // writing uses vfoaMode only
    QString emitTone;          // texts of vocabulary::analogTones(), "0" for none
    QString receiveTone;

    bool operator==(const CsvChannel &other) const;
    bool operator!=(const CsvChannel &other) const { return !(*this == other); }
};

// Why a line was skipped or a row changed while reading. The numbers noted with a reason are line
// numbers of the file (the header is line 1) for the first two, Locations for all others.
enum class CsvReason {
    BadLocation,          // skipped: Location is not a whole number from 0 to 999
    UnclosedQuote,        // skipped: a quoted field runs to the end of the file
    BadFrequency,         // skipped: Frequency empty, not a decimal number, negative or above 4294.967295 MHz
    BadTransmitFrequency, // skipped: Offset unreadable, or the transmit frequency it gives is out of range
    Replaced,             // a later line of the same Location replaced an earlier one
    TransmitOff,          // Duplex "off" or unknown: transmit on the receive frequency
    UnknownMode,          // Mode not mapped: "NFM"
    Dtcs,                 // a DTCS tone setting: both tones "0"
    ToneNotInList,        // a tone not in the analog tone list, or an unknown Tone/CrossMode: "0"
    NameCut,              // Name longer than 11 UTF-8 bytes, cut at a character boundary
};

// A file that changes nothing.
enum class CsvError {
    None,
    NotText,           // not valid UTF-8, or holds a zero byte
    NoLocationColumn,  // the header (the first non-blank line) names no Location column
    NoFrequencyColumn, // ... no Frequency column
    NoUsableRow,       // no line gave a channel
};

struct CsvImport {
    QList<CsvChannel> channels;        // one per Location, ascending; empty when error is set
    QMap<CsvReason, QList<int>> notes; // ascending, each number once; kept with NoUsableRow too
    CsvError error = CsvError::None;
};

// Reads a whole file's bytes. Columns are found by their header names (trimmed, any case, any
// order; the first of two equal names counts), unknown columns are ignored, missing trailing fields
// read as empty. Lines of nothing but empty fields are ignored. Of two lines with the same Location
// the later wins.
CsvImport readChirpCsv(const QByteArray &bytes);
// Reads a file; false with the reason when it cannot be opened (then the result says nothing).
bool readChirpCsvFile(const QString &fileName, CsvImport *result, QString *errorString = nullptr);

// The file's content: the full header, then one line per channel in the given order, CRLF line ends.
// A mode outside the list is written as "FM", a tone outside it as no tone.
QByteArray chirpCsvText(const QList<CsvChannel> &channels);

// A CSV line's channel as the analog record a table row gives, and back, so that a CSV file takes the
// same road into the table and out of it as a JSON one. A text outside its list gives the code a cell of
// that text gives: 0xFF for a mode, 0 (no tone) for a tone; a code outside its list gives an empty mode
// and the tone "0". The name is cut to what the radio keeps and filled with zero bytes to its field.
channel csvRecord(const CsvChannel &c);
CsvChannel csvChannel(const channel &record);

// What a person reads, in the current language. numbers is the reason's list as the window shows it.
QString csvNoteText(CsvReason reason, const QString &numbers);
QString csvErrorText(CsvError error);
