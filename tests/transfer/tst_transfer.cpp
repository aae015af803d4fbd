// What the window shows of transfers (the engine's part is test_engine's), and its port box.
#include "windowrig.h"
#include "ui_termial.h" // named here so that the form header is generated for this test

#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

namespace
{

using Rig = WindowRig;

const QString kIdle = QStringLiteral("发送, 读取, 比较, 校验 [ ], 备份 [ ], 断开, 全选, port box off"); // connected and idle

// A channel-number cell as drawn: over half of it in the warning colour, and the warning sign's yellow in it.
std::pair<bool, bool> cellLooks(termial &w, int row)
{
    QTableView *view = w.form()->tableView;
    const QImage cell =
        view->viewport()->grab(view->visualRect(w.tableModel()->index(row, ColChannel))).toImage();
    int warning = 0, sign = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = cell.pixelColor(x, y);
            warning += qAbs(c.red() - 0x8A) + qAbs(c.green() - 0x5A) + qAbs(c.blue() - 0x12) < 24;
            sign += qAbs(c.red() - 0xFF) + qAbs(c.green() - 0xD2) + qAbs(c.blue() - 0x4D) < 24;
        }
    return {warning * 2 > cell.width() * cell.height(), sign > 20};
}

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT
private slots:
    void writeAndVerify();
    void readAndLoss();
    void portBox();
};

