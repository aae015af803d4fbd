// Reliability: a whole radio memory read and written back, a line lost mid-transfer, saves that cannot
// be committed and hostile channel files.
#include "channelfile.h"
#include "records.h"
#include "table/tablecolumns.h"
#include "testfiles.h"
#include "transferrig.h"
#include "ui_termial.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace
{

QString windowText(const char *text)
{
    return QCoreApplication::translate("termial", text);
}

// A channel as a radio may hold it: any byte in every field, codes half the time inside their lists,
// IDs of 24 bits as often as larger ones, and name bytes of pure noise, of text with zero bytes inside
// (possibly cut in the middle of a character), or of 12 bytes of text with no room for a terminator.
void randomRadioChannel(QRandomGenerator &rng, int number, channel &c, DMR &d)
{
    const auto anyByte = [&rng] { return quint8(rng.bounded(256)); };
    const auto mixedByte = [&](int validBound) {
        return rng.bounded(2) ? quint8(rng.bounded(validBound)) : anyByte();
    };
    QByteArray name;
    const int kind = int(rng.bounded(3));
    while (name.size() < 12) {
        if (kind == 0)
            name.append(char(anyByte()));
        else if (kind == 1 && rng.bounded(4) == 0)
            name.append('\0');
        else
            name.append(records::nameCharacters()
                            .at(int(rng.bounded(qsizetype(records::nameCharacters().size()))))
                            .toUtf8());
    }
    c.setChannelName(name.left(12));
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setVfoaMode(mixedByte(10));
    c.setVfobMode(mixedByte(10));
    const quint32 fa = rng.generate();
    records::setFrequencies(c, fa, rng.generate());
    c.setEmitYayin(mixedByte(56));
    c.setReceiveYayin(mixedByte(56));

    QByteArray frame = DMR().toWriteFrame();
    for (int i = 8; i < 32; ++i)
        frame[i] = char(anyByte());
    d.fromFrame(frame);
    d.setChannelHigh(c.channelHigh());
    d.setChannelLow(c.channelLow());
    d.setCallFormat(mixedByte(3));
    d.setChType(mixedByte(2));
    d.setRxCtcss(mixedByte(52));
    d.setTxCtcss(mixedByte(52));
    if (rng.bounded(2))
        d.setCallId1(0);
    if (rng.bounded(2))
        d.setOwnId1(0);
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

// Every documented change a channel undergoes on its way through the table, and nothing else:
// codes without a list entry come back as "none" (0xFF), or as 0 for the analog tones.
channel analogAfterTable(const channel &in)
{
    channel out = in;
    auto mode = [](quint8 code) { return code >= 10 ? quint8(0xFF) : code; };
    auto tone = [](quint8 code) { return code >= 56 ? quint8(0) : code; };
    out.setVfoaMode(mode(in.vfoaMode()));
    out.setVfobMode(mode(in.vfobMode()));
    out.setEmitYayin(tone(in.emitYayin()));
    out.setReceiveYayin(tone(in.receiveYayin()));
    out.setChannelName(nameAfterTable(in.channelName()));
    return out;
}

// Colour codes, slot, squelch and the bytes without a column are kept; IDs of 16777215 and more
// become 0, and the two flag bytes go out as 1 in every record sent.
DMR dmrAfterTable(const DMR &in)
{
    DMR out = in;
    out.setCallFormat(in.callFormat() >= 3 ? quint8(0xFF) : in.callFormat());
    out.setChType(in.chType() >= 2 ? quint8(0xFF) : in.chType());
    out.setRxCtcss(in.rxCtcss() >= 52 ? quint8(0xFF) : in.rxCtcss());
    out.setTxCtcss(in.txCtcss() >= 52 ? quint8(0xFF) : in.txCtcss());
    out.setCallId(in.callId() >= 0xFFFFFF ? 0 : in.callId());
    out.setOwnId(in.ownId() >= 0xFFFFFF ? 0 : in.ownId());
    out.setDmrexist(1);
    out.setValidat(1);
    return out;
}

bool setFileFlags(const QString &path, int add, int remove)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = (flags | add) & ~remove;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Takes an attribute off again however the test ends, so the temporary folder can be removed.
struct AttributeGuard {
    QString path;
    int flag = 0;
    ~AttributeGuard()
    {
        if (flag)
            setFileFlags(path, 0, flag);
    }
};

void report(const char *what, qint64 ms)
{
    std::printf("TIME   : %s: %lld ms\n", what, ms);
    std::fflush(stdout);
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT
private slots:
    void radioRoundTrip();
    void readAndWriteTogether();
    void lineLoss_data();
    void lineLoss();
    void saveThatCannotBeCommitted_data();
    void saveThatCannotBeCommitted();
    void hostileFiles_data();
    void hostileFiles();
};

void TestReliability::radioRoundTrip()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    QRandomGenerator rng(20240611);
    QList<channel> memory(RadioSim::kChannelCount);
    QList<DMR> memoryDmr(RadioSim::kChannelCount);
    for (int r = 0; r < RadioSim::kChannelCount; ++r) {
        randomRadioChannel(rng, r, memory[r], memoryDmr[r]);
        rig.sim.setAnalog(r, memory[r]);
        rig.sim.setDmr(r, memoryDmr[r]);
    }
    rig.w.setAllCheckState(true);

    QElapsedTimer clock;
    clock.start();
    rig.w.form()->read_btn->click();
    QVERIFY(waitUntil([&] { return rig.w.form()->read_btn->text() == windowText("读取"); }, 120000));
    report("read of 1000 channels", clock.elapsed());
    for (int r = 0; r < RadioSim::kChannelCount; ++r) {
        const QString diff = records::differences(analogAfterTable(memory[r]), dmrAfterTable(memoryDmr[r]),
                                                  rig.w.rowToChannel(r), rig.w.rowToDmr(r));
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("row %1 after the read: %2").arg(r).arg(diff)));
    }

    // Written back unchanged into an emptied radio, so a channel that was not written shows.
    rig.sim.clearMemory();
    clock.restart();
    rig.w.form()->send_btn->click();
    QVERIFY(waitUntil([&] { return rig.w.form()->send_btn->text() == windowText("发送"); }, 120000));
    report("write of 1000 channels", clock.elapsed());
    runEventLoop(20);
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join(QLatin1Char('\n'))));
    int transformed = 0;
    for (int r = 0; r < RadioSim::kChannelCount; ++r) {
        const channel expected = analogAfterTable(memory[r]);
        const DMR expectedDmr = dmrAfterTable(memoryDmr[r]);
        const QString diff = records::differences(expected, expectedDmr, rig.sim.analog(r), rig.sim.dmr(r));
        QVERIFY2(diff.isEmpty(), qPrintable(QStringLiteral("radio channel %1: %2").arg(r).arg(diff)));
        QCOMPARE(stored(rig.sim.analog(r)), stored(expected));
        QCOMPARE(stored(rig.sim.dmr(r)), stored(expectedDmr));
        transformed += stored(memory[r]) + stored(memoryDmr[r]) != stored(expected) + stored(expectedDmr);
    }
    // The memory was random enough to exercise the rules, and not so wild that all of it changed
    // in the same way.
    QVERIFY(transformed > 900);
    int keptIds = 0;
    for (int r = 0; r < RadioSim::kChannelCount; ++r)
        keptIds += memoryDmr[r].callId() == rig.sim.dmr(r).callId() && memoryDmr[r].callId() != 0;
    QVERIFY(keptIds > 300);
}

