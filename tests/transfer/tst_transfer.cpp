// The transfer engine end to end, a lost line included, against the simulated radio on a real pseudo-terminal.
#include "person.h"
#include "transferrig.h"
#include "ui_termial.h"
#include "wire.h"

#include <QDir>
#include <QLineEdit>
#include <QtTest>

namespace
{

// How a row's channel-number cell looks: its pixels on the grabbed view, the window's style sheet in force.
QImage cellImage(termial &w, int row)
{
    QTableView *view = w.form()->tableView;
    view->scrollTo(w.tableModel()->index(row, ColChannel));
    return view->viewport()->grab(view->visualRect(w.tableModel()->index(row, ColChannel))).toImage();
}

// Pixels of a colour, give or take a little antialiasing.
int pixelsNear(const QImage &image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 24;
        }
    return n;
}

// Pixels whose brightness differs between two images of one size: what a person without colour vision sees.
int greyDifference(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x)
            n += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 40;
    return n;
}

} // namespace

// Data through every line fault, frames in turn and one at a time, and the progress bar are proven by
// the soak.
class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void dropsAndASilentLine();
    void clicksAroundATransfer();
    void unaskedAndShortReplies();
    void verifyAfterWrite();
    void lineLoss_data();
    void lineLoss();
};

void TestTransfer::dropsAndASilentLine()
{
    RadioSimOptions options;
    options.drop = 1;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    rig.fillRows(2, 2);
    rig.w.form()->send_btn->click();
    // Each of the four frames goes out four times and is skipped; a skip at the end of the 0x40 queue
    // goes on to the 0x43 queue, and the write still completes.
    QVERIFY(rig.waitIdle(8000));
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
    QVERIFY(isStatusLine(rig.status.last(), "写入完成：%1 个信道，用时 %2 秒，%3 个失败", 2, 2));
    QCOMPARE(markOf(rig.w, 0), windowText("无应答"));
    QCOMPARE(markOf(rig.w, 2), QString());
    {
        // Seen, not only held by the model: the marked cell in the warning colour with a sign drawn in it,
        // its unmarked neighbour of the same shading without either, and a difference in brightness too.
        showWindow(rig.w);
        const QImage marked = cellImage(rig.w, 0), plain = cellImage(rig.w, 2);
        const int area = marked.width() * marked.height();
        QVERIFY2(pixelsNear(marked, QColor(0x8A, 0x5A, 0x12)) > area / 2, "the cell is not in the warning colour");
        QVERIFY2(pixelsNear(marked, QColor(0xFF, 0xD2, 0x4D)) > 20, "no warning sign in the cell");
        QCOMPARE(pixelsNear(plain, QColor(0x8A, 0x5A, 0x12)) + pixelsNear(plain, QColor(0xFF, 0xD2, 0x4D)), 0);
        QVERIFY(greyDifference(marked, plain) > area / 2);
    }

    rig.boxes.clear();
    rig.w.setNumCheckedState(1);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(5000));
    QVERIFY(rig.log.messages().contains(kReadDone));
    QTRY_COMPARE(rig.boxes, QStringList{failureBox(1, QStringLiteral("0"))});

    // Only the DMR half goes unanswered: the read names the channel; the write does not hear of it.
    rig.boxes.clear();
    const auto onlyDmr =
        QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
            RadioSimOptions dmrSilent;
            dmrSilent.drop = quint8(f.at(5)) == 0x44 ? 1 : 0;
            rig.sim.setOptions(dmrSilent);
        });
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(5000));
    QObject::disconnect(onlyDmr);
    rig.sim.setOptions(options);
    QTRY_COMPARE(rig.boxes, QStringList{failureBox(1, QStringLiteral("0"))});
    QVERIFY(isStatusLine(rig.status.last(), "读取完成：%1 个信道，用时 %2 秒，%3 个失败", 1, 1));

    // Every frame answered only when sent again: each has its resends anew, and all get through.
    rig.boxes.clear();
    rig.sim.clearReceived();
    QSet<QByteArray> seen;
    const auto onlyResends =
        QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
            RadioSimOptions resentOnly;
            resentOnly.drop = seen.contains(f) ? 0 : 1;
            seen.insert(f);
            rig.sim.setOptions(resentOnly);
        });
    rig.w.setNumCheckedState(5);
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitIdle(8000));
    QObject::disconnect(onlyResends);
    rig.sim.setOptions(options);
    QCOMPARE(rig.wire().value(0x43), (QList<int>{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
    QCOMPARE(rig.boxes, QStringList());

    // Nothing answers at all: after five frames given up in a row the write stops, and says so,
    // instead of grinding through every channel at 0.8 s a frame.
    rig.boxes.clear();
    rig.sim.clearReceived();
    rig.w.setNumCheckedState(10);
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitIdle(6000));
    QTRY_COMPARE(rig.boxes,
                 QStringList{warningBox(
                     windowText("电台没有应答，传输已停止。未传输的信道：%1").arg(QStringLiteral("0-9")))});
    runEventLoop(400);
    QCOMPARE(rig.sim.received().size(), 5 * 4);
    QCOMPARE(rig.status.last(), windowText("写入已停止：%1").arg(windowText("电台没有应答")));
    QVERIFY(rig.w.form()->load_progressBar->value() < rig.w.form()->load_progressBar->minimum());
    QCOMPARE(markOf(rig.w, 4), windowText("无应答"));
    QCOMPARE(markOf(rig.w, 5), windowText("未传输"));
    QCOMPARE(termial::compactChannelList({12, 3, 8, 7, 9, 3}), QStringLiteral("3, 7-9, 12"));
}

void TestTransfer::clicksAroundATransfer()
{
    // Answers well inside the time-out even when a read and a write wait behind each other (twice 40 ms
    // against 200 ms), yet slow enough to click into a transfer.
    RadioSimOptions options;
    options.delayMs = 40;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    QPushButton *send = rig.w.form()->send_btn;
    QPushButton *read = rig.w.form()->read_btn;

    // With no row checked a click only logs.
    rig.w.setNumCheckedState(0);
    send->click();
    read->click();
    QCOMPARE(rig.log.messages().count(QStringLiteral("没有选中任何行")), 2);
    QVERIFY(rig.waitIdle(0));
    runEventLoop(300);
    QVERIFY(rig.sim.received().isEmpty());

    // The radio holds what the rows hold, so a read during a write reads them back unchanged.
    const int n = 10;
    const QList<QByteArray> rows = rig.fillRows(n, 41, true);
    QList<int> inOrder;
    for (int r = 0; r < n; ++r)
        inOrder << r;

    // A second click cancels a write: no further frames, progress reset.
    send->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 2; }, 5000));
    send->click();
    QCOMPARE(send->text(), windowText("发送"));
    QCOMPARE(rig.status.last(), windowText("写入已取消"));
    QVERIFY(rig.w.form()->load_progressBar->value() < rig.w.form()->load_progressBar->minimum());
    QVERIFY(rig.w.form()->checkAll_pushButton->isEnabled());
    // A cancel is the person's own choice: no row is marked for it.
    for (int r = 0; r < n; ++r)
        QCOMPARE(markOf(rig.w, r), QString());
    const qsizetype sentBeforeQuiet = rig.sim.received().size();
    runEventLoop(500);
    QCOMPARE(rig.sim.received().size(), sentBeforeQuiet);

    // A read clicked during a write leaves the write's queues alone, and cancelling that read stops
    // the read only: the write goes on to its end.
    rig.sim.clearReceived();
    rig.log.clear();
    send->click();
    read->click();
    QVERIFY(waitUntil([&] { return rig.wire().value(0x41).size() >= 2; }, 5000));
    read->click();
    QCOMPARE(read->text(), windowText("读取"));
    QVERIFY(rig.waitIdle(20000));
    QVERIFY(rig.log.messages().contains(kWriteDone) && !rig.log.messages().contains(kReadDone));
    QCOMPARE(rig.wire().value(0x40), inOrder);
    QCOMPARE(rig.wire().value(0x43), inOrder);

    // Both at once, each answered in time, each complete.
    rig.sim.clearReceived();
    rig.log.clear();
    send->click();
    read->click();
    QVERIFY(rig.waitIdle(20000));
    QVERIFY(rig.log.messages().contains(kWriteDone) && rig.log.messages().contains(kReadDone));
    QCOMPARE(rig.log.messages().filter(QStringLiteral("超时重发")), QStringList());
    QVERIFY2(rig.boxes.isEmpty(), qPrintable(rig.boxes.join('\n')));
    for (const int command : {0x40, 0x41, 0x43, 0x44})
        QCOMPARE(rig.wire().value(command), inOrder);
    for (int r = 0; r < n; ++r) {
        QCOMPARE(stored(rig.w, r), rows[r]);
        QCOMPARE(stored(rig.sim, r), rows[r]);
    }

    // Without a port the operator is told.
    rig.w.serialportLinkBtn_clicked();
    send->click();
    QCOMPARE(rig.boxes, QStringList{warningBox(windowText("未连接串口!"))});
}

