// The simulated radio through its pty: answers, storage, resynchronisation, each fault, the memory file
// and the radio-sim program.
#include "channelfile.h"
#include "radiosim.h"
#include "simframecutter.h"
#include "tools.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <type_traits>
#include <unistd.h>

namespace
{

QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray frameOf(QByteArray body)
{
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}

QByteArray request(quint8 command, int number)
{
    const char body[] = {char(5), char(command), char(number >> 8), char(number)};
    return frameOf(QByteArray(body, sizeof body));
}

channel sampleAnalog(int number)
{
    channel c;
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setVfoaMode(6);
    c.setVfobMode(5);
    c.setVfoaFrequency1(0x08); // 145,500,000 Hz
    c.setVfoaFrequency2(0xAC);
    c.setVfoaFrequency3(0x27);
    c.setVfoaFrequency4(0x60);
    c.setVfobFrequency4(0xA5);
    c.setEmitYayin(13);
    c.setReceiveYayin(0xA5);
    c.setChannelName(QByteArray("CALL\0\0\0\0\0\0\0\0", 12));
    return c;
}

DMR sampleDmr(int number)
{
    DMR d;
    d.setChannelHigh(quint8(number >> 8));
    d.setChannelLow(quint8(number));
    d.setCallFormat(1);
    d.setTxCc(3);
    d.setRxCc(4);
    d.setSlot(2);
    d.setCallId(2621);
    d.setOwnId(2629043);
    d.setChType(1);
    d.setSqlevel(5);
    d.setScrSeed1(0x12);
    return d;
}

// 0x40 for an analog record, 0x43 for a DMR one.
template <typename Record> QByteArray writeFrame(Record r)
{
    r.setSize(0x1D);
    r.setCommand(std::is_same_v<Record, DMR> ? 0x43 : 0x40);
    return r.toWriteFrame();
}

// The radio's answer to a read (0x41) of an analog record: the record with the read's command byte.
QByteArray readAnswer(const channel &c)
{
    QByteArray body = writeFrame(c).mid(4, 28);
    body[1] = char(0x41);
    return frameOf(body);
}

// The test's end of the line, opened like any program would, without touching its settings.
class Line
{
public:
    explicit Line(const QString &path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~Line()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;

    void write(const QByteArray &bytes)
    {
        QCOMPARE_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    }

    // Runs the event loop until `count` bytes have arrived, the line hangs up or `ms` have passed.
    QByteArray read(int count, int ms = 1000)
    {
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (out.size() < count && timer.elapsed() < ms) {
            QCoreApplication::processEvents();
            char buf[512];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) {
                out.append(buf, n);
                reads.append(int(n));
            } else if (n == 0 || errno != EAGAIN) {
                break;
            } else {
                QTest::qWait(1);
            }
        }
        return out;
    }
    // Whatever arrives within `ms`.
    QByteArray drain(int ms) { return read(INT_MAX, ms); }

    bool hungUp() const
    {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 0) > 0 && (p.revents & POLLHUP);
    }

    int fd;
    QList<int> reads; // the size of every read that returned bytes
};

} // namespace

class TestRadioSim : public QObject
{
    Q_OBJECT
private slots:
    void cutter_data();
    void cutter();
    void answersAndStores();
    void ignoresWhatARadioWouldIgnore();
    void faults();
    void pacing();
    void dieAfterHangsUp();
    void sameSeedSameLine();
    void memoryFileRoundTrip();
    void program();
};