void TestReliability::readAndWriteTogether()
{
    // A radio answering well inside the time-out; a read and a write under way at once put two
    // answers on the line at nearly the same moment.
    RadioSimOptions options;
    options.delayMs = 120;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    const int n = 10;
    QRandomGenerator rng(41);
    for (int r = 0; r < n; ++r) {
        channel c;
        DMR d;
        records::randomValidChannel(rng, r, c, d);
        rig.w.viewUpdate(r, c);
        rig.w.viewUpdateDmr(r, d);
        rig.sim.setAnalog(r, c);
        rig.sim.setDmr(r, d);
    }
    rig.w.setNumCheckedState(n);
    QList<QByteArray> rows;
    for (int r = 0; r < n; ++r)
        rows << stored(rig.w.rowToChannel(r)) + stored(rig.w.rowToDmr(r));

    rig.w.form()->read_btn->click();
    rig.w.form()->send_btn->click();
    QVERIFY(waitUntil(
        [&] {
            return rig.w.form()->send_btn->text() == windowText("发送") &&
                   rig.w.form()->read_btn->text() == windowText("读取");
        },
        30000));
    runEventLoop(20);
    // Every answer came in time, so no frame is sent twice and none is reported.
    QCOMPARE(rig.log.messages().filter(QStringLiteral("超时重发")), QStringList());
    QCOMPARE(rig.sim.received().size(), qsizetype(4 * n));
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join(QLatin1Char('\n'))));
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w.rowToChannel(r)) + stored(rig.w.rowToDmr(r)), rows[r]);
        QCOMPARE(stored(rig.sim.analog(r)), stored(rig.w.rowToChannel(r)));
        QCOMPARE(stored(rig.sim.dmr(r)), stored(rig.w.rowToDmr(r)));
    }
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
    rig.fillRows(n, 11);
    QList<channel> radio(n);
    QList<DMR> radioDmr(n);
    // For a read the radio holds other channels than the table, so a read shows where it got to.
    QRandomGenerator rng(12);
    for (int r = 0; r < n && !write; ++r) {
        records::randomValidChannel(rng, r, radio[r], radioDmr[r]);
        rig.sim.setAnalog(r, radio[r]);
        rig.sim.setDmr(r, radioDmr[r]);
    }
    QList<QByteArray> before;
    for (int r = 0; r < n; ++r)
        before << stored(rig.w.rowToChannel(r)) + stored(rig.w.rowToDmr(r));

    QElapsedTimer clock;
    clock.start();
    qint64 hungUpAt = -1, boxAt = -1;
    QObject::connect(&rig.sim, &RadioSim::hungUp, &rig.sim, [&] { hungUpAt = clock.elapsed(); });
    seams::setWarning([&](QWidget *, const QString &title, const QString &text) {
        boxAt = clock.elapsed();
        rig.boxes << title + QLatin1Char('|') + text;
    });
    (write ? rig.w.form()->send_btn : rig.w.form()->read_btn)->click();
    QVERIFY(waitUntil([&] { return !rig.boxes.isEmpty(); }, 5000));
    QVERIFY(hungUpAt >= 0);
    QVERIFY2(boxAt - hungUpAt <= 1000, qPrintable(QStringLiteral("%1 ms").arg(boxAt - hungUpAt)));
    report(write ? "line loss during a write: box after" : "line loss during a read: box after",
           boxAt - hungUpAt);
    const QString lost = windowText("与串口的连接已断开：%1");
    QCOMPARE(rig.boxes.size(), 1);
    QVERIFY2(rig.boxes.first().startsWith(warningCaption() + QLatin1Char('|') + lost.arg(QString())),
             qPrintable(rig.boxes.first()));
    QVERIFY(rig.boxes.first().size() > (warningCaption() + QLatin1Char('|') + lost.arg(QString())).size());

    // The link is down; nothing keeps running against the dead port.
    const int linesAtLoss = int(rig.log.lines.size());
    runEventLoop(1000);
    QCOMPARE(rig.boxes.size(), 1);
    QCOMPARE(int(rig.log.lines.size()), linesAtLoss);
    QVERIFY(rig.log.messages().filter(QStringLiteral("超时重发")).isEmpty());
    QVERIFY(!rig.w.serialport().isOpen());
    QCOMPARE(rig.w.form()->serialportLink_pushButton->text(), windowText("连接"));
    QVERIFY(rig.w.form()->serialport_comboBox->isEnabled());

    // A disconnect stops the timers and resets the send button, and leaves the rest as it was:
    // the progress of the answers taken, the read button's text, and the rows that were read.
    QCOMPARE(rig.w.form()->send_btn->text(), windowText("发送"));
    QCOMPARE(rig.w.form()->load_progressBar->maximum(), 2 * n);
    QCOMPARE(rig.w.form()->load_progressBar->value(), dieAfter);
    QCOMPARE(rig.w.form()->read_btn->text(), write ? windowText("读取") : windowText("正在读取.."));
    for (int r = 0; r < n; ++r) {
        if (write) {
            QCOMPARE(stored(rig.w.rowToChannel(r)) + stored(rig.w.rowToDmr(r)), before[r]);
            continue;
        }
        // All analog halves were read; the DMR halves up to where the line died.
        QCOMPARE(stored(rig.w.rowToChannel(r)), stored(radio[r]));
        if (r < dieAfter - n)
            QCOMPARE(stored(rig.w.rowToDmr(r)), stored(radioDmr[r]));
        else
            QCOMPARE(stored(rig.w.rowToDmr(r)), before[r].mid(int(stored(rig.w.rowToChannel(r)).size())));
    }
    if (write) {
        // Acknowledged channels are stored; the frame after them may have reached the radio
        // unanswered, the ones after that never went out.
        for (int r = 0; r < dieAfter; ++r)
            QCOMPARE(stored(rig.sim.analog(r)), stored(rig.w.rowToChannel(r)));
        for (int r = dieAfter + 1; r < n; ++r)
            QVERIFY(rig.sim.isEmptyChannel(r));
    }

    // A fresh radio on another line: the first click only ends the transfer the lost line left
    // open, the second transfers.
    RadioSim fresh;
    QVERIFY(fresh.open());
    rig.w.addPortPath(fresh.slavePath());
    // The system may hand out the lost line's name again.
    const int index = rig.w.form()->serialport_comboBox->findText(fresh.slavePath());
    QVERIFY(index >= 0);
    rig.w.form()->serialport_comboBox->setCurrentIndex(index);
    QVERIFY(rig.connectLink());
    QVERIFY(rig.w.serialport().isOpen());
    QPushButton *button = write ? rig.w.form()->send_btn : rig.w.form()->read_btn;
    const QString idle = write ? windowText("发送") : windowText("读取");
    button->click();
    QCOMPARE(button->text(), idle);
    runEventLoop(300);
    QVERIFY(fresh.received().isEmpty());
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());

    if (!write) {
        for (int r = 0; r < n; ++r) {
            fresh.setAnalog(r, radio[(r + 1) % n]);
            fresh.setDmr(r, radioDmr[(r + 1) % n]);
        }
    }
    button->click();
    QVERIFY(waitUntil([&] { return button->text() == idle; }, 10000));
    runEventLoop(20);
    QCOMPARE(rig.boxes.size(), 1);
    QCOMPARE(fresh.received().size(), qsizetype(2 * n));
    QCOMPARE(rig.w.form()->load_progressBar->value(), 2 * n);
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w.rowToChannel(r)), stored(fresh.analog(r)));
        QCOMPARE(stored(rig.w.rowToDmr(r)), stored(fresh.dmr(r)));
    }
}

