// Transfer timings against the simulated radio: a whole 1000-channel write and read, end to end.
// Target on the 2-core reference machine, Release build, radio answering at once: each costs at most
// 5 % of its wire time at 115200 bit/s (read 88 bytes a channel, 7.64 s: under 0.38 s; write with
// echoed acknowledgements 136 bytes a channel, 11.8 s: under 0.59 s). BM_*Paced runs the radio at
// 115200 bit/s and reports the whole time against that wire time, and the terminal's own time per
// exchange: from an answer's last byte leaving the radio to the next request reaching it (target
// 0.2 ms; it includes the pseudo-terminal and the simulator noticing the request).
#include "radiosim.h"
#include "termial.h"
#include "ui_termial.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace
{

constexpr int kChannels = 1000;

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Runs the event loop until the progress bar is full (the transfer's end), or for at most a minute.
bool runUntilFull(QProgressBar *bar)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if ((bar->maximum() > 0 && bar->value() == bar->maximum()) || clock.elapsed() > 60000)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return bar->value() == bar->maximum();
}

struct Bench {
    explicit Bench(int baud)
    {
        RadioSimOptions options;
        options.baud = baud;
        sim = new RadioSim(options);
        sim->open();
        window.addPortPath(sim->slavePath());
        window.serialportLinkBtn_clicked();
        for (int r = 0; r < kChannels; ++r) {
            channel c;
            c.setChannelHigh(quint8(r >> 8));
            c.setChannelLow(quint8(r));
            c.setChannelName(QByteArray("BENCH") + QByteArray(7, '\0'));
            c.setVfoaFrequency1(0x1A);
            c.setVfoaFrequency2(0x22);
            c.setVfoaFrequency3(0xFA);
            c.setVfoaFrequency4(0xA0);
            window.viewUpdate(r, c);
            DMR d;
            d.setChannelHigh(c.channelHigh());
            d.setChannelLow(c.channelLow());
            d.setCallId(quint32(r) * 1000u);
            window.viewUpdateDmr(r, d);
        }
        window.setAllCheckState(true);
    }
    ~Bench() { delete sim; }

    QtMessageHandler previous = qInstallMessageHandler(quiet);
    RadioSim *sim = nullptr;
    termial window;
};

void transfer(benchmark::State &state, bool write, int baud, double wireSeconds)
{
    Bench bench(baud);
    QPushButton *button = write ? bench.window.form()->send_btn : bench.window.form()->read_btn;
    double total = 0;
    // Turnaround: an answer's last byte written by the radio, then the next request it reads.
    QElapsedTimer line;
    line.start();
    qint64 answered = -1;
    std::vector<double> turnaround;
    QObject::connect(bench.sim, &RadioSim::frameSent, bench.sim, [&] { answered = line.nsecsElapsed(); });
    QObject::connect(bench.sim, &RadioSim::frameReceived, bench.sim, [&] {
        if (answered >= 0)
            turnaround.push_back((line.nsecsElapsed() - answered) / 1e6);
        answered = -1;
    });
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        answered = -1;
        button->click();
        if (!runUntilFull(bench.window.form()->load_progressBar))
            state.SkipWithError("the transfer did not complete");
        total += clock.nsecsElapsed() / 1e9;
    }
    state.counters["wire_s"] = wireSeconds;
    state.counters["share_of_wire"] = total / double(state.iterations()) / wireSeconds;
    if (!turnaround.empty()) {
        double sum = 0;
        for (const double ms : turnaround)
            sum += ms;
        std::nth_element(turnaround.begin(), turnaround.begin() + turnaround.size() / 2, turnaround.end());
        state.counters["exchange_ms_mean"] = sum / double(turnaround.size());
        state.counters["exchange_ms_median"] = turnaround[turnaround.size() / 2];
    }
    qInstallMessageHandler(bench.previous);
}

// Wire time at 115200 bit/s, 10 bits a byte: read 2 x (10 + 34) bytes, write 2 x (34 + 34) bytes per channel.
constexpr double kReadWire = kChannels * 88 * 10 / 115200.0;
constexpr double kWriteWire = kChannels * 136 * 10 / 115200.0;

void BM_Write1000(benchmark::State &state)
{
    transfer(state, true, 0, kWriteWire);
}
void BM_Read1000(benchmark::State &state)
{
    transfer(state, false, 0, kReadWire);
}
void BM_Write1000Paced(benchmark::State &state)
{
    transfer(state, true, 115200, kWriteWire);
}
void BM_Read1000Paced(benchmark::State &state)
{
    transfer(state, false, 115200, kReadWire);
}

} // namespace

BENCHMARK(BM_Write1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Read1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_Write1000Paced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_Read1000Paced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
