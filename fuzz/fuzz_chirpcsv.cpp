// Fuzz target for the CSV reader: any bytes as a file, the channels and notes it yields, and a
// write/read round trip of those channels.
#include "chirpcsv.h"
#include "fuzz_common.h"
#include "vocabulary.h"

#include <cstddef>
#include <cstdint>

namespace
{

QByteArray describe(const CsvChannel &c)
{
    return QStringLiteral("%1 '%2' %3 %4 %5 %6 %7 %8")
        .arg(c.location)
        .arg(c.name)
        .arg(c.vfoaFrequency)
        .arg(c.vfobFrequency)
        .arg(c.vfoaMode, c.vfobMode, c.emitTone, c.receiveTone)
        .toUtf8();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::quietLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const CsvImport read = readChirpCsv(input);
    FUZZ_CHECK((read.error == CsvError::None) == !read.channels.isEmpty(), input);

    // Every channel is one the table can hold as it stands, one per row, in row order.
    int previous = -1;
    for (const CsvChannel &c : read.channels) {
        FUZZ_CHECK(c.location > previous && c.location <= 999, describe(c));
        previous = c.location;
        FUZZ_CHECK(c.name.toUtf8().size() <= vocabulary::nameBytes && vocabulary::fitName(c.name) == c.name,
                   describe(c));
        FUZZ_CHECK(vocabulary::modes().contains(c.vfoaMode) && c.vfobMode == c.vfoaMode, describe(c));
        FUZZ_CHECK(vocabulary::analogTones().contains(c.emitTone), describe(c));
        FUZZ_CHECK(vocabulary::analogTones().contains(c.receiveTone), describe(c));
    }
    // Notes name each line or Location once, in order; lines exist in the file, Locations are rows.
    const qsizetype lines = input.count('\n') + input.count('\r') + 1;
    for (auto it = read.notes.constBegin(); it != read.notes.constEnd(); ++it) {
        const bool byLine = it.key() == CsvReason::BadLocation || it.key() == CsvReason::UnclosedQuote;
        FUZZ_CHECK(!it.value().isEmpty(), input);
        for (qsizetype i = 0; i < it.value().size(); ++i) {
            const int n = it.value().at(i);
            FUZZ_CHECK(i == 0 || it.value().at(i - 1) < n, input);
            FUZZ_CHECK(byLine ? n >= 2 && n <= lines : n >= 0 && n <= 999, input);
        }
    }

    // What was read is carried whole by the format: written and read again, it comes back unchanged.
    const QByteArray written = chirpCsvText(read.channels);
    const CsvImport again = readChirpCsv(written);
    FUZZ_CHECK(again.notes.isEmpty(), written);
    FUZZ_CHECK(again.channels == read.channels, written);
    FUZZ_CHECK(again.error == read.error || read.channels.isEmpty(), written);
    return 0;
}
