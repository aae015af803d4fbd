// The serial link through a pseudo-terminal and the simulated radio: port list, connect, replies, a vanished
// device.
#include "../common/logcapture.h"
#include "log.h"
#include "radiosim.h"
#include "seams.h"
#include "termial.h"
#include "ui_termial.h"

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

static QStringList systemPortNames()
{
    QStringList out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        out << info.portName();
    return out;
}

// The window is driven as the operator would; the test stands in for the transfer engine only
// where it writes a request of its own.
static void writeRequest(termial &w, quint8 command, quint16 number)
{
    const char bytes[] = {char(5), char(command), char(number >> 8), char(number & 0xFF)};
    QByteArray body(bytes, sizeof bytes);
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    const_cast<QSerialPort &>(w.serialport()).write(body);
}

// The buttons a link enables, and the controls it locks while it is up.
static void compareLinkState(Ui::termial *ui, bool linked)
{
    for (QWidget *b : std::initializer_list<QWidget *>{ui->save_pushButton, ui->open_pushButton,
                                                       ui->checkAll_pushButton, ui->checkNotAll_pushButton})
        QVERIFY2(b->isEnabled() == linked, qPrintable(b->objectName()));
    for (QWidget *b : std::initializer_list<QWidget *>{ui->serialport_comboBox,
                                                       ui->serialportFlash_pushButton, ui->language_comboBox})
        QVERIFY2(b->isEnabled() != linked, qPrintable(b->objectName()));
    QCOMPARE(ui->serialportLink_pushButton->text(), linked ? termial::tr("断开") : termial::tr("连接"));
}

static bool rowShows(const QStandardItemModel *model, int row, const QString &text)
{
    for (int c = 0; c < model->columnCount(); ++c)
        if (model->index(row, c).data().toString() == text)
            return true;
    return false;
}

class TestLink : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void portList();
    void connectAndDisconnect();
    void failedOpen();
    void repliesReachTheirHandlers();
    void vanishedDevice();

private:
    // The English catalogue loads in the background at start-up; texts are compared after it.
    static void settle(termial &w)
    {
        QTRY_VERIFY_WITH_TIMEOUT(w.windowTitle() != QStringLiteral("控制终端"), 3000);
    }
    QStringList boxes;
};

void TestLink::init()
{
    boxes.clear();
    seams::setWarning(
        [this](QWidget *, const QString &title, const QString &text) { boxes << title << text; });
}

void TestLink::cleanup()
{
    seams::setWarning({});
}

void TestLink::portList()
{
    RadioSim sim;
    QVERIFY(sim.open());
    const QString missing = QStringLiteral("/dev/h4b-no-such-tty");
    {
        // Without paths the list is exactly what the system reports.
        termial w;
        QCOMPARE(comboItems(w), systemPortNames());
    }
    termial w;
    settle(w);
    w.addPortPath(sim.slavePath());
    w.addPortPath(missing);
    w.addPortPath(sim.slavePath());
    const QStringList expected = QStringList{sim.slavePath(), missing} + systemPortNames();
    QCOMPARE(comboItems(w), expected);

    // Another entry chosen, then a refresh: the paths still head the list and the first is the
    // one a connect opens.
    w.form()->serialport_comboBox->setCurrentIndex(1);
    w.serialportFlashBtn_clicked();
    QCOMPARE(comboItems(w), expected);
    QCOMPARE(w.form()->serialport_comboBox->currentIndex(), 0);
    w.serialportLinkBtn_clicked();
    QVERIFY(w.serialport().isOpen());
    QCOMPARE(QStringLiteral("/dev/") + w.serialport().portName(), sim.slavePath());
    w.serialportLinkBtn_clicked();

    // Choosing the second entry opens it by path (and fails: it does not exist).
    w.form()->serialport_comboBox->setCurrentIndex(1);
    w.serialportLinkBtn_clicked();
    QVERIFY(!w.serialport().isOpen());
    QCOMPARE(boxes.size(), 2);
}

void TestLink::connectAndDisconnect()
{
    RadioSim sim;
    QVERIFY(sim.open());
    LogCapture log;
    termial w;
    settle(w);
    w.addPortPath(sim.slavePath());
    Ui::termial *ui = w.form();

    w.serialportLinkBtn_clicked();
    const QSerialPort &port = w.serialport();
    QVERIFY(port.isOpen());
    QCOMPARE(port.baudRate(QSerialPort::Input), 115200);
    QCOMPARE(port.baudRate(QSerialPort::Output), 115200);
    QCOMPARE(port.dataBits(), QSerialPort::Data8);
    QCOMPARE(port.parity(), QSerialPort::NoParity);
    QCOMPARE(port.stopBits(), QSerialPort::OneStop);
    QCOMPARE(port.flowControl(), QSerialPort::HardwareControl);
    // The pty has no modem lines; both queries fail and the link stays up.
    QCOMPARE(log.messages().filter(QStringLiteral("连接 DTR: ")).size(), 1);
    QCOMPARE(log.messages().filter(QStringLiteral("连接 RTS: ")).size(), 1);
    QVERIFY(boxes.isEmpty());

    compareLinkState(ui, true);

    ui->send_btn->setText(QStringLiteral("busy"));
    ui->serialportLink_pushButton->click();
    QVERIFY(!port.isOpen());
    compareLinkState(ui, false);
    QCOMPARE(ui->send_btn->text(), termial::tr("发送"));
    QVERIFY(boxes.isEmpty());
}

