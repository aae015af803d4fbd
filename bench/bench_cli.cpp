// The command-line tool's read of 1000 channels on a line paced at 115200 bit/s, against the wire time.
// Target: within 5 % of the wire time (88 bytes a channel, 7.64 s), so share_of_wire at most 1.05.
#include "commandline.h"
#include "radiosim.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace
{

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void BM_CliRead1000Paced(benchmark::State &state)
{
    // The engine's debug log would cost terminal time the tool does not spend (it drops it).
    const QtMessageHandler previous = qInstallMessageHandler(quiet);
    RadioSimOptions options;
    options.baud = 115200;
    RadioSim sim(options);
    sim.open();
    QTemporaryDir dir;
    const QStringList arguments{QStringLiteral("control-terminal-cli"), QStringLiteral("read"), QStringLiteral("--port"),
                                sim.slavePath(), QStringLiteral("--output"), dir.filePath(QStringLiteral("all.json"))};
    double seconds = 0;
    int status = -1;
    for (auto _ : state) {
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        QElapsedTimer clock;
        clock.start();
        status = cli::run(arguments, out, err, false);
        seconds += clock.nsecsElapsed() / 1e9;
    }
    qInstallMessageHandler(previous);
    constexpr double wireSeconds = 1000 * 88 * 10 / 115200.0;
    state.counters["exit_status"] = status;
    state.counters["wire_s"] = wireSeconds;
    state.counters["share_of_wire"] = seconds / double(state.iterations()) / wireSeconds;
}

} // namespace

BENCHMARK(BM_CliRead1000Paced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
