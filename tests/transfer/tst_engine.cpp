// The transfer engine and its link against the simulated radio on a real pseudo-terminal, without a window.
#include "enginerig.h"
#include "wire.h"

#include <QDir>
#include <QtTest>

namespace
{

using Direction = TransferEngine::Direction;

// The course of one frame that gets no answer: three resends, then the skip.
QStringList givenUp(const QString &command)
{
    const QString resend = command + QStringLiteral(" 超时重发(尝试次数: %1 ):");
    return {resend.arg(1), resend.arg(2), resend.arg(3),
            command + QStringLiteral(" 命令已达到最大重试次数(3次)，跳过此命令")};
}

// A report as the rig describes it, and one of a transfer every channel of which got through.
QString report(const char *how, const char *channels, const char *through = "-", const char *unanswered = "-",
               const char *left = "-")
{
    return QStringLiteral("%1: %2; through %3; unanswered %4; not transferred %5")
        .arg(how, channels, through, unanswered, left);
}
QString completed(const char *what, const char *channels)
{
    return report(qPrintable(QLatin1String(what) + " completed"), channels, channels);
}

// A radio that, the first time it receives `command` for channel `number`, puts `frame` on the line
// instead of its answer.
std::function<bool(const QByteArray &)> interject(RadioSim &sim, quint8 command, int number,
                                                  const QByteArray &frame)
{
    return [&sim, command, number, frame, pending = true](const QByteArray &f) mutable {
        if (!pending || quint8(f.at(5)) != command || channelOf(f) != number)
            return true;
        pending = false;
        sim.setOptions({});
        sim.sendUnasked(frame);
        return false;
    };
}

// A record as a frame of the given command: what the radio would send.
const auto frameOf = [](auto record, quint8 command) {
    record.setSize(wire::kRecordSize), record.setCommand(command);
    return record.toWriteFrame();
};

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private slots:
    void answers();
    void cancelAndClose();
    void verify();
    void lineLoss_data();
    void lineLoss();
};

// Resends, skips and a silent line; which replies count as answers.
void TestEngine::answers()
{
    EngineRig rig;
    QVERIFY(rig.open());
    rig.makeChannels(2, 5);
    // Every frame answered only at its last resend: each goes out four times, 200 ms apart, and gets through.
    QElapsedTimer clock;
    clock.start();
    QHash<QByteArray, QList<qint64>> sends;
    QVERIFY(
        rig.transfer(true, [&](const QByteArray &f) { return (sends[f] << clock.elapsed()).size() == 4; }));
    QCOMPARE(rig.wire(), QStringLiteral("40:0*4 40:1*4 43:0*4 43:1*4"));
    for (const QList<qint64> &at : std::as_const(sends))
        for (qsizetype i = 1; i < at.size(); ++i)
            QVERIFY2(qAbs(at[i] - at[i - 1] - 250) <= 150, qPrintable(QString::number(at[i] - at[i - 1])));
    QCOMPARE(rig.heard.reports, QStringList{completed("write", "0-1")});

    // Nothing answers: after five frames given up in a row a write, and a read, stops instead of grinding on.
    rig.makeChannels(6, 4);
    for (const bool write : {true, false}) {
        const QString command = QLatin1String(write ? "0x40" : "0x41");
        QVERIFY(rig.transfer(write, [](const QByteArray &) { return false; }));
        runEventLoop(400);
        QCOMPARE(rig.wire(), QStringLiteral("%1:0*4 %1:1*4 %1:2*4 %1:3*4 %1:4*4").arg(command.mid(2)));
        QCOMPARE(rig.course(), givenUp(command) + givenUp(command) + givenUp(command) + givenUp(command) +
                                   givenUp(command));
        QCOMPARE(rig.heard.reports,
                 QStringList{report(write ? "write stopped (silent)" : "read stopped (silent)", "0-5", "-",
                                    "0-4", "0-5")});
        QCOMPARE(rig.heard.silent, QStringList{"0-5"});
    }
    QCOMPARE(compactChannelList({12, 3, 8, 7, 9, 3}), QStringLiteral("3, 7-9, 12"));

    rig.makeChannels(3, 7, true);
    // A whole record of another channel while channel 1's read waits answers nothing: channel 1 is resent.
    // The read takes the record's contents all the same.
    QVERIFY(rig.transfer(false, interject(rig.sim, 0x41, 1, frameOf(rig.sim.analog(0), 0x41))));
    QCOMPARE(rig.wire(), QStringLiteral("41:0 41:1*2 41:2 44:0-2"));
    QCOMPARE(rig.heard.reports, QStringList{completed("read", "0-2")});
    QCOMPARE(rig.recordsRead(), QStringLiteral("a0*2 a1-2 d0-2"));

    // So does an echoed write acknowledgement of another channel, and the log says why it was not taken.
    QVERIFY(rig.transfer(true, interject(rig.sim, 0x40, 1, frameOf(rig.channels[0], 0x40))));
    QCOMPARE(rig.wire(), QStringLiteral("40:0 40:1*2 40:2 43:0-2"));
    QCOMPARE(rig.course(), (QStringList{"0x40 应答的信道号 0 不是发送中的信道 1 ，不计为应答",
                                        "0x40 超时重发(尝试次数: 1 ):", "0x40 写操作命令全部发送完成",
                                        "0x43 写操作命令全部发送完成"}));
    QCOMPARE(rig.heard.reports, QStringList{completed("write", "0-2")});

    // A reply counts only while its command has a frame in flight: not a DMR acknowledgement while the
    // analog frames go out.
    QVERIFY(rig.transfer(true, [&rig, early = true](const QByteArray &) mutable {
        if (std::exchange(early, false))
            rig.sim.sendUnasked(frameOf(rig.dmrs[0], 0x43));
        return true;
    }));
    QCOMPARE(rig.wire(), QStringLiteral("40:0-2 43:0-2"));
    QCOMPARE(rig.course(), (QStringList{"0x40 写操作命令全部发送完成", "0x43 写操作命令全部发送完成"}));
    QCOMPARE(rig.heard.reports, QStringList{completed("write", "0-2")});

    // A bare acknowledgement is taken for the frame in flight. A frame too short for a record answers no
    // read; yet the radio answers, so six frames given up in a row are no silent line. Each reply is
    // handled once.
    RadioSimOptions bare;
    bare.shortAck = bare.shortRead = true;
    rig.sim.setOptions(bare);
    QVERIFY(rig.transfer(true) && rig.read() && rig.waitIdle(8000));
    QCOMPARE(rig.wire(), QStringLiteral("40:0-2 43:0-2 41:0*4 41:1*4 41:2*4 44:0*4 44:1*4 44:2*4"));
    QCOMPARE(rig.heard.reports,
             (QStringList{completed("write", "0-2"), report("read completed", "0-2", "-", "0-2", "0-2")}));
    QCOMPARE(rig.recordsRead() + rig.heard.silent.join(','), QStringLiteral("-"));
    QCOMPARE(rig.log.messages().filter(QStringLiteral("判断数据合法性结束")).size(), 6 + 24);
}