void TestTransfer::unaskedAndShortReplies()
{
    RadioSimOptions options;
    options.shortAck = true;
    Rig rig(options);
    QVERIFY(rig.connectLink());
    const QList<QByteArray> rows = rig.fillRows(3, 7, true);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(5000));

    // A whole record for another channel, arriving while a frame waits, answers nothing: the radio's
    // silence on channel 1 still costs a resend.
    rig.sim.clearReceived();
    channel other = rig.sim.analog(0);
    other.setSize(wire::kRecordSize);
    other.setCommand(wire::kReadAnalog);
    const QByteArray stale = other.toWriteFrame();
    RadioSimOptions silent = options;
    silent.drop = 1.0;
    const auto received =
        QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
            const bool first = quint8(f.at(5)) == wire::kReadAnalog && channelOf(f) == 1 && silent.drop > 0;
            rig.sim.setOptions(options);
            if (first) {
                rig.sim.sendUnasked(stale);
                rig.sim.setOptions(silent);
                silent.drop = 0;
            }
        });
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(5000));
    QObject::disconnect(received);
    rig.sim.setOptions(options);
    QCOMPARE(rig.wire().value(wire::kReadAnalog), (QList<int>{0, 1, 1, 2}));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(stored(rig.w, r), rows[r]);
    rig.sim.clearReceived();

    // So does an echoed write acknowledgement of another channel, and the log says why it was not taken.
    RadioSimOptions echo, echoSilent;
    echoSilent.drop = 1.0;
    channel echoed = rig.sim.analog(0);
    echoed.setSize(wire::kRecordSize);
    echoed.setCommand(wire::kWriteAnalog);
    const QByteArray lateEcho = echoed.toWriteFrame();
    bool once = true;
    const auto written = QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
        rig.sim.setOptions(echo);
        if (once && quint8(f.at(5)) == wire::kWriteAnalog && channelOf(f) == 1) {
            once = false;
            rig.sim.sendUnasked(lateEcho);
            rig.sim.setOptions(echoSilent);
        }
    });
    rig.log.clear();
    rig.w.form()->send_btn->click();
    QVERIFY(rig.waitIdle(5000));
    QObject::disconnect(written);
    QCOMPARE(rig.wire().value(wire::kWriteAnalog), (QList<int>{0, 1, 1, 2}));
    QCOMPARE(rig.log.messages().filter(QStringLiteral("应答的信道号")),
             QStringList{QStringLiteral("0x40 应答的信道号 0 不是发送中的信道 1 ，不计为应答")});
    QCOMPARE(rig.boxes, QStringList());
    rig.sim.clearReceived();

    // Reads answered with frames too short for a record: no row changes (row 0 least of all), the
    // request is resent as unanswered and then given up.
    RadioSimOptions shortReads;
    shortReads.shortRead = true;
    rig.sim.setOptions(shortReads);
    rig.w.setNumCheckedState(0);
    rig.w.tableModel()->setData(rig.w.tableModel()->index(2, ColCheck), Qt::Checked, Qt::CheckStateRole);
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(4000));
    QTRY_COMPARE(rig.boxes, QStringList{failureBox(1, QStringLiteral("2"))});
    QCOMPARE(rig.wire().value(0x41), (QList<int>{2, 2, 2, 2}));
    for (int r = 0; r < 3; ++r)
        QCOMPARE(stored(rig.w, r), rows[r]);
}

