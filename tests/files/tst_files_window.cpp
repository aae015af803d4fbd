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

using filetest::fields;

namespace
{

QString windowText(const char *text)
{
    return QCoreApplication::translate("termial", text);
}

// Every cell's text and check state, to prove that a load left rows alone.
QList<QVariant> rowSnapshot(const QStandardItemModel *model, int row)
{
    QList<QVariant> out;
    for (int col = 0; col < ColumnCount; ++col) {
        const QModelIndex index = model->index(row, col);
        out << index.data(Qt::DisplayRole) << index.data(Qt::CheckStateRole);
    }
    return out;
}

QList<QList<QVariant>> snapshot(const QStandardItemModel *model)
{
    QList<QList<QVariant>> out;
    for (int row = 0; row < model->rowCount(); ++row)
        out << rowSnapshot(model, row);
    return out;
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

void fill(termial &w, int row, const channel &c, const DMR &d)
{
    w.viewUpdate(row, c);
    w.viewUpdateDmr(row, d);
}

// Fills a row with a random channel of the given number that the table holds unchanged; returns its fields.
QMap<QString, QString> fillSample(termial &w, int row, int number, quint32 seed)
{
    channel c;
    DMR d;
    QRandomGenerator rng(seed);
    records::randomValidChannel(rng, number, c, d);
    fill(w, row, c, d);
    return fields(c, d);
}

struct Dialogs {
    QString saveAnswer;
    QString openAnswer;
    QStringList saveCall;
    QStringList openCall;
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
    void saveExactText();
    void saveThenOpenRestoresRows();
    void openBadInputAndFailures();
    void failedSaveKeepsOldFile();
};

void tst_files_window::saveExactText()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    termial w;
    fill(w, 10, filetest::channel10(), filetest::dmr10());
    fill(w, 2, filetest::channel2(), filetest::dmr2());
    setChecked(w, {2, 10});

    dialogs.saveAnswer = dir.filePath(QStringLiteral("two.json"));
    log.clear();
    w.saveBtn_clicked();
    QCOMPARE(QString::fromUtf8(readAll(dialogs.saveAnswer)), QString::fromUtf8(filetest::expectedText()));
    QCOMPARE(dialogs.saveCall,
             (QStringList{windowText("保存文件"), QString(), QStringLiteral("JSON Files (*.json)")}));
    QCOMPARE(log.messages(), (QStringList{QStringLiteral("取所有勾选的channel对象开始"),
                                          QStringLiteral("获取所有勾选的channel对象结束"),
                                          QStringLiteral("选择保存的位置:") + dialogs.saveAnswer}));
    QVERIFY(dialogs.warnings.isEmpty());

    // No row checked: the dialog still comes, and the file is an empty object.
    setChecked(w, {});
    dialogs.saveAnswer = dir.filePath(QStringLiteral("none.json"));
    w.saveBtn_clicked();
    QCOMPARE(readAll(dialogs.saveAnswer), QByteArray("{\n}\n"));

    // A cancelled dialog writes nothing, not even into the working folder.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    dialogs.saveAnswer = QString();
    log.clear();
    w.saveBtn_clicked();
    QCOMPARE(log.messages(), (QStringList{QStringLiteral("取所有勾选的channel对象开始"),
                                          QStringLiteral("获取所有勾选的channel对象结束"),
                                          QStringLiteral("选择保存的位置:"), QStringLiteral("保存失败")}));
    QVERIFY(dialogs.warnings.isEmpty());
    QVERIFY(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
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
    const QByteArray text = readAll(dialogs.saveAnswer);
    QVERIFY(text.indexOf("\"10\": {") < text.indexOf("\"2\": {"));
    QVERIFY(text.indexOf("\"2\": {") >= 0);

    termial target;
    fillSample(target, 500, 500, 500);
    fill(target, 5, filetest::channel10(), filetest::dmr10());
    setChecked(target, {3, 10});
    const QList<QVariant> row500 = rowSnapshot(target.tableModel(), 500);
    const QList<QVariant> row5 = rowSnapshot(target.tableModel(), 5);

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
        QCOMPARE(fields(target.rowToChannel(row), target.rowToDmr(row)), expected.value(row));
    QCOMPARE(rowSnapshot(target.tableModel(), 500), row500);
    QCOMPARE(rowSnapshot(target.tableModel(), 5), row5);
    QCOMPARE(checkedRows(target.tableModel()), (QList<int>{3, 10}));

    // Six entries: the bar goes 0, 1, ..., 12 and stays there.
    QList<int> steps{0};
    for (int i = 1; i <= 12; ++i)
        steps << i;
    QCOMPARE(target.form()->load_progressBar->maximum(), 12);
    QCOMPARE(progress, steps);
    QCOMPARE(target.form()->load_progressBar->value(), 12);
}

void tst_files_window::openBadInputAndFailures()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    termial w;
    channel named;
    named.setChannelLow(21);
    named.setChannelName("X");
    w.viewUpdate(21, named);
    setChecked(w, {0, 20, 999});
    w.form()->load_progressBar->setValue(7);
    const QList<QList<QVariant>> before = snapshot(w.tableModel());

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
    QCOMPARE(snapshot(w.tableModel()), before);
    QCOMPARE(w.form()->load_progressBar->value(), 7);

    dialogs.openAnswer = dir.filePath(QStringLiteral("bad.json"));
    QVERIFY(writeAll(dialogs.openAnswer, R"({
        "a": {"channelHigh": 0, "channelLow": 20, "channelName": "ok", "txCc": 300, "rxCc": 12.5,
              "slot": "2", "vfoaMode": 6.0, "sqlevel": -1},
        "b": {"channelHigh": 0, "channelLow": 21},
        "c": [1, 2],
        "d": {"channelHigh": 3, "channelLow": 232, "channelName": "outside"},
        "e": {"channelHigh": 255, "channelLow": 255}
    })"));
    log.clear();
    w.openBtn_clicked();
    QVERIFY(log.messages().filter(QStringLiteral("json")).isEmpty());

    const QStandardItemModel *m = w.tableModel();
    auto cell = [m](int row, int col) { return m->index(row, col).data().toString(); };
    QCOMPARE(cell(20, ColName), QStringLiteral("ok"));
    QCOMPARE(cell(20, ColTxCc), QStringLiteral("44"));
    QCOMPARE(cell(20, ColVfoaMode), QStringLiteral("NFM"));
    // A missing name loads empty, not the record's default.
    QCOMPARE(cell(21, ColName), QString());
    // The array entry reads as an empty object: channel 0 with everything 0.
    QCOMPARE(cell(0, ColName), QString());
    QCOMPARE(fields(w.rowToChannel(0), w.rowToDmr(0)).value(QStringLiteral("callId4")), QStringLiteral("0"));

    // Channels 1000 and 65535 change nothing; all other rows and every check state stay.
    const QList<QList<QVariant>> after = snapshot(m);
    for (int row = 0; row < m->rowCount(); ++row) {
        if (row == 0 || row == 20 || row == 21)
            continue;
        QCOMPARE(after.at(row), before.at(row));
    }
    QCOMPARE(checkedRows(m), (QList<int>{0, 20, 999}));
    QCOMPARE(w.form()->load_progressBar->maximum(), 10);
    QCOMPARE(w.form()->load_progressBar->value(), 10);

    // An array at the top level loads nothing and reports nothing.
    const QList<QList<QVariant>> loaded = snapshot(m);
    QVERIFY(writeAll(dialogs.openAnswer, R"([{"channelHigh": 0, "channelLow": 1, "channelName": "arr"}])"));
    log.clear();
    w.openBtn_clicked();
    QCOMPARE(snapshot(m), loaded);
    QVERIFY(log.messages().isEmpty());
    QVERIFY(dialogs.warnings.isEmpty());
}

void tst_files_window::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    Dialogs dialogs;
    LogCapture log;
    termial w;
    for (int row = 0; row < 1000; ++row)
        fillSample(w, row, row, quint32(row));
    w.setAllCheckState(true);

