// Transfer timings against the simulated radio: a whole 1000-channel write and read, end to end.
// Target on the 2-core reference machine, Release build, radio answering at once: each costs at most
// 5 % of its wire time at 115200 bit/s (read 88 bytes a channel, 7.64 s: under 0.38 s; write with
// echoed acknowledgements 136 bytes a channel, 11.8 s: under 0.59 s). BM_*Paced runs the radio at
// 115200 bit/s and reports the whole time against that wire time, and the terminal's own time per
// exchange: from an answer's last byte leaving the radio to the next request reaching it (target
// 0.2 ms; it includes the pseudo-terminal and the simulator noticing the request).
// BM_ExchangeEngineVsBareClient reads 1000 channels on the paced line twice, once with the engine alone
// and once with a bare client that does nothing but send the next request when an answer is whole, and
// reports both times per exchange and their ratio (target: the engine at most 1.5 times the bare client).
#include "radiosim.h"
#include "termial.h"
#include "transferengine.h"
#include "ui_termial.h"
#include "wire.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardItemModel>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
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

// Times from an answer's last byte leaving the radio to the next request reaching it, in ms.
struct Turnaround {
    explicit Turnaround(RadioSim *sim)
    {
        clock.start();
        QObject::connect(sim, &RadioSim::frameSent, sim, [this] { answered = clock.nsecsElapsed(); });
        QObject::connect(sim, &RadioSim::frameReceived, sim, [this] {
            if (answered >= 0)
                times.push_back((clock.nsecsElapsed() - answered) / 1e6);
            answered = -1;
        });
    }
    double median()
    {
        if (times.empty())
            return 0;
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    }
    QElapsedTimer clock;
    qint64 answered = -1;
    std::vector<double> times;
};

// The least a client can do: the next read request as soon as the answer before it is whole.
struct BareClient {
    explicit BareClient(const QString &path) : port(path)
    {
        port.setBaudRate(115200);
        port.open(QIODevice::ReadWrite);
        QObject::connect(&port, &QSerialPort::readyRead, &port, [this] {
            pending += port.readAll();
            while (pending.size() >= 5 + wire::kRecordSize) {
                pending.remove(0, 5 + wire::kRecordSize);
                ++answers;
                if (answers < 2 * kChannels)
                    request(answers);
            }
        });
    }
    void request(int k)
    {
        channel c;
        c.setSize(wire::kRequestSize);
        c.setCommand(k < kChannels ? wire::kReadAnalog : wire::kReadDmr);
        c.setChannelLow(quint8(k % kChannels));
        c.setChannelHigh(quint8((k % kChannels) >> 8));
        port.write(c.toReadFrame());
        port.flush();
    }
    QSerialPort port;
    QByteArray pending;
    int answers = 0;
};

bool runUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() > 60000)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

void BM_ExchangeEngineVsBareClient(benchmark::State &state)
{
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    RadioSimOptions options;
    options.baud = 115200;
    double engineMs = 0, bareMs = 0;
    for (auto _ : state) {
        {
            RadioSim sim(options);
            sim.open();
            TransferEngine engine;
            engine.open(QSerialPortInfo(), sim.slavePath());
            Turnaround turnaround(&sim);
            bool finished = false;
            QObject::connect(&engine, &TransferEngine::finished, &engine, [&] { finished = true; });
            QList<quint16> numbers;
            for (int r = 0; r < kChannels; ++r)
                numbers << quint16(r);
            engine.startRead(numbers);
            if (!runUntil([&] { return finished; }))
                state.SkipWithError("the engine's read did not complete");
            engineMs = turnaround.median();
        }
        {
            RadioSim sim(options);
            sim.open();
            BareClient client(sim.slavePath());
            Turnaround turnaround(&sim);
            client.request(0);
            if (!runUntil([&] { return client.answers >= 2 * kChannels; }))
                state.SkipWithError("the bare client's read did not complete");
            bareMs = turnaround.median();
        }
    }
    state.counters["engine_ms_median"] = engineMs;
    state.counters["bare_ms_median"] = bareMs;
    state.counters["engine_over_bare"] = bareMs > 0 ? engineMs / bareMs : 0;
    qInstallMessageHandler(previous);
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
BENCHMARK(BM_ExchangeEngineVsBareClient)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
