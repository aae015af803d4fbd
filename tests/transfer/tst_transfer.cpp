// The transfer engine end to end: the window and the simulated radio talk over a real pseudo-terminal.
#include "transferrig.h"
#include "ui_termial.h"

#include <QRandomGenerator>
#include <QStandardItemModel>
#include <QtTest>

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void writeThenReadBack();
    void nothingChecked();
    void dropsAreResentThenSkipped();
    void cancelReadDuringWriteAndDisconnect();
    void lateAnswersNeverAcknowledgeTheNextFrame();
    void noisyLinesCostNoChannel_data();
    void noisyLinesCostNoChannel();
    void compactList();
};

void TestTransfer::writeThenReadBack()
{
    const int n = 12;
    Rig rig;
    QVERIFY(rig.connectLink());
    rig.fillRows(n, 1);
    QList<channel> sentChannels;
    QList<DMR> sentDmrs;
    rig.w.checkedChannels(&sentChannels);
    rig.w.checkedDmrs(&sentDmrs);
    QCOMPARE(sentChannels.size(), n);

    rig.progress.clear();
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitForLog(kWriteDone, 10000));
    QVERIFY(rig.boxes.isEmpty());
    QCOMPARE(rig.maxOutstanding, 1);

    // N frames 0x40, then N frames 0x43, in row order, none resent.
    const QList<QByteArray> wire = rig.sim.received();
    QCOMPARE(wire.size(), 2 * n);
    for (int i = 0; i < 2 * n; ++i) {
        QCOMPARE(quint8(wire[i].at(5)), quint8(i < n ? 0x40 : 0x43));
        QCOMPARE(channelOf(wire[i]), i % n);
    }
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.sim.analog(r)), stored(sentChannels[r]));
        QCOMPARE(stored(rig.sim.dmr(r)), stored(sentDmrs[r]));
    }
    QCOMPARE(rig.w.form()->load_progressBar->maximum(), 2 * n);
    QCOMPARE(rig.w.form()->load_progressBar->value(), 2 * n);
    QCOMPARE(rig.progress.first(), 0);
    QVERIFY(std::is_sorted(rig.progress.begin(), rig.progress.end()));
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());
    QCOMPARE(rig.w.form()->send_btn->text(), QCoreApplication::translate("termial", "发送"));

    // Clear the rows and read them back from the radio.
    rig.clearRows(n);
    QVERIFY(stored(rig.w.rowToChannel(3)) != stored(sentChannels[3]));
    rig.sim.clearReceived();
    rig.progress.clear();
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitForLog(kReadDone, 10000));
    QCOMPARE(rig.sim.received().size(), 2 * n);
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w.rowToChannel(r)), stored(sentChannels[r]));
        QCOMPARE(stored(rig.w.rowToDmr(r)), stored(sentDmrs[r]));
    }
    QCOMPARE(rig.w.form()->load_progressBar->value(), 2 * n);
    QCOMPARE(rig.w.form()->read_btn->text(), QCoreApplication::translate("termial", "读取"));
    QVERIFY(rig.boxes.isEmpty());
}

void TestTransfer::nothingChecked()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    rig.w.setNumCheckedState(0);
    rig.w.form()->send_btn->click();
    rig.w.form()->read_btn->click();
    QCOMPARE(rig.log.messages().count(QStringLiteral("没有选中任何行")), 2);
    runEventLoop(300);
    QVERIFY(rig.sim.received().isEmpty());
    QCOMPARE(rig.w.form()->send_btn->text(), QCoreApplication::translate("termial", "发送"));
    QCOMPARE(rig.w.form()->read_btn->text(), QCoreApplication::translate("termial", "读取"));
    QVERIFY(rig.boxes.isEmpty());

    // Without a port the operator is told, and nothing is sent.
    rig.w.serialportLinkBtn_clicked();
    rig.w.form()->send_btn->click();
    QCOMPARE(rig.boxes,
             QStringList{warningCaption() + '|' + QCoreApplication::translate("termial", "未连接串口!")});
}

