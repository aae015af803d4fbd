// The window's save and open: the real file dialogs and boxes answered as a person would, files in a
// temporary directory.
#include "channelfile.h"
#include "chirpcsv.h"
#include "logcapture.h"
#include "person.h"
#include "records.h"
#include "seams.h"
#include "table/tablecolumns.h"
#include "termial.h"
#include "testfiles.h"
#include "ui_termial.h"

#include <QDir>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QStringList kCollected{QStringLiteral("取所有勾选的channel对象开始"),
                             QStringLiteral("获取所有勾选的channel对象结束")};

// Every cell's text and check state, row by row, to prove that a load left rows alone.
QList<QList<QVariant>> snapshot(const QStandardItemModel *model)
{
    QList<QList<QVariant>> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        rows.append(QList<QVariant>());
        for (int col = 0; col < ColumnCount; ++col)
            rows.last() << model->index(row, col).data() << model->index(row, col).data(Qt::CheckStateRole);
    }
    return rows;
}

void setChecked(termial &w, const QList<int> &rows)
{
    w.setAllCheckState(false);
    for (int row : rows)
        w.tableModel()->setData(w.tableModel()->index(row, ColCheck), Qt::Checked, Qt::CheckStateRole);
}

// Fills a row with a random channel of the given number that the table holds unchanged; returns its fields.
QMap<QString, QString> fillSample(termial &w, int row, int number, quint32 seed)
{
    channel c;
    DMR d;
    QRandomGenerator rng(seed);
    records::randomValidChannel(rng, number, c, d);
    w.viewUpdate(row, c);
    w.viewUpdateDmr(row, d);
    return records::fields(c, d);
}

} // namespace

class tst_files_window : public QObject
{
    Q_OBJECT

private slots:
    void saveFails();
    void saveThenOpenRestoresRows();
    void byHand();
    void csvByHand();
};

// A cancelled dialog and a disk that fills up: the old file survives and the failure is logged and shown.
void tst_files_window::saveFails()
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    LogCapture log;
    termial w;
    showWindow(w);
    QString answer;
    QStringList warnings; // title, text, title, text, ...
    seams::setSaveFileName(
        [&answer](QWidget *, const QString &, const QString &, const QString &) { return answer; });
    seams::setWarning(
        [&warnings](QWidget *, const QString &title, const QString &text) { warnings << title << text; });
    const auto restore = qScopeGuard([] {
        seams::setSaveFileName({});
        seams::setWarning({});
    });

    // Cancelled: nothing written, not even into the working folder, and no box.
    w.saveBtn_clicked();
    QCOMPARE(log.messages(), kCollected + QStringList({"选择保存的位置:", "保存失败"}));
    QVERIFY(warnings.isEmpty());
    QVERIFY(QDir(dir.path()).isEmpty());

    // Two rows stay in the write buffer until it is flushed, a thousand fail while being written. The old
    // file survives byte for byte, with no temporary file beside it.
    const QByteArray old = "{\n    \"old\": {}\n}\n";
    answer = dir.filePath(QStringLiteral("old.json"));
    QVERIFY(writeAll(answer, old));
    const QString notSaved = windowText("文件没有保存：%1").arg(QString());
    for (int rows : {2, 1000}) {
        w.setNumCheckedState(rows);
        warnings.clear();
        log.clear();
        QVERIFY(withFileSizeLimit(64, [&] { w.saveBtn_clicked(); }));
        QCOMPARE(readAll(answer), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.json")});
        QCOMPARE(log.messages().last(), QStringLiteral("保存失败"));
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(warnings.at(0), windowText("警告"));
        QVERIFY(warnings.at(1).startsWith(notSaved) && warnings.at(1).size() > notSaved.size());
    }

    // Room again: the same save replaces the file. A row never filled is empty, its lists at "no selection".
    warnings.clear();
    w.saveBtn_clicked();
    QVERIFY(warnings.isEmpty());
    const QByteArray text = readAll(answer);
    QVERIFY(text.startsWith("{\n    \"0\": {\n        \"callFormat\": 255,\n        \"callId1\": 0,\n"));
    const QJsonObject blank = QJsonDocument::fromJson(text).object().value(QStringLiteral("999")).toObject();
    QCOMPARE(blank.size(), 37);
    for (const char *key : {"callFormat", "chType", "rxCtcss", "txCtcss", "vfoaMode", "vfobMode"})
        QCOMPARE(blank.value(QLatin1String(key)).toInt(), 255);
    QCOMPARE(blank.value(QStringLiteral("channelName")).toString(), QString(12, QChar(0)));
}

