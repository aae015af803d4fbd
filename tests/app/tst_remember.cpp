// What the window keeps from one run to the next, its title, its recent files, and what a screen reader and
// the keyboard alone get of it.
#include "windowmemory.h"
#include "windowrig.h"
#include "ui_termial.h" // named here so that the form header is generated for this test

#include <QAccessible>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

namespace
{

QString settingsFile()
{
    return WindowMemory::settings()->fileName();
}

// The entries of the recent-files menu as they show when it opens.
QStringList recentEntries(termial &w)
{
    auto *menu = w.findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
    emit menu->aboutToShow();
    QStringList out;
    for (const QAction *entry : menu->actions())
        out << entry->text() + (entry->isEnabled() ? "" : " (off)");
    return out;
}

// Everything a window takes from the settings when it starts, a line each.
QString remembered(termial &w)
{
    Ui::termial *ui = w.form();
    QStringList widths;
    for (int column = 0; column < ColumnCount; ++column)
        widths << QString::number(ui->tableView->columnWidth(column));
    return QStringList{QStringLiteral("title %1").arg(shownTitle(w)),
                       QStringLiteral("size %1x%2").arg(w.width()).arg(w.height()),
                       QStringLiteral("columns %1").arg(widths.join(u' ')),
                       QStringLiteral("port '%1'").arg(ui->serialport_comboBox->currentText()),
                       QStringLiteral("backup %1, verify %2")
                           .arg(ui->backup_checkBox->isChecked())
                           .arg(ui->verify_checkBox->isChecked()),
                       QStringLiteral("recent ") + recentEntries(w).join(QStringLiteral(" / "))}
        .join(u'\n');
}

// The widget's name and description as a screen reader gets them.
QString accessible(QObject *object, QAccessible::Text which = QAccessible::Name)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(which) : QStringLiteral("(none)");
}

// Name, and the description in brackets when there is one.
QString described(QObject *object)
{
    const QString description = accessible(object, QAccessible::Description);
    return accessible(object) + (description.isEmpty() ? QString() : " (" + description + ')');
}

// Whether the widget, as drawn now, shows the focus colour.
bool showsFocus(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int pixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels += image.pixelColor(x, y) == QColor(0x3A, 0x8E, 0xE6);
    return pixels >= 10;
}

// Tab pressed until the focus comes round again: every control it reaches, with its accessible name, and
// whether it shows the focus while it has it ("[no ring]") and loses it after ("[ring stays]").
QStringList tabChain(QWidget *start)
{
    start->setFocus();
    QStringList chain;
    QWidget *previous = nullptr;
    for (int i = 0; i < 40; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (previous && showsFocus(previous))
            chain.last() += QLatin1String(" [ring stays]");
        const QString name = focus->objectName().isEmpty() ? focus->metaObject()->className() : focus->objectName();
        if (i > 0 && focus == start)
            break;
        chain << name + ": " + described(focus) + (showsFocus(focus) ? "" : " [no ring]");
        previous = focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return chain;
}

// A window on its first run, sized so: the columns as the window sets them up, no port, nothing recent.
const QString kColumns = QStringLiteral("38 88 159 112 112 94 94 77 78 83 61 62 59 69 74 77 80 78 72");
const QString kFresh = QStringLiteral("title Control terminal\nsize %1x%2\ncolumns ") + kColumns +
                       QStringLiteral("\nport '%3'\nbackup 0, verify 0\nrecent No recent files (off)");
// What the port box offers first when nothing is remembered: the system's first port, if any.
QString firstPort()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    return ports.isEmpty() ? QString() : ports.first().portName();
}

// Counts how often a widget is shown.
struct ShowCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Show;
        return false;
    }
};

} // namespace

class TestRemember : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void carriedToTheNextWindow();
    void brokenSettingsIgnored();
    void screenReaderAndKeyboard();

private:
    QTemporaryDir files;
};

void TestRemember::initTestCase()
{
    QVERIFY(files.isValid());
    // The settings of this test's own home (ctest sets it): nothing from another run.
    QFile::remove(settingsFile());
}

