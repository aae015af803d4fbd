// The serial link through a pty and the simulated radio: port list, connect, short replies, a lost device.
#include "../common/logcapture.h"
#include "radiosim.h"
#include "seams.h"
#include "termial.h"
#include "ui_termial.h"

#include <QLineEdit>
#include <QSerialPortInfo>
#include <QtTest>

static QStringList comboItems(const termial &w)
{
    QStringList out;
    for (int i = 0; i < w.form()->serialport_comboBox->count(); ++i)
        out << w.form()->serialport_comboBox->itemText(i);
    return out;
}

// The buttons a link enables, and the controls it locks while it is up; files need no link.
static void compareLinkState(Ui::termial *ui, bool linked)
{
    QVERIFY(ui->save_pushButton->isEnabled() && ui->open_pushButton->isEnabled());
    for (QWidget *b : std::initializer_list<QWidget *>{ui->checkAll_pushButton, ui->checkNotAll_pushButton})
        QVERIFY2(b->isEnabled() == linked, qPrintable(b->objectName()));
    for (QWidget *b : std::initializer_list<QWidget *>{ui->serialport_comboBox,
                                                       ui->serialportFlash_pushButton, ui->language_comboBox})
        QVERIFY2(b->isEnabled() != linked, qPrintable(b->objectName()));
    QCOMPARE(ui->serialportLink_pushButton->text(), linked ? termial::tr("断开") : termial::tr("连接"));
}

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void link();

private:
    QStringList boxes; // outlives the warning seam's capture of it
};