void TestRadioSim::cutter_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QByteArray>("pending");
    using Bytes = QList<QByteArray>;

    const QByteArray r1 = request(0x41, 1);
    const QByteArray r2 = request(0x44, 2);
    QByteArray bad = r1;
    bad[9] = char(bad.at(9) ^ 1);
    QByteArray longSize = r1;
    longSize[4] = char(0x30); // claims a longer frame than there is

    QTest::newRow("one frame") << Bytes{r1} << Bytes{r1} << QByteArray();
    QTest::newRow("noise first") << Bytes{hexBytes("00 13 ff") + r1} << Bytes{r1} << QByteArray();
    QTest::newRow("in pieces") << Bytes{r1.left(3), r1.mid(3, 4), r1.mid(7)} << Bytes{r1} << QByteArray();
    QTest::newRow("two in one") << Bytes{r1 + r2} << Bytes{r1, r2} << QByteArray();
    QTest::newRow("stray a5") << Bytes{hexBytes("a5") + r1} << Bytes{r1} << QByteArray();
    QTest::newRow("bad crc then good") << Bytes{bad + r2} << Bytes{r2} << QByteArray();
    QTest::newRow("long size then good") << Bytes{longSize, r2} << Bytes{r2} << QByteArray();
    QTest::newRow("size 0") << Bytes{hexBytes("a5 a5 a5 a5 00") + r1} << Bytes{r1} << QByteArray();
    QTest::newRow("partial header kept") << Bytes{hexBytes("01 02 03 a5 a5")} << Bytes{} << hexBytes("a5 a5");
    QTest::newRow("unfinished frame kept") << Bytes{hexBytes("77") + r1.left(6)} << Bytes{} << r1.left(6);
}

void TestRadioSim::cutter()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QByteArray, pending);

    SimFrameCutter cutter;
    QList<QByteArray> got;
    for (const QByteArray &piece : pieces) {
        cutter.append(piece);
        for (QByteArray f = cutter.next(); !f.isEmpty(); f = cutter.next()) {
            QVERIFY(SimFrameCutter::isValidFrame(f));
            got << f;
        }
    }
    QCOMPARE(got, frames);
    QCOMPARE(cutter.pending(), pending);
}

void TestRadioSim::answersAndStores()
{
    RadioSim sim;
    QSignalSpy received(&sim, &RadioSim::frameReceived);
    QSignalSpy sent(&sim, &RadioSim::frameSent);
    sim.setAnalog(7, sampleAnalog(123)); // stored under 7 whatever number it carries
    sim.setDmr(7, sampleDmr(7));
    channel longName = sampleAnalog(8);
    longName.setChannelName("FOURTEEN BYTES");
    sim.setAnalog(8, longName);
    QVERIFY(sim.open());
    Line line(sim.slavePath());
    QVERIFY(line.fd >= 0);

    line.write(request(0x41, 7));
    QCOMPARE(line.read(34), readAnswer(sampleAnalog(7)));
    line.write(request(0x44, 7));
    const QByteArray dmrAnswer = line.read(34);
    QVERIFY(SimFrameCutter::isValidFrame(dmrAnswer));
    DMR d;
    d.fromFrame(dmrAnswer);
    QCOMPARE(d.command(), quint8(0x44));
    QCOMPARE(d.size(), quint8(0x1D));
    QCOMPARE(d.body().mid(2), sampleDmr(7).body().mid(2));

    // Names are cut or zero-filled to 12 bytes, so every answer is 34 bytes.
    line.write(request(0x41, 8));
    channel c;
    c.fromFrame(line.read(34));
    QCOMPARE(c.channelName(), QByteArray("FOURTEEN BYT"));

    // An empty channel is a default record with its number; 0x11, 0x13 and 0x0D cross the line
    // untouched, so the pty is raw before anyone set it up.
    for (int number : {0x11, 0x13, 0x0D}) {
        line.write(request(0x41, number));
        const QByteArray answer = line.read(34);
        QVERIFY2(SimFrameCutter::isValidFrame(answer), qPrintable(answer.toHex(' ')));
        c.fromFrame(answer);
        QCOMPARE(int(c.channelNumber()), number);
        QCOMPARE(c.channelName(), QByteArray("RENAME\0\0\0\0\0\0", 12));
        QCOMPARE(c.vfoaFrequency(), 0u);
    }
    QCOMPARE(sim.answersSent(), 6);
    line.write(request(0x41, 1000));
    line.write(request(0x44, 0xFFFF));
    QCOMPARE(line.drain(150), QByteArray());
    QCOMPARE(sim.received().size(), 8);
    sim.clearReceived();
    QVERIFY(sim.received().isEmpty());

    // Writes are stored and echoed, and read back with the read's command byte.
    const QByteArray analogWrite = writeFrame(sampleAnalog(5));
    const QByteArray dmrWrite = writeFrame(sampleDmr(5));
    line.write(analogWrite);
    QCOMPARE(line.read(34), analogWrite);
    line.write(dmrWrite);
    QCOMPARE(line.read(34), dmrWrite);
    QCOMPARE(sim.analog(5).body().mid(2), sampleAnalog(5).body().mid(2));
    QCOMPARE(sim.dmr(5).body().mid(2), sampleDmr(5).body().mid(2));
    QCOMPARE(sim.received(), (QList<QByteArray>{analogWrite, dmrWrite}));
    QCOMPARE(received.size(), 10);
    QCOMPARE(sent.size(), 8);
    QCOMPARE(sent.last().at(0).toByteArray(), dmrWrite);
    line.write(request(0x41, 5));
    QCOMPARE(line.read(34), readAnswer(sampleAnalog(5)));

    RadioSimOptions options;
    options.shortAck = true;
    sim.setOptions(options);
    line.write(writeFrame(sampleAnalog(6)));
    QCOMPARE(line.read(8), frameOf(hexBytes("03 40")));
    line.write(writeFrame(sampleDmr(6)));
    QCOMPARE(line.read(8).toHex(' '), frameOf(hexBytes("03 43")).toHex(' '));
    QCOMPARE(sim.dmr(6).callId(), 2621u);
}

