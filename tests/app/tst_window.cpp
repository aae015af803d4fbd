// Tests of the window shell: start-up states, the ten languages, the tab switch, tear-down, the command line.
#include "logcapture.h"
#include "termial.h"
#include "ui_termial.h"

#include <QFutureWatcher>
#include <QIcon>
#include <QImageReader>
#include <QProcess>
#include <QStandardItemModel>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>
#include <memory>

namespace
{

QString translated(const char *source)
{
    return QCoreApplication::translate("termial", source);
}

// A few texts written out per language, so that a wrong translation source is caught too.
struct Language {
    const char *name; // as shown in language_comboBox
    const char *stem; // lang_<stem>.ts, lang_<stem>.qm
    const char *tag;
    const char *title;
    const char *write;
};

// In the order of language_comboBox.
const Language knownLanguages[] = {
    {"English", "English", "en", "Control terminal", "Write"},
    {"中文", "Chinese", "zh_CN", "控制终端", "发送"},
    {"Français", "French", "fr", "Terminal de contrôle", "Envoyer"},
    {"بالعربية", "Arabic", "ar", "محطة التحكم", "أرسل"},
    {"deutsch", "German", "de", "Steuerterminal", "senden"},
    {"日本語", "Japanese", "ja", "制御端末", "送信"},
    {"Português", "Portuguese", "pt", "Terminal de controlo", "enviar"},
    {"Русский язык", "Russian", "ru", "Терминал управления", "Отправить"},
    {"Español", "Spanish", "es", "Terminal de control", "Enviar"},
    {"हिंदी भाषा", "Hindi", "hi", "नियंत्रण टर्मिनल", "भेजें"},
};
constexpr int languageCount = int(std::size(knownLanguages));

// A translation source as read from resources/language: every message with its translation (empty
// where none is given, so the source text shows).
struct Catalogue {
    QString file; // the compiled catalogue under :/language/
    QString tag;
    QStringList contexts;
    QStringList sources;
    QHash<QString, QString> texts;
};

Catalogue parse(const Language &language)
{
    Catalogue c;
    c.file = QStringLiteral("lang_%1.qm").arg(QLatin1String(language.stem));
    QFile f(QStringLiteral(TERMIAL_LANGUAGE_DIR "/lang_%1.ts").arg(QLatin1String(language.stem)));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(f.fileName()));
    QXmlStreamReader xml(&f);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == QLatin1String("TS")) {
            c.tag = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            c.contexts << xml.readElementText();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            const QString text = xml.readElementText();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue; // never compiled
            c.sources << source;
            c.texts.insert(source, text);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(f.fileName()), qPrintable(xml.errorString()));
    return c;
}

const QList<Catalogue> &catalogues()
{
    static const QList<Catalogue> all = [] {
        QList<Catalogue> out;
        for (const Language &language : knownLanguages)
            out << parse(language);
        return out;
    }();
    return all;
}

const Catalogue &english()
{
    return catalogues().first();
}

// No translator, or an empty one: every text in its source form.
const Catalogue untranslated;

// What the window shows for a source text in the given catalogue.
QString shown(const Catalogue &catalogue, const char *source)
{
    const QString key = QString::fromUtf8(source);
    if (&catalogue != &untranslated && !catalogue.texts.contains(key))
        qFatal("no such source text: %s", source);
    const QString text = catalogue.texts.value(key);
    return text.isEmpty() ? key : text;
}

// Every text retranslateUi sets, read back from the form, with its source text.
struct FormText {
    const char *what;
    std::function<QString(Ui::termial *)> read;
    const char *source;
};

