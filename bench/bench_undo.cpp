// Undo timings and memory: undo and redo of a 1000-row open, the history of ten reads and ten opens, and
// inserting a row at the top of a full table. Targets on the 2-core reference machine, Release build: undo
// or redo of 1000 rows at most 100 ms; the history of ten reads and ten opens of 1000 channels under 20 MB;
// inserting a row at channel 0 of a full table and its undo each within 50 ms.
#include "rowcommand.h"
#include "termial.h"
#include "ui_termial.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardItemModel>
#include <QUndoStack>
#include <benchmark/benchmark.h>

#include <memory>

namespace
{

void quietHandler(QtMsgType, const QMessageLogContext &, const QString &) {}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Every row filled as a read or an open fills it, each pass with other values: one undo step of 1000 rows.
void fillAll(termial &window, int pass)
{
    const termial::RowChangeScope step(&window, QStringLiteral("open"));
    for (int row = 0; row < 1000; ++row) {
        const int k = row + pass * 7;
        channel c;
        c.setChannelHigh(quint8(row >> 8));
        c.setChannelLow(quint8(row));
        c.setChannelName(QByteArray("CH") + QByteArray::number(k).left(9));
        c.setVfoaFrequency2(quint8(k)), c.setVfoaFrequency4(quint8(k * 3));
        c.setVfoaMode(quint8(k % 10)), c.setVfobMode(9), c.setEmitYayin(quint8(k % 56));
        DMR d;
        d.setChannelHigh(c.channelHigh());
        d.setChannelLow(c.channelLow());
        d.setCallFormat(quint8(k % 3)), d.setSlot(1), d.setCallId(quint32(k) * 1601u);
        d.setChType(quint8(k % 2)), d.setRxCtcss(quint8(k % 52)), d.setDmodGain(quint8(k));
        window.viewUpdate(row, c);
        window.viewUpdateDmr(row, d);
    }
}

// One undo and one redo of a 1000-row open on a shown window, repaint included.
void BM_UndoRedoOpen1000(benchmark::State &state)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietHandler);
    termial window;
    window.show();
    fillAll(window, 1);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.undoEdit();
        QCoreApplication::processEvents();
        window.redoEdit();
        QCoreApplication::processEvents();
    }
    state.counters["steps"] = window.undoStack()->count();
    qInstallMessageHandler(previous);
}
BENCHMARK(BM_UndoRedoOpen1000)->Unit(benchmark::kMillisecond);

// Ten reads and ten opens, every one changing all 1000 rows: what the history holds.
void BM_UndoHistoryMemory(benchmark::State &state)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietHandler);
    double grown = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        auto window = std::make_unique<termial>();
        QCoreApplication::processEvents();
        const double before = residentMegabytes();
        for (int pass = 1; pass <= 20; ++pass)
            fillAll(*window, pass);
        grown = residentMegabytes() - before;
        // The states each step keeps; a step's after is the next one's before, shared, so counted once.
        bytes = 0;
        for (int i = 0; i < window->undoStack()->count(); ++i)
            for (const RowCommand::Change &change :
                 static_cast<const RowCommand *>(window->undoStack()->command(i))->changes())
                bytes += change.after.capacity() + 2 * qint64(sizeof(RowCommand::Change));
    }
    state.counters["steps"] = 20;
    state.counters["history_MB"] = double(bytes) / (1024.0 * 1024.0);
    state.counters["rss_growth_MB"] = grown;
    qInstallMessageHandler(previous);
}
BENCHMARK(BM_UndoHistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Insert row at channel 0 with channels 0 to 998 filled (the one empty row, 999, is what an insert takes up):
// all 999 rows shift. The insert and its undo are timed apart, each with the repaint that follows.
void BM_InsertRowFullTable(benchmark::State &state)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietHandler);
    termial window;
    window.show();
    fillAll(window, 1);
    QTableView *view = window.form()->tableView;
    view->setCurrentIndex(window.tableModel()->index(999, 2));
    window.clearRows();
    view->setCurrentIndex(window.tableModel()->index(0, 2));
    QAction *insert = view->findChild<QAction *>(QStringLiteral("insertRowAction"));
    QCoreApplication::processEvents();
    double insertMs = 0, undoMs = 0;
    QElapsedTimer timer;
    for (auto _ : state) {
        view->setCurrentIndex(window.tableModel()->index(0, 2));
        timer.start();
        insert->trigger();
        QCoreApplication::processEvents();
        insertMs += double(timer.nsecsElapsed()) / 1e6;
        timer.start();
        window.undoEdit();
        QCoreApplication::processEvents();
        undoMs += double(timer.nsecsElapsed()) / 1e6;
    }
    state.counters["insert_ms"] = insertMs / double(state.iterations());
    state.counters["undo_ms"] = undoMs / double(state.iterations());
    qInstallMessageHandler(previous);
}
BENCHMARK(BM_InsertRowFullTable)->Unit(benchmark::kMillisecond);

} // namespace