    // The directory does not exist: the file cannot be opened.
    dialogs.saveAnswer = dir.filePath(QStringLiteral("gone/x.json"));
    log.clear();
    w.saveBtn_clicked();
    const QString notSaved = windowText("文件没有保存：%1");
    const auto reportedFailure = [&] {
        QCOMPARE(log.messages().last(), QStringLiteral("保存失败"));
        QCOMPARE(dialogs.warnings.size(), 2);
        QCOMPARE(dialogs.warnings.at(0), windowText("警告"));
    };
    reportedFailure();
    QSaveFile probe(dialogs.saveAnswer);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    QCOMPARE(dialogs.warnings.at(1), notSaved.arg(probe.errorString()));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gone"))));

    // The disk fills up after 4 KiB: the old file must survive byte for byte.
    const QByteArray old = filetest::expectedText();
    dialogs.saveAnswer = dir.filePath(QStringLiteral("old.json"));
    QVERIFY(writeAll(dialogs.saveAnswer, old));
    dialogs.warnings.clear();
    log.clear();
    QVERIFY(withFileSizeLimit(4096, [&] { w.saveBtn_clicked(); }));
    QCOMPARE(readAll(dialogs.saveAnswer), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.json")});
    reportedFailure();
    QVERIFY(dialogs.warnings.at(1).startsWith(notSaved.arg(QString())));
    QVERIFY(dialogs.warnings.at(1).size() > notSaved.arg(QString()).size());

    // Room again: the same save replaces the file.
    dialogs.warnings.clear();
    w.saveBtn_clicked();
    QVERIFY(dialogs.warnings.isEmpty());
    QVERIFY(readAll(dialogs.saveAnswer).startsWith("{\n    \"0\": {\n"));
}

QTEST_MAIN(tst_files_window)
#include "tst_files_window.moc"