void TestReliability::saveThatCannotBeCommitted_data()
{
    QTest::addColumn<bool>("onFolder");
    QTest::addColumn<int>("flag");
    // An append-only file may be opened for writing but never replaced, so the save fails only
    // when the finished file is put in its place.
    QTest::newRow("append-only file") << false << int(FS_APPEND_FL);
    QTest::newRow("immutable file") << false << int(FS_IMMUTABLE_FL);
    QTest::newRow("immutable folder") << true << int(FS_IMMUTABLE_FL);
}

void TestReliability::saveThatCannotBeCommitted()
{
    QFETCH(bool, onFolder);
    QFETCH(int, flag);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/channels.json");
    const QByteArray old = "{\n    \"7\": {\n        \"channelName\": \"old\"\n    }\n}\n";
    QVERIFY(writeAll(path, old));
    const QString locked = onFolder ? folder : path;
    if (!setFileFlags(locked, flag, 0))
        QSKIP("this file system or user cannot set file attributes");
    AttributeGuard guard{locked, flag};

    LogCapture log;
    termial w;
    w.setNumCheckedState(20);
    QStringList boxes;
    seams::setWarning([&](QWidget *, const QString &title, const QString &text) { boxes << title << text; });
    seams::setSaveFileName(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    w.saveBtn_clicked();

    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("channels.json")});
    QCOMPARE(log.messages().last(), QStringLiteral("保存失败"));
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0), warningCaption());
    const QString notSaved = windowText("文件没有保存：%1");
    QVERIFY2(boxes.at(1).startsWith(notSaved.arg(QString())) &&
                 boxes.at(1).size() > notSaved.arg(QString()).size(),
             qPrintable(boxes.at(1)));

    // Once the file may be replaced, the same save goes through.
    setFileFlags(locked, 0, flag);
    boxes.clear();
    w.saveBtn_clicked();
    seams::setWarning({});
    seams::setSaveFileName({});
    QVERIFY(boxes.isEmpty());
    QVERIFY(readAll(path).startsWith("{\n    \"0\": {\n"));
}

