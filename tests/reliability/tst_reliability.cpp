// Reliability: a whole radio memory read and written back, a line lost mid-transfer, saves that cannot
// be committed and hostile channel files.
#include "channelfile.h"
#include "table/tablecolumns.h"
#include "testfiles.h"
#include "transferrig.h"
#include "ui_termial.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// A channel as a radio may hold it: any byte in every field, codes half the time inside their lists,
// IDs of 24 bits as often as larger ones, and name bytes of pure noise, of text with zero bytes inside
// (possibly cut in the middle of a character), or of 12 bytes of text with no room for a terminator.
void randomRadioChannel(QRandomGenerator &rng, int number, channel &c, DMR &d)
{
    QByteArray analog = channel().toWriteFrame(), dmr = DMR().toWriteFrame();
    for (QByteArray *frame : {&analog, &dmr})
        for (qsizetype i = 8; i < frame->size() - 2; ++i)
            (*frame)[i] = char(rng.bounded(256));
    c.fromFrame(analog);
    d.fromFrame(dmr);
    c.setChannelHigh(quint8(number >> 8)), c.setChannelLow(quint8(number));
    d.setChannelHigh(quint8(number >> 8)), d.setChannelLow(quint8(number));
    const auto mixed = [&rng](quint8 code, int listSize) {
        return rng.bounded(2) ? quint8(code % listSize) : code;
    };
    c.setVfoaMode(mixed(c.vfoaMode(), 10)), c.setVfobMode(mixed(c.vfobMode(), 10));
    c.setEmitYayin(mixed(c.emitYayin(), 56)), c.setReceiveYayin(mixed(c.receiveYayin(), 56));
    d.setCallFormat(mixed(d.callFormat(), 3)), d.setChType(mixed(d.chType(), 2));
    d.setRxCtcss(mixed(d.rxCtcss(), 52)), d.setTxCtcss(mixed(d.txCtcss(), 52));
    if (rng.bounded(2))
        d.setCallId1(0);
    if (rng.bounded(2))
        d.setOwnId1(0);

    const QStringList &chars = records::nameCharacters();
    QByteArray name;
    const int kind = int(rng.bounded(3));
    while (name.size() < 12) {
        if (kind == 0)
            name.append(char(rng.bounded(256)));
        else if (kind == 1 && rng.bounded(4) == 0)
            name.append('\0');
        else
            name.append(chars.at(int(rng.bounded(qsizetype(chars.size())))).toUtf8());
    }
    c.setChannelName(name.left(12));
}

// The name rule of the table: zero bytes are dropped, the rest is decoded as UTF-8 (an invalid
// sequence becomes U+FFFD), and the text goes back as the whole characters that fit in 11 bytes,
// zero-filled to 12.
QByteArray nameAfterTable(QByteArray bytes)
{
    bytes.replace(QByteArrayView("\0", 1), QByteArrayView());
    QByteArray out;
    for (const char32_t ch : QString::fromUtf8(bytes).toUcs4()) {
        const QByteArray encoded = QString::fromUcs4(&ch, 1).toUtf8();
        if (out.size() + encoded.size() > 11)
            break;
        out += encoded;
    }
    return out + QByteArray(12 - out.size(), '\0');
}

// Every documented change a channel undergoes on its way through the table, and nothing else: the name
// rule; IDs of 16777215 and more become 0; the two flag bytes go out as 1 in every record sent. Codes
// without a list entry travel as "?<code>" and come back unchanged.
void applyTableRules(channel &c, DMR &d)
{
    c.setChannelName(nameAfterTable(c.channelName()));
    d.setCallId(d.callId() >= 0xFFFFFF ? 0 : d.callId());
    d.setOwnId(d.ownId() >= 0xFFFFFF ? 0 : d.ownId());
    d.setDmrexist(1);
    d.setValidat(1);
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT
private slots:
    void radioRoundTrip();
    void lineLoss_data();
    void lineLoss();
    void saveThatCannotBeCommitted();
    void hostileFiles();
};