// A port, a folder, the window's size, the column widths, the backup box and the recent files carried from one
// window to the next; Verify off again; the title naming the file in hand and marking unsaved edits.
void TestRemember::carriedToTheNextWindow()
{
    const QString folder = files.filePath(QStringLiteral("plans & more"));
    QVERIFY(QDir().mkpath(folder));
    RadioSim sim;
    QVERIFY(sim.open());
    {
        termial w;
        Ui::termial *ui = w.form();
        w.resize(1250, 760);
        showWindow(w);
        // The path typed into the port box, as for a device the system does not list.
        ui->serialport_comboBox->setFocus();
        ui->serialport_comboBox->lineEdit()->selectAll();
        QTest::keyClicks(ui->serialport_comboBox, sim.slavePath());
        ui->serialportLink_pushButton->click();
        QVERIFY(w.serialport().isOpen());
        ui->tableView->setColumnWidth(ColName, 177);
        ui->tableView->setColumnWidth(ColSqlevel, 61);
        ui->backup_checkBox->click();
        ui->verify_checkBox->click();

        // Saved: the title names the file; an edit marks it, a save clears the mark, an undo sets it again.
        w.setNumCheckedState(1);
        w.tableModel()->setData(w.tableModel()->index(0, ColName), QStringLiteral("EDITED"));
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal*"));
        {
            Modals modals({Modals::typeFileName(folder + QStringLiteral("/first.json"))});
            ui->save_pushButton->click();
        }
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal - first.json"));
        pressKey(ui->tableView, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal - first.json*"));
        {
            Modals modals({Modals::typeFileName(folder + QStringLiteral("/second.csv"))});
            ui->save_pushButton->click();
        }
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal - second.csv*")); // CSV leaves the name out
        {
            Modals modals({Modals::press(QMessageBox::Discard)});
            w.openFile(folder + QStringLiteral("/first.json"));
            QCOMPARE(modals.seen, QStringList{"Warning|Changes to channel 0 have not been saved."});
        }
        QCOMPARE(shownTitle(w), QStringLiteral("Control terminal - first.json"));
        ui->serialportLink_pushButton->click(); // the next window takes the line
        QVERIFY(w.close());
    }

    // The second window: what the first left, and the port it used chosen though nobody named it.
    termial w;
    showWindow(w);
    const QString shownFolder = QString(folder).replace(QLatin1String("&"), QLatin1String("&&"));
    QCOMPARE(remembered(w),
             QStringLiteral("title Control terminal\nsize 1250x760\ncolumns %1\nport '%2'\nbackup 1, verify 0\n"
                            "recent &1 first.json (%3) / &2 second.csv (%3)")
                 .arg(kColumns.section(u' ', 0, 1) + " 177 " + kColumns.section(u' ', 3, 17) + " 61", sim.slavePath(),
                      shownFolder));
    QString opensIn; // the folder the real Open dialog starts in
    {
        Modals modals({[&](QWidget *modal) {
            opensIn = qobject_cast<QFileDialog *>(modal)->directory().absolutePath();
            QTest::keyClick(modal, Qt::Key_Escape);
        }});
        w.form()->open_pushButton->click();
    }
    QCOMPARE(opensIn, folder);
    w.form()->serialportLink_pushButton->click();
    QVERIFY(w.serialport().isOpen());

    // Opened from the recent files with its number key: the newest first, at most eight, one entry a file,
    // a file gone since left out.
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        names.prepend(QStringLiteral("plan%1.json").arg(i));
        QFile::copy(folder + QStringLiteral("/first.json"), files.filePath(names.first()));
        w.openFile(files.filePath(names.first()));
    }
    w.openFile(files.filePath(QStringLiteral("plan3.json")));
    QFile::remove(files.filePath(QStringLiteral("plan7.json")));
    QStringList expected;
    for (const QString &name : QStringList{"plan3", "plan8", "plan6", "plan5", "plan4", "plan2", "plan1"})
        expected << QStringLiteral("&%1 %2.json (%3)").arg(expected.size() + 1).arg(name, files.path());
    QCOMPARE(recentEntries(w), expected);
    auto *menu = w.findChild<QMenu *>(QStringLiteral("recentFilesMenu"));
    menu->popup(w.mapToGlobal(QPoint(100, 100)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key_2);
    QTRY_COMPARE(shownTitle(w), QStringLiteral("Control terminal - plan8.json"));
    QCOMPARE(w.form()->status_bar->currentMessage(), QStringLiteral("Opened plan8.json: 1 channels"));
    w.form()->language_comboBox->setCurrentIndex(2);
    QTRY_COMPARE(shownTitle(w), QStringLiteral("Terminal de contrôle - plan8.json"));
}

// Bytes that are no settings file, values of the wrong kind or out of range, and a folder where the file
// belongs: the window starts as on its first run.
void TestRemember::brokenSettingsIgnored()
{
    QFile::remove(settingsFile());
    const QSize firstRun = termial().size();
    const QByteArray broken[] = {
        // Good lines first, then one Qt cannot parse: the whole file is suspect.
        "[General]\nbackupBeforeWrite=true\nrecentFiles=" + QFile::encodeName(QCoreApplication::applicationFilePath()) +
            "\n[broken\n",
        "[General]\nport=/dev/no-such-device\nlastFolder=/no/such/folder\nwindowGeometry=@ByteArray(garbage)\n"
        "columnWidths=1, 2, x\nrecentFiles=relative.json, /no/such/file.json\n",
        "[General]\ncolumnWidths=70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70, 99999\n"
        "recentFiles=@Variant(\\0\\0\\0\\x7f\\0)\nwindowGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0)\n",
        "", // stands for a folder in the file's place
    };
    for (const QByteArray &bytes : broken) {
        QFile::remove(settingsFile());
        QDir().rmdir(settingsFile());
        QVERIFY(QDir().mkpath(QFileInfo(settingsFile()).path()));
        if (bytes.isEmpty()) {
            QVERIFY(QDir().mkdir(settingsFile()));
        } else {
            QFile file(settingsFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        termial w;
        QCOMPARE(w.size(), firstRun);
        showWindow(w);
        QCOMPARE(remembered(w), kFresh.arg(firstRun.width()).arg(firstRun.height()).arg(firstPort()));
        w.close(); // and what it keeps on closing does not trip it either
    }
    QDir().rmdir(settingsFile());
    // A geometry Qt takes whole, of a window too low (or too narrow) for the controls.
    for (const QSize &size : {QSize(1250, 40), QSize(200, 700)}) {
        QWidget probe;
        probe.setGeometry(QRect(QPoint(100, 100), size));
        WindowMemory::settings()->setValue(QStringLiteral("windowGeometry"), probe.saveGeometry());
        QCOMPARE(termial().size(), firstRun);
    }
}

// Every control named in the language shown, the Tab key through all of them and then the table, a marked
// row's reason in its cell's description, the end of a read announced, and the context menu from the keys.
void TestRemember::screenReaderAndKeyboard()
{
    QFile::remove(settingsFile());
    WindowRig rig;
    termial &w = rig.w;
    Ui::termial *ui = w.form();
    showWindow(w);
    // Started in Chinese, the source texts: names shown in English are names that follow the language.
    ui->language_comboBox->setCurrentIndex(0);
    QTRY_VERIFY(w.findChildren<QFutureWatcherBase *>().isEmpty());
    // The buttons from Read on are the same connected; All and Deselect all are only on then.
    const QStringList english = {
        "serialport_comboBox: " + rig.sim.slavePath() + " (Serial port)",
        "serialportFlash_pushButton: Refresh serial port list (Refresh serial port list)",
        "serialportLink_pushButton: Connect (Connect serial port)",
        "language_comboBox: English (Choose language)",
        "qt_tabwidget_tabbar: Programming",
        "read_btn: Read (Read the selected channel data from the device)",
        "compare_btn: Compare (Read the ticked channels and compare them with the table; the table is not changed)",
        "send_btn: Write (Send the selected channel data to the device)",
        "verify_checkBox: Verify (After writing, read every channel back and compare it with what was sent)",
        "backup_checkBox: Backup (Before writing, read these channels, save a backup and show what will change)",
        "save_pushButton: Save (Save channel file)",
        "open_pushButton: Open (Write channel file)",
        "channelMaxNum_spinBox: Quickly select channels (Quickly select channels)",
        "channelNum_lineEdit: Jump to the corresponding channel number (Jump to the corresponding channel number)",
        "tableView: Channel table"};
    QCOMPARE(tabChain(ui->serialport_comboBox), english);
    QCOMPARE(QStringList({accessible(ui->load_progressBar), accessible(ui->status_bar)}),
             QStringList({"Transfer progress", "Status"}));

    QVERIFY(rig.connectLink());
    rig.fillRows(3, 7);
    QCOMPARE(tabChain(ui->serialportLink_pushButton),
             QStringList({"serialportLink_pushButton: Disconnect (Connect serial port)", "qt_tabwidget_tabbar: Programming",
                          "checkAll_pushButton: All (All)", "checkNotAll_pushButton: Deselect all (deselect all)"}) +
                 english.mid(5));

    // The status line's message is the name a screen reader is told of (offscreen there is no bridge to
    // watch the event itself): of a read its start and its end, not every channel.
    QStringList heard;
    QObject::connect(ui->status_bar, &QStatusBar::messageChanged, &rig.sim,
                     [&](const QString &message) { heard << message + " = " + accessible(ui->status_bar); });
    // Told as a notification shown anew for each, which is what a screen reader speaks of its own accord.
    auto *told = ui->status_bar->findChild<QWidget *>(QStringLiteral("statusAnnouncement"));
    QVERIFY(told);
    ShowCounter shows;
    told->installEventFilter(&shows);
    const auto skip1 = answerOnly(rig.sim, [](const QByteArray &f) { return channelOf(f) != 1; });
    ui->read_btn->click();
    QVERIFY(rig.waitIdle(10000));
    const QString end = "Read: 3 channels in " + rig.seconds + " s, 1 failed";
    QCOMPARE(heard.join(u'|'), "Reading 0 / 3 = Reading 0 / 3|Reading 1 / 3 = Reading 0 / 3|Reading 2 / 3 = Reading 0 / 3|"
                               "Reading 3 / 3 = Reading 0 / 3|" + end + " = " + end);
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(told);
    QCOMPARE(QStringList({QString::number(shows.count), QString::number(notification->role(), 16),
                          notification->text(QAccessible::Name), told->isVisible() ? "shown" : "hidden"}),
             QStringList({"2", "86", end, "shown"}));
    // The mark's reason is the channel cell's description, until a read gets through.
    QAccessibleTableInterface *table = QAccessible::queryAccessibleInterface(ui->tableView)->tableInterface();
    const auto reasons = [&] {
        return QStringList({table->cellAt(0, ColChannel)->text(QAccessible::Description),
                            table->cellAt(1, ColChannel)->text(QAccessible::Description)});
    };
    QCOMPARE(reasons(), QStringList({QString(), "no answer"}));
    QObject::disconnect(skip1);
    ui->read_btn->click();
    QVERIFY(rig.waitIdle(10000));
    QCOMPARE(reasons(), QStringList({QString(), QString()}));

    // The context menu, from the Menu key and from Shift+F10, over the current cell.
    ui->tableView->setCurrentIndex(w.tableModel()->index(2, ColName));
    const QPoint cellCentre =
        ui->tableView->viewport()->mapToGlobal(ui->tableView->visualRect(ui->tableView->currentIndex()).center());
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        QString shown;
        // The menu runs its own event loop inside the key press; it is read and closed from there.
        QTimer::singleShot(50, ui->tableView, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QStringList texts;
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text();
            shown = texts.join(u'|') + (menu->geometry().contains(cellCentre) || menu->pos() == cellCentre ? "" : " (elsewhere)");
            menu->close();
        });
        pressKey(ui->tableView, key, modifiers);
        QCOMPARE(shown, QStringLiteral("Undo|Redo|Cut|Copy|Paste|Delete|Clear rows|Move up|Move down|Insert row|"
                                       "Remove rows|Sort by frequency|Sort by name|Fill down|Tick edited rows|Find…|"
                                       "Find next|Open latest backup|Recent files"));
    }
    // Tab inside an open editor commits it and opens the next cell's editor.
    QWidget *editor = openEditor(ui->tableView, 0, ColName);
    QVERIFY(editor);
    typeText(editor, QStringLiteral("TABBED"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(w.tableModel()->index(0, ColName).data().toString(), QStringLiteral("TABBED"));
    QCOMPARE(ui->tableView->currentIndex(), w.tableModel()->index(0, ColVfoaFreq));
    QVERIFY(ui->tableView->isAncestorOf(QApplication::focusWidget()));
}

QTEST_MAIN(TestRemember)
#include "tst_remember.moc"
