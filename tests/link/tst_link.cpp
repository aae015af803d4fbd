// The serial link through a pty and the simulated radio: port list, connect, replies, a lost device.
#include "../common/logcapture.h"
#include "log.h"
#include "radiosim.h"
#include "seams.h"
#include "tablecolumns.h"
#include "termial.h"
#include "ui_termial.h"

#include <QLineEdit>
#include <QSerialPortInfo>
#include <QStandardItemModel>
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
    // The box runs its own event loop, as the modal box does; errors meanwhile must not repeat it.
    seams::setWarning([this](QWidget *, const QString &title, const QString &text) {
        boxes << title << text;
        QTest::qWait(300);
    });
    RadioSim sim;
    QVERIFY(sim.open());
    channel stored; // as the radio answers a read of channel 0
    stored.setSize(29);
    stored.setCommand(0x41);
    stored.setChannelName(QByteArray("LINKTEST\0\0\0\0", 12));
    sim.setAnalog(0, stored);
    DMR storedDmr;
    storedDmr.setSize(29);
    storedDmr.setCommand(0x44);
    storedDmr.setCallId(4242);
    sim.setDmr(0, storedDmr);
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
    w.serialportLinkBtn_clicked();
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

    // Each reply reaches the handler of its command, once, and fills the channel's row.
    w.setNumCheckedState(1);
    ui->read_btn->click();
    QTRY_COMPARE_WITH_TIMEOUT(w.tableModel()->index(0, ColCallId).data().toString(), QStringLiteral("4242"),
                              2000);
    QCOMPARE(w.tableModel()->index(0, ColName).data().toString(), QStringLiteral("LINKTEST"));
    const QString valid = QStringLiteral("判断数据合法性结束 \n\t");
    QCOMPARE(
        log.messages().filter(QStringLiteral("判断数据合法性结束")),
        (QStringList{valid + tlog::hex(stored.toWriteFrame()), valid + tlog::hex(storedDmr.toWriteFrame())}));

    ui->send_btn->setText(QStringLiteral("busy"));
    ui->serialportLink_pushButton->click();
    QVERIFY(!port.isOpen());
    compareLinkState(ui, false);
    QCOMPARE(ui->send_btn->text(), termial::tr("发送"));
    QVERIFY(boxes.isEmpty());

    // The second entry is opened by its path, and fails.
    ui->serialport_comboBox->setCurrentIndex(1);
    w.serialportLinkBtn_clicked();
    QVERIFY(!port.isOpen());
    const QString reason = port.errorString();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(boxes, (QStringList{termial::tr("警告"), termial::tr("没有成功打开串口,") + reason}));
    QVERIFY(log.messages().contains(QStringLiteral("没有成功打开串口 ") + reason));
    compareLinkState(ui, false);

    // The radio answers two rows of eight and hangs up. Its path is typed into the box, which opens
    // it as it stands (the entry chosen is still the missing device).
    boxes.clear();
    log.clear();
    RadioSimOptions dying;
    dying.dieAfter = 2;
    sim.setOptions(dying);
    ui->serialport_comboBox->lineEdit()->clear();
    QTest::keyClicks(ui->serialport_comboBox->lineEdit(), sim.slavePath());
    QCOMPARE(ui->serialport_comboBox->currentIndex(), 1);
    w.serialportLinkBtn_clicked();
    QVERIFY(port.isOpen());
    w.setNumCheckedState(8);
    ui->read_btn->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 2, 1000);
    const QString lost = termial::tr("与串口的连接已断开：%1").arg(QString());
    QCOMPARE(boxes.at(0), termial::tr("警告"));
    QVERIFY2(boxes.at(1).startsWith(lost) && boxes.at(1).endsWith(termial::tr("未传输的信道：%1").arg("0-7")),
             qPrintable(boxes.at(1)));
    QVERIFY(!port.isOpen());
    compareLinkState(ui, false);
    QCOMPARE(ui->read_btn->text(), termial::tr("读取"));

    // Nothing more: no second box, no resends against the dead port, no flood of lines.
    const qsizetype linesAtLoss = log.lines.size();
    QTest::qWait(1000);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(log.lines.size(), linesAtLoss);
    QCOMPARE(log.messages().filter(QStringLiteral("与串口的连接已断开")).size(), 1);
    QVERIFY2(linesAtLoss < 60, qPrintable(QString::number(linesAtLoss)));
    QVERIFY(log.other.isEmpty());

    // The device comes back, most likely under the same name: the same typed path connects again.
    const QString lostPath = sim.slavePath();
    QVERIFY(sim.open());
    if (sim.slavePath() != lostPath)
        ui->serialport_comboBox->lineEdit()->setText(sim.slavePath());
    w.serialportLinkBtn_clicked();
    QVERIFY2(port.isOpen(), qPrintable(port.errorString()));

    // Some systems report a hung-up line as a read error rather than a lost resource: it drops too.
    boxes.clear();
    emit const_cast<QSerialPort &>(w.serialport()).errorOccurred(QSerialPort::ReadError);
    QVERIFY(!port.isOpen());
    QTRY_COMPARE(boxes.size(), 2);
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
