// The safety net through the window and the simulated radio: compare, back up and preview a write, restore.
#include "backups.h"
#include "channelfile.h"
#include "windowrig.h"
#include "ui_termial.h" // named here so that the form header is generated for this test

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

namespace
{

// Everything a comparison or preview shows: its name and title, the summary, the header and each row, the
// lines of a cell joined by "/".
QString shown(QWidget *dialog)
{
    const auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("changes"));
    const auto *summary = dialog->findChild<QLabel *>(QStringLiteral("summary"));
    if (!table || !summary)
        return QStringLiteral("not a changes dialog: ") + dialog->metaObject()->className();
    QStringList out{dialog->objectName() + ": " + dialog->windowTitle(), summary->text()};
    for (int row = -1; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column))
                         ->text()
                         .replace(u'\n', u'/');
        out << cells.join(QStringLiteral(" | "));
    }
    return out.join(u'\n');
}

void clickChild(QWidget *dialog, const char *name)
{
    auto *button = dialog->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button && button->isEnabled(), name);
    // A check box takes clicks on its box and text, at its start.
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QCheckBox *>(button) ? QPoint(8, button->height() / 2) : QPoint());
}

// The frames the radio received (of the given commands, or all), as "41:0-3 44:0-3": command and channel.
QString wire(const RadioSim &sim, const QList<int> &commands = {})
{
    QStringList frames;
    for (const QByteArray &f : sim.received())
        if (commands.isEmpty() || commands.contains(quint8(f.at(5))))
            frames << QString::number(quint8(f.at(5)), 16) + ':' + QString::number(channelOf(f));
    return runs(frames);
}

// The radio holds what the table's rows 0-3 hold, except channel 1 (mode and colour code) and 3 (name).
QList<QByteArray> radioDiffersAt1And3(WindowRig &rig, quint32 seed)
{
    fillRadio(rig.sim, seed, 0, 4);
    storeChannel1Differently(rig.sim);
    channel c = rig.sim.analog(3);
    c.setChannelName(QByteArray("RADIO 3").leftJustified(12, '\0'));
    rig.sim.setAnalog(3, c);
    QList<QByteArray> radio;
    for (int r = 0; r < 4; ++r)
        radio << stored(rig.sim, r);
    return radio;
}

// What the table shows in these cells of a row, joined by "/".
QString cells(termial &w, int row, const QList<int> &columns)
{
    QStringList out;
    for (const int column : columns)
        out << w.tableModel()->index(row, column).data().toString();
    return out.join(u'/');
}

} // namespace

class TestSafetyNet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void compare();
    void backupPreviewRestore();

private:
    QTemporaryDir home;
};

