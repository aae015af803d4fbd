// The radio's value lists (a code is the position of its text) and the interface languages.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vocabulary
{

// Texts are compared exactly (case-sensitive, no trimming); none of them is translated.
const QStringList &modes();        // VFA_MODE, VFB_MODE: 10 entries, "DMR" is code 9
const QStringList &analogTones();  // T_CTCSS, R_CTCSS: 56 entries, "0" is no tone
const QStringList &dmrTones();     // Rx_ctcss, Tx_ctcss: 52 entries, "63.0" at code 1
const QStringList &callTypes();    // call_type: "Single", "Group", "All"
const QStringList &channelTypes(); // Ch_type: "DFM", "DMR"

// The radio keeps channels 0 to 999, one table row each.
constexpr int channelCount = 1000;

// The largest call or own ID a person may enter: a row sends 16777215 (0xFFFFFF) and above as 0.
constexpr int idEntryMax = 16777214;

// A channel name holds at most this many UTF-8 bytes on the radio (its field has one more for a 0x00).
constexpr int nameBytes = 11;
// The longest start of text, in whole characters, whose UTF-8 fits in nameBytes: what the radio keeps.
QString fitName(const QString &text);

// What a frequency cell takes: whole hertz ("438500000"), or megahertz with a decimal point ('.' or ',')
// and at most six decimals ("438.5" is 438500000 Hz), up to what the four frequency bytes hold. Partial is
// a start that can still become one (".").
enum class FrequencyText { Empty, Partial, Invalid, Valid };
FrequencyText parseFrequency(const QString &text, quint32 *hertz = nullptr);

// A code as a cell shows it: its list's text, "?<code>" for one the list does not name (so it travels back
// unchanged), or nothing for emptyCode (0xFF, "none"; -1 where every code has a meaning, as for tones).
QString codeText(const QStringList &list, quint8 code, int emptyCode = 0xFF);
// A stored name as text: zero bytes dropped, the rest read as UTF-8.
QString nameText(QByteArray bytes);

struct Language {
    QString name;      // as the language selector lists it
    QString catalogue; // compiled catalogue under :/language/
    QString qtLocale;  // locale of Qt's own catalogue (qtbase_<locale>.qm) for standard buttons and dialogs
};
// In the order of the language selector; English first, the language the window starts in.
const QList<Language> &languages();

} // namespace vocabulary