void TestTransfer::verifyAfterWrite()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    showWindow(rig.w);
    const QList<QByteArray> rows = rig.fillRows(3, 5);
    Ui::termial *ui = rig.w.form();
    QVERIFY(!ui->verify_checkBox->isChecked());
    // The radio keeps channel 1's VFO A mode and receive colour code its own way, which only reading it
    // back shows. No read can start meanwhile, not even by a call around the disabled button.
    bool readOffWhileVerifying = true;
    QObject::connect(&rig.sim, &RadioSim::frameReceived, &rig.sim, [&](const QByteArray &f) {
        if (quint8(f.at(5)) == 0x43 && channelOf(f) == 2) {
            channel c = rig.sim.analog(1);
            c.setVfoaMode(quint8((c.vfoaMode() + 1) % 10));
            rig.sim.setAnalog(1, c);
            DMR d = rig.sim.dmr(1);
            d.setRxCc(quint8((d.rxCc() + 1) % 16));
            rig.sim.setDmr(1, d);
        }
        if (quint8(f.at(5)) == 0x41) {
            readOffWhileVerifying = readOffWhileVerifying && !ui->read_btn->isEnabled();
            rig.w.readBtn_clicked();
        }
    });
    ui->verify_checkBox->click();
    ui->send_btn->click();
    QVERIFY(!ui->verify_checkBox->isEnabled());
    QVERIFY(rig.waitIdle(5000));
    QCOMPARE(rig.wire().value(0x44), (QList<int>{0, 1, 2}));
    QVERIFY(readOffWhileVerifying);
    const QString differs = windowText("存储内容不同：%1").arg(QStringLiteral("VFA_MODE, Rx_cc"));
    QTRY_COMPARE(rig.boxes, QStringList{warningBox(windowText("%1 个信道校验不符：").arg(1) +
                                                   QStringLiteral("\n1: ") + differs)});
    for (int r = 0; r < 3; ++r)
        QCOMPARE(stored(rig.w, r), rows[r]);
    QCOMPARE(markOf(rig.w, 1), differs);
    QCOMPARE(markOf(rig.w, 0) + markOf(rig.w, 2), QString());
    QVERIFY(rig.status.contains(windowText("正在写入 %1 / %2").arg(3).arg(3)));
    QVERIFY(rig.status.contains(windowText("正在校验 %1 / %2").arg(2).arg(3)));
    QVERIFY(isStatusLine(rig.status.last(), "写入并校验完成：%1 个信道，用时 %2 秒，%3 个失败", 3, 1));
    QVERIFY(ui->verify_checkBox->isEnabled() && ui->read_btn->isEnabled());

    // A tick is no edit; typing into the row through its editor is, and takes the mark away.
    QStandardItemModel *model = rig.w.tableModel();
    model->setData(model->index(1, ColCheck), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(markOf(rig.w, 1), differs);
    QWidget *editor = openEditor(ui->tableView, 1, ColName);
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("X"));
    commitWithReturn(editor);
    QCOMPARE(markOf(rig.w, 1), QString());

    // Ctrl+E ticks what changed since the write went through: row 1 only (stored differently, then edited).
    pressKey(ui->tableView, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(checkedRows(model), QList<int>{1});

    // A whole read is one undo step: Ctrl+Z puts back the row the read replaced, Ctrl+Y the read.
    // While it runs, a verifying write is off, since the read-back would need the same commands.
    const QByteArray edited = stored(rig.w, 1);
    QVERIFY(ui->verify_checkBox->isChecked() && ui->send_btn->isEnabled());
    ui->read_btn->click();
    QVERIFY(!ui->send_btn->isEnabled());
    QVERIFY(rig.waitIdle(5000));
    QVERIFY(ui->send_btn->isEnabled());
    const QByteArray read = stored(rig.w, 1);
    QVERIFY(read != edited);
    QTest::keyClick(ui->tableView, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(stored(rig.w, 1), edited);
    QTest::keyClick(ui->tableView, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(stored(rig.w, 1), read);
}

void TestTransfer::lineLoss_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("dieAfter");
    // Eight channels: a write dies among its analog frames, a read among its DMR frames.
    QTest::newRow("write") << true << 5;
    QTest::newRow("read") << false << 11;
}

void TestTransfer::lineLoss()
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

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
