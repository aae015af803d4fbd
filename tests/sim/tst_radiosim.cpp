// The radio-sim program: its options, the memory file it loads and saves, and the shipped sample.
#include "channelfile.h"
#include "radiosim.h"
#include "records.h"
#include "testfiles.h"
#include "wire.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// The records made by the helpers leave size and command at 0; on the line a whole record carries both.
template <typename Record> Record framed(Record r, quint8 command)
{
    r.setSize(wire::kRecordSize);
    r.setCommand(command);
    return r;
}

QByteArray ask(QSerialPort &line, const QByteArray &bytes, int count)
{
    line.write(bytes);
    QByteArray out;
    while (out.size() < count && line.waitForReadyRead(2000))
        out += line.readAll();
    return out;
}

} // namespace

class TestRadioSim : public QObject
{
    Q_OBJECT
private slots:
    void program();
};

// Run as the demo runs it: the memory file is served over the link and saved again on a stop.
void TestRadioSim::program()
{
    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("memory.json"));
    const QString link = dir.filePath(QStringLiteral("radio"));
    QRandomGenerator rng(5);
    channel analog;
    DMR dmr;
    RadioSim before;
    for (int n : {0, 500, 999}) {
        records::randomValidChannel(rng, n, analog, dmr);
        if (n != 500) // a channel with only DMR settings
            before.setAnalog(n, analog);
        before.setDmr(n, dmr);
    }
    QVERIFY(before.saveMemory(memory));

    QProcess sim;
    sim.start(QStringLiteral(RADIO_SIM), {QStringLiteral("--memory"), memory, QStringLiteral("--link"), link,
                                          QStringLiteral("--short-ack"), QStringLiteral("-v")});
    QVERIFY(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
    QCOMPARE(QFileInfo(link).symLinkTarget(), QString::fromLocal8Bit(sim.readLine()).trimmed());
    QSerialPort line(link);
    QVERIFY(line.open(QIODevice::ReadWrite));
    // The loaded record answers a read; a write gets the bare acknowledgement --short-ack asks for.
    QCOMPARE(ask(line, QByteArray::fromHex("a5a5a5a5 05 44 03e7 2172"), 34),
             framed(dmr, 0x44).toWriteFrame());
    records::randomValidChannel(rng, 42, analog, dmr);
    QCOMPARE(ask(line, framed(analog, 0x40).toWriteFrame(), 8), QByteArray::fromHex("a5a5a5a5 03 40 0098"));
    // It refuses what a radio would: a channel beyond its memory, an unknown command, a request of the
    // wrong length, a bad CRC. The one answer is to the good request behind them: an empty channel, as a
    // fresh radio gives it.
    const QByteArray refused = QByteArray::fromHex(
        "a5a5a5a5 054103e8 3b6d  a5a5a5a5 05420007 3baf  a5a5a5a5 05410007 0000"
        "a5a5a5a5 1d410007 000000000000000000000000000000000000000000000000 93b6");
    QCOMPARE(ask(line, refused + QByteArray::fromHex("a5a5a5a5 05410007 62ff"), 34),
             QByteArray::fromHex("a5a5a5a5 1d41 0007 0000 00000000 00000000 0000 52454e414d45000000000000 497c"));
    sim.terminate(); // as a stop by the demo script: the memory is saved and the link removed
    QVERIFY(sim.waitForFinished(5000));
    QVERIFY(sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    const QByteArray log = sim.readAllStandardError();
    QVERIFY(log.contains("radio-sim: rx a5 a5 a5 a5 1d 40 00 2a"));
    for (const char *refusal : {"ignored (no such channel)", "ignored (unknown command)",
                                "ignored (wrong length for its command)"})
        QVERIFY2(log.contains(refusal), refusal);

    RadioSim after;
    QVERIFY(after.loadMemory(memory));
    before.setAnalog(42, analog);
    for (int n = 0; n < RadioSim::kChannelCount; ++n) {
        QCOMPARE(after.analog(n).body().mid(2), before.analog(n).body().mid(2));
        QCOMPARE(after.dmr(n).body().mid(2), before.dmr(n).body().mid(2));
    }

    // A load replaces the memory and skips entries beyond it; a missing or broken file changes
    // nothing, and the program refuses to start on one rather than overwrite it.
    channel beyond;
    records::randomValidChannel(rng, 1000, beyond, dmr);
    records::randomValidChannel(rng, 3, analog, dmr);
    QVERIFY(writeChannelFile(memory, channelFileText({beyond, analog}, {DMR(), DMR()})));
    QVERIFY(after.loadMemory(memory));
    QCOMPARE(after.analog(3).body().mid(2), analog.body().mid(2));
    QVERIFY(after.isEmptyChannel(42));
    QVERIFY(writeChannelFile(memory, "[ broken"));
    QVERIFY(!after.loadMemory(memory));
    QVERIFY(!after.loadMemory(dir.filePath(QStringLiteral("missing.json"))));
    QVERIFY(!after.isEmptyChannel(3));
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--memory"), memory}), 1);
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--drop"), QStringLiteral("2")}),
             2);

    // The line options as a person gives them: the answer comes the given milliseconds late, a DMR write
    // gets its own bare acknowledgement, and the line hangs up right after the given number of answers.
    QProcess faulty;
    faulty.start(QStringLiteral(RADIO_SIM), {QStringLiteral("--delay"), QStringLiteral("300"),
                                             QStringLiteral("--short-ack"), QStringLiteral("--die-after"),
                                             QStringLiteral("2")});
    QVERIFY(QTest::qWaitFor([&] { return faulty.canReadLine(); }, 5000));
    QSerialPort slow(QString::fromLocal8Bit(faulty.readLine()).trimmed());
    QVERIFY(slow.open(QIODevice::ReadWrite));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ask(slow, framed(dmr, 0x43).toWriteFrame(), 8), QByteArray::fromHex("a5a5a5a5 03 43 30fb"));
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(ask(slow, QByteArray::fromHex("a5a5a5a5 05410007 62ff"), 34).size(), 34);
    QVERIFY(faulty.waitForFinished(3000));

    // Noise never holds a header byte: over hundreds of answers the only 0xA5 bytes are the headers'.
    RadioSimOptions noisy;
    noisy.garbage = 1;
    RadioSim inProcess(noisy);
    QVERIFY(inProcess.open());
    QSerialPort reader(inProcess.slavePath());
    QVERIFY(reader.open(QIODevice::ReadOnly));
    const QByteArray ack = QByteArray::fromHex("a5a5a5a5 03 40 0098");
    // One at a time, as a radio answers: a reader slowed by a loaded machine is never left behind.
    QByteArray heard;
    for (int i = 1; i <= 300; ++i) {
        inProcess.sendUnasked(ack);
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         if (reader.waitForReadyRead(10))
                             heard += reader.readAll();
                         return heard.count(ack) == i;
                     },
                     5000),
                 qPrintable(QStringLiteral("answer %1: %2 heard").arg(i).arg(heard.count(ack))));
    }
    QVERIFY(heard.size() > 300 * ack.size());
    QCOMPARE(heard.count('\xA5'), 300 * 4);

    // The shipped sample is what its generator writes today, and a memory the program loads.
    const QString generated = dir.filePath(QStringLiteral("sample.json"));
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM_SAMPLE), {generated}), 0);
    QCOMPARE(readAll(QStringLiteral(SAMPLE_MEMORY)), readAll(generated));
    QVERIFY(after.loadMemory(QStringLiteral(SAMPLE_MEMORY)));
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"
