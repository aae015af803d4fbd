// CSV channel list timings: reading a 1000-line file (target 100 ms on the 2-core reference machine,
// Release build) and writing one.
#include "chirpcsv.h"
#include "vocabulary.h"

#include <benchmark/benchmark.h>

namespace
{

// Every line different: all modes, tone kinds and duplex kinds, names that need quoting.
QList<CsvChannel> csvChannels()
{
    const QStringList &modes = vocabulary::modes(), &tones = vocabulary::analogTones();
    QList<CsvChannel> channels;
    for (int i = 0; i < 1000; ++i) {
        const quint32 rx = 144000000u + quint32(i) * 12500u;
        const quint32 tx = i % 3 == 0 ? rx : i % 3 == 1 ? rx - 600000u : 430000000u + quint32(i) * 25000u;
        const QString mode = modes.at(i % modes.size());
        channels.append({i, QStringLiteral("CH %1, \"%2\"").arg(i).arg(i % 10), rx, tx, mode, mode,
                         tones.at(i % 56), tones.at(i % 4 == 0 ? 0 : (i * 7) % 56)});
    }
    return channels;
}

void BM_ReadChirpCsv(benchmark::State &state)
{
    const QByteArray text = chirpCsvText(csvChannels());
    qsizetype read = 0;
    for (auto _ : state)
        read = readChirpCsv(text).channels.size();
    state.counters["channels"] = double(read);
    state.counters["file_kB"] = double(text.size()) / 1024.0;
}
BENCHMARK(BM_ReadChirpCsv)->Unit(benchmark::kMillisecond);

void BM_WriteChirpCsv(benchmark::State &state)
{
    const QList<CsvChannel> channels = csvChannels();
    for (auto _ : state)
        benchmark::DoNotOptimize(chirpCsvText(channels));
}
BENCHMARK(BM_WriteChirpCsv)->Unit(benchmark::kMillisecond);

} // namespace