void TestSafetyNet::initTestCase()
{
    // Backups and settings go to a folder of this run's own, before anything has asked where they live.
    QVERIFY(home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
}

// The ticked channels read and compared; the table untouched until the radio's values are taken, in one
// undo step, for the selected channels only.
void TestSafetyNet::compare()
{
    WindowRig rig;
    QVERIFY(rig.connectLink());
    showWindow(rig.w);
    const QList<QByteArray> table = rig.fillRows(4, 31);
    const QList<QByteArray> radio = radioDiffersAt1And3(rig, 31);
    const QString tableText1 = cells(rig.w, 1, {ColVfoaMode, ColRxCc}), tableText3 = cells(rig.w, 3, {ColName});
    const int undoSteps = rig.w.undoStack()->count();
    Ui::termial *ui = rig.w.form();

    QString dialog;
    QList<QByteArray> rowsWhileShown;
    Modals modals({[&](QWidget *modal) {
        dialog = shown(modal);
        rowsWhileShown = rig.rows(4);
        modal->findChild<QTableWidget *>(QStringLiteral("changes"))->selectRow(0);
        clickChild(modal, "take");
    }});
    rig.status.clear();
    ui->compare_btn->click();
    QCOMPARE(rig.seen(0).section(u'\n', 2), QStringLiteral("发送, 读取 off, 正在比较.., 校验 [ ], 备份 [ ], 断开, "
                                                           "全选, port box off"));
    QVERIFY(rig.waitIdle(5000));
    QVERIFY(waitUntil([&] { return !dialog.isEmpty() && !QApplication::activeModalWidget(); }, 5000));
    QCOMPARE(wire(rig.sim), QStringLiteral("41:0-3 44:0-3"));
    QCOMPARE(rowsWhileShown, table);
    // What was taken is what the dialog called the radio's values.
    QCOMPARE(rig.rows(4), (QList<QByteArray>{table[0], radio[1], table[2], table[3]}));
    QCOMPARE(dialog, "comparison: 与电台比较\n2 个信道与电台不同，2 个信道相同。\n信道 | 列 | 电台的值 | 表格的值\n"
                     "1 | VFA_MODE/Rx_cc | " +
                         cells(rig.w, 1, {ColVfoaMode, ColRxCc}) + " | " + tableText1 + "\n3 | NAME | RADIO 3 | " +
                         tableText3);
    QCOMPARE(rig.status.last(), QStringLiteral("比较完成：2 个信道不同，2 个相同"));
    QCOMPARE(rig.seen(4).section(u'\n', 2), rig.seen(0).section(u'\n', 2)); // idle again, no row marked
    QCOMPARE(rig.w.undoStack()->count(), undoSteps + 1);
    pressKey(ui->tableView, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rig.rows(4), table);

    // A channel the radio does not answer is marked as a read marks it, and only the others are compared.
    rig.sim.clearReceived();
    dialog.clear();
    Modals close({[&](QWidget *modal) {
        dialog = shown(modal);
        modal->close();
    }});
    const auto silent2 = answerOnly(rig.sim, [](const QByteArray &f) { return channelOf(f) != 2; });
    ui->compare_btn->click();
    QVERIFY(rig.waitIdle(8000));
    QVERIFY(waitUntil([&] { return !dialog.isEmpty() && !QApplication::activeModalWidget(); }, 5000));
    QObject::disconnect(silent2);
    QCOMPARE(dialog.section(u'\n', 1, 1), QStringLiteral("2 个信道与电台不同，1 个信道相同。"));
    QCOMPARE(rig.seen(4).section(u'\n', 3), QStringLiteral("2: 无应答\n警告|1 个信道传输失败：2"));
    QCOMPARE(rig.status.last(), QStringLiteral("比较完成：2 个信道不同，1 个相同"));
    QCOMPARE(rig.rows(4), table);

    // Write during a compare runs beside it and cancels nothing.
    RadioSimOptions slow;
    slow.delayMs = 20;
    rig.sim.setOptions(slow);
    rig.sim.clearReceived();
    dialog.clear();
    Modals beside({[&](QWidget *modal) {
        dialog = shown(modal);
        modal->close();
    }});
    ui->compare_btn->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 2; }, 5000));
    ui->send_btn->click();
    QVERIFY(rig.w.isReading() && rig.w.isSending());
    QVERIFY(rig.waitIdle(10000));
    QVERIFY(waitUntil([&] { return !dialog.isEmpty() && !QApplication::activeModalWidget(); }, 5000));
    QCOMPARE(wire(rig.sim, {0x40, 0x43}), QStringLiteral("40:0-3 43:0-3"));
    QVERIFY(rig.status.filter(QStringLiteral("读取已取消")).isEmpty());

    // A second click cancels a compare as it does a read: no dialog, the table as it was.
    slow.delayMs = 100;
    rig.sim.setOptions(slow);
    dialog.clear();
    ui->compare_btn->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 10; }, 5000));
    ui->compare_btn->click();
    QVERIFY(rig.waitIdle(5000));
    runEventLoop(300);
    QCOMPARE(dialog, QString());
    QCOMPARE(rig.status.last(), QStringLiteral("读取已取消"));
    QCOMPARE(rig.rows(4), table);
}

