// The main window's construction, destruction, wiring and tab switch.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "vocabulary.h"

#include <QFile>
#include <QFutureWatcher>
#include <QIcon>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>

termial::termial(QWidget *parent)
    : QWidget(parent), modeList(vocabulary::modes()), yayinList(vocabulary::analogTones()),
      dmrYayinList(vocabulary::dmrTones()), callTypeList(vocabulary::callTypes()),
      chTypeList(vocabulary::channelTypes()), ui(new Ui::termial), translator(new QTranslator),
      isReading(false), isSending(false), timer0x40(new QTimer(this)), timer0x41(new QTimer(this)),
      timer0x43(new QTimer(this)), timer0x44(new QTimer(this)), isConnected(false),
      model(new QStandardItemModel(this))
{
    ui->setupUi(this);

    list0x40 = new QList<channel>;
    list0x41 = new QList<channel>;
    list0x43 = new QList<DMR>;
    list0x44 = new QList<DMR>;
    isReading = false;
    isSending = false;

    setWindowIcon(QIcon(QStringLiteral("://Korvane.ico")));
    fillPortList();
    // Device paths read left to right in every language, Arabic included.
    ui->serialport_comboBox->setLayoutDirection(Qt::LeftToRight);
    initTableView();
    initTransferUi();

    QFile progressStyle(QStringLiteral(":/style/progressbar.qss"));
    if (progressStyle.open(QIODevice::ReadOnly))
        ui->load_progressBar->setStyleSheet(QString::fromUtf8(progressStyle.readAll()));
    ui->load_progressBar->setOrientation(Qt::Horizontal);
    ui->load_progressBar->setMaximum(1999);
    ui->load_progressBar->setMinimum(0);
    ui->load_progressBar->setValue(0);

    for (const vocabulary::Language &language : vocabulary::languages())
        ui->language_comboBox->addItem(language.name);

    connect(ui->language_comboBox, &QComboBox::currentIndexChanged, this, &termial::switchLanguage);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &termial::tabWidgetSwitch);
    connect(ui->send_btn, &QPushButton::clicked, this, &termial::send_clicked);
    connect(ui->read_btn, &QPushButton::clicked, this, &termial::read_clicked);
    connect(&currentSerialport, &QSerialPort::readyRead, this, &termial::currentSerialport_readyRead);
    connect(ui->serialport_comboBox, &QComboBox::currentIndexChanged, this,
            &termial::serialportComboBox_currentIndexChanged);
    connect(ui->serialportLink_pushButton, &QPushButton::clicked, this, &termial::serialportLinkBtn_clicked);
    connect(timer0x40, &QTimer::timeout, this, &termial::onTimeout0x40);
    connect(timer0x41, &QTimer::timeout, this, &termial::onTimeout0x41);
    connect(timer0x43, &QTimer::timeout, this, &termial::onTimeout0x43);
    connect(timer0x44, &QTimer::timeout, this, &termial::onTimeout0x44);
    connect(ui->channelNum_lineEdit, &QLineEdit::returnPressed, this,
            &termial::channelNumLineEdit_returnPressed);
    connect(ui->checkAll_pushButton, &QPushButton::clicked, this, &termial::checkAllBtn_clicked);
    connect(ui->checkNotAll_pushButton, &QPushButton::clicked, this, &termial::checkAllNotBtn_clicked);
    connect(ui->save_pushButton, &QPushButton::clicked, this, &termial::saveBtn_clicked);
    connect(ui->open_pushButton, &QPushButton::clicked, this, &termial::openBtn_clicked);
    connect(ui->serialportFlash_pushButton, &QPushButton::clicked, this,
            &termial::serialportFlashBtn_clicked);
    connect(ui->channelMaxNum_spinBox, &QSpinBox::valueChanged, this, &termial::setNumCheckedState);
    connect(&currentSerialport, &QSerialPort::errorOccurred, this, &termial::currentSerialport_errorOccurred);

    QCoreApplication::removeTranslator(translator);
    startLanguageLoad(QStringLiteral("lang_English.qm"));

    ui->channelMaxNum_spinBox->setValue(10);
}

termial::~termial()
{
    delete list0x40;
    delete list0x41;
    delete list0x43;
    delete list0x44;

    const QList<QTimer *> timers = findChildren<QTimer *>();
    for (QTimer *timer : timers) {
        timer->stop();
        timer->deleteLater();
    }
    if (currentSerialport.isOpen())
        currentSerialport.close();
    for (QTimer *timer : {timer0x40, timer0x41, timer0x43, timer0x44}) {
        if (timer->isActive())
            timer->stop();
    }
    disconnect(&currentSerialport, &QSerialPort::readyRead, this, &termial::currentSerialport_readyRead);
    delete ui;
    // A catalogue load still running on the pool writes into a translator owned by its watcher, which
    // dies with this window: let it finish first.
    const QList<QFutureWatcherBase *> loads = findChildren<QFutureWatcherBase *>();
    for (QFutureWatcherBase *load : loads)
        load->waitForFinished();
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QCoreApplication::removeTranslator(qtTranslator);
    delete qtTranslator;
}

void termial::tabWidgetSwitch(int index)
{
    WLOG() << "页面切换->" << index;
    currentTab = index;
    updateControls();
}
