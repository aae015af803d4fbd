// The window's save and open slots: dialogs answered through the seams, files in a temporary directory.
#include "filerecords.h"
#include "logcapture.h"
#include "seams.h"
#include "table/tablecolumns.h"
#include "termial.h"
#include "testfiles.h"
#include "ui_termial.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// The window's texts in whatever catalogue it has loaded by now.
QString windowText(const char *text)
{
    return QCoreApplication::translate("termial", text);
}

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

QList<int> checkedRows(const QStandardItemModel *model)
{
    QList<int> rows;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, ColCheck).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            rows << row;
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

struct Dialogs {
    QString saveAnswer, openAnswer;
    QStringList saveCall, openCall;
    QStringList warnings; // title, text, title, text, ...

    Dialogs()
    {
        seams::setSaveFileName(
            [this](QWidget *, const QString &caption, const QString &dir, const QString &filter) {
                saveCall = {caption, dir, filter};
                return saveAnswer;
            });
        seams::setOpenFileName(
            [this](QWidget *, const QString &caption, const QString &dir, const QString &filter) {
                openCall = {caption, dir, filter};
                return openAnswer;
            });
        seams::setWarning(
            [this](QWidget *, const QString &title, const QString &text) { warnings << title << text; });
    }
    ~Dialogs()
    {
        seams::setSaveFileName({});
        seams::setOpenFileName({});
        seams::setWarning({});
    }
};

} // namespace

class tst_files_window : public QObject
{
    Q_OBJECT

private slots:
    void save();
    void saveThenOpenRestoresRows();
    void openBadInput();
};