void TestEngine::cancelAndClose()
{
    // Answers inside the time-out even when a read and a write wait behind each other, yet slow enough to
    // cancel in between.
    RadioSimOptions slow;
    slow.delayMs = 40;
    EngineRig rig(slow);
    QSerialPort &port = rig.engine.link().port();
    QVERIFY(rig.open());
    QVERIFY(!rig.engine.startWrite({}, {}, false) && !rig.engine.startRead({})); // nothing to send
    rig.makeChannels(10, 41, true);

    // A read cancelled during a write stops the read only, and the other way round. The cancelled one sends
    // nothing more, takes no answer under way, and names nothing not transferred: the cancel was wanted.
    for (const Direction cancelled : {Direction::Read, Direction::Write}) {
        rig.clear();
        QVERIFY(rig.write() && rig.read() && !rig.read() && !rig.write());
        QVERIFY(waitUntil([&] { return rig.heard.answered[int(cancelled)] >= 1; }, 5000));
        rig.engine.cancel(cancelled);
        const bool write = cancelled == Direction::Read; // the one that goes on
        // A request the engine sent before the cancel may still be on its way to the radio.
        runEventLoop(50);
        const QString sent = rig.wire(write ? 0x41 : 0x40);
        const int answered = rig.heard.answered[int(cancelled)];
        QVERIFY(rig.waitIdle(10000));
        runEventLoop(300);
        QCOMPARE(rig.heard.reports, (QStringList{report(write ? "read cancelled" : "write cancelled", "0-9"),
                                                 completed(write ? "write" : "read", "0-9")}));
        QCOMPARE(rig.wire(write ? 0x40 : 0x41) + ' ' + rig.wire(write ? 0x43 : 0x44),
                 QString(write ? "40:0-9 43:0-9" : "41:0-9 44:0-9"));
        QCOMPARE(rig.wire(write ? 0x41 : 0x40) + rig.wire(write ? 0x44 : 0x43), sent + '-');
        QCOMPARE(rig.heard.answered[int(cancelled)], answered);
    }

    // Both at once, each answered in time and each complete: a read of channels 10-19 while 0-9 are written.
    rig.clear();
    rig.makeChannels(10, 42, true, 10);
    QVERIFY(rig.read());
    rig.makeChannels(10, 43);
    QVERIFY(rig.write() && rig.waitIdle(10000));
    rig.heard.reports.sort();
    QCOMPARE(rig.heard.reports, (QStringList{completed("read", "10-19"), completed("write", "0-9")}));
    QCOMPARE(rig.wire(0x40) + ' ' + rig.wire(0x43) + ' ' + rig.wire(0x41) + ' ' + rig.wire(0x44),
             QStringLiteral("40:0-9 43:0-9 41:10-19 44:10-19"));
    QCOMPARE(rig.recordsRead(), QStringLiteral("a10-19 d10-19"));
    for (int r = 0; r < 10; ++r)
        QCOMPARE(stored(rig.sim, r), stored(rig.channels[r]) + stored(rig.dmrs[r]));

    // Closed by hand during a write and a read: both are cancelled, and an error raised while closing is no
    // loss.
    rig.clear();
    QVERIFY(rig.write() && rig.read());
    connect(
        &port, &QIODevice::aboutToClose, this,
        [&port] { emit port.errorOccurred(QSerialPort::ResourceError); }, Qt::SingleShotConnection);
    rig.engine.close();
    QVERIFY(!port.isOpen() && !rig.engine.isWriting() && !rig.engine.isReading());
    QCOMPARE(rig.heard.reports,
             (QStringList{report("write cancelled", "0-9"), report("read cancelled", "0-9")}));
    QCOMPARE(rig.heard.lost, QStringList());

    // Some systems report a hung-up line as a read error: the line drops at the first, the read stops, and
    // the errors a hung-up line goes on raising are not heard.
    rig.clear();
    QVERIFY(rig.open() && rig.read());
    const QString reason = port.errorString();
    emit port.errorOccurred(QSerialPort::ReadError);
    emit port.errorOccurred(QSerialPort::ReadError);
    QVERIFY(!port.isOpen() && !rig.engine.isReading());
    QCOMPARE(rig.heard.reports, QStringList{report("read stopped (line lost)", "0-9", "-", "-", "0-9")});
    QCOMPARE(rig.heard.lost, QStringList{reason + " | 0-9 | transfer ended"});

    // A line lost while idle says no transfer ended with it; other errors leave the line alone.
    rig.clear();
    QVERIFY(rig.open());
    emit port.errorOccurred(QSerialPort::WriteError);
    QVERIFY(port.isOpen());
    emit port.errorOccurred(QSerialPort::ResourceError);
    QCOMPARE(rig.heard.lost, QStringList{reason + " | - | idle"});
    QCOMPARE(rig.heard.reports, QStringList());
}

