// Channel file timings: building and parsing the file text, and the window's save and open slots.
// Targets on the 2-core reference machine, Release build: saving 1000 checked channels under 100 ms;
// opening a 1000-channel file under 500 ms, the event loop running after every record.
#include "channelfile.h"
#include "seams.h"
#include "termial.h"
#include "ui_termial.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

constexpr int channelCount = 1000;

// A channel whose values the table holds unchanged (codes inside their lists, an 11-byte name).
void benchRecords(int number, channel &c, DMR &d)
{
    const auto b = [number](int k, int bound) { return quint8((number * 7 + k * 13) % bound); };
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setChannelName((QByteArray("CHANNEL") + QByteArray::number(number) + QByteArray(12, '\0')).left(11) +
                     QByteArray(1, '\0'));
    c.setVfoaFrequency1(0x1A), c.setVfoaFrequency2(0x22), c.setVfoaFrequency3(b(1, 256));
    c.setVfoaFrequency4(b(2, 256));
    c.setVfobFrequency1(0x08), c.setVfobFrequency2(0xAC), c.setVfobFrequency3(b(3, 256));
    c.setVfobFrequency4(b(4, 256));
    c.setVfoaMode(b(5, 10)), c.setVfobMode(b(6, 10)), c.setEmitYayin(b(7, 56)), c.setReceiveYayin(b(8, 56));
    d.setChannelHigh(c.channelHigh());
    d.setChannelLow(c.channelLow());
    d.setCallFormat(b(9, 3)), d.setTxCc(b(10, 16)), d.setRxCc(b(11, 16)), d.setSlot(quint8(1 + b(12, 2)));
    d.setCallId(quint32(number) * 1601u), d.setOwnId(quint32(number) * 907u);
    d.setChType(b(13, 2)), d.setRxCtcss(b(14, 52)), d.setTxCtcss(b(15, 52)), d.setSqlevel(b(16, 10));
    d.setSpkgain(b(17, 256)), d.setDmodGain(b(18, 256)), d.setScrEn(b(19, 2));
    d.setScrSeed1(b(20, 256)), d.setScrSeed2(b(21, 256)), d.setChBsMode(b(22, 4));
}

void benchLists(QList<channel> &channels, QList<DMR> &dmrs)
{
    for (int i = 0; i < channelCount; ++i) {
        channel c;
        DMR d;
        benchRecords(i, c, d);
        channels << c;
        dmrs << d;
    }
}

// The window's log lines would otherwise flood the benchmark's output; formatting them still counts.
void quietHandler(QtMsgType, const QMessageLogContext &, const QString &) {}

// A shown window with every row filled and checked, dialogs answered with one file name.
struct FilledWindow {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("channels.json"));
    termial window;
    QtMessageHandler previous = qInstallMessageHandler(quietHandler);

    FilledWindow()
    {
        for (int i = 0; i < channelCount; ++i) {
            channel c;
            DMR d;
            benchRecords(i, c, d);
            window.viewUpdate(i, c);
            window.viewUpdateDmr(i, d);
        }
        window.setAllCheckState(true);
        const auto answer = [this](QWidget *, const QString &, const QString &, const QString &) {
            return path;
        };
        seams::setSaveFileName(answer);
        seams::setOpenFileName(answer);
        window.show();
        QCoreApplication::processEvents();
    }
    ~FilledWindow()
    {
        seams::setSaveFileName({});
        seams::setOpenFileName({});
        qInstallMessageHandler(previous);
    }
};

void BM_ChannelFileText(benchmark::State &state)
{
    QList<channel> channels;
    QList<DMR> dmrs;
    benchLists(channels, dmrs);
    for (auto _ : state)
        benchmark::DoNotOptimize(channelFileText(channels, dmrs));
}
BENCHMARK(BM_ChannelFileText)->Unit(benchmark::kMillisecond);

void BM_ParseChannelFile(benchmark::State &state)
{
    QList<channel> channels;
    QList<DMR> dmrs;
    benchLists(channels, dmrs);
    const QByteArray text = channelFileText(channels, dmrs);
    for (auto _ : state)
        benchmark::DoNotOptimize(parseChannelFile(text));
    state.counters["file_kB"] = double(text.size()) / 1024.0;
}
BENCHMARK(BM_ParseChannelFile)->Unit(benchmark::kMillisecond);

// saveBtn_clicked over 1000 checked rows: collecting records, the JSON object, the safe write.
void BM_SaveCheckedChannels(benchmark::State &state)
{
    FilledWindow w;
    for (auto _ : state)
        w.window.saveBtn_clicked();
    state.counters["file_kB"] = double(QFileInfo(w.path).size()) / 1024.0;
}
BENCHMARK(BM_SaveCheckedChannels)->Unit(benchmark::kMillisecond);

// openBtn_clicked on a 1000-channel file: 2000 row updates, each followed by a progress step and
// a turn of the event loop on a shown window.
void BM_OpenChannelFile(benchmark::State &state)
{
    FilledWindow w;
    w.window.saveBtn_clicked();
    int progress = 0;
    for (auto _ : state) {
        w.window.openBtn_clicked();
        progress = w.window.form()->load_progressBar->value();
    }
    state.counters["progress"] = progress;
}
BENCHMARK(BM_OpenChannelFile)->Unit(benchmark::kMillisecond);

} // namespace