void TestRadioSim::ignoresWhatARadioWouldIgnore()
{
    RadioSim sim;
    QVERIFY(sim.open());
    Line line(sim.slavePath());

    QByteArray badCrc = writeFrame(sampleAnalog(9));
    badCrc[33] = char(badCrc.at(33) ^ 0x40);
    line.write(badCrc);
    line.write(frameOf(hexBytes("05 42 00 01")));    // unknown command
    line.write(frameOf(hexBytes("06 41 00 01 00"))); // a read with the wrong length
    line.write(writeFrame(sampleAnalog(1000)));      // no such channel
    QCOMPARE(line.drain(150), QByteArray());
    QVERIFY(sim.isEmptyChannel(9));
    QCOMPARE(sim.received().size(), 3);

    // Noise, a stray 0xA5 and a torn frame in front do not cost the request that follows.
    line.write(hexBytes("00 a5 13 a5 a5 a5 a5 1d 40 00") + hexBytes("a5") + request(0x41, 2));
    const QByteArray answer = line.read(34);
    QVERIFY(SimFrameCutter::isValidFrame(answer));
    QCOMPARE(quint8(answer.at(7)), quint8(2));
}

void TestRadioSim::faults()
{
    RadioSimOptions options;
    options.drop = 1;
    RadioSim sim(options);
    QVERIFY(sim.open());
    Line line(sim.slavePath());

    // The write lands in memory even though its acknowledgement is lost on the way back.
    line.write(writeFrame(sampleAnalog(4)));
    line.write(request(0x44, 4));
    QCOMPARE(line.drain(200), QByteArray());
    QVERIFY(!sim.isEmptyChannel(4));
    QCOMPARE(sim.answersSent(), 0);

    options = {};
    options.corrupt = 1;
    sim.setOptions(options);
    const QByteArray clean = readAnswer(sampleAnalog(4));
    for (int i = 0; i < 20; ++i) {
        line.write(request(0x41, 4));
        const QByteArray answer = line.read(34);
        QCOMPARE(answer.size(), 34);
        QVERIFY(answer.startsWith(hexBytes("a5 a5 a5 a5 1d")));
        int differences = 0;
        for (int b = 0; b < 34; ++b)
            differences += answer.at(b) != clean.at(b);
        QCOMPARE(differences, 1);
    }

    options = {};
    options.garbage = 1;
    sim.setOptions(options);
    line.write(request(0x41, 3));
    const QByteArray answer = line.read(34 + 8, 300);
    const qsizetype header = answer.indexOf(hexBytes("a5 a5 a5 a5"));
    QVERIFY(header >= 1 && header <= 8);
    QVERIFY(!answer.left(header).contains(char(0xA5)));
    QVERIFY(SimFrameCutter::isValidFrame(answer.mid(header)));
}