// A write with the backup box ticked: the backup holds what the radio had, the preview lists exactly the
// changed channels, Cancel writes nothing, "only changed" writes those alone, and the backup comes back.
void TestSafetyNet::backupPreviewRestore()
{
    WindowRig rig;
    QVERIFY(rig.connectLink());
    showWindow(rig.w);
    const QList<QByteArray> table = rig.fillRows(4, 41);
    const QList<QByteArray> radio = radioDiffersAt1And3(rig, 41);
    const QString tableText1 = cells(rig.w, 1, {ColVfoaMode, ColRxCc}), tableText3 = cells(rig.w, 3, {ColName});
    Ui::termial *ui = rig.w.form();
    ui->backup_checkBox->click();
    QVERIFY(backups::all().isEmpty());

    QString preview;
    Modals cancel({[&](QWidget *modal) {
        preview = shown(modal);
        QTest::mouseClick(modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
    }});
    rig.status.clear();
    ui->send_btn->click();
    QCOMPARE(rig.seen(0).section(u'\n', 2), QStringLiteral("正在备份.., 读取 off, 比较 off, 校验 [ ], 备份 [x] off, "
                                                           "断开, 全选, port box off"));
    QVERIFY(waitUntil([&] { return !preview.isEmpty() && !QApplication::activeModalWidget(); }, 5000));
    QCOMPARE(wire(rig.sim), QStringLiteral("41:0-3 44:0-3"));
    QCOMPARE(rig.status.last(), QStringLiteral("写入已取消"));
    QCOMPARE(rig.rows(4), table);
    // The backup holds what the radio had, channel by channel.
    QCOMPARE(backups::all().size(), 1);
    ChannelFileRecords saved;
    QVERIFY(readChannelFile(backups::newest(), &saved));
    QList<QByteArray> inBackup;
    for (int r = 0; r < saved.channels.size() && r < saved.dmrs.size(); ++r)
        inBackup << stored(saved.channels[r]) + stored(saved.dmrs[r]);
    QCOMPARE(inBackup, radio);

    // "Only changed": frames for channels 1 and 3 alone, after a second backup.
    rig.sim.clearReceived();
    Modals onlyChanged({[&](QWidget *modal) {
        clickChild(modal, "onlyChanged");
        clickChild(modal, "write");
    }});
    ui->send_btn->click();
    QVERIFY(waitUntil([&] { return rig.sim.received().size() >= 12 && !rig.w.isSending(); }, 8000));
    QVERIFY(rig.waitIdle(5000));
    QCOMPARE(wire(rig.sim), QStringLiteral("41:0-3 44:0-3 40:1 40:3 43:1 43:3"));
    for (int r = 0; r < 4; ++r)
        QCOMPARE(stored(rig.sim, r), table[r]);
    QCOMPARE(backups::all().size(), 2);

    // Restore: the latest backup, what the radio held before that write, back in the table as an Open.
    QAction *restore = nullptr;
    for (QAction *action : ui->tableView->actions())
        if (action->objectName() == QLatin1String("openLatestBackupAction"))
            restore = action;
    QVERIFY(restore);
    QCOMPARE(restore->text(), QStringLiteral("打开最新的备份"));
    restore->trigger();
    QCOMPARE(rig.rows(4), radio);
    QCOMPARE(rig.status.last(), "已打开 " + QFileInfo(backups::newest()).fileName() + "：4 个信道");
    // The preview's radio values are those the table shows now, its new values those it showed before.
    QCOMPARE(preview, "writePreview: 写入前的预览\n写入将改变 2 个信道，2 个信道不变。\n信道 | 列 | 电台的值 | 新的值\n"
                      "1 | VFA_MODE/Rx_cc | " +
                          cells(rig.w, 1, {ColVfoaMode, ColRxCc}) + " | " + tableText1 + "\n3 | NAME | RADIO 3 | " +
                          tableText3);

    // The Open dialog has the backups folder in its sidebar.
    QList<QUrl> sidebar;
    Modals look({[&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        sidebar = dialog->sidebarUrls();
        dialog->reject();
    }});
    ui->open_pushButton->click();
    QVERIFY(sidebar.contains(QUrl::fromLocalFile(backups::folder())));

    // The newest 100 are kept, whatever their number.
    const QString newest = backups::newest();
    const QDateTime old(QDate(2000, 1, 1), QTime(0, 0));
    for (int i = 0; i < 101; ++i)
        QVERIFY(!backups::save({}, {}, nullptr, old.addSecs(i)).isEmpty());
    const QStringList kept = backups::all();
    QCOMPARE(kept.size(), 100);
    QCOMPARE(kept.first(), newest);
    QCOMPARE(QFileInfo(kept.last()).fileName(), QStringLiteral("2000-01-01_00-00-03-000.json"));

    // A backup read that does not get every channel through writes nothing and shows no preview.
    const int backupsBefore = int(backups::all().size());
    rig.sim.clearReceived();
    rig.boxes.clear();
    preview.clear();
    Modals noPreview({[&](QWidget *modal) {
        preview = shown(modal);
        modal->close();
    }});
    const auto silent2 = answerOnly(rig.sim, [](const QByteArray &f) { return channelOf(f) != 2; });
    ui->send_btn->click();
    QVERIFY(rig.waitIdle(8000));
    runEventLoop(300);
    QObject::disconnect(silent2);
    rig.sim.setOptions({});
    QCOMPARE(preview, QString());
    QCOMPARE(wire(rig.sim), QStringLiteral("41:0-1 41:2*4 41:3 44:0-1 44:2*4 44:3"));
    QCOMPARE(rig.boxes, QStringList{"警告|1 个信道传输失败：2"});
    QCOMPARE(rig.status.last(), QStringLiteral("写入已取消：备份没有完成"));
    QCOMPARE(int(backups::all().size()), backupsBefore);

    // A backup that cannot be saved writes nothing, and says why.
    QVERIFY(QDir(backups::folder()).removeRecursively());
    QFile blocking(backups::folder()); // a file where the folder should be
    QVERIFY(blocking.open(QIODevice::WriteOnly));
    blocking.close();
    rig.sim.clearReceived();
    rig.boxes.clear();
    ui->send_btn->click();
    QVERIFY(waitUntil([&] { return !rig.boxes.isEmpty(); }, 5000));
    QVERIFY(rig.waitIdle(5000));
    QCOMPARE(rig.boxes, QStringList{"警告|备份没有保存，没有写入：无法创建文件夹 " + backups::folder()});
    QCOMPARE(wire(rig.sim), QStringLiteral("41:0-3 44:0-3"));
    QCOMPARE(rig.status.last(), QStringLiteral("写入已取消：备份没有完成"));
}

QTEST_MAIN(TestSafetyNet)
#include "tst_safetynet.moc"