void TestReliability::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("entries"); // -1: the file is refused
    QRandomGenerator rng(31);
    QByteArray noise(10 * 1024 * 1024, '\0');
    rng.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("10 MB of noise") << noise << -1;
    QTest::newRow("100000 nested arrays") << QByteArray(100000, '[') << -1;
    QByteArray objects;
    for (int i = 0; i < 100000; ++i)
        objects += "{\"a\":";
    QTest::newRow("100000 nested objects") << objects << -1;
    QTest::newRow("closed nesting") << QByteArray(100000, '[') + QByteArray(100000, ']') << -1;

    // Channel numbers 0..1199 over and over; 1000 and up name no row.
    QByteArray many = "{";
    for (int i = 0; i < 100000; ++i) {
        const int number = i % 1200;
        many +=
            QStringLiteral("%1\"%2\": {\"channelHigh\": %3, \"channelLow\": %4, \"channelName\": \"E%5\", "
                           "\"vfoaFrequency4\": %6, \"callId4\": %6, \"txCc\": 9}")
                .arg(i ? QStringLiteral(",\n") : QString())
                .arg(i)
                .arg(number >> 8)
                .arg(number & 0xFF)
                .arg(number)
                .arg(number % 200)
                .toUtf8();
    }
    many += "}";
    QTest::newRow("100000 entries") << many << 100000;
}