// One session, as an operator would have it: each step starts from the state the one before left.
void TestLink::link()
{
    seams::setWarning(
        [this](QWidget *, const QString &title, const QString &text) { boxes << title << text; });
    RadioSim sim;
    QVERIFY(sim.open());
    const QString missing = QStringLiteral("/dev/h4b-no-such-tty");
    QStringList expected{sim.slavePath(), missing};
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        expected << info.portName();
    LogCapture log;
    termial w;
    // The English catalogue loads in the background at start-up; texts are compared after it.
    QTRY_VERIFY_WITH_TIMEOUT(w.windowTitle() != QStringLiteral("控制终端"), 3000);
    Ui::termial *ui = w.form();
    QCOMPARE(comboItems(w), expected.mid(2)); // without paths, exactly what the system reports
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.addPortPath(sim.slavePath());
    w.addPortPath(missing);
    w.addPortPath(sim.slavePath());
    QCOMPARE(comboItems(w), expected);

    // Another entry chosen, then a refresh: the paths still head the list and the first is the
    // one a connect opens.
    ui->serialport_comboBox->setCurrentIndex(1);
    w.serialportFlashBtn_clicked();
    QCOMPARE(comboItems(w), expected);
    QCOMPARE(ui->serialport_comboBox->currentIndex(), 0);
    // Every entry shows whole, also one listed after the window came up: with its end in view, its
    // start is too.
    QLineEdit *edit = ui->serialport_comboBox->lineEdit();
    for (int i = 0; i < 2; ++i) {
        ui->serialport_comboBox->setCurrentIndex(i);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        edit->end(false);
        edit->grab(); // painting settles the scroll position
        const int end = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        const int start = end - edit->fontMetrics().horizontalAdvance(edit->text());
        QVERIFY2(start >= edit->contentsRect().left(), qPrintable(edit->text()));
    }
    ui->serialport_comboBox->setCurrentIndex(0);
    w.serialportLinkBtn_clicked();
    QCOMPARE(ui->status_bar->currentMessage(), termial::tr("已连接到 %1").arg(sim.slavePath()));
    const QSerialPort &port = w.serialport();
    QVERIFY(port.isOpen());
    QCOMPARE(QStringLiteral("/dev/") + port.portName(), sim.slavePath());
    QCOMPARE(port.baudRate(), 115200); // -1 if input and output differ
    QCOMPARE(port.dataBits(), QSerialPort::Data8);
    QCOMPARE(port.parity(), QSerialPort::NoParity);
    QCOMPARE(port.stopBits(), QSerialPort::OneStop);
    QCOMPARE(port.flowControl(), QSerialPort::HardwareControl);
    // The pty has no modem lines; both queries fail and the link stays up.
    QCOMPARE(log.messages().filter(QStringLiteral("连接 DTR: ")).size(), 1);
    QCOMPARE(log.messages().filter(QStringLiteral("连接 RTS: ")).size(), 1);
    compareLinkState(ui, true);

    // A radio that answers every read, though never with a whole record: six frames given up in a
    // row, yet the line is not silent. Each of the 24 replies reaches its handler once.
    RadioSimOptions shortRead;
    shortRead.shortRead = true;
    sim.setOptions(shortRead);
    w.setNumCheckedState(3);
    ui->read_btn->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 2, 8000);
    QCOMPARE(boxes.at(1), termial::tr("%1 个信道传输失败：%2").arg(3).arg(QStringLiteral("0-2")));
    QCOMPARE(log.messages().filter(QStringLiteral("判断数据合法性结束 \n\t")).size(), 24);

    // Closed by hand during a read: the read is cancelled, and an error the port raises while it
    // closes is no lost line.
    boxes.clear();
    ui->read_btn->click();
    connect(
        &port, &QIODevice::aboutToClose, this,
        [&port] { emit const_cast<QSerialPort &>(port).errorOccurred(QSerialPort::ResourceError); },
        Qt::SingleShotConnection);
    ui->serialportLink_pushButton->click();
    QVERIFY(!port.isOpen());
    compareLinkState(ui, false);
    QCOMPARE(ui->status_bar->currentMessage(), termial::tr("读取已取消"));
    QCOMPARE(ui->read_btn->text(), termial::tr("读取"));
    // The status line follows a language switch.
    ui->language_comboBox->setCurrentIndex(2);
    QTRY_COMPARE(w.windowTitle(), QStringLiteral("Terminal de contrôle"));
    QCOMPARE(ui->status_bar->currentMessage(), termial::tr("读取已取消"));
    QVERIFY(termial::tr("读取已取消") != QStringLiteral("读取已取消"));

    // The second entry is opened by its path, and fails.
    ui->serialport_comboBox->setCurrentIndex(1);
    w.serialportLinkBtn_clicked();
    QVERIFY(!port.isOpen());
    const QString reason = port.errorString();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(boxes, (QStringList{termial::tr("警告"), termial::tr("没有成功打开串口,") + reason}));
    QVERIFY(log.messages().contains(QStringLiteral("没有成功打开串口 ") + reason));
    compareLinkState(ui, false);

    // The radio's path typed into the box is opened as it stands (the entry chosen is still the
    // missing device).
    boxes.clear();
    ui->serialport_comboBox->lineEdit()->clear();
    QTest::keyClicks(ui->serialport_comboBox->lineEdit(), sim.slavePath());
    QCOMPARE(ui->serialport_comboBox->currentIndex(), 1);
    w.serialportLinkBtn_clicked();
    QVERIFY(port.isOpen());

    // Some systems report a hung-up line as a read error rather than a lost resource: it drops
    // too, and the read under way stops with the channels it did not get through.
    ui->read_btn->click();
    emit const_cast<QSerialPort &>(port).errorOccurred(QSerialPort::ReadError);
    QVERIFY(!port.isOpen());
    compareLinkState(ui, false);
    QTRY_COMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0), termial::tr("警告"));
    const QString lost = termial::tr("与串口的连接已断开：%1").arg(QString());
    QVERIFY2(boxes.at(1).startsWith(lost) && boxes.at(1).endsWith(termial::tr("未传输的信道：%1").arg("0-2")),
             qPrintable(boxes.at(1)));
    QCOMPARE(ui->status_bar->currentMessage(),
             termial::tr("读取已停止：%1").arg(termial::tr("与串口的连接已断开")));
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
