// The main window's construction, destruction, wiring and tab switch.
#include "termial.h"
#include "ui_termial.h"

#include "accessibility.h"
#include "log.h"
#include "vocabulary.h"
#include "windowmemory.h"

#include <QFile>
#include <QFutureWatcher>
#include <QIcon>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>

termial::termial(QWidget *parent)
    : QWidget(parent), modeList(vocabulary::modes()), yayinList(vocabulary::analogTones()),
      dmrYayinList(vocabulary::dmrTones()), callTypeList(vocabulary::callTypes()),
      chTypeList(vocabulary::channelTypes()), ui(new Ui::termial), engine(new TransferEngine(this)),
      translator(new QTranslator), currentSerialport(engine->link().port()), isConnected(false),
      model(new QStandardItemModel(this))
{
    ui->setupUi(this);

    setWindowIcon(QIcon(QStringLiteral("://Korvane.ico")));
    fillPortList();
    // Device paths read left to right in every language, Arabic included.
    ui->serialport_comboBox->setLayoutDirection(Qt::LeftToRight);
    initTableView();
    initTransferUi();
    initTransferEngine();
    memory = new WindowMemory(this);
    safety = new SafetyNet(this);
    access = new Accessibility(this);

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
    connect(ui->serialport_comboBox, &QComboBox::currentIndexChanged, this,
            &termial::serialportComboBox_currentIndexChanged);
    connect(ui->serialportLink_pushButton, &QPushButton::clicked, this, &termial::serialportLinkBtn_clicked);
    connect(ui->channelNum_lineEdit, &QLineEdit::returnPressed, this,
            &termial::channelNumLineEdit_returnPressed);
    connect(ui->checkAll_pushButton, &QPushButton::clicked, this, &termial::checkAllBtn_clicked);
    connect(ui->checkNotAll_pushButton, &QPushButton::clicked, this, &termial::checkAllNotBtn_clicked);
    connect(ui->save_pushButton, &QPushButton::clicked, this, &termial::saveBtn_clicked);
    connect(ui->open_pushButton, &QPushButton::clicked, this, &termial::openBtn_clicked);
    connect(ui->serialportFlash_pushButton, &QPushButton::clicked, this,
            &termial::serialportFlashBtn_clicked);
    connect(ui->channelMaxNum_spinBox, &QSpinBox::valueChanged, this, &termial::setNumCheckedState);

    QCoreApplication::removeTranslator(translator);
    startLanguageLoad(QStringLiteral("lang_English.qm"));

    ui->channelMaxNum_spinBox->setValue(10);
    memory->restore();
}

termial::~termial()
{
    // The engine goes first: its timers stop and its port closes while the window is still whole.
    disconnect(engine, nullptr, this, nullptr);
    delete engine;
    // The undo stack, deleted with the children below, announces its end; the title must not hear it
    // from a window already half gone.
    disconnect(undoStack(), nullptr, memory, nullptr);
    disconnect(model, nullptr, memory, nullptr);
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