void TestTransfer::dropsAreResentThenSkipped()
{
    RadioSimOptions options;
    options.drop = 1;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    rig.fillRows(2, 2);
    QElapsedTimer clock;
    QList<qint64> firstFrameTimes;
    QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
        if (quint8(f.at(5)) == 0x40 && channelOf(f) == 0)
            firstFrameTimes << clock.elapsed();
    });
    clock.start();
    rig.w.form()->send_btn->click();
    // Each of the four frames goes out four times and is skipped; the write still completes.
    QVERIFY(rig.waitForLog(kWriteDone, 8000));
    QCOMPARE(firstFrameTimes.size(), 4);
    for (int i = 1; i < 4; ++i) {
        const qint64 gap = firstFrameTimes[i] - firstFrameTimes[i - 1];
        QVERIFY2(gap >= 150 && gap <= 450, qPrintable(QString::number(gap)));
    }
    QCOMPARE(rig.received(0x40).size(), 8);
    QCOMPARE(rig.received(0x43).size(), 8);
    const QStringList msgs = rig.log.messages();
    QCOMPARE(msgs.count(QStringLiteral("0x40 命令已达到最大重试次数(3次)，跳过此命令")), 2);
    QCOMPARE(msgs.count(QStringLiteral("0x43 命令已达到最大重试次数(3次)，跳过此命令")), 2);
    QVERIFY(msgs.contains(QStringLiteral("0x40 写操作命令全部发送完成")));
    QCOMPARE(rig.log.startingWith(QStringLiteral("termial:["))
                 .filter(QStringLiteral("0x40 超时重发(尝试次数: 3 ):"))
                 .size(),
             2);
    QTRY_COMPARE(rig.boxes, QStringList{warningCaption() + '|' + failureText(2, QStringLiteral("0-1"))});
    QCOMPARE(rig.w.form()->load_progressBar->value(), 0);
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());

    // A read of skipped channels completes as well and names them.
    rig.boxes.clear();
    rig.w.setNumCheckedState(1);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitForLog(kReadDone, 5000));
    QTRY_COMPARE(rig.boxes, QStringList{warningCaption() + '|' + failureText(1, QStringLiteral("0"))});
}

void TestTransfer::cancelReadDuringWriteAndDisconnect()
{
    RadioSimOptions options;
    options.delayMs = 60;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    rig.fillRows(4, 3);

    // A second click cancels a write: no further frames, queues empty, progress reset.
    rig.w.form()->send_btn->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 2; }, 5000));
    rig.w.form()->send_btn->click();
    QCOMPARE(rig.w.form()->send_btn->text(), QCoreApplication::translate("termial", "发送"));
    QVERIFY(rig.w.form()->load_progressBar->value() < rig.w.form()->load_progressBar->minimum());
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());
    const int sentBeforeQuiet = int(rig.sim.received().size());
    runEventLoop(500);
    QCOMPARE(int(rig.sim.received().size()), sentBeforeQuiet);

    // A read during a write refills the write queues: the write starts over from row 0.
    rig.sim.clearReceived();
    rig.w.form()->send_btn->click();
    QVERIFY(waitUntil([&] { return rig.received(0x40).size() >= 2; }, 5000));
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitForLog(kWriteDone, 10000));
    QVERIFY(rig.waitForLog(kReadDone, 10000));
    int rowZeroWrites = 0;
    for (const QByteArray &f : rig.received(0x40))
        rowZeroWrites += channelOf(f) == 0;
    QCOMPARE(rowZeroWrites, 2);

    // Disconnecting during a write stops its timers; the next click after reconnecting only
    // cancels, the one after that writes again.
    rig.sim.clearReceived();
    rig.log.clear();
    rig.w.form()->send_btn->click();
    QVERIFY(waitUntil([&] { return !rig.sim.received().isEmpty(); }, 5000));
    rig.w.serialportLinkBtn_clicked();
    QCOMPARE(rig.w.form()->send_btn->text(), QCoreApplication::translate("termial", "发送"));
    rig.sim.clearReceived();
    runEventLoop(500);
    QVERIFY(rig.sim.received().isEmpty());
    QVERIFY(rig.log.startingWith(QStringLiteral("termial:[")).filter(QStringLiteral("超时重发")).isEmpty());
    QVERIFY(rig.connectLink());
    rig.w.form()->send_btn->click();
    runEventLoop(300);
    QVERIFY(rig.sim.received().isEmpty());
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitForLog(kWriteDone, 10000));
}