void TestEngine::verify()
{
    EngineRig rig;
    QVERIFY(rig.open());
    rig.makeChannels(3, 5);
    // The radio stores channel 1 its own way and leaves channel 2's DMR read-back unanswered. No read starts
    // meanwhile; the engine says it verifies exactly while it reads back.
    bool readRefused = true, verifyingTold = true;
    QVERIFY(rig.transfer(
        true,
        [&](const QByteArray &f) {
            const quint8 command = quint8(f.at(5));
            if (command == 0x43 && channelOf(f) == 2)
                storeChannel1Differently(rig.sim);
            readRefused = readRefused && !rig.engine.startRead({7});
            verifyingTold = verifyingTold && rig.engine.writeVerifies() &&
                            rig.engine.isVerifying() == (command == 0x41 || command == 0x44);
            return command != 0x44 || channelOf(f) != 2;
        },
        true));
    QCOMPARE(rig.wire(), QStringLiteral("40:0-2 43:0-2 41:0-2 44:0-1 44:2*4"));
    QCOMPARE(rig.heard.reports, QStringList{"write verified completed: 0-2; through 0; unanswered 2; "
                                            "differing 1 (VFA_MODE,Rx_cc); not transferred 1-2"});
    QVERIFY(readRefused && verifyingTold && !rig.engine.writeVerifies());
    QCOMPARE(QList<int>({rig.heard.verifyStarts, rig.heard.answered[0], rig.heard.answered[1]}),
             QList<int>({1, 11, 0}));
    QCOMPARE(rig.recordsRead(), QStringLiteral("-")); // what was read back is no read

    // While a read runs a verifying write is refused.
    rig.clear();
    rig.sim.setOptions({});
    QVERIFY(rig.read() && !rig.write(true) && rig.waitIdle(5000));
    QCOMPARE(rig.heard.reports, QStringList{completed("read", "0-2")});

    // DMR records alone are reported and read back alone. Channel 0's write goes unanswered and the radio
    // holds something else there: it stays unanswered, not "stored differently".
    rig.channels.clear();
    QVERIFY(rig.transfer(
        true,
        [&](const QByteArray &f) {
            const bool channel0 = channelOf(f) == 0, write = quint8(f.at(5)) == 0x43;
            if (write && channelOf(f) == 1) {
                DMR d = rig.sim.dmr(0);
                d.setRxCc(quint8((d.rxCc() + 1) % 16));
                rig.sim.setDmr(0, d);
            }
            return !(write && channel0);
        },
        true));
    QCOMPARE(rig.wire(), QStringLiteral("43:0*4 43:1-2 44:0-2"));
    QCOMPARE(rig.heard.reports,
             QStringList{"write verified completed: 0-2; through 1-2; unanswered 0; not transferred 0"});
}