// A verifying write (channel 2 unanswered, channel 1 stored differently), then a plain one of what is left.
void TestTransfer::writeAndVerify()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    showWindow(rig.w);
    QCOMPARE(rig.seen(0).section('\n', 2), kIdle); // Verify is off at start
    rig.fillRows(3, 5);
    Ui::termial *ui = rig.w.form();
    // Edited by hand, so that Ctrl+E afterwards shows the rows the write did not get through.
    QStandardItemModel *model = rig.w.tableModel();
    for (int r = 0; r < 3; ++r)
        model->setData(model->index(r, ColName), QStringLiteral("Edited %1").arg(r));
    const auto radio = answerOnly(rig.sim, [&](const QByteArray &f) {
        if (quint8(f.at(5)) == 0x43 && channelOf(f) == 2)
            storeChannel1Differently(rig.sim);
        if (quint8(f.at(5)) == 0x41)
            rig.w.readBtn_clicked(); // starts no read, not even around the disabled button
        return quint8(f.at(5)) != 0x40 || channelOf(f) != 2;
    });
    ui->verify_checkBox->click();
    rig.status.clear();
    ui->send_btn->click();
    QCOMPARE(rig.seen(3),
             QStringLiteral("正在写入 0 / 3\nprogress 0 of 12\n发送中..., 读取 off, 比较 off, 校验 [x] off, 备份 [ ] off, "
                            "断开, 全选 off, port box off"));
    QVERIFY(rig.waitIdle(8000));
    const QString done = "写入并校验完成：3 个信道，用时 " + rig.seconds + " 秒，2 个失败";
    QCOMPARE(rig.status.join(" | "),
             "正在写入 0 / 3 | 正在写入 1 / 3 | 正在写入 2 / 3 | 正在写入 3 / 3 | 正在校验 0 / 3 | "
             "正在校验 1 / 3 | 正在校验 2 / 3 | 正在校验 3 / 3 | " +
                 done);
    const QString differs = QStringLiteral("1: 存储内容不同：VFA_MODE, Rx_cc");
    QCOMPARE(rig.seen(3), done + "\nprogress 11 of 12\n" + QString(kIdle).replace("校验 [ ]", "校验 [x]") + '\n' +
                              differs + "\n2: 无应答\n警告|1 个信道传输失败：2\n1 个信道校验不符：\n" +
                              differs);
    pressKey(ui->tableView, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(checkedRows(model), QList<int>({1, 2}));
    // Seen, not only held by the model, next to an unmarked neighbour of the same shading.
    QCOMPARE(cellLooks(rig.w, 1), std::pair(true, true));
    QCOMPARE(cellLooks(rig.w, 0), std::pair(false, false));

    // A tick is no edit; typing into the row through its editor is, and takes the mark away.
    QObject::disconnect(radio);
    rig.sim.setOptions({});
    model->setData(model->index(1, ColCheck), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(rig.seen(3).section('\n', 3, 3), differs);
    QWidget *editor = openEditor(ui->tableView, 1, ColName);
    QVERIFY(editor);
    QTest::keyClicks(editor, QStringLiteral("X"));
    commitWithReturn(editor);
    QCOMPARE(rig.seen(3).section('\n', 3, 3), QStringLiteral("2: 无应答"));

    // While a read runs, a verifying write is off, also around the disabled button (it reads back).
    rig.boxes.clear();
    ui->read_btn->click();
    rig.w.sendBtn_clicked();
    QCOMPARE(rig.seen(3),
             QStringLiteral("正在读取 0 / 1\nprogress 0 of 2\n发送 off, 正在读取.., 比较 off, 校验 [x], 备份 [ ], 断开, "
                            "全选, port box off\n2: 无应答"));
    QVERIFY(rig.waitIdle(5000));

    // Nothing answers a plain write: it stops after five frames given up, says so and marks the rows.
    ui->verify_checkBox->click();
    rig.w.setNumCheckedState(3);
    answerOnly(rig.sim, [](const QByteArray &) { return false; });
    ui->send_btn->click();
    QVERIFY(rig.w.isSending() && ui->read_btn->isEnabled()); // a read may run beside a plain write
    QVERIFY(rig.waitIdle(6000));
    QCOMPARE(rig.seen(3),
             "写入已停止：电台没有应答\nprogress -1 of 6\n" + kIdle +
                 "\n0: 无应答\n1: 无应答\n2: 无应答\n警告|电台没有应答，传输已停止。未传输的信道：0-2");
}

void TestTransfer::readAndLoss()
{
    Rig rig;
    QVERIFY(rig.connectLink());
    showWindow(rig.w);
    const QList<QByteArray> before = rig.fillRows(4, 21);
    // The radio holds other channels, and does not answer for channel 2.
    fillRadio(rig.sim, 22, 0, 4);
    const auto radio = answerOnly(rig.sim, [](const QByteArray &f) { return channelOf(f) != 2; });
    rig.status.clear();
    rig.w.form()->read_btn->click();
    QVERIFY(rig.waitIdle(8000));
    const QString done = "读取完成：4 个信道，用时 " + rig.seconds + " 秒，1 个失败";
    QCOMPARE(rig.status.join(" | "),
             "正在读取 0 / 4 | 正在读取 1 / 4 | 正在读取 2 / 4 | 正在读取 3 / 4 | 正在读取 4 / 4 | " + done);
    QCOMPARE(rig.seen(4), done + "\nprogress 6 of 8\n" + kIdle + "\n2: 无应答\n警告|1 个信道传输失败：2");
    const QList<QByteArray> read{stored(rig.sim, 0), stored(rig.sim, 1), before[2], stored(rig.sim, 3)};
    QCOMPARE(rig.rows(4), read);
    // The whole read is one undo step: Ctrl+Z puts back every row it replaced, Ctrl+Y the read.
    pressKey(rig.w.form()->tableView, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rig.rows(4), before);
    pressKey(rig.w.form()->tableView, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rig.rows(4), read);

    // The line dies under a read: one box, and only one, says why and names what did not get through.
    QObject::disconnect(radio);
    RadioSimOptions dying;
    dying.dieAfter = 11;
    rig.sim.setOptions(dying);
    rig.boxes.clear();
    rig.fillRows(8, 11);
    rig.w.form()->read_btn->click();
    QVERIFY(waitUntil([&] { return !rig.boxes.isEmpty(); }, 5000));
    runEventLoop(1000);
    QCOMPARE(rig.seen(8),
             "读取已停止：与串口的连接已断开\nprogress -1 of 16\n发送, 读取, 比较, 校验 [ ], 备份 [ ], 连接, "
             "全选 off, port box\n3: 未传输\n4: 未传输\n5: 未传输\n6: 未传输\n7: 未传输\n警告|与串口的连接已断开：" +
                 rig.lostReason + "\n未传输的信道：3-7");
    // Without a port the person is told.
    rig.boxes.clear();
    rig.w.form()->send_btn->click();
    QCOMPARE(rig.boxes, QStringList{QStringLiteral("警告|未连接串口!")});
}

void TestTransfer::portBox()
{
    RadioSimOptions slow;
    slow.delayMs = 100;
    Rig rig(slow);
    Ui::termial *ui = rig.w.form();
    QStringList expected{rig.sim.slavePath(), QStringLiteral("/dev/h4b-no-such-tty")};
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        expected << info.portName();
    showWindow(rig.w);
    // Command-line paths head the list once each, also after a refresh; the first is the one a connect opens.
    rig.w.addPortPath(expected[1]);
    rig.w.addPortPath(expected[0]);
    ui->serialport_comboBox->setCurrentIndex(1);
    rig.w.serialportFlashBtn_clicked();
    QStringList items;
    for (int i = 0; i < ui->serialport_comboBox->count(); ++i)
        items << ui->serialport_comboBox->itemText(i);
    QCOMPARE(items, expected);
    QCOMPARE(ui->serialport_comboBox->currentIndex(), 0);
    QVERIFY(rig.connectLink());
    QCOMPARE(ui->status_bar->currentMessage(), "已连接到 " + rig.sim.slavePath());
    // Every entry shows whole, one added later too: with its end in view, its start is too.
    QLineEdit *edit = ui->serialport_comboBox->lineEdit();
    for (int i = 0; i < 2; ++i) {
        ui->serialport_comboBox->setCurrentIndex(i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        edit->end(false);
        edit->grab(); // painting settles the scroll position
        const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QVERIFY2(end - edit->fontMetrics().horizontalAdvance(edit->text()) >= edit->contentsRect().left(),
                 qPrintable(edit->text()));
    }

    // Closed by hand during a read: cancelled, which marks nothing; the line follows a language switch.
    rig.fillRows(3, 31);
    ui->read_btn->click();
    QVERIFY(waitUntil([&] { return !rig.sim.received().isEmpty(); }, 5000));
    rig.w.serialportLinkBtn_clicked();
    QCOMPARE(rig.seen(3),
             QStringLiteral("读取已取消\nprogress -1 of 6\n发送, 读取, 比较, 校验 [ ], 备份 [ ], 连接, 全选 off, port box"));
    ui->language_comboBox->setCurrentIndex(2);
    QTRY_COMPARE(shownTitle(rig.w), QStringLiteral("Terminal de contrôle"));
    QCOMPARE(rig.status.mid(rig.status.size() - 2), (QStringList{"读取已取消", windowText("读取已取消")}));

    // The second entry is opened by its path, and fails with the system's reason.
    ui->serialport_comboBox->setCurrentIndex(1);
    QVERIFY(!rig.connectLink());
    QCOMPARE(rig.boxes, QStringList{windowText("警告") + '|' + windowText("没有成功打开串口,") +
                                    rig.w.serialport().errorString()});
    // The radio's path typed into the box is opened as it stands, the missing device still chosen.
    edit->clear();
    QTest::keyClicks(edit, rig.sim.slavePath());
    QCOMPARE(ui->serialport_comboBox->currentIndex(), 1);
    QVERIFY(rig.connectLink());
}

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
