// The transfer engine end to end: the window and the simulated radio talk over a real pseudo-terminal.
#include "transferrig.h"
#include "ui_termial.h"

#include <QtTest>

// Data through every line fault, frames in turn and one at a time, and the progress bar are proven by
// the soak; a disconnect mid-transfer by the line-loss test.
class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void dropsAreResentThenSkipped();
    void clicksAroundATransfer();
    void compactList();
};

void TestTransfer::dropsAreResentThenSkipped()
{
    RadioSimOptions options;
    options.drop = 1;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    rig.fillRows(2, 2);
    QElapsedTimer clock;
    QList<qint64> sendTimes;
    QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
        if (quint8(f.at(5)) == 0x40 && channelOf(f) == 0)
            sendTimes << clock.elapsed();
    });
    clock.start();
    rig.w.form()->send_btn->click();
    // Each of the four frames goes out four times, 200 ms apart, and is skipped; a skip at the end
    // of the 0x40 queue goes on to the 0x43 queue, and the write still completes.
    QVERIFY(rig.waitIdle(8000));
    QCOMPARE(sendTimes.size(), 4);
    for (int i = 1; i < 4; ++i) {
        const qint64 gap = sendTimes[i] - sendTimes[i - 1];
        QVERIFY2(gap >= 150 && gap <= 450, qPrintable(QString::number(gap)));
    }
    QCOMPARE(rig.wire().value(0x40), (QList<int>{0, 0, 0, 0, 1, 1, 1, 1}));
    QCOMPARE(rig.wire().value(0x43), (QList<int>{0, 0, 0, 0, 1, 1, 1, 1}));
    const QStringList msgs = rig.log.messages();
    QCOMPARE(msgs.count(QStringLiteral("0x40 命令已达到最大重试次数(3次)，跳过此命令")), 2);
    QCOMPARE(msgs.count(QStringLiteral("0x43 命令已达到最大重试次数(3次)，跳过此命令")), 2);
    QVERIFY(msgs.contains(QStringLiteral("0x40 写操作命令全部发送完成")) && msgs.contains(kWriteDone));
    QCOMPARE(msgs.filter(QStringLiteral("0x40 超时重发(尝试次数: 3 ):")).size(), 2);
    QTRY_COMPARE(rig.boxes, QStringList{failureBox(2, QStringLiteral("0-1"))});
    QCOMPARE(rig.w.form()->load_progressBar->value(), 0);
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());

    rig.boxes.clear();
    rig.w.setNumCheckedState(1);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(5000));
    QVERIFY(rig.log.messages().contains(kReadDone));
    QTRY_COMPARE(rig.boxes, QStringList{failureBox(1, QStringLiteral("0"))});
}

void TestTransfer::clicksAroundATransfer()
{
    // Answers well inside the time-out, slow enough to click into a transfer.
    RadioSimOptions options;
    options.delayMs = 120;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    QPushButton *send = rig.w.form()->send_btn;

    // With no row checked a click only logs.
    rig.w.setNumCheckedState(0);
    send->click();
    rig.w.form()->read_btn->click();
    QCOMPARE(rig.log.messages().count(QStringLiteral("没有选中任何行")), 2);
    QVERIFY(rig.waitIdle(0));
    runEventLoop(300);
    QVERIFY(rig.sim.received().isEmpty());

    // The radio holds what the rows hold, so a read during a write reads them back unchanged.
    const int n = 10;
    const QList<QByteArray> rows = rig.fillRows(n, 41);
    for (int r = 0; r < n; ++r) {
        rig.sim.setAnalog(r, rig.w.rowToChannel(r));
        rig.sim.setDmr(r, rig.w.rowToDmr(r));
    }

    // A second click cancels a write: no further frames, queues empty, progress reset.
    send->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 2; }, 5000));
    send->click();
    QCOMPARE(send->text(), windowText("发送"));
    QVERIFY(rig.w.form()->load_progressBar->value() < rig.w.form()->load_progressBar->minimum());
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());
    const qsizetype sentBeforeQuiet = rig.sim.received().size();
    runEventLoop(500);
    QCOMPARE(rig.sim.received().size(), sentBeforeQuiet);

    // A read clicked while row 0 is being written refills the write queues, so row 0 goes out
    // again. Both transfers then put their answers on the line together, and each is taken in time.
    rig.sim.clearReceived();
    rig.log.clear();
    send->click();
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(20000));
    QVERIFY(rig.log.messages().contains(kWriteDone) && rig.log.messages().contains(kReadDone));
    QCOMPARE(rig.log.messages().filter(QStringLiteral("超时重发")), QStringList());
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join('\n')));
    const QMap<int, QList<int>> channels = rig.wire();
    QList<int> inOrder;
    for (int r = 0; r < n; ++r)
        inOrder << r;
    QCOMPARE(channels.value(0x40), QList<int>{0} + inOrder);
    for (const int command : {0x41, 0x43, 0x44})
        QCOMPARE(channels.value(command), inOrder);
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w, r), rows[r]);
        QCOMPARE(stored(rig.sim, r), rows[r]);
    }

    // Without a port the operator is told.
    rig.w.serialportLinkBtn_clicked();
    send->click();
    QCOMPARE(rig.boxes, QStringList{warningBox(windowText("未连接串口!"))});
}

void TestTransfer::compactList()
{
    QCOMPARE(termial::compactChannelList({}), QString());
    QCOMPARE(termial::compactChannelList({12, 3, 8, 7, 9, 3}), QStringLiteral("3, 7-9, 12"));
    QCOMPARE(termial::compactChannelList({0, 1, 2, 999}), QStringLiteral("0-2, 999"));
}

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
