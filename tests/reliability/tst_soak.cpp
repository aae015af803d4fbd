// Soak test: random channels written to the simulated radio and read back under each line fault,
// then checked in the radio's memory and in the table.
#include "soakcheck.h"
#include "ui_termial.h"

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
    QTest::addColumn<int>("channels");
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
    QFETCH(int, channels);
    QFETCH(RadioSimOptions, options);
    const int n = channels;
    Rig rig(options);
    QVERIFY(rig.connectLink());

    // The radio's channel as it answers a read: an untouched channel's short default name filled up.
    auto radioAnalog = [&rig](int r) {
        channel c = rig.sim.analog(r);
        c.setChannelName(c.channelName().leftJustified(12, '\0', true));
        return c;
    };

    QList<soak::WireEvent> events;
    QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim,
                     [&events](const QByteArray &f) { events << soak::wireEvent(f, false); });
    QObject::connect(&rig.sim, &RadioSim::frameSent, &rig.sim,
                     [&events](const QByteArray &f) { events << soak::wireEvent(f, true); });

    QRandomGenerator rng(options.seed ^ 0x5eed);
    QList<channel> original(n);
    QList<DMR> originalDmr(n);
    for (int r = 0; r < n; ++r) {
        records::randomValidChannel(rng, r, original[r], originalDmr[r]);
        rig.w.viewUpdate(r, original[r]);
        rig.w.viewUpdateDmr(r, originalDmr[r]);
    }
    rig.w.setNumCheckedState(n);

    // A hang guard, not a speed target: on a lossy line every frame may cost its four sends.
    const int frameLimitMs = options.delayMs + (options.drop > 0 || options.corrupt > 0 ? 850 : 10);
    // Noise, stray bytes and pieces cost nothing, and answers inside the time-out are all taken.
    const bool lossless = options.drop == 0 && options.corrupt == 0 && options.delayMs < 200;
    QSet<int> writeFailed, readFailed;
    // One transfer: takes the failed channels from its report and checks them against the skips, the
    // progress and the pacing of the frames on the line.
    const auto run = [&](QPushButton *button, quint8 first, bool numbered, QSet<int> *failed) {
        events.clear();
        rig.boxes.clear();
        rig.log.clear();
        rig.progress.clear();
        button->click();
        QVERIFY(rig.waitIdle(30000 + 2 * n * frameLimitMs));
        // The failed channels are the rows marked; one box names them all, or none is shown.
        QList<quint16> marked;
        for (int r = 0; r < n; ++r)
            if (!markOf(rig.w, r).isEmpty()) {
                marked << quint16(r);
                failed->insert(r);
            }
        QCOMPARE(rig.boxes, marked.isEmpty() ? QStringList()
                                             : QStringList{failureBox(int(marked.size()),
                                                                      termial::compactChannelList(marked))});
        const QStringList messages = rig.log.messages();
        const int skips =
            int(messages.filter(QStringLiteral("命令已达到最大重试次数(3次)，跳过此命令")).size());
        QCOMPARE(failed->isEmpty(), skips == 0);
        QVERIFY(failed->size() <= skips);
        QVERIFY(!lossless || skips == 0);
        // The bar starts at 0 and counts the answers taken (skips do not count).
        QCOMPARE(rig.progress.first(), 0);
        QVERIFY(std::is_sorted(rig.progress.cbegin(), rig.progress.cend()));
        QCOMPARE(rig.w.form()->load_progressBar->value(), 2 * n - skips);
        const QString pacing = soak::checkPacing(events, first, quint8(first + 3), n, numbered, *failed);
        QVERIFY2(pacing.isEmpty(), qPrintable(pacing));
    };

    run(rig.w.form()->send_btn, 0x40, !options.shortAck, &writeFailed);
    if (QTest::currentTestFailed())
        return;
    // Other channels in the rows, so that a row the read missed shows.
    const QList<QByteArray> cleared = rig.fillRows(n, options.seed ^ 0xc1ea2);
    run(rig.w.form()->read_btn, 0x41, true, &readFailed);
    if (QTest::currentTestFailed())
        return;

    // The radio holds what was written, and the table what the radio holds. A row not read shows in
    // each half what it had, or what a late answer brought.
    for (int r = 0; r < n; ++r) {
        const channel analog = radioAnalog(r);
        const DMR dmr = rig.sim.dmr(r);
        const QString diff = records::differences(original[r], originalDmr[r], analog, dmr);
        QVERIFY2(writeFailed.contains(r) || diff.isEmpty(),
                 qPrintable(QStringLiteral("radio channel %1: %2").arg(r).arg(diff)));
        const QByteArray row = stored(rig.w, r), radio = stored(analog) + stored(dmr);
        const qsizetype k = stored(analog).size();
        const bool kept = (row.left(k) == radio.left(k) || row.left(k) == cleared[r].left(k)) &&
                          (row.mid(k) == radio.mid(k) || row.mid(k) == cleared[r].mid(k));
        const QString rowDiff = records::differences(analog, dmr, rig.w.rowToChannel(r), rig.w.rowToDmr(r));
        QVERIFY2(row == radio || (readFailed.contains(r) && kept),
                 qPrintable(QStringLiteral("row %1: %2").arg(r).arg(rowDiff)));
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