const QList<FormText> &formTexts()
{
    static const QList<FormText> texts = {
        {"link text", [](Ui::termial *f) { return f->serialportLink_pushButton->text(); }, "连接"},
        {"link tip", [](Ui::termial *f) { return f->serialportLink_pushButton->toolTip(); }, "连接串口"},
        {"refresh tip", [](Ui::termial *f) { return f->serialportFlash_pushButton->toolTip(); },
         "刷新串口列表"},
        {"port tip", [](Ui::termial *f) { return f->serialport_comboBox->toolTip(); }, "请选择对应串口"},
        {"language tip", [](Ui::termial *f) { return f->language_comboBox->toolTip(); }, "选择语言"},
        {"all text", [](Ui::termial *f) { return f->checkAll_pushButton->text(); }, "全选"},
        {"all tip", [](Ui::termial *f) { return f->checkAll_pushButton->toolTip(); }, "全选"},
        {"none text", [](Ui::termial *f) { return f->checkNotAll_pushButton->text(); }, "全不选"},
        {"none tip", [](Ui::termial *f) { return f->checkNotAll_pushButton->toolTip(); }, "取消全选"},
        {"read text", [](Ui::termial *f) { return f->read_btn->text(); }, "读取"},
        {"read tip", [](Ui::termial *f) { return f->read_btn->toolTip(); }, "读取串口数据"},
        {"send text", [](Ui::termial *f) { return f->send_btn->text(); }, "发送"},
        {"send tip", [](Ui::termial *f) { return f->send_btn->toolTip(); }, "发送串口数据"},
        {"save text", [](Ui::termial *f) { return f->save_pushButton->text(); }, "保存"},
        {"save tip", [](Ui::termial *f) { return f->save_pushButton->toolTip(); }, "保存信道文件"},
        {"open text", [](Ui::termial *f) { return f->open_pushButton->text(); }, "打开"},
        {"open tip", [](Ui::termial *f) { return f->open_pushButton->toolTip(); }, "写入信道文件"},
        {"range label", [](Ui::termial *f) { return f->label_31->text(); }, "0~"},
        {"spin tip", [](Ui::termial *f) { return f->channelMaxNum_spinBox->toolTip(); }, "快速勾选信道"},
        {"jump placeholder", [](Ui::termial *f) { return f->channelNum_lineEdit->placeholderText(); },
         "跳转Channel"},
        {"jump tip", [](Ui::termial *f) { return f->channelNum_lineEdit->toolTip(); }, "跳转至对应信道号"},
        {"page title", [](Ui::termial *f) { return f->tabWidget->tabText(0); }, "编程"},
    };
    return texts;
}

void compareForm(termial &w, const Catalogue &catalogue)
{
    QCOMPARE(w.windowTitle(), shown(catalogue, "控制终端"));
    for (const FormText &t : formTexts()) {
        const QString actual = t.read(w.form());
        if (actual != shown(catalogue, t.source))
            QFAIL(qPrintable(
                QStringLiteral("%1 in %2: \"%3\", expected \"%4\"")
                    .arg(QLatin1String(t.what), catalogue.file, actual, shown(catalogue, t.source))));
    }
    QCOMPARE(w.form()->serialportFlash_pushButton->text(), QString());
}

int loadsRunning(termial &w)
{
    return int(w.findChildren<QFutureWatcherBase *>().size());
}

} // namespace

// Waits until every language load of the window has finished and its handler has run.
#define SETTLE(w) QTRY_COMPARE_WITH_TIMEOUT(loadsRunning(w), 0, 10000)

class tst_window : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void resources();
    void compiledCatalogues_data();
    void compiledCatalogues();
    void languages_data();
    void languages();
    void quickSwitches();
    void unknownAndMissingLanguages();
    void tabSwitch();
    void tearDown();
    void commandLine();

private:
    termial *shared();
    std::unique_ptr<termial> window;
};

termial *tst_window::shared()
{
    if (!window)
        window = std::make_unique<termial>();
    return window.get();
}

void tst_window::startUp()
{
    LogCapture log;
    termial w;
    Ui::termial *f = w.form();

    // The load runs on the pool but is installed by the event loop, so until then the source texts show.
    compareForm(w, untranslated);
    QCOMPARE(w.objectName(), QStringLiteral("termial"));
    QCOMPARE(w.size(), QSize(1194, 781));
    QCOMPARE(f->tabWidget->currentIndex(), 0);
    for (QWidget *on : std::initializer_list<QWidget *>{
             f->serialport_comboBox, f->serialportFlash_pushButton, f->serialportLink_pushButton,
             f->language_comboBox, f->save_pushButton, f->open_pushButton, f->send_btn, f->read_btn})
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    QVERIFY(!f->checkAll_pushButton->isEnabled());
    QVERIFY(!f->checkNotAll_pushButton->isEnabled());

    QCOMPARE(f->load_progressBar->minimum(), 0);
    QCOMPARE(f->load_progressBar->maximum(), 1999);
    QCOMPARE(f->load_progressBar->value(), 0);
    QVERIFY(f->load_progressBar->styleSheet().contains(QLatin1String("#05B8CC")));

    QStringList names, expected;
    for (int i = 0; i < f->language_comboBox->count(); ++i)
        names << f->language_comboBox->itemText(i);
    for (const Language &l : knownLanguages)
        expected << QString::fromUtf8(l.name);
    QCOMPARE(names, expected);
    QCOMPARE(f->language_comboBox->currentIndex(), 0);

    // The form's 10 is the start value: quick-checking has not run.
    QCOMPARE(f->channelMaxNum_spinBox->value(), 10);
    QCOMPARE(f->channelMaxNum_spinBox->minimum(), 0);
    QCOMPARE(f->channelMaxNum_spinBox->maximum(), 1000);
    for (const QString &line : log.lines)
        QVERIFY2(!line.contains(QStringLiteral("已勾选")), qPrintable(line));
    const QStandardItemModel *model = w.tableModel();
    for (int row = 0; row < model->rowCount(); ++row)
        QVERIFY(model->index(row, 0).data(Qt::CheckStateRole).toInt() != Qt::Checked);

    QTRY_COMPARE(w.windowTitle(), QStringLiteral("Control terminal"));
    SETTLE(w);
    compareForm(w, english());
    QCOMPARE(translated("警告"), QStringLiteral("Warning"));
    QCOMPARE(translated("请输入有效的行号 (0~%1)"), QStringLiteral("Please enter a valid line number"));
    QVERIFY(
        log.startingWith(QStringLiteral("termial:")).filter(QStringLiteral("查找翻译文件失败")).isEmpty());

    // The dark window background comes from the window style sheet.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.grab().toImage().pixelColor(2, 2), QColor(0x1E, 0x1F, 0x22));
}

