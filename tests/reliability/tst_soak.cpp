// Soak test: random channels written to the simulated radio and read back under each line fault.
#include "soakcheck.h"

#include <QtTest>

Q_DECLARE_METATYPE(RadioSimOptions)

// Channels per faulty run; TERMIAL_SOAK_CHANNELS raises (or lowers) every faulty run to that many.
static int runSize(int planned)
{
    const int wanted = qEnvironmentVariableIntValue("TERMIAL_SOAK_CHANNELS");
    return wanted > 0 ? qMin(wanted, 1000) : planned;
}

class TestSoak : public QObject
{
    Q_OBJECT
private slots:
    void soak_data();
    void soak();
};

void TestSoak::soak_data()
{
    QTest::addColumn<int>("n"); // channels
    QTest::addColumn<RadioSimOptions>("options");
    // chunk -1: pieces of random size.
    const auto add = [](const char *name, int n, double drop, double corrupt, double garbage, double strayA5,
                        int chunk, int delayMs, bool shortAck = false) {
        RadioSimOptions o;
        o.drop = drop, o.corrupt = corrupt, o.garbage = garbage, o.strayA5 = strayA5;
        o.chunk = qMax(chunk, 0), o.randomChunk = chunk < 0, o.delayMs = delayMs, o.shortAck = shortAck;
        o.seed = qHash(QByteArray(name), 7u);
        QTest::newRow(name) << n << o;
    };
    // The radio paces a run: a delayed answer costs its delay on each of the 4n frames, so the
    // delayed runs are smaller (TERMIAL_SOAK_CHANNELS=200 runs them all at 200).
    add("clean line", 1000, 0, 0, 0, 0, 0, 0);
    add("drop 0.1", runSize(200), 0.1, 0, 0, 0, 0, 0);
    add("drop 0.5", runSize(25), 0.5, 0, 0, 0, 0, 0);
    add("corrupt 0.05", runSize(200), 0, 0.05, 0, 0, 0, 0);
    add("random chunks", runSize(200), 0, 0, 0, 0, -1, 0);
    add("garbage 0.1, stray 0xA5", runSize(200), 0, 0, 0.1, 0.1, 0, 0);
    add("1-byte chunks, garbage, stray 0xA5", runSize(50), 0, 0, 0.3, 0.5, 1, 0);
    add("delay 150", runSize(100), 0, 0, 0, 0, 0, 150);
    add("delay 250", runSize(60), 0, 0, 0, 0, 0, 250);
    // Short acknowledgements name no channel: only answers inside the time-out can be matched.
    add("short acknowledgements", runSize(200), 0.05, 0.05, 0.1, 0.1, -1, 0, true);
    add("all echo faults", runSize(60), 0.1, 0.05, 0.1, 0.1, -1, 250);
}

void TestSoak::soak()
{
    QFETCH(int, n);
    QFETCH(RadioSimOptions, options);
    EngineRig rig(options);
    QVERIFY(rig.open());
    QList<soak::WireEvent> events;
    for (const bool fromRadio : {false, true})
        QObject::connect(
            &rig.sim, fromRadio ? &RadioSim::frameSent : &RadioSim::frameReceived, &rig.sim,
            [&events, fromRadio](const QByteArray &f) { events << soak::wireEvent(f, fromRadio); });
    rig.makeChannels(n, options.seed ^ 0x5eed);

    // A hang guard, not a speed target: on a lossy line every frame may cost its four sends.
    const int frameLimitMs = options.delayMs + (options.drop > 0 || options.corrupt > 0 ? 850 : 10);
    // Noise, stray bytes and pieces cost nothing, and answers inside the time-out are all taken.
    const bool lossless = options.drop == 0 && options.corrupt == 0 && options.delayMs < 200;
    QSet<int> writeFailed, readFailed;
    // One transfer: completed, only channels given up failed, answers and skips add up, frames paced.
    const auto run = [&](bool write, bool numbered, QSet<int> *failed) {
        events.clear();
        QVERIFY(rig.transfer(write, {}, false, 30000 + 2 * n * frameLimitMs));
        TransferEngine::Report expected;
        expected.direction = write ? TransferEngine::Direction::Write : TransferEngine::Direction::Read;
        for (const quint16 number : rig.heard.last.failed.keys())
            failed->insert(number), expected.failed.insert(number, {});
        for (int r = 0; r < n; ++r)
            expected.channels << quint16(r),
                (failed->contains(r) ? expected.notTransferred : expected.through) << quint16(r);
        QCOMPARE(rig.heard.reports, QStringList{describe(expected)});
        const int skips = int(rig.course().filter(QStringLiteral("跳过此命令")).size());
        QCOMPARE(failed->isEmpty(), skips == 0);
        QVERIFY(!lossless || skips == 0);
        QCOMPARE(rig.heard.answered[0] + rig.heard.answered[1], 2 * n - skips);
        const quint8 first = write ? 0x40 : 0x41;
        const QString pacing = soak::checkPacing(events, first, quint8(first + 3), n, numbered, *failed);
        QVERIFY2(pacing.isEmpty(), qPrintable(pacing));
    };
    run(true, !options.shortAck, &writeFailed);
    if (!QTest::currentTestFailed())
        run(false, true, &readFailed);
    if (QTest::currentTestFailed())
        return;

    // The radio holds what was written (a channel given up may hold what it had), every record read is what
    // the radio holds (a late answer too), and every channel the read got through was read in both halves.
    const QStringList &read = rig.heard.read;
    QCOMPARE(read.filter(QStringLiteral("!")), QStringList());
    for (int r = 0; r < n; ++r) {
        const bool written = stored(rig.sim, r) == stored(rig.channels[r]) + stored(rig.dmrs[r]);
        const bool both = read.contains("a" + QString::number(r)) && read.contains("d" + QString::number(r));
        QVERIFY2((written || writeFailed.contains(r)) && (both || readFailed.contains(r)),
                 qPrintable(QStringLiteral("channel %1").arg(r)));
    }
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"