void TestLink::failedOpen()
{
    LogCapture log;
    termial w;
    settle(w);
    w.addPortPath(QStringLiteral("/dev/h4b-no-such-tty"));
    w.serialportLinkBtn_clicked();
    QVERIFY(!w.serialport().isOpen());
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0), termial::tr("警告"));
    const QString reason = w.serialport().errorString();
    QVERIFY(!reason.isEmpty());
    QCOMPARE(boxes.at(1), termial::tr("没有成功打开串口,") + reason);
    QVERIFY(log.messages().contains(QStringLiteral("没有成功打开串口 ") + reason));
    QCOMPARE(w.form()->serialportLink_pushButton->text(), termial::tr("连接"));
    QVERIFY(w.form()->serialport_comboBox->isEnabled());
    QVERIFY(!w.form()->checkAll_pushButton->isEnabled());
}

void TestLink::repliesReachTheirHandlers()
{
    RadioSim sim;
    QVERIFY(sim.open());
    channel stored;
    stored.setChannelLow(5);
    stored.setChannelName(QByteArray("LINKTEST\0\0\0\0", 12));
    sim.setAnalog(5, stored);
    DMR storedDmr;
    storedDmr.setChannelLow(6);
    storedDmr.setCallId(4242);
    storedDmr.setChType(1);
    sim.setDmr(6, storedDmr);

    LogCapture log;
    termial w;
    settle(w);
    w.addPortPath(sim.slavePath());
    w.serialportLinkBtn_clicked();
    QVERIFY(w.serialport().isOpen());

    writeRequest(w, 0x41, 5);
    QTRY_VERIFY_WITH_TIMEOUT(rowShows(w.tableModel(), 5, QStringLiteral("LINKTEST")), 2000);
    channel answered = sim.analog(5);
    answered.setCommand(0x41);
    answered.setSize(29);
    QCOMPARE(log.messages().filter(QStringLiteral("判断数据合法性结束")),
             QStringList{QStringLiteral("判断数据合法性结束 \n\t") + tlog::hex(answered.toWriteFrame())});

    writeRequest(w, 0x44, 6);
    QTRY_VERIFY_WITH_TIMEOUT(rowShows(w.tableModel(), 6, QStringLiteral("4242")), 2000);
    QVERIFY(log.messages().contains(QStringLiteral("0x44chTypes -  1")));
    QVERIFY(boxes.isEmpty());
}

void TestLink::vanishedDevice()
{
    RadioSimOptions options;
    options.dieAfter = 2;
    RadioSim sim(options);
    QVERIFY(sim.open());
    LogCapture log;
    termial w;
    settle(w);
    w.addPortPath(sim.slavePath());
    // The box runs its own event loop, as the modal box does; errors meanwhile must not repeat it.
    seams::setWarning([this](QWidget *, const QString &title, const QString &text) {
        boxes << title << text;
        QTest::qWait(300);
    });
    w.serialportLinkBtn_clicked();
    QVERIFY(w.serialport().isOpen());

    // A read of eight rows: the radio answers two and hangs up.
    w.setNumCheckedState(8);
    w.form()->read_btn->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), 2, 1000);
    QCOMPARE(boxes.at(0), termial::tr("警告"));
    QVERIFY2(boxes.at(1).startsWith(termial::tr("与串口的连接已断开：%1").arg(QString())),
             qPrintable(boxes.at(1)));
    QVERIFY(boxes.at(1).size() > termial::tr("与串口的连接已断开：%1").arg(QString()).size());
    QVERIFY(!w.serialport().isOpen());
    compareLinkState(w.form(), false);

    // Nothing more: no second box, no resends against the dead port, no flood of lines.
    const int linesAtLoss = int(log.lines.size());
    QTest::qWait(1000);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(log.messages().filter(QStringLiteral("与串口的连接已断开")).size(), 1);
    QCOMPARE(log.messages().filter(QStringLiteral("超时重发")).size(), 0);
    QCOMPARE(int(log.lines.size()), linesAtLoss);
    QVERIFY2(log.lines.size() < 60, qPrintable(QString::number(log.lines.size())));
    QVERIFY(log.other.isEmpty());
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