void TestRadioSim::pacing()
{
    RadioSim sim;
    QVERIFY(sim.open());
    Line line(sim.slavePath());
    RadioSimOptions options;
    for (int chunk : {5, 0}) {
        options.chunk = chunk;
        options.randomChunk = chunk == 0;
        sim.setOptions(options);
        line.reads.clear();
        line.write(request(0x41, 3));
        QVERIFY(SimFrameCutter::isValidFrame(line.read(34)));
        QVERIFY2(line.reads.size() >= 2, qPrintable(QString::number(line.reads.size())));
        int end = 0;
        for (int n : std::as_const(line.reads)) {
            QVERIFY(n <= (chunk ? chunk : 16) * 2);
            end += n;
            if (chunk && end < 34)
                QCOMPARE(end % chunk, 0);
        }
    }

    // Answers leave no earlier than the delay after their request, and in order; 102 bytes at
    // 9600 bit/s take over 100 ms of wire time.
    for (const bool delay : {true, false}) {
        options = {};
        (delay ? options.delayMs : options.baud) = delay ? 150 : 9600;
        sim.setOptions(options);
        QElapsedTimer timer;
        timer.start();
        for (int number : {10, 11, 12})
            line.write(request(0x41, number));
        const QByteArray answers = line.read(3 * 34, 2000);
        QVERIFY2(timer.elapsed() >= (delay ? 150 : 95), qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(answers.size(), 3 * 34);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(int(quint8(answers.at(i * 34 + 7))), 10 + i);
    }
}

void TestRadioSim::dieAfterHangsUp()
{
    RadioSimOptions options;
    options.dieAfter = 2;
    options.delayMs = 20;
    RadioSim sim(options);
    QSignalSpy hungUp(&sim, &RadioSim::hungUp);
    QVERIFY(sim.open());
    Line line(sim.slavePath());

    for (int number : {1, 2, 3})
        line.write(request(0x41, number));
    // Both answers reach the other side before the line goes down; the third is never sent.
    QCOMPARE(line.read(3 * 34, 1500).size(), 2 * 34);
    QVERIFY(hungUp.wait(2000) || hungUp.size() == 1);
    QVERIFY(!sim.isOpen());
    QVERIFY(line.hungUp());
    QCOMPARE(sim.answersSent(), 2);

    // Closing the master would throw away unread bytes, so the line stays up until a slow reader
    // has taken the last answer.
    options.dieAfter = 1;
    options.delayMs = 0;
    sim.setOptions(options);
    QVERIFY(sim.open());
    {
        Line slow(sim.slavePath());
        slow.write(request(0x41, 1));
        QTest::qWait(300);
        QVERIFY(sim.isOpen());
        QCOMPARE(slow.read(34).size(), 34);
        QVERIFY(QTest::qWaitFor([&] { return slow.hungUp(); }, 2000));
    }

    // A hang-up by hand, and a fresh line afterwards.
    QVERIFY(sim.open());
    Line second(sim.slavePath());
    sim.close();
    QCOMPARE(hungUp.size(), 3);
    QVERIFY(second.hungUp());
}

void TestRadioSim::sameSeedSameLine()
{
    auto run = [](quint32 seed) {
        RadioSimOptions options;
        options.drop = 0.3;
        options.corrupt = 0.3;
        options.garbage = 0.5;
        options.randomChunk = true;
        options.seed = seed;
        RadioSim sim(options);
        if (!sim.open())
            return QByteArray();
        Line line(sim.slavePath());
        QByteArray all;
        for (int i = 0; i < 30; ++i) {
            line.write(request(i % 2 ? 0x41 : 0x44, i));
            all += line.drain(i % 3 ? 25 : 60);
        }
        return all + line.drain(100);
    };
    const QByteArray first = run(7);
    QVERIFY(first.size() > 10 * 34);
    QCOMPARE(run(7), first);
    QVERIFY(run(8) != first);
}

void TestRadioSim::memoryFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("memory.json"));
    RadioSim sim;
    sim.setAnalog(0, sampleAnalog(0));
    sim.setAnalog(999, sampleAnalog(999));
    sim.setDmr(999, sampleDmr(999));
    sim.setDmr(500, sampleDmr(500)); // a channel with only DMR settings
    QString error;
    QVERIFY2(sim.saveMemory(path, &error), qPrintable(error));
    ChannelFileRecords records;
    QVERIFY(readChannelFile(path, &records));
    QCOMPARE(records.channels.size(), 3); // empty channels stay out of the file

    RadioSim loaded;
    loaded.setAnalog(1, sampleAnalog(1)); // replaced by the load
    QVERIFY2(loaded.loadMemory(path, &error), qPrintable(error));
    for (int n = 0; n < RadioSim::kChannelCount; ++n) {
        QCOMPARE(loaded.analog(n).body().mid(2), sim.analog(n).body().mid(2));
        // dmrexist and validat are not in the file; a loaded record has them at 1 like the original.
        QCOMPARE(loaded.dmr(n).body().mid(2), sim.dmr(n).body().mid(2));
    }

    // Entries beyond the memory are skipped; a missing or broken file changes nothing.
    QVERIFY(writeChannelFile(path, channelFileText({sampleAnalog(1000), sampleAnalog(3)}, {DMR(), DMR()})));
    QVERIFY(loaded.loadMemory(path));
    QVERIFY(!loaded.isEmptyChannel(3));
    QVERIFY(loaded.isEmptyChannel(999));
    QVERIFY(writeChannelFile(path, "{ not json"));
    QVERIFY(!loaded.loadMemory(path, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!loaded.loadMemory(dir.filePath(QStringLiteral("missing.json"))));
    QVERIFY(!loaded.isEmptyChannel(3));

    // The shipped sample is a valid memory of a few dozen channels.
    RadioSim sample;
    QVERIFY2(sample.loadMemory(QStringLiteral(SAMPLE_MEMORY), &error), qPrintable(error));
    int used = 0;
    for (int n = 0; n < RadioSim::kChannelCount; ++n)
        used += !sample.isEmptyChannel(n);
    QVERIFY(used >= 24);
    QCOMPARE(sample.dmr(50).chType(), quint8(1));
}