// Rows saved in one window and opened in another come back field for field; rows the file does not name
// and the ticks stay as they were.
void tst_files_window::saveThenOpenRestoresRows()
{
    QTemporaryDir dir;
    const QList<int> rows{0, 2, 10, 255, 256, 999};
    QMap<int, QMap<QString, QString>> expected;
    termial source;
    for (int row : rows)
        expected.insert(row, fillSample(source, row, row, quint32(row)));
    // Row 5 claims channel 10 too; row 10 comes later and wins.
    fillSample(source, 5, 10, 5);
    setChecked(source, {0, 2, 5, 10, 255, 256, 999});
    const QString path = dir.filePath(QStringLiteral("rows.json"));
    LogCapture log;
    Modals save({Modals::typeFileName(path)});
    source.saveBtn_clicked();
    QCOMPARE(log.messages(), kCollected + QStringList(QStringLiteral("选择保存的位置:") + path));

    termial target;
    fillSample(target, 500, 500, 500);
    setChecked(target, {3, 10});
    const QList<QVariant> row500 = snapshot(target.tableModel()).at(500);
    target.form()->load_progressBar->setValue(7);
    const QList<QList<QVariant>> beforeOpen = snapshot(target.tableModel());
    Modals open({Modals::typeFileName(path)});
    target.openBtn_clicked();
    for (int row : rows)
        QCOMPARE(records::fields(target.rowToChannel(row), target.rowToDmr(row)), expected.value(row));
    QCOMPARE(snapshot(target.tableModel()).at(500), row500);
    QCOMPARE(checkedRows(target.tableModel()), (QList<int>{3, 10}));
    // Six entries, each an analog and a DMR record.
    QCOMPARE(target.form()->load_progressBar->maximum(), 12);
    QCOMPARE(target.form()->load_progressBar->value(), 12);
    QCOMPARE(save.seen.size() + open.seen.size(), 2);
    // The whole open is one undo step, both ways.
    showWindow(target);
    pressKey(target.form()->tableView, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(snapshot(target.tableModel()), beforeOpen);
    pressKey(target.form()->tableView, Qt::Key_Y, Qt::ControlModifier);
    for (int row : rows)
        QCOMPARE(records::fields(target.rowToChannel(row), target.rowToDmr(row)), expected.value(row));
}

// Open and Save as a person meets them: the real dialogs and boxes, answered by keys and clicks.
void tst_files_window::byHand()
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString &name) { return dir.filePath(name); };
    LogCapture log;
    termial w;
    showWindow(w);
    QTableView *view = w.form()->tableView;
    const QStandardItemModel *m = w.tableModel();
    const auto type = [view](int row, int column, const QString &text) {
        QWidget *editor = openEditor(view, row, column);
        QVERIFY(editor);
        typeText(editor, text);
        commitWithReturn(editor);
    };
    type(21, ColName, QStringLiteral("Edited"));
    setChecked(w, {0, 20, 999});
    const QList<QList<QVariant>> before = snapshot(m);
    const auto open = [&w] { QTest::mouseClick(w.form()->open_pushButton, Qt::LeftButton); };
    // On Open one filter shows both formats; the JSON filter keeps its text, untranslated on Save.
    const QString openDialog = QStringLiteral("file|") + windowText("Open JSON File") + u'|' +
                               windowText("信道文件 (*.json *.csv)") + u';' + windowText("JSON Files (*.json)") +
                               u';' + windowText("CHIRP CSV (*.csv)");
    const QString saveDialog = QStringLiteral("file|") + windowText("保存文件") +
                               QStringLiteral("|JSON Files (*.json);") + windowText("CHIRP CSV (*.csv)");
    const auto status = [&w] { return w.form()->status_bar->currentMessage(); };

    // A file that cannot be a channel file: a box names it and says why; the table stays as it was.
    QVERIFY(writeAll(path("text.json"), "channel 5: 145.500 MHz\n"));
    QVERIFY(writeAll(path("array.json"), R"([{"channelLow": 1}])"));
    QVERIFY(writeAll(path("vanishing.json"), "{}"));
    const QString notJson = windowText("不是 JSON 文本（%1）");
    for (const auto &[file, reason] :
         {std::pair("text.json", notJson), std::pair("array.json", windowText("不是信道文件")),
          std::pair("vanishing.json", QStringLiteral("No such file or directory"))}) {
        log.clear();
        const QString name = QLatin1String(file);
        // The last file is taken away between the dialog and the program's open.
        const auto vanish = [&] { QFile::remove(path(name)); };
        Modals modals(
            {Modals::typeFileName(path(name), name.startsWith(u'v') ? vanish : std::function<void()>()),
             Modals::press(QMessageBox::Ok)});
        open();
        QCOMPARE(modals.seen.size(), 2);
        QCOMPARE(modals.seen.at(0), openDialog);
        const QString shown = windowText("无法打开 %1：%2").arg(name, reason);
        QVERIFY2(modals.seen.at(1).startsWith(windowText("警告") + u'|' + shown.left(shown.indexOf(u'%'))) &&
                     !modals.seen.at(1).contains(u'%'),
                 qPrintable(modals.seen.at(1)));
        QCOMPARE(snapshot(m), before);
        QCOMPARE(log.messages().filter(QStringLiteral("文件打开失败")).size(),
                 reason.startsWith(u'N') ? 1 : 0);
        QCOMPARE(log.messages().filter(QStringLiteral("json转化失败\n\t ")).size(),
                 reason == notJson ? 1 : 0);
    }
    // A cancelled dialog only logs.
    log.clear();
    Modals cancelled({[](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }});
    open();
    QCOMPARE(cancelled.seen, QStringList{openDialog});
    QCOMPARE(log.messages(), QStringList{QStringLiteral("文件打开失败")});

    // A file naming the edited row 21 asks first. Cancel leaves everything; Discard loads it, with one box
    // for the entries that name no row of theirs.
    QVERIFY(writeAll(path("keys.json"), R"({"21": {"channelName": "FromFile"}, "5": {"channelName": "five"},
                                            "6": {"channelLow": 7}, "1000": {}})"));
    const QString question = windowText("警告") + u'|' + windowText("信道 %1 的修改还没有保存。").arg(21);
    Modals cancel({Modals::typeFileName(path("keys.json")), Modals::press(QMessageBox::Cancel)});
    open();
    QCOMPARE(cancel.seen, (QStringList{openDialog, question}));
    QCOMPARE(snapshot(m), before);
    Modals discard({Modals::typeFileName(path("keys.json")), Modals::press(QMessageBox::Discard),
                    Modals::press(QMessageBox::Ok)});
    open();
    QCOMPARE(discard.seen.value(2),
             windowText("警告") + u'|' +
                 windowText("%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。\n%3")
                     .arg(QStringLiteral("keys.json"), QStringLiteral("2"), QStringLiteral("1000, 6")));
    QCOMPARE(m->index(21, ColName).data(), QVariant(QStringLiteral("FromFile")));
    QCOMPARE(m->index(5, ColName).data(), QVariant(QStringLiteral("five")));
    QCOMPARE(status(), windowText("已打开 %1：%2 个信道").arg(QStringLiteral("keys.json")).arg(2));
    // Row 5 takes both of its records; row 0, which the file does not name, keeps its cells and tick.
    QCOMPARE(snapshot(m).at(0), before.at(0));

    // Save first: the file gets the ticked rows and the edited one; a name without extension gets ".json".
    type(21, ColName, QStringLiteral("Mine"));
    Modals save({Modals::typeFileName(path("keys.json")), Modals::press(QMessageBox::Save),
                 Modals::typeFileName(path("kept")), Modals::press(QMessageBox::Ok)});
    open();
    QCOMPARE(save.seen.size(), 4);
    ChannelFileRecords kept;
    QVERIFY(readChannelFile(path("kept.json"), &kept));
    QCOMPARE(kept.channels.size(), 4);
    QCOMPARE(kept.channels.at(2).channelNumber(), quint16(21)); // keys in text order: 0, 20, 21, 999
    QCOMPARE(kept.channels.at(2).channelName(), QByteArray("Mine").leftJustified(12, '\0'));
    QCOMPARE(m->index(21, ColName).data(), QVariant(QStringLiteral("FromFile")));
    QCOMPARE(status(), windowText("已打开 %1：%2 个信道").arg(QStringLiteral("keys.json")).arg(2));
    QCOMPARE(save.seen.at(2), saveDialog);

    // Saving under that name again asks before replacing the file the dialog did not ask about.
    Modals replace({Modals::typeFileName(path("kept")), Modals::press(QMessageBox::No)});
    QTest::mouseClick(w.form()->save_pushButton, Qt::LeftButton);
    QCOMPARE(replace.seen, (QStringList{saveDialog, windowText("警告") + u'|' +
                                                        windowText("%1 已存在。要替换它吗？").arg("kept.json")}));
    QVERIFY(readChannelFile(path("kept.json"), &kept));
    QCOMPARE(kept.channels.size(), 4);
    Modals again({Modals::typeFileName(path("kept")), Modals::press(QMessageBox::Yes)});
    QTest::mouseClick(w.form()->save_pushButton, Qt::LeftButton);
    QCOMPARE(again.seen.size(), 2);
    QCOMPARE(status(), windowText("已将 %1 个信道保存到 %2").arg(3).arg(QStringLiteral("kept.json")));
}