void tst_files_window::save()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    termial w;
    channel c;
    DMR d;
    filetest::row10(c, d);
    w.viewUpdate(10, c);
    w.viewUpdateDmr(10, d);
    setChecked(w, {2, 10});
    const QStringList collected{QStringLiteral("取所有勾选的channel对象开始"),
                                QStringLiteral("获取所有勾选的channel对象结束")};

    dialogs.saveAnswer = dir.filePath(QStringLiteral("two.json"));
    log.clear();
    w.saveBtn_clicked();
    QCOMPARE(QString::fromUtf8(readAll(dialogs.saveAnswer)), QString::fromUtf8(filetest::expectedText()));
    QCOMPARE(dialogs.saveCall,
             (QStringList{windowText("保存文件"), QString(), QStringLiteral("JSON Files (*.json)")}));
    QCOMPARE(log.messages(), collected + QStringList(QStringLiteral("选择保存的位置:") + dialogs.saveAnswer));
    QVERIFY(dialogs.warnings.isEmpty());

    // No row checked: the dialog still comes, and the file is an empty object.
    setChecked(w, {});
    dialogs.saveAnswer = dir.filePath(QStringLiteral("none.json"));
    w.saveBtn_clicked();
    QCOMPARE(readAll(dialogs.saveAnswer), QByteArray("{\n}\n"));

    // A cancelled dialog writes nothing, not even into the working folder, and shows nothing.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    dialogs.saveAnswer = QString();
    log.clear();
    w.saveBtn_clicked();
    QCOMPARE(log.messages(), collected + QStringList({"选择保存的位置:", "保存失败"}));
    QVERIFY(dialogs.warnings.isEmpty());
    QVERIFY(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    // The directory does not exist: the file cannot be opened, and the box says why.
    dialogs.saveAnswer = dir.filePath(QStringLiteral("gone/x.json"));
    w.saveBtn_clicked();
    QCOMPARE(log.messages().last(), QStringLiteral("保存失败"));
    QSaveFile probe(dialogs.saveAnswer);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    QCOMPARE(dialogs.warnings,
             (QStringList{windowText("警告"), windowText("文件没有保存：%1").arg(probe.errorString())}));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone"))));

    // A disk that fills up: two rows stay in the write buffer until it is flushed, a thousand fail
    // while being written. The old file survives byte for byte, with no temporary file beside it.
    const QByteArray old = "{\n    \"old\": {}\n}\n";
    dialogs.saveAnswer = empty.filePath(QStringLiteral("old.json"));
    QVERIFY(writeAll(dialogs.saveAnswer, old));
    for (int rows : {2, 1000}) {
        w.setNumCheckedState(rows);
        dialogs.warnings.clear();
        log.clear();
        QVERIFY(withFileSizeLimit(64, [&] { w.saveBtn_clicked(); }));
        QCOMPARE(readAll(dialogs.saveAnswer), old);
        QCOMPARE(QDir(empty.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.json")});
        QCOMPARE(log.messages().last(), QStringLiteral("保存失败"));
        const QString notSaved = windowText("文件没有保存：%1").arg(QString());
        QCOMPARE(dialogs.warnings.value(0), windowText("警告"));
        QVERIFY(dialogs.warnings.value(1).startsWith(notSaved) &&
                dialogs.warnings.value(1).size() > notSaved.size());
        QCOMPARE(dialogs.warnings.size(), 2);
    }

    // Room again: the same save replaces the file.
    dialogs.warnings.clear();
    w.saveBtn_clicked();
    QVERIFY(dialogs.warnings.isEmpty());
    QVERIFY(readAll(dialogs.saveAnswer).startsWith("{\n    \"0\": {\n"));
}

void tst_files_window::saveThenOpenRestoresRows()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    const QList<int> rows{0, 2, 10, 255, 256, 999};
    QMap<int, QMap<QString, QString>> expected;

    termial source;
    for (int row : rows)
        expected.insert(row, fillSample(source, row, row, quint32(row)));
    // Row 5 claims channel 10 too; row 10 comes later and wins.
    fillSample(source, 5, 10, 5);
    setChecked(source, {0, 2, 5, 10, 255, 256, 999});
    dialogs.saveAnswer = dir.filePath(QStringLiteral("rows.json"));
    source.saveBtn_clicked();

    // A row the file does not name stays as it was, and no check state changes.
    termial target;
    fillSample(target, 500, 500, 500);
    setChecked(target, {3, 10});
    const QList<QVariant> row500 = snapshot(target.tableModel()).at(500);
    QList<int> progress;
    connect(target.form()->load_progressBar, &QProgressBar::valueChanged, this,
            [&progress](int value) { progress << value; });
    target.form()->load_progressBar->setValue(7);
    progress.clear();
    dialogs.openAnswer = dialogs.saveAnswer;
    target.openBtn_clicked();

    QCOMPARE(dialogs.openCall,
             (QStringList{windowText("Open JSON File"), QString(), windowText("JSON Files (*.json)")}));
    for (int row : rows)
        QCOMPARE(records::fields(target.rowToChannel(row), target.rowToDmr(row)), expected.value(row));
    QCOMPARE(snapshot(target.tableModel()).at(500), row500);
    QCOMPARE(checkedRows(target.tableModel()), (QList<int>{3, 10}));
    // Six entries: the bar goes 0, 1, ..., 12 and stays there.
    QCOMPARE(target.form()->load_progressBar->maximum(), 12);
    QCOMPARE(progress, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

void tst_files_window::openBadInput()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    termial w;
    const QStandardItemModel *m = w.tableModel();
    channel named;
    named.setChannelLow(21);
    named.setChannelName("X");
    w.viewUpdate(21, named);
    setChecked(w, {0, 20, 999});
    w.form()->load_progressBar->setValue(7);
    QList<QList<QVariant>> before = snapshot(m);

    // Broken JSON: the parser's error text goes to the log only.
    dialogs.openAnswer = dir.filePath(QStringLiteral("broken.json"));
    QVERIFY(writeAll(dialogs.openAnswer, R"({"1": {"channelLow": 1, "channelName": "x"}, )"));
    w.openBtn_clicked();
    const QStringList failed = log.messages().filter(QStringLiteral("json转化失败"));
    QCOMPARE(failed.size(), 1);
    QVERIFY(failed.first().startsWith(QStringLiteral("json转化失败\n\t ")));
    QVERIFY(failed.first().size() > QStringLiteral("json转化失败\n\t ").size());
    // Cancelled dialog, then a file that is not there.
    for (const QString &name : {QString(), dir.filePath(QStringLiteral("missing.json"))}) {
        log.clear();
        dialogs.openAnswer = name;
        w.openBtn_clicked();
        QCOMPARE(log.messages(), QStringList{QStringLiteral("文件打开失败")});
    }
    QCOMPARE(snapshot(m), before);
    QCOMPARE(w.form()->load_progressBar->value(), 7);

    // A missing name loads empty, not the record's default; an entry that is no object loads as an
    // empty one (channel 0, mode code 0); channels 1000 and 65535 change nothing but count.
    dialogs.openAnswer = dir.filePath(QStringLiteral("bad.json"));
    QVERIFY(writeAll(dialogs.openAnswer, R"({"b": {"channelHigh": 0, "channelLow": 21}, "c": [1, 2],
        "d": {"channelHigh": 3, "channelLow": 232, "channelName": "outside"},
        "e": {"channelHigh": 255, "channelLow": 255}})"));
    log.clear();
    w.openBtn_clicked();
    QVERIFY(log.messages().filter(QStringLiteral("json")).isEmpty());
    QCOMPARE(m->index(21, ColName).data().toString(), QString());
    QCOMPARE(m->index(0, ColVfoaMode).data().toString(), QStringLiteral("USB"));
    const QList<QList<QVariant>> after = snapshot(m);
    before[0] = after.at(0), before[21] = after.at(21);
    QCOMPARE(after, before);
    QCOMPARE(checkedRows(m), (QList<int>{0, 20, 999}));
    QCOMPARE(w.form()->load_progressBar->maximum(), 8);
    QCOMPARE(w.form()->load_progressBar->value(), 8);

    // An array at the top level loads nothing and reports nothing.
    QVERIFY(writeAll(dialogs.openAnswer, R"([{"channelHigh": 0, "channelLow": 1, "channelName": "arr"}])"));
    log.clear();
    w.openBtn_clicked();
    QCOMPARE(snapshot(m), after);
    QVERIFY(log.messages().isEmpty());
    QVERIFY(dialogs.warnings.isEmpty());
}

QTEST_MAIN(tst_files_window)
#include "tst_files_window.moc"
