// Tests of the window shell: start-up, the ten languages, the tab switch, the command line.
#include "logcapture.h"
#include "person.h"
#include "termial.h"
#include "ui_termial.h"

#include <QFutureWatcher>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace
{

const auto translated = [](const char *source) { return QCoreApplication::translate("termial", source); };

// In the order of language_comboBox; two texts written out catch a wrong or swapped translation source.
// The last text is Qt's own, on standard buttons: English where Qt has no catalogue.
struct Language {
    const char *name, *stem, *title, *write, *cancel;
} const knownLanguages[] = {
    {"English", "English", "Control terminal", "Write", "Cancel"},
    {"中文", "Chinese", "控制终端", "发送", "取消"},
    {"Français", "French", "Terminal de contrôle", "Envoyer", "Annuler"},
    {"بالعربية", "Arabic", "محطة التحكم", "أرسل", "ألغِ"},
    {"deutsch", "German", "Steuerterminal", "senden", "Abbrechen"},
    {"日本語", "Japanese", "制御端末", "送信", "キャンセル"},
    {"Português", "Portuguese", "Terminal de controlo", "enviar", "Cancelar"},
    {"Русский язык", "Russian", "Терминал управления", "Отправить", "Отмена"},
    {"Español", "Spanish", "Terminal de control", "Enviar", "Cancelar"},
    {"हिंदी भाषा", "Hindi", "नियंत्रण टर्मिनल", "भेजें", "Cancel"},
};

// The title, button texts, tool tips and the other kinds of text retranslateUi sets, in the language
// installed now.
void compareForm(termial &w)
{
    const Ui::termial *f = w.form();
    const std::pair<QString, const char *> texts[] = {
        {shownTitle(w), "控制终端"},
        {f->serialportLink_pushButton->text(), "连接"},
        {f->serialportLink_pushButton->toolTip(), "连接串口"},
        {f->checkAll_pushButton->text(), "全选"},
        {f->read_btn->text(), "读取"},
        {f->read_btn->toolTip(), "读取串口数据"},
        {f->send_btn->text(), "发送"},
        {f->open_pushButton->text(), "打开"},
        {f->channelNum_lineEdit->placeholderText(), "跳转Channel"},
        {f->tabWidget->tabText(0), "编程"},
    };
    for (const auto &[actual, source] : texts)
        QVERIFY2(actual == translated(source),
                 qPrintable(QStringLiteral("\"%1\": \"%2\"").arg(QString::fromUtf8(source), actual)));
}

// Holds the pool's only thread until a permit is released, so that language loads queue behind it.
struct PoolBlocker {
    QThreadPool *pool = QThreadPool::globalInstance();
    const int threads = pool->maxThreadCount();
    QSemaphore permit;
    PoolBlocker()
    {
        pool->setMaxThreadCount(1);
        pool->start([this] { permit.acquire(); });
    }
    ~PoolBlocker()
    {
        permit.release(); // a spare one when already released; nobody takes it
        pool->waitForDone();
        pool->setMaxThreadCount(threads);
    }
};

} // namespace

// Waits until every language load of the window has finished and its handler has run.
#define SETTLE(w) QTRY_COMPARE_WITH_TIMEOUT((w).findChildren<QFutureWatcherBase *>().size(), 0, 10000)