void TestReliability::hostileFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(int, entries);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hostile.json"));
    QVERIFY(writeAll(path, text));

    LogCapture log;
    termial w;
    // Shown, so that every row the load touches on screen is painted as the operator would see it.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    channel marker;
    marker.setChannelLow(3);
    marker.setChannelName("MARK");
    w.viewUpdate(3, marker);
    w.setNumCheckedState(5);
    seams::setOpenFileName(
        [&](QWidget *, const QString &, const QString &, const QString &) { return path; });
    log.clear();
    QElapsedTimer clock;
    clock.start();
    w.openBtn_clicked();
    const qint64 ms = clock.elapsed();
    seams::setOpenFileName({});
    report(QTest::currentDataTag(), ms);

    if (entries > 0) {
        // How much of that is the parse alone.
        clock.restart();
        QCOMPARE(parseChannelFile(text).channels.size(), qsizetype(entries));
        report("parse alone", clock.elapsed());
    }

    const QStandardItemModel *m = w.tableModel();
    if (entries < 0) {
        const QStringList refused = log.messages().filter(QStringLiteral("json转化失败"));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(m->index(3, ColName).data().toString(), QStringLiteral("MARK"));
        return;
    }
    QVERIFY(log.messages().filter(QStringLiteral("json")).isEmpty());
    QCOMPARE(w.form()->load_progressBar->maximum(), 2 * entries);
    QCOMPARE(w.form()->load_progressBar->value(), 2 * entries);
    for (const int row : {0, 3, 199, 200, 999}) {
        QCOMPARE(m->index(row, ColName).data().toString(), QStringLiteral("E%1").arg(row));
        QCOMPARE(w.rowToChannel(row).vfoaFrequency(), quint32(row % 200));
        QCOMPARE(w.rowToDmr(row).callId(), quint32(row % 200));
        QCOMPARE(w.rowToDmr(row).txCc(), quint8(9));
    }
    QCOMPARE(m->index(3, ColCheck).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(m->index(5, ColCheck).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