void TestReliability::radioRoundTrip()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    QRandomGenerator rng(20240611);
    const int n = RadioSim::kChannelCount;
    QList<channel> memory(n), expected(n);
    QList<DMR> memoryDmr(n), expectedDmr(n);
    for (int r = 0; r < n; ++r) {
        randomRadioChannel(rng, r, memory[r], memoryDmr[r]);
        rig.sim.setAnalog(r, memory[r]);
        rig.sim.setDmr(r, memoryDmr[r]);
        expected[r] = memory[r];
        expectedDmr[r] = memoryDmr[r];
        applyTableRules(expected[r], expectedDmr[r]);
    }
    // Every byte as the rules say, or which fields are not.
    const auto check = [&](int r, const channel &c, const DMR &d) {
        return stored(c) + stored(d) == stored(expected[r]) + stored(expectedDmr[r])
                   ? QString()
                   : QStringLiteral("channel %1: %2")
                         .arg(r)
                         .arg(records::differences(expected[r], expectedDmr[r], c, d));
    };
    rig.w.setAllCheckState(true);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(120000));
    for (int r = 0; r < n; ++r) {
        const QString why = check(r, rig.w.rowToChannel(r), rig.w.rowToDmr(r));
        QVERIFY2(why.isEmpty(), qPrintable("table, " + why));
    }

    // Written back unchanged into an emptied radio, so a channel that was not written shows.
    rig.sim.clearMemory();
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitIdle(120000));
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join('\n')));
    int transformed = 0, keptIds = 0;
    for (int r = 0; r < n; ++r) {
        const QString why = check(r, rig.sim.analog(r), rig.sim.dmr(r));
        QVERIFY2(why.isEmpty(), qPrintable("radio, " + why));
        transformed +=
            stored(memory[r]) + stored(memoryDmr[r]) != stored(expected[r]) + stored(expectedDmr[r]);
        keptIds += memoryDmr[r].callId() == rig.sim.dmr(r).callId() && memoryDmr[r].callId() != 0;
    }
    // The memory was random enough to exercise the rules, and not so wild that all of it changed
    // in the same way.
    QVERIFY(transformed > 900);
    QVERIFY(keptIds > 300);
}

void TestReliability::lineLoss_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("dieAfter");
    // Eight channels: a write dies among its analog frames, a read among its DMR frames.
    QTest::newRow("write") << true << 5;
    QTest::newRow("read") << false << 11;
}

void TestReliability::lineLoss()
{
    QFETCH(bool, write);
    QFETCH(int, dieAfter);
    const int n = 8;
    RadioSimOptions options;
    options.dieAfter = dieAfter;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    const QList<QByteArray> before = rig.fillRows(n, 11);
    // For a read the radio holds other channels than the table, so a read shows where it got to.
    QRandomGenerator rng(12);
    const auto load = [&](RadioSim &sim) {
        for (int r = 0; r < n && !write; ++r) {
            channel c;
            DMR d;
            records::randomValidChannel(rng, r, c, d);
            sim.setAnalog(r, c);
            sim.setDmr(r, d);
        }
    };
    load(rig.sim);

    QPushButton *button = write ? rig.w.form()->send_btn : rig.w.form()->read_btn;
    button->click();
    QVERIFY(waitUntil([&] { return !rig.boxes.isEmpty(); }, 5000));
    // One box says why, and names what did not get through: a write reached no DMR half, a read
    // got three channels whole.
    const QString notTransferred = write ? QStringLiteral("0-7") : QStringLiteral("3-7");
    const QString lost = warningBox(windowText("与串口的连接已断开：%1").arg(QString()));
    QCOMPARE(rig.boxes.size(), 1);
    QVERIFY2(rig.boxes.first().startsWith(lost) &&
                 rig.boxes.first().endsWith('\n' + windowText("未传输的信道：%1").arg(notTransferred)),
             qPrintable(rig.boxes.first()));

    // The link is down and the transfer over; nothing keeps running against the dead port.
    const qsizetype linesAtLoss = rig.log.lines.size();
    runEventLoop(1000);
    QCOMPARE(rig.boxes.size(), 1);
    QCOMPARE(rig.log.lines.size(), linesAtLoss);
    QVERIFY(rig.log.messages().filter(QStringLiteral("超时重发")).isEmpty());
    QVERIFY(!rig.w.serialport().isOpen());
    QCOMPARE(rig.w.form()->send_btn->text(), windowText("发送"));
    QCOMPARE(rig.w.form()->read_btn->text(), windowText("读取"));
    QVERIFY(rig.w.form()->load_progressBar->value() < rig.w.form()->load_progressBar->minimum());
    QCOMPARE(rig.status.last(),
             windowText(write ? "写入已停止：%1" : "读取已停止：%1").arg(windowText("与串口的连接已断开")));
    QCOMPARE(markOf(rig.w, 7), windowText("未传输"));
    for (int r = 0; r < n; ++r) {
        // A read took all analog halves, and the DMR halves up to where the line died.
        const QByteArray analog = stored(rig.sim.analog(r));
        QCOMPARE(stored(rig.w, r), write              ? before[r]
                                   : r < dieAfter - n ? stored(rig.sim, r)
                                                      : analog + before[r].mid(analog.size()));
    }
    // Nothing of the lost line is held, neither a descriptor nor a lock file: the path opens again.
    const QString lostPath = rig.sim.slavePath();
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        QVERIFY(fd.symLinkTarget() != lostPath);
    // Another test running beside this one may hold the reused pseudo-terminal number: only our own
    // process's lock counts (a lock file holds its owner's process id).
    QFile lock(QStringLiteral("/var/lock/LCK..") + lostPath.mid(5).replace('/', '_'));
    QVERIFY(!lock.open(QIODevice::ReadOnly) ||
            lock.readLine().trimmed().toLongLong() != QCoreApplication::applicationPid());

    // A fresh radio: the first click transfers.
    RadioSim fresh;
    QVERIFY(fresh.open());
    rig.w.addPortPath(fresh.slavePath());
    // The system may hand out the lost line's name again.
    const int index = rig.w.form()->serialport_comboBox->findText(fresh.slavePath());
    QVERIFY(index >= 0);
    rig.w.form()->serialport_comboBox->setCurrentIndex(index);
    QVERIFY(rig.connectLink());
    QVERIFY(rig.w.serialport().isOpen());
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());
    load(fresh);
    button->click();
    QVERIFY(rig.waitIdle(10000));
    QCOMPARE(rig.boxes.size(), 1);
    QCOMPARE(fresh.received().size(), qsizetype(2 * n));
    QCOMPARE(rig.w.form()->load_progressBar->value(), 2 * n);
    QCOMPARE(markOf(rig.w, 7), QString());
    for (int r = 0; r < n; ++r)
        QCOMPARE(stored(rig.w, r), stored(fresh, r));
}