void TestEngine::lineLoss_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("dieAfter");
    // Eight channels: a write dies among its analog frames, a read among its DMR frames.
    QTest::newRow("write") << true << 5;
    QTest::newRow("read") << false << 11;
}

void TestEngine::lineLoss()
{
    QFETCH(bool, write);
    QFETCH(int, dieAfter);
    RadioSimOptions dying;
    dying.dieAfter = dieAfter;
    EngineRig rig(dying);
    QVERIFY(rig.open());
    rig.makeChannels(8, 11, !write);
    QVERIFY(write ? rig.write() : rig.read());
    QVERIFY(waitUntil([&] { return !rig.heard.lost.isEmpty(); }, 5000));
    // One loss, naming what did not get through: a write got no DMR half through, a read three channels.
    const QString reason = rig.engine.link().port().errorString();
    QCOMPARE(rig.heard.lost,
             QStringList{reason + (write ? " | 0-7 | transfer ended" : " | 3-7 | transfer ended")});
    QCOMPARE(rig.heard.reports,
             QStringList{write ? report("write stopped (line lost)", "0-7", "-", "-", "0-7")
                               : report("read stopped (line lost)", "0-7", "0-2", "-", "3-7")});
    QCOMPARE(rig.wire() + ", " + rig.recordsRead(),
             QString(write ? "40:0-5, -" : "41:0-7 44:0-3, a0-7 d0-2"));
    QVERIFY(rig.log.messages().contains(QStringLiteral("与串口的连接已断开 ") + reason));

    // Nothing keeps running against the dead port: no resend, no second report, not a log line.
    const qsizetype lines = rig.log.lines.size();
    runEventLoop(1000);
    QCOMPARE(rig.log.lines.size(), lines);
    QCOMPARE(rig.heard.reports.size() + rig.heard.lost.size(), 2);
    QVERIFY(!rig.engine.link().isOpen() && !rig.engine.isWriting() && !rig.engine.isReading());
    // Neither a descriptor nor a lock file of the lost line is held (a lock holds its owner's process id:
    // another test may hold the reused pseudo-terminal number).
    const QString lostPath = rig.sim.slavePath();
    for (const QFileInfo &fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System))
        QVERIFY(fd.symLinkTarget() != lostPath);
    QFile lock(QStringLiteral("/var/lock/LCK..") + lostPath.mid(5).replace('/', '_'));
    QVERIFY(!lock.open(QIODevice::ReadOnly) ||
            lock.readLine().trimmed().toLongLong() != QCoreApplication::applicationPid());

    // A fresh radio (maybe on the lost line's name) on the same engine: opened as its path stands, at
    // 115200 bit/s, 8N1, hardware flow control, and the next transfer goes through.
    RadioSim fresh;
    QVERIFY(fresh.open());
    fillRadio(fresh, 11, 0, 8);
    QVERIFY(rig.engine.open(QSerialPortInfo(), fresh.slavePath()));
    const QSerialPort &port = rig.engine.link().port();
    QCOMPARE("/dev/" + port.portName() + rig.engine.link().path(), fresh.slavePath().repeated(2));
    QCOMPARE(
        QList<int>({port.baudRate(), port.dataBits(), port.parity(), port.stopBits(), port.flowControl()}),
        QList<int>({115200, QSerialPort::Data8, QSerialPort::NoParity, QSerialPort::OneStop,
                    QSerialPort::HardwareControl}));
    QVERIFY(rig.transfer(write));
    QCOMPARE(rig.heard.reports, QStringList{completed(write ? "write" : "read", "0-7")});
    QCOMPARE(fresh.received().size(), 16);
    QCOMPARE(rig.recordsRead(), QString(write ? "-" : "a0-7 d0-7"));
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