void TestTransfer::lateAnswersNeverAcknowledgeTheNextFrame()
{
    RadioSimOptions options;
    options.delayMs = 250;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    const int n = 4;
    rig.fillRows(n, 4);
    QList<channel> sent;
    rig.w.checkedChannels(&sent);

    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitForLog(kWriteDone, 20000));
    // A frame of a command goes out for the first time only after the radio answered the one
    // before it with its own channel number.
    for (const quint8 command : {quint8(0x40), quint8(0x43)}) {
        const QString cmd = QString::number(command, 16);
        for (int c = 1; c < n; ++c) {
            const qsizetype firstSend = rig.events.indexOf(QStringLiteral("rx %1 %2").arg(cmd).arg(c));
            const qsizetype answer = rig.events.indexOf(QStringLiteral("tx %1 %2").arg(cmd).arg(c - 1));
            QVERIFY(firstSend >= 0 && answer >= 0);
            QVERIFY2(answer < firstSend, qPrintable(rig.events.join(QLatin1Char('\n'))));
        }
    }
    QVERIFY(rig.boxes.isEmpty());
    for (int r = 0; r < n; ++r)
        QCOMPARE(stored(rig.sim.analog(r)), stored(sent[r]));

    // Late read answers still land in their own rows.
    rig.clearRows(n);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitForLog(kReadDone, 20000));
    for (int r = 0; r < n; ++r)
        QCOMPARE(stored(rig.w.rowToChannel(r)), stored(sent[r]));
}

void TestTransfer::noisyLinesCostNoChannel_data()
{
    QTest::addColumn<int>("chunk");
    QTest::addColumn<double>("garbage");
    QTest::addColumn<double>("strayA5");
    QTest::newRow("1-byte chunks") << 1 << 0.0 << 0.0;
    QTest::newRow("garbage") << 0 << 0.5 << 0.0;
    QTest::newRow("garbage in chunks") << 3 << 0.5 << 0.0;
    QTest::newRow("stray 0xA5") << 0 << 0.0 << 1.0;
    QTest::newRow("stray 0xA5 in chunks") << 5 << 0.3 << 0.5;
}

void TestTransfer::noisyLinesCostNoChannel()
{
    QFETCH(int, chunk);
    QFETCH(double, garbage);
    QFETCH(double, strayA5);
    RadioSimOptions options;
    options.strayA5 = strayA5;
    options.chunk = chunk;
    options.garbage = garbage;
    options.seed = 99;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    const int n = 8;
    rig.fillRows(n, 5);
    QList<channel> sent;
    QList<DMR> sentDmr;
    rig.w.checkedChannels(&sent);
    rig.w.checkedDmrs(&sentDmr);
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitForLog(kWriteDone, 20000));
    rig.clearRows(n);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitForLog(kReadDone, 20000));
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join(QLatin1Char('\n'))));
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w.rowToChannel(r)), stored(sent[r]));
        QCOMPARE(stored(rig.w.rowToDmr(r)), stored(sentDmr[r]));
    }
}

void TestTransfer::compactList()
{
    QCOMPARE(termial::compactChannelList({}), QString());
    QCOMPARE(termial::compactChannelList({5}), QStringLiteral("5"));
    QCOMPARE(termial::compactChannelList({12, 3, 8, 7, 9, 3}), QStringLiteral("3, 7-9, 12"));
    QCOMPARE(termial::compactChannelList({0, 1, 2, 999}), QStringLiteral("0-2, 999"));
}

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