void tst_window::resources()
{
    QImageReader flash(QStringLiteral(":/img/flash.png"));
    QCOMPARE(flash.size(), QSize(18, 16));
    QVERIFY(!flash.read().isNull());
    for (const char *arrow : {":/img/up.png", ":/img/down.png"}) {
        const QImage image = QImageReader(QString::fromLatin1(arrow)).read();
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY(image.hasAlphaChannel());
        // White drawing on a transparent ground.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(8, 8).rgb() | 0xff000000, QColor(Qt::white).rgb());
    }

    QImageReader ico(QStringLiteral("://Korvane.ico"));
    QCOMPARE(ico.imageCount(), 1);
    const QImage icon = ico.read();
    QCOMPARE(icon.size(), QSize(256, 256));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(shared()->windowIcon().pixmap(256, 256).size(), QSize(256, 256));
}

void tst_window::compiledCatalogues_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < languageCount; ++i)
        QTest::newRow(knownLanguages[i].stem) << i;
}

void tst_window::compiledCatalogues()
{
    QFETCH(int, index);
    const Language &language = knownLanguages[index];
    const Catalogue &c = catalogues()[index];
    // The source itself: the language, the one context, every message the English one has.
    QCOMPARE(c.tag, QLatin1String(language.tag));
    QCOMPARE(c.contexts, QStringList{QStringLiteral("termial")});
    QCOMPARE(c.sources, english().sources);
    QCOMPARE(shown(c, "控制终端"), QString::fromUtf8(language.title));
    QCOMPARE(shown(c, "发送"), QString::fromUtf8(language.write));

    // The compiled catalogue holds exactly what its source says.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/language/") + c.file));
    QCOMPARE(translator.language(), c.tag);
    for (const QString &source : c.sources) {
        const QString actual = translator.translate("termial", source.toUtf8().constData());
        QVERIFY2(actual == c.texts.value(source),
                 qPrintable(QStringLiteral("\"%1\": \"%2\", expected \"%3\"")
                                .arg(source, actual, c.texts.value(source))));
    }
    QVERIFY(translator.translate("QWidget", "保存").isEmpty());
}

void tst_window::languages_data()
{
    QTest::addColumn<int>("index");
    // English last, so the shared window ends where it began.
    for (int i = 1; i < languageCount; ++i)
        QTest::newRow(knownLanguages[i].stem) << i;
    QTest::newRow(knownLanguages[0].stem) << 0;
}

void tst_window::languages()
{
    QFETCH(int, index);
    termial &w = *shared();
    SETTLE(w);
    w.form()->language_comboBox->setCurrentIndex(index);
    QTRY_COMPARE(w.windowTitle(), shown(catalogues()[index], "控制终端"));
    SETTLE(w);
    compareForm(w, catalogues()[index]);
    QCOMPARE(w.form()->label_31->text(), QStringLiteral("0~"));
    QCOMPARE(translated("警告"), shown(catalogues()[index], "警告"));
    QCOMPARE(translated("文件没有保存：%1"), shown(catalogues()[index], "文件没有保存：%1"));
}