void TestReliability::saveThatCannotBeCommitted()
{
    // An append-only file may be opened for writing but never replaced, so the save fails only when
    // the finished file is put in its place.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/channels.json");
    const QByteArray old = "{\n    \"7\": {\n        \"channelName\": \"old\"\n    }\n}\n";
    QVERIFY(writeAll(path, old));
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+a"), path}) != 0)
        QSKIP("this file system or user cannot set file attributes");
    // Taken off again however the test ends, so the temporary folder can be removed.
    const auto guard = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-a"), path});
    });

    Rig rig;
    rig.w.setNumCheckedState(20);
    seams::setSaveFileName(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    rig.w.saveBtn_clicked();
    seams::setSaveFileName({});
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("channels.json")});
    QCOMPARE(rig.log.messages().last(), QStringLiteral("保存失败"));
    const QString notSaved = warningBox(windowText("文件没有保存：%1").arg(QString()));
    QCOMPARE(rig.boxes.size(), 1);
    QVERIFY2(rig.boxes.first().startsWith(notSaved) && rig.boxes.first().size() > notSaved.size(),
             qPrintable(rig.boxes.first()));
}

void TestReliability::hostileFiles()
{
    QTemporaryDir dir;
    Rig rig;
    // Shown, so that every row the load touches on screen is painted as the operator would see it.
    showWindow(rig.w);
    const QList<QByteArray> before = rig.fillRows(5, 31);
    const auto open = [&](const QByteArray &text) {
        const QString path = dir.filePath(QStringLiteral("hostile.json"));
        QVERIFY(writeAll(path, text));
        seams::setOpenFileName(
            [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
        rig.log.clear();
        rig.w.openBtn_clicked();
        seams::setOpenFileName({});
    };

    // Nesting deeper than the parser goes is refused, the rows untouched.
    open(QByteArray("{\"a\":").repeated(100000));
    QCOMPARE(rig.log.messages().filter(QStringLiteral("json转化失败")).size(), 1);
    for (int r = 0; r < 5; ++r)
        QCOMPARE(stored(rig.w, r), before[r]);

    // Channel numbers 0..1199 over and over under keys 0..99999: only the first thousand keys are their
    // entry's number and a row.
    QByteArray many = "{";
    for (int i = 0; i < 100000; ++i)
        many +=
            QStringLiteral("%1\"%2\": {\"channelHigh\": %3, \"channelLow\": %4, \"channelName\": \"E%5\"}")
                .arg(i ? QStringLiteral(",\n") : QString())
                .arg(i)
                .arg(i % 1200 >> 8)
                .arg(i % 1200 & 0xFF)
                .arg(i % 1200)
                .toUtf8();
    open(many + "}");
    QVERIFY(rig.log.messages().filter(QStringLiteral("json")).isEmpty());
    QCOMPARE(rig.w.form()->load_progressBar->maximum(), 2000);
    QCOMPARE(rig.w.form()->load_progressBar->value(), 2000);
    for (const int row : {0, 3, 199, 200, 999})
        QCOMPARE(rig.w.tableModel()->index(row, ColName).data().toString(), QStringLiteral("E%1").arg(row));
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
