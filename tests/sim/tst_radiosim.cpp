// The simulated radio through its pty and as a program: answers, storage, each fault, the memory file.
#include "channelfile.h"
#include "radiosim.h"
#include "tools.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace
{

QByteArray frameOf(QByteArray body)
{
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}

QByteArray request(quint8 command, int number)
{
    return frameOf(QByteArray::fromHex("05") + char(command) + char(number >> 8) + char(number));
}

QByteArray recordFrame(quint8 command, int number, const char *fields)
{
    return frameOf(QByteArray::fromHex("1d") + char(command) + char(number >> 8) + char(number) +
                   QByteArray::fromHex(fields));
}

// The 0xA5 bytes in the bodies must not pass for the start of a header. No channel file keeps the
// DMR record's dmrexist and validat; they are 1 here as in every record sent.
channel sampleAnalog(int number, quint8 command = 0x40)
{
    channel c;
    c.fromFrame(recordFrame(command, number, "06 05 08ac2760 000000a5 0d a5 43414c4c 0000000000000000"));
    return c;
}

DMR sampleDmr(int number, quint8 command = 0x43)
{
    DMR d;
    d.fromFrame(
        recordFrame(command, number, "01 03 04 02 00000a3d 00281db3 01 00 00 05 00 01 00 00 12 00 00 01"));
    return d;
}

// A fresh radio's answer to a read of analog channel `number`.
QByteArray emptyAnswer(int number)
{
    return recordFrame(0x41, number, "000000000000 000000000000 52454e414d45 000000000000");
}

template <typename T> RadioSimOptions with(T RadioSimOptions::*option, T value)
{
    RadioSimOptions options;
    options.*option = value;
    return options;
}

// The test's end of the line, opened like any program would, without touching its settings.
struct Line {
    explicit Line(const QString &path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
    }
    ~Line() { ::close(fd); }

    void write(const QByteArray &bytes)
    {
        QCOMPARE_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
    }
    // Runs the event loop until `count` bytes are back, the line hangs up or `ms` have passed.
    QByteArray ask(const QByteArray &bytes, int count = 34, int ms = 1000)
    {
        write(bytes);
        QByteArray out;
        char buf[512];
        for (QDeadlineTimer deadline(ms); out.size() < count && !deadline.hasExpired();) {
            QTest::qWait(1);
            ssize_t n;
            while ((n = ::read(fd, buf, sizeof buf)) > 0)
                out.append(buf, n), reads.append(int(n));
            if (n == 0 || errno != EAGAIN)
                break;
        }
        return out;
    }

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
    void answersAndStores();
    void faults();
    void programAndMemoryFile();
};

void TestRadioSim::answersAndStores()
{
    RadioSim sim;
    sim.setAnalog(7, sampleAnalog(123)); // stored under 7 whatever number it carries
    sim.setDmr(7, sampleDmr(124));
    QVERIFY(sim.open());
    Line line(sim.slavePath());

    QCOMPARE(line.ask(request(0x41, 7)), sampleAnalog(7, 0x41).toWriteFrame());
    QCOMPARE(line.ask(request(0x44, 7)), sampleDmr(7, 0x44).toWriteFrame());
    // Until someone sets a pty up, it swallows 0x11 and 0x13 and turns 0x0D into 0x0A.
    for (int number : {0x11, 0x13, 0x0D})
        QCOMPARE(line.ask(request(0x41, number)), emptyAnswer(number));

    // Ignored as a radio would: a bad CRC, size 0, an unknown command, a wrong length, channels it
    // lacks, noise. None costs the requests that follow, torn across reads in their header and
    // after it, behind a stray 0xA5 and a frame that claims more bytes than come.
    QByteArray badCrc = sampleAnalog(9).toWriteFrame(), longSize = request(0x41, 1);
    badCrc[33] = char(badCrc.at(33) ^ 0x40);
    longSize[4] = char(0x30);
    const QByteArray first = request(0x41, 2), second = request(0x41, 3);
    QCOMPARE(line.ask(badCrc + QByteArray::fromHex("a5a5a5a5 00") +
                          frameOf(QByteArray::fromHex("05 42 00 01")) +
                          frameOf(QByteArray::fromHex("06 41 00 01 00")) + request(0x41, 1000) +
                          request(0x44, 0xFFFF) + sampleAnalog(1000).toWriteFrame() +
                          QByteArray::fromHex("00 13 ff") + first.left(2),
                      INT_MAX, 150),
             QByteArray());
    QCOMPARE(line.ask(first.mid(2) + QByteArray::fromHex("a5") + longSize + second.left(6)), emptyAnswer(2));
    QCOMPARE(line.ask(second.mid(6)), emptyAnswer(3));

    // Writes are acknowledged with a bare frame when the radio is set to.
    sim.setOptions(with(&RadioSimOptions::shortAck, true));
    QCOMPARE(line.ask(sampleAnalog(6).toWriteFrame(), 8), frameOf(QByteArray::fromHex("03 40")));
    QCOMPARE(line.ask(sampleDmr(6).toWriteFrame(), 8), frameOf(QByteArray::fromHex("03 43")));
}

void TestRadioSim::faults()
{
    RadioSim sim(with(&RadioSimOptions::drop, 1.0));
    QSignalSpy sent(&sim, &RadioSim::frameSent);
    QVERIFY(sim.open());
    Line line(sim.slavePath());
    // Only the answer is lost: the write is stored as it would be on a radio.
    QCOMPARE(line.ask(sampleAnalog(4).toWriteFrame() + request(0x41, 4), INT_MAX, 200), QByteArray());
    QCOMPARE(sim.analog(4).body(), sampleAnalog(4).body());

    // Noise in front never holds 0xA5, so it cannot pose as a header; one byte behind the length is
    // flipped, so the frame fails only its CRC.
    RadioSimOptions noisy = with(&RadioSimOptions::corrupt, 1.0);
    noisy.garbage = 1.0;
    sim.setOptions(noisy);
    const QByteArray clean = sampleAnalog(4, 0x41).toWriteFrame();
    QByteArray firstAnswer;
    for (int i = 0; i < 30; ++i) {
        const QByteArray got = line.ask(request(0x41, 4), 34 + 1);
        if (i == 0)
            firstAnswer = got;
        const qsizetype header = got.indexOf(QByteArray(4, char(0xA5)));
        QVERIFY(header >= 1 && header <= 8 && !got.left(header).contains(char(0xA5)));
        const QByteArray frame = got.mid(header);
        QCOMPARE(sent.last().at(0).toByteArray(), frame);
        QCOMPARE(frame.size(), 34);
        QVERIFY(frame.startsWith(clean.left(5)));
        int differences = 0;
        for (int b = 0; b < 34; ++b)
            differences += frame.at(b) != clean.at(b);
        QCOMPARE(differences, 1);
    }
    // The same options reseed the faults: the same requests get the same bytes, so a run can be repeated.
    sim.setOptions(noisy);
    QCOMPARE(line.ask(request(0x41, 4), 34 + 1), firstAnswer);

    // Pieces of the chunk size, or of 1 to 16 bytes; a read may take two at once.
    for (int chunk : {5, 0}) {
        RadioSimOptions options = with(&RadioSimOptions::chunk, chunk);
        options.randomChunk = chunk == 0;
        sim.setOptions(options);
        line.reads.clear();
        QCOMPARE(line.ask(request(0x41, 3)), emptyAnswer(3));
        QVERIFY2(line.reads.size() >= 2, qPrintable(QString::number(line.reads.size())));
        for (qsizetype i = 0; i < line.reads.size(); ++i)
            QVERIFY(line.reads[i] <= (chunk ? chunk : 16) * 2 &&
                    (!chunk || i + 1 == line.reads.size() || line.reads[i] % chunk == 0));
    }

    // Like a pulled cable: both answers reach the other side before the line goes down.
    RadioSimOptions dying = with(&RadioSimOptions::dieAfter, 2);
    dying.delayMs = 20;
    sim.setOptions(dying);
    QSignalSpy hungUp(&sim, &RadioSim::hungUp);
    QCOMPARE(line.ask(request(0x41, 1) + request(0x41, 2) + request(0x41, 3), 3 * 34, 1500),
             emptyAnswer(1) + emptyAnswer(2));
    QVERIFY(hungUp.wait(2000) || hungUp.size() == 1);
    QVERIFY(line.hungUp());

    // Closing the master would throw away unread bytes, so the line stays up until a slow reader
    // has taken the last answer.
    sim.setOptions(with(&RadioSimOptions::dieAfter, 1));
    QVERIFY(sim.open());
    Line slow(sim.slavePath());
    slow.write(request(0x41, 1));
    QTest::qWait(300);
    QVERIFY(!slow.hungUp());
    QCOMPARE(slow.ask({}, 34, 100), emptyAnswer(1));
    QVERIFY(QTest::qWaitFor([&] { return slow.hungUp(); }, 2000));
}

void TestRadioSim::programAndMemoryFile()
{
    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("memory.json"));
    const QString link = dir.filePath(QStringLiteral("radio"));
    RadioSim before;
    before.setAnalog(0, sampleAnalog(0));
    before.setAnalog(999, sampleAnalog(999));
    before.setDmr(999, sampleDmr(999));
    before.setDmr(500, sampleDmr(500)); // a channel with only DMR settings
    QVERIFY(before.saveMemory(memory));

    QProcess sim;
    sim.start(QStringLiteral(RADIO_SIM),
              {QStringLiteral("--memory"), memory, QStringLiteral("--link"), link, QStringLiteral("-v")});
    QVERIFY(QTest::qWaitFor([&] { return sim.canReadLine(); }, 5000));
    QCOMPARE(QFileInfo(link).symLinkTarget(), QString::fromLocal8Bit(sim.readLine()).trimmed());
    Line line(link);
    QCOMPARE(line.ask(request(0x44, 500), 34, 2000), sampleDmr(500, 0x44).toWriteFrame());
    QCOMPARE(line.ask(sampleAnalog(42).toWriteFrame()), sampleAnalog(42).toWriteFrame());
    sim.terminate(); // as a stop by the demo script: the memory is saved and the link removed
    QVERIFY(sim.waitForFinished(5000));
    QVERIFY(sim.exitStatus() == QProcess::NormalExit && sim.exitCode() == 0);
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(sim.readAllStandardError().contains("radio-sim: rx a5 a5 a5 a5 1d 40 00 2a"));

    RadioSim after;
    QVERIFY(after.loadMemory(memory));
    before.setAnalog(42, sampleAnalog(42));
    for (int n = 0; n < RadioSim::kChannelCount; ++n) {
        QCOMPARE(after.analog(n).body().mid(2), before.analog(n).body().mid(2));
        QCOMPARE(after.dmr(n).body().mid(2), before.dmr(n).body().mid(2));
    }

    // A load replaces the memory and skips entries beyond it; a missing or broken file changes
    // nothing, and the program refuses to start on one rather than overwrite it.
    QVERIFY(writeChannelFile(memory, channelFileText({sampleAnalog(1000), sampleAnalog(3)}, {DMR(), DMR()})));
    QVERIFY(after.loadMemory(memory));
    QCOMPARE(after.analog(3).body().mid(2), sampleAnalog(3).body().mid(2));
    QVERIFY(after.isEmptyChannel(42));
    QVERIFY(writeChannelFile(memory, "[ broken"));
    QVERIFY(!after.loadMemory(memory));
    QVERIFY(!after.loadMemory(dir.filePath(QStringLiteral("missing.json"))));
    QVERIFY(!after.isEmptyChannel(3));
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--memory"), memory}), 1);
    QCOMPARE(QProcess::execute(QStringLiteral(RADIO_SIM), {QStringLiteral("--drop"), QStringLiteral("2")}),
             2);

    // The shipped sample is a valid memory of a few dozen channels.
    QVERIFY(after.loadMemory(QStringLiteral(SAMPLE_MEMORY)));
    int used = 0;
    for (int n = 0; n < RadioSim::kChannelCount; ++n)
        used += !after.isEmptyChannel(n);
    QVERIFY(used >= 24);
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "tst_radiosim.moc"