void tst_window::quickSwitches()
{
    termial &w = *shared();
    SETTLE(w);
    // Pairs of loads that overlap on the pool; whichever finishes first, the later choice must win and
    // the overtaken translator must not stay installed behind it.
    const QList<QList<int>> rounds = {{2, 4}, {4, 2}, {5, 9, 3}, {7, 7}, {1, 0}, {8, 6}};
    for (const QList<int> &round : rounds) {
        for (int index : round)
            w.switchLanguage(index);
        SETTLE(w);
        const Catalogue &last = catalogues()[round.last()];
        QCOMPARE(w.windowTitle(), shown(last, "控制终端"));
        compareForm(w, last);
        QCOMPARE(translated("警告"), shown(last, "警告"));
        QCOMPARE(translated("读取串口数据"), shown(last, "读取串口数据"));
    }

    // The overtaken load finishing last: the pool gets one thread, held by a blocker, so both loads queue;
    // waiting on the second load runs it at once on this thread, and the first runs after the blocker.
    QThreadPool *pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    pool->setMaxThreadCount(1);
    QSemaphore release;
    pool->start([&release] { release.acquire(); });
    // A failed check below still lets the blocker go and gives the pool its threads back.
    const auto restore = qScopeGuard([&] {
        release.release(); // a spare permit when the blocker is already gone; nobody takes it
        pool->waitForDone();
        pool->setMaxThreadCount(threads);
    });
    w.switchLanguage(3);
    w.switchLanguage(5);
    const QList<QFutureWatcherBase *> loads = w.findChildren<QFutureWatcherBase *>();
    QCOMPARE(loads.size(), 2);
    QVERIFY(!loads.first()->isFinished());
    loads.last()->waitForFinished();
    QTRY_COMPARE(w.windowTitle(), shown(catalogues()[5], "控制终端"));
    QCOMPARE(loadsRunning(w), 1);
    release.release();
    SETTLE(w);
    compareForm(w, catalogues()[5]);
    QCOMPARE(translated("警告"), shown(catalogues()[5], "警告"));

    w.switchLanguage(0);
    SETTLE(w);
    QCOMPARE(w.windowTitle(), shown(english(), "控制终端"));
}

void tst_window::unknownAndMissingLanguages()
{
    termial &w = *shared();
    SETTLE(w);
    LogCapture log;
    for (int index : {10, -1, 1000}) {
        w.switchLanguage(2);
        SETTLE(w);
        QCOMPARE(w.windowTitle(), shown(catalogues()[2], "控制终端"));
        log.clear();
        w.switchLanguage(index);
        SETTLE(w);
        QCOMPARE(log.messages(), QStringList{QStringLiteral("未知语言选项: %1").arg(index)});
        compareForm(w, english());
    }

    // A catalogue that is not there leaves an empty translator: the source texts, and the window works on.
    log.clear();
    w.startLanguageLoad(QStringLiteral("lang_Klingon.qm"));
    SETTLE(w);
    QCOMPARE(log.messages(), QStringList{QStringLiteral("查找翻译文件失败")});
    compareForm(w, untranslated);
    QCOMPARE(translated("警告"), QStringLiteral("警告"));

    w.switchLanguage(0);
    SETTLE(w);
    compareForm(w, english());
}

void tst_window::tabSwitch()
{
    termial &w = *shared();
    Ui::termial *f = w.form();
    const QList<QWidget *> buttons = {f->save_pushButton, f->open_pushButton, f->send_btn, f->read_btn};
    LogCapture log;

    w.tabWidgetSwitch(1);
    for (QWidget *b : buttons)
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    w.tabWidgetSwitch(0);
    for (QWidget *b : buttons)
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    QCOMPARE(log.messages(), (QStringList{QStringLiteral("页面切换-> 1"), QStringLiteral("页面切换-> 0")}));
    // The checking buttons follow the link, not the page.
    QVERIFY(!f->checkAll_pushButton->isEnabled());
}

void tst_window::tearDown()
{
    // Destroyed at once, while its first language load is still queued or running.
    for (int i = 0; i < 3; ++i)
        delete new termial;

    auto *w = new termial;
    int fired = 0;
    const QList<QTimer *> timers = w->findChildren<QTimer *>();
    QVERIFY(timers.size() >= 4);
    for (QTimer *timer : timers) {
        // Take the timers away from the transfer engine; only their firing matters here.
        QObject::disconnect(timer, &QTimer::timeout, w, nullptr);
        connect(timer, &QTimer::timeout, this, [&fired] { ++fired; });
        timer->start(1);
    }
    QTRY_VERIFY(fired > 0);
    delete w;
    const int before = fired;
    QTest::qWait(50);
    QCOMPARE(fired, before);
}

void tst_window::commandLine()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // --help and --version need no display.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));

    QProcess help;
    help.setProcessEnvironment(env);
    help.start(QStringLiteral(CONTROL_TERMINAL), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(10000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("[options] [device...]")), qPrintable(text));
    QVERIFY2(text.simplified().contains(
                 QStringLiteral("Serial devices (paths such as /dev/pts/3) listed before "
                                "the system's ports; the first is the one a connect opens")),
             qPrintable(text));

    QProcess version;
    version.setProcessEnvironment(env);
    version.start(QStringLiteral(CONTROL_TERMINAL),
                  {QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    QCOMPARE(version.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(version.readAllStandardOutput()).trimmed(),
             QStringLiteral("control-terminal " TERMIAL_VERSION));
}

QTEST_MAIN(tst_window)
#include "tst_window.moc"
