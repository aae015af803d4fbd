// Channel table timings: building the table, bulk checking, collecting records, the whole window.
// Targets on the 2-core reference machine, Release build: table build under 50 ms, check-all under
// 20 ms, checkedChannels plus checkedDmrs over 1000 checked rows under 20 ms, window under 250 ms,
// resident memory after start-up under 80 MB.
#include "termial.h"

#include <QFile>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace
{

// Resident set size of this process in MB, from /proc/self/status (0 where that is missing).
double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The first window of the process: its resident memory is what the program has after start-up.
void BM_StartUpResidentMemory(benchmark::State &state)
{
    static double rss = 0;
    static std::unique_ptr<termial> window;
    for (auto _ : state) {
        if (!window) {
            window = std::make_unique<termial>();
            rss = residentMegabytes();
        }
        benchmark::DoNotOptimize(window.get());
    }
    state.counters["rss_MB"] = rss;
}
BENCHMARK(BM_StartUpResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Form, port list, 1000-row table, language list; destruction is outside the timing.
void BM_WindowConstruction(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<termial>();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowConstruction)->Unit(benchmark::kMillisecond);

// The table build of initTableView (items, flags, headers, column sizing) on an emptied model.
void BM_InitTableModel(benchmark::State &state)
{
    termial window;
    QStandardItemModel *model = window.tableModel();
    for (auto _ : state) {
        state.PauseTiming();
        model->clear();
        state.ResumeTiming();
        window.initTableModel();
    }
    state.counters["rows"] = model->rowCount();
}
BENCHMARK(BM_InitTableModel)->Unit(benchmark::kMillisecond);

void BM_CheckAll(benchmark::State &state)
{
    termial window;
    bool checked = true;
    for (auto _ : state) {
        window.setAllCheckState(checked);
        checked = !checked;
    }
}
BENCHMARK(BM_CheckAll)->Unit(benchmark::kMillisecond);

void BM_CheckedRecords(benchmark::State &state)
{
    termial window;
    window.setAllCheckState(true);
    QList<channel> channels;
    QList<DMR> dmrs;
    for (auto _ : state) {
        window.checkedChannels(&channels);
        window.checkedDmrs(&dmrs);
        benchmark::DoNotOptimize(channels.size() + dmrs.size());
    }
    state.counters["records"] = double(channels.size() + dmrs.size());
}
BENCHMARK(BM_CheckedRecords)->Unit(benchmark::kMillisecond);

} // namespace