class tst_window : public QObject
{
    Q_OBJECT
    termial *shared = nullptr; // for the language tests: one window switched many times

private slots:
    void initTestCase() { shared = new termial; }
    void cleanupTestCase() { delete shared; }
    void startUpAndTabSwitch()
    {
        LogCapture log;
        termial w;
        Ui::termial *f = w.form();
        // The load runs on the pool but is installed by the event loop, so until then the source texts show.
        QCOMPARE(shownTitle(w), QStringLiteral("控制终端"));
        const QList<QWidget *> page = {f->save_pushButton, f->open_pushButton, f->send_btn, f->read_btn};
        for (QWidget *on : page + QList<QWidget *>{f->serialport_comboBox, f->serialportFlash_pushButton,
                                                   f->serialportLink_pushButton, f->language_comboBox})
            QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
        QVERIFY(!f->checkAll_pushButton->isEnabled() && !f->checkNotAll_pushButton->isEnabled());
        // The form's 10 is the start value: quick-checking (a log line, 10 as the bar's maximum) has not run.
        QCOMPARE(f->channelMaxNum_spinBox->value(), 10);
        QVERIFY(log.lines.filter(QStringLiteral("已勾选")).isEmpty());
        QCOMPARE(f->load_progressBar->maximum(), 1999);

        log.clear();
        for (int index : {1, 0}) {
            w.tabWidgetSwitch(index);
            for (QWidget *b : page)
                QVERIFY2(b->isEnabled() == (index == 0), qPrintable(b->objectName()));
        }
        QCOMPARE(log.messages(),
                 (QStringList{QStringLiteral("页面切换-> 1"), QStringLiteral("页面切换-> 0")}));
        QVERIFY(!f->checkAll_pushButton->isEnabled()); // it follows the link, not the page

        SETTLE(w);
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal"));
        compareForm(w);

        QCOMPARE(w.windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)});
        // The dark window background comes from the window style sheet.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.grab().toImage().pixelColor(2, 2), QColor(0x1E, 0x1F, 0x22));
        // The table takes the room; the status bar below it only a line.
        QVERIFY(f->tableView->height() > w.height() * 2 / 3);
    }

    void languages_data()
    {
        QTest::addColumn<int>("index");
        // English last, so that every row is a real switch of the shared window.
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            QTest::newRow(knownLanguages[i].stem) << i;
    }
    void languages()
    {
        QFETCH(int, index);
        const Language &language = knownLanguages[index];
        // Chosen by its name in the list, it is what the window shows.
        termial &w = *shared;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        SETTLE(w);
        QCOMPARE(w.form()->language_comboBox->itemText(index), QString::fromUtf8(language.name));
        w.form()->language_comboBox->setCurrentIndex(index);
        SETTLE(w);
        QCOMPARE(translated("控制终端"), QString::fromUtf8(language.title));
        QCOMPARE(translated("发送"), QString::fromUtf8(language.write));
        compareForm(w);
        QCOMPARE(w.form()->label_31->text(), QStringLiteral("0~"));
        // Whatever the words, the file dialogs' filters show the same files.
        QStringList patterns;
        const QRegularExpression inBrackets(QStringLiteral("\\(([^)]*)\\)"));
        for (auto it = inBrackets.globalMatch(termial::openFileFilters() + termial::saveFileFilters()); it.hasNext();)
            patterns << it.next().captured(1);
        QCOMPARE(patterns, QStringList({"*.json *.csv", "*.json", "*.csv", "*.json", "*.csv"}));
        // Standard buttons speak the language too, Arabic lays out right to left, and at the default size
        // every button shows its whole text without the window growing.
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(language.cancel));
        QCOMPARE(w.layoutDirection(), index == 3 ? Qt::RightToLeft : Qt::LeftToRight);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(w.size(), QSize(1194, 781));
        for (QPushButton *button : w.findChildren<QPushButton *>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
    }

    void quickSwitchesAndUnknownLanguages()
    {
        termial &w = *shared;
        // Two quick switches whose overtaken load finishes last: the pool gets one thread, held by a blocker,
        // so both loads queue; waiting on the second runs it at once on this thread, the first runs after the
        // blocker. French, because its texts differ from the sources: a translator taken away would show.
        PoolBlocker blocker;
        w.switchLanguage(3);
        w.switchLanguage(2);
        const QList<QFutureWatcherBase *> loads = w.findChildren<QFutureWatcherBase *>();
        QCOMPARE(loads.size(), 2);
        loads.last()->waitForFinished();
        QTRY_COMPARE(shownTitle(w), QString::fromUtf8(knownLanguages[2].title));
        QCOMPARE(w.findChildren<QFutureWatcherBase *>().size(), 1);
        blocker.permit.release();
        SETTLE(w);
        QCOMPARE(shownTitle(w), QString::fromUtf8(knownLanguages[2].title));
        compareForm(w);

        // From French, so that English is seen to load; then below the lowest index.
        LogCapture log;
        for (int index : {10, -1}) {
            log.clear();
            w.switchLanguage(index);
            SETTLE(w);
            QCOMPARE(log.messages(), QStringList{QStringLiteral("未知语言选项: %1").arg(index)});
            QCOMPARE(shownTitle(w), QString::fromUtf8(knownLanguages[0].title));
        }
        // A catalogue that is not there leaves an empty translator: the source texts, and the window works.
        log.clear();
        w.startLanguageLoad(QStringLiteral("lang_Klingon.qm"));
        SETTLE(w);
        QCOMPARE(log.messages(), QStringList{QStringLiteral("查找翻译文件失败")});
        QCOMPARE(shownTitle(w), QStringLiteral("控制终端"));
        QCOMPARE(translated("警告"), QStringLiteral("警告"));
    }

    void commandLine()
    {
        // Both answer before a platform is started: with no display, and with one that cannot start.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        const auto run = [&env](const char *option) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(QStringLiteral(CONTROL_TERMINAL),
                    {QStringLiteral("-platform"), QStringLiteral("xcb"), QLatin1String(option)});
            const bool ok = p.waitForFinished(10000) && p.exitCode() == 0;
            return ok ? QString::fromUtf8(p.readAllStandardOutput()).simplified() : QString();
        };
        const QString help = run("--help");
        QVERIFY2(help.contains(QStringLiteral("Serial devices (paths such as /dev/pts/3) listed before the "
                                              "system's ports; the first is the one a connect opens")),
                 qPrintable(help));
        QCOMPARE(run("--version"), QStringLiteral("control-terminal " TERMIAL_VERSION));
    }
};

QTEST_MAIN(tst_window)
#include "tst_window.moc"