void TestRadioSim::program()
{
    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("memory.json"));
    const QString link = dir.filePath(QStringLiteral("radio"));
    QProcess sim;
    sim.start(QStringLiteral(RADIO_SIM),
              {QStringLiteral("--memory"), memory, QStringLiteral("--link"), link, QStringLiteral("-v")});
    QVERIFY(sim.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    QVERIFY(path.startsWith(QLatin1String("/dev/")));
    QCOMPARE(QFileInfo(link).symLinkTarget(), path);
    {
        Line line(link);
        line.write(writeFrame(sampleAnalog(42)));
        QCOMPARE(line.read(34, 2000), writeFrame(sampleAnalog(42)));
    }
    sim.terminate(); // SIGTERM: the memory is saved and the link removed
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(sim.readAllStandardError().contains("radio-sim: rx a5 a5 a5 a5 1d 40 00 2a"));
    RadioSim check;
    QVERIFY(check.loadMemory(memory));
    QCOMPARE(check.analog(42).vfoaFrequency(), 145500000u);

    // A memory file it cannot read is left alone: the program refuses to start.
    QVERIFY(writeChannelFile(memory, "[ broken"));
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--memory"), memory}), 1);
    QFile f(memory);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("[ broken"));
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--drop"), QStringLiteral("2")}),
             2);
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"