// A channel list as another tool writes it opens into columns 2 to 8; one box names what had no place.
// Saved as .csv, the rows come back, but an edit stays at risk: the file has no DMR columns.
void tst_files_window::csvByHand()
{
    QTemporaryDir dir;
    termial w;
    showWindow(w);
    const QStandardItemModel *m = w.tableModel();
    DMR dmr;
    dmr.setChannelLow(3);
    dmr.setCallFormat(1);
    w.viewUpdateDmr(3, dmr);
    QTableView *view = w.form()->tableView;
    // Row 3 changed since it was last written; the file replaces that change.
    QWidget *edit = openEditor(view, 3, ColVfoaFreq);
    QVERIFY(edit);
    typeText(edit, QStringLiteral("446.1"));
    commitWithReturn(edit);
    const QString csv = dir.filePath(QStringLiteral("plan.csv"));
    QVERIFY(writeAll(
        csv, "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Comment\r\n"
             "3,Rpt \"North\",145.600000,-,0.600000,Tone,88.5,88.5,FM,\"net, Mondays\"\r\n"
             "7,Simplex,145.500000,,0.000000,DTCS,88.5,88.5,NFM,\r\n"
             "1200,Far,146.0,,,,,,FM,\r\n"));
    Modals open({Modals::typeFileName(csv), Modals::press(QMessageBox::Discard), Modals::press(QMessageBox::Ok)});
    QTest::mouseClick(w.form()->open_pushButton, Qt::LeftButton);
    QCOMPARE(open.seen.size(), 3);
    QCOMPARE(open.seen.at(1), windowText("警告") + u'|' + windowText("信道 %1 的修改还没有保存。").arg(3));
    QCOMPARE(open.seen.at(2), windowText("警告") + QStringLiteral("|plan.csv\n") +
                                  csvNoteText(CsvReason::BadLocation, QStringLiteral("4")) + u'\n' +
                                  csvNoteText(CsvReason::Dtcs, QStringLiteral("7")));
    QCOMPARE(w.form()->status_bar->currentMessage(),
             windowText("已打开 %1：%2 个信道").arg(QStringLiteral("plan.csv")).arg(2));
    // Opened rows are as the file has them, not changed since: Ctrl+E ticks none of them.
    pressKey(view, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(checkedRows(m), QList<int>());
    setChecked(w, {2, 3, 7});
    QStringList row3;
    for (int column = ColName; column <= ColCallType; ++column)
        row3 << m->index(3, column).data().toString();
    QCOMPARE(row3,
             QStringList({"Rpt \"North\"", "145600000", "145000000", "NFM", "NFM", "88.5", "0", "Group"}));
    QCOMPARE(m->index(7, ColEmitYayin).data().toString(), QStringLiteral("0"));

    QWidget *editor = openEditor(view, 2, ColName);
    QVERIFY(editor);
    typeText(editor, QStringLiteral("Mine"));
    commitWithReturn(editor);
    const QString saved = dir.filePath(QStringLiteral("again.csv"));
    Modals save({Modals::typeFileName(saved)});
    QTest::mouseClick(w.form()->save_pushButton, Qt::LeftButton);
    const QByteArray text = readAll(saved);
    QVERIFY2(text.contains("\r\n3,\"Rpt \"\"North\"\"\",145.600000,-,0.600000,Tone,88.5,"), text.constData());
    CsvImport back = readChirpCsv(text);
    QCOMPARE(back.channels.size(), 3);
    QCOMPARE(back.channels.at(0).name, QStringLiteral("Mine"));
    QCOMPARE(back.channels.at(1).vfobFrequency, 145000000u);

    // Closing asks about the edit: Cancel keeps the window, Discard closes it.
    const QStringList asked{windowText("警告") + u'|' + windowText("信道 %1 的修改还没有保存。").arg(2)};
    Modals stay({Modals::press(QMessageBox::Cancel)});
    w.close();
    QVERIFY(w.isVisible());
    QCOMPARE(stay.seen, asked);
    Modals leave({Modals::press(QMessageBox::Discard)});
    w.close();
    QVERIFY(!w.isVisible());
    QCOMPARE(leave.seen, asked);
}

QTEST_MAIN(tst_files_window)
#include "tst_files_window.moc"
