// The channel table: start-up contents, bulk checking, jumping, editors, column enabling and conversion.
#include "termial.h"
#include "ui_termial.h"

#include "seams.h"
#include "tests/common/logcapture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <tuple>

// Which columns from `first` to 18 are editable, as a string of '1' and '0'.
static QString editableColumns(QStandardItemModel *model, int row, int first = 9)
{
    QString out;
    for (int column = first; column <= 18; ++column)
        out += model->item(row, column)->flags().testFlag(Qt::ItemIsEditable) ? u'1' : u'0';
    return out;
}

// Edits a cell the way the view does: the column's delegate makes an editor and loads it, the editor
// takes `value` (when given) and the delegate stores it. Returns which editor it was and what it offered
// first: "none", "view" (the view's own), "combo <entries> <text>" or "spin <min>-<max> <value>".
static QString edit(termial &w, int row, int column, const QVariant &value = QVariant())
{
    QTableView *view = w.form()->tableView;
    const QModelIndex index = w.tableModel()->index(row, column);
    QAbstractItemDelegate *delegate = view->itemDelegateForColumn(column);
    if (!delegate)
        return QStringLiteral("view");
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), index));
    if (!editor)
        return QStringLiteral("none");
    delegate->setEditorData(editor.get(), index);
    QString offered;
    if (auto *combo = qobject_cast<QComboBox *>(editor.get())) {
        offered = QStringLiteral("combo %1 %2").arg(combo->count()).arg(combo->currentText());
        combo->setCurrentIndex(combo->findText(value.toString()));
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor.get())) {
        offered =
            QStringLiteral("spin %1-%2 %3").arg(spin->minimum()).arg(spin->maximum()).arg(spin->value());
        spin->setValue(value.toInt());
    }
    if (value.isValid())
        delegate->setModelData(editor.get(), w.tableModel(), index);
    return offered;
}

// Answers every text with its source text, ahead of catalogues installed before it, so that the warning
// shows the range the window fills in (the English catalogue leaves it out).
class SourceTexts : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QString::fromUtf8(source);
    }
};

class TestTable : public QObject
{
    Q_OBJECT
private slots:
    void startUpContents();
    void bulkChecking();
    void jumpToRow_data();
    void jumpToRow();
    void editorsAndEnabling();
    void conversion_data();
    void conversion();
    void untouchedRowAndOrder();
    void keptSettings();
};

void TestTable::startUpContents()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    QCOMPARE(model->rowCount(), 1000);
    QCOMPARE(model->columnCount(), 19);
    QStringList headers;
    for (int column = 0; column < 19; ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringLiteral("-|    CHANNEL    |  NAME  |    VFA_FREQ(Hz)    |    VFB_FREQ(Hz)    |"
                                     "    VFA_MODE    |    VFB_MODE    |    T_CTCSS    |    R_CTCSS    |"
                                     "    call_type    |    Tx_cc    |    Rx_cc    |     slot     |"
                                     "    Call_id    |    Own_id    |    Ch_type    |    Rx_ctcss    |"
                                     "    Tx_ctcss    |    sqlevel    ")
                          .split(u'|'));
    QVERIFY(w.form()->tableView->verticalHeader()->isHidden());
    QCOMPARE(w.form()->channelMaxNum_spinBox->value(), 10);

    for (int row = 0; row < 1000; ++row) {
        QVERIFY(model->item(row, 0)->isCheckable());
        QCOMPARE(model->item(row, 0)->data(Qt::CheckStateRole).toInt(), 0);
        QCOMPARE(model->item(row, 1)->data(Qt::DisplayRole), QVariant(row));
        // Column 1 never editable; 9 to 15 read-only until a mode is DMR.
        QCOMPARE(editableColumns(model, row, 0), QStringLiteral("1011111110000000111"));
        for (int column = 0; column < 19; ++column) {
            QCOMPARE(model->item(row, column)->textAlignment(), Qt::AlignCenter);
            QVERIFY(column < 2 || model->item(row, column)->text().isEmpty());
        }
    }

    // Empty cells open their combo box at the first entry and their spin box at the minimum.
    QStringList editors;
    for (int column = 0; column < 19; ++column)
        editors << edit(w, 0, column);
    QCOMPARE(editors, QStringList({"none", "view", "view", "view", "view", "combo 10 USB", "combo 10 USB",
                                   "combo 56 0", "combo 56 0", "combo 3 Single", "spin 0-15 0", "spin 0-15 0",
                                   "spin 1-2 1", "spin 0-16777215 0", "spin 0-16777215 0", "combo 2 DFM",
                                   "combo 52 0", "combo 52 0", "view"}));
}

void TestTable::bulkChecking()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    // n when exactly rows 0 to n-1 are checked, else -1.
    const auto checkedRows = [model] {
        int n = 0;
        while (n < 1000 && model->item(n, 0)->data(Qt::CheckStateRole).toInt() == 2)
            ++n;
        for (int row = n; row < 1000; ++row)
            if (model->item(row, 0)->data(Qt::CheckStateRole).toInt() != 0)
                return -1;
        return n;
    };
    LogCapture log;
    QSignalSpy changes(model, &QStandardItemModel::dataChanged);

    model->setData(model->index(700, 0), 2, Qt::CheckStateRole);
    changes.clear();
    for (int n : {5, 0, 1, 999, 1000, 3}) {
        w.form()->channelMaxNum_spinBox->setValue(n);
        QCOMPARE(checkedRows(), n);
        QCOMPARE(w.form()->load_progressBar->maximum(), n);
        QCOMPARE(w.form()->load_progressBar->value(), n);
    }
    QCOMPARE(log.messages().last(), QStringLiteral("已勾选 0 ~ 3 行"));

    log.clear();
    w.setNumCheckedState(-1);
    w.setNumCheckedState(1001);
    QCOMPARE(checkedRows(), 3);
    QCOMPARE(log.messages(), QStringList({"无效的行数范围: -1", "无效的行数范围: 1001"}));

    QPushButton *all = w.form()->checkAll_pushButton, *none = w.form()->checkNotAll_pushButton;
    for (QPushButton *button : {all, none}) {
        button->setEnabled(true);
        button->click();
        QCOMPARE(checkedRows(), button == all ? 1000 : 0);
        QCOMPARE(w.form()->load_progressBar->maximum(), 1000);
        // Afterwards they follow the window's state again: no link, no check buttons.
        QVERIFY(!all->isEnabled() && !none->isEnabled());
    }
    // One notice per operation, on column 0 only, so the enabling rule never runs.
    QCOMPARE(changes.count(), 8);
    for (const QList<QVariant> &args : std::as_const(changes)) {
        QCOMPARE(args.at(0).toModelIndex(), model->index(0, 0));
        QCOMPARE(args.at(1).toModelIndex(), model->index(999, 0));
    }
}

void TestTable::jumpToRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row"); // -1: refused with the warning
    QTest::newRow("999") << "999" << 999;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1000") << "1000" << -1;
    QTest::newRow("-1") << "-1" << -1;
    QTest::newRow("abc") << "abc" << -1;
}

void TestTable::jumpToRow()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    termial w;
    SourceTexts sources;
    QCoreApplication::installTranslator(&sources);
    QTableView *view = w.form()->tableView;
    view->selectionModel()->select(w.tableModel()->index(42, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QStringList warnings;
    seams::setWarning(
        [&warnings](QWidget *, const QString &title, const QString &body) { warnings << title << body; });
    w.form()->channelNum_lineEdit->setText(text);
    QTest::keyClick(w.form()->channelNum_lineEdit, Qt::Key_Return);
    seams::setWarning({});

    const QModelIndexList selected = view->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().row(), row >= 0 ? row : 42);
    QCOMPARE(warnings, row >= 0 ? QStringList() : QStringList({"警告", "请输入有效的行号 (0~999)"}));
}

void TestTable::editorsAndEnabling()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    const int row = 20;
    // The combo stores the position, then the text: squelch closes on the first notice and stays closed.
    using Choice = std::tuple<int, const char *, const char *>; // column, text, editable columns 9-18
    for (const auto &[column, text, editable] :
         {Choice(5, "DMR", "1111111110"), Choice(15, "DMR", "1111111000"), Choice(15, "DFM", "1111111110"),
          Choice(5, "USB", "0000000000"), Choice(6, "DMR", "1111111110")}) {
        edit(w, row, column, text);
        QCOMPARE(model->item(row, column)->data(Qt::DisplayRole), QVariant(QString(text)));
        QCOMPARE(editableColumns(model, row), QLatin1String(editable));
    }
    for (const char *nearMiss : {"dmr", "DMR "}) {
        model->setData(model->index(row, 6), QString::fromLatin1(nearMiss));
        QCOMPARE(editableColumns(model, row), QStringLiteral("0000000000"));
    }
    model->setData(model->index(row, 7), QStringLiteral("100.0"));
    QCOMPARE(edit(w, row, 7, "100.0"), QStringLiteral("combo 56 100.0"));
    edit(w, row, 12, 2);
    QCOMPARE(model->data(model->index(row, 12)), QVariant(2));

    // The check box toggles on any button's release anywhere in the cell, not on a press or a double click.
    QAbstractItemDelegate *delegate = w.form()->tableView->itemDelegateForColumn(0);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 40, 20);
    const auto send = [&](QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, QPointF(35, 18), QPointF(35, 18), button, button, Qt::NoModifier);
        return delegate->editorEvent(&event, model, option, model->index(row, 0));
    };
    for (int expected : {2, 0}) {
        QVERIFY(send(QEvent::MouseButtonRelease, Qt::RightButton));
        QVERIFY(!send(QEvent::MouseButtonPress, Qt::LeftButton));
        QVERIFY(!send(QEvent::MouseButtonDblClick, Qt::LeftButton));
        QCOMPARE(model->data(model->index(row, 0), Qt::CheckStateRole).toInt(), expected);
    }
}

// A cell and the bytes at the field's place in the write frame, in one direction or both: the cell
// turned into a record (column 1 into both), and a record with that field written into a row.
enum Way { Both, ToRecord, ToCell };

void TestTable::conversion_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    const auto add = [](const char *name, Way way, int column, const QVariant &cell, int offset,
                        const char *hex) {
        QTest::newRow(name) << int(way) << column << cell << offset << QByteArray::fromHex(hex);
    };
    add("channel", ToRecord, 1, 258, 6, "01 02");
    add("name 11 letters", ToRecord, 2, "ABCDEFGHIJK", 20, "4142434445464748494a4b00");
    add("name 15 letters", ToRecord, 2, "ABCDEFGHIJKLMNO", 20, "4142434445464748494a4b00");
    add("name empty", Both, 2, "", 20, "000000000000000000000000");
    add("name 3-byte fits", Both, 2, "ABCDEFGH你", 20, "4142434445464748e4bda000");
    add("name 2-byte cut", ToRecord, 2, "ABCDEFGHIJé", 20, "4142434445464748494a0000");
    add("name 3-byte cut", ToRecord, 2, "ABCDEFGHI你", 20, "414243444546474849000000");
    add("name 4-byte cut", ToRecord, 2, "ABCDEFGH😀", 20, "414243444546474800000000");
    add("name zero inside", ToCell, 2, "ABCD", 20, "414200434400000000000000");
    add("name 12 letters", ToCell, 2, "ABCDEFGHIJKL", 20, "4142434445464748494a4b4c");
    add("freq", Both, 3, "438500000", 10, "1a 22 fa a0");
    add("freq max", Both, 3, "4294967295", 10, "ff ff ff ff");
    add("freq above 32 bit", ToRecord, 3, "4294967296", 10, "11 e1 ae b8");
    add("vfob freq max", Both, 4, "4294967295", 14, "ff ff ff ff");
    add("vfob freq above 32 bit", ToRecord, 4, "4294967296", 14, "11 e1 ae b8");
    add("freq text", ToRecord, 4, "abc", 14, "00 00 00 00");
    add("mode DMR", Both, 6, "DMR", 9, "09");
    add("mode case", ToRecord, 5, "dmr", 8, "ff");
    add("mode none", Both, 5, "", 8, "ff");
    add("mode 10", Both, 6, "?10", 9, "0a");
    add("tone 67.0", Both, 7, "67.0", 18, "01");
    add("tone 254.1", Both, 8, "254.1", 19, "37");
    add("tone unknown", ToRecord, 7, "63.0", 18, "00");
    add("tone 56", Both, 7, "?56", 18, "38");
    add("call type Group", Both, 9, "Group", 8, "01");
    add("call type none", Both, 9, "", 8, "ff");
    add("call type 3", Both, 9, "?3", 8, "03");
    add("tx cc", Both, 10, "15", 9, "0f");
    add("rx cc low byte", ToRecord, 11, 300, 10, "2c");
    add("slot", Both, 12, "2", 11, "02");
    add("call id 16777214", Both, 13, "16777214", 12, "00 ff ff fe");
    add("call id 16777215", ToRecord, 13, 16777215, 12, "00 00 00 00");
    add("own id", Both, 14, "65536", 16, "00 01 00 00");
    add("own id huge", ToRecord, 14, "99999999999", 16, "00 00 00 00");
    add("ch type DMR", Both, 15, "DMR", 20, "01");
    add("ch type DFM", Both, 15, "DFM", 20, "00");
    add("ch type 2", Both, 15, "?2", 20, "02");
    add("rx ctcss 63.0", Both, 16, "63.0", 21, "01");
    add("tx ctcss 67.0", Both, 17, "67.0", 22, "02");
    add("tx ctcss 52", Both, 17, "?52", 22, "34");
    add("tx ctcss not in list", ToRecord, 17, "254.1", 22, "ff");
    add("sqlevel", Both, 18, "9", 23, "09");
}

void TestTable::conversion()
{
    QFETCH(int, way);
    QFETCH(int, column);
    QFETCH(QVariant, cell);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    termial w;
    QStandardItemModel *model = w.tableModel();
    const int row = 77;
    if (way != ToCell) {
        model->setData(model->index(row, column), cell);
        if (column <= 8)
            QCOMPARE(w.rowToChannel(row).toWriteFrame().mid(offset, bytes.size()).toHex(' '),
                     bytes.toHex(' '));
        if (column == 1 || column >= 9)
            QCOMPARE(w.rowToDmr(row).toWriteFrame().mid(offset, bytes.size()).toHex(' '), bytes.toHex(' '));
    }
    if (way == ToRecord)
        return;
    model->setData(model->index(row, column), QStringLiteral("stale"));
    if (column >= 9) {
        DMR record;
        record.setChannelLow(row);
        record.fromFrame(record.toWriteFrame().replace(offset, bytes.size(), bytes));
        w.viewUpdateDmr(row, record);
    } else {
        channel record;
        record.setChannelLow(row);
        record.setChannelName(QByteArray(12, '\0'));
        record.fromFrame(record.toWriteFrame().replace(offset, bytes.size(), bytes));
        w.viewUpdate(row, record);
    }
    QCOMPARE(model->item(row, column)->text(), cell.toString());
}

void TestTable::untouchedRowAndOrder()
{
    termial w;
    // Size, command, channel; then the fields in frame order, the DMR bytes without a column at the defaults.
    QCOMPARE(w.rowToChannel(7).body().toHex(' '),
             QByteArray::fromHex("00000007 ffff 0000000000000000 0000 000000000000000000000000").toHex(' '));
    QCOMPARE(w.rowToDmr(7).body().toHex(' '),
             QByteArray::fromHex("00000007 ff000000 0000000000000000 ffffff00 00010000000000 01").toHex(' '));

    // Ascending rows, checked (2) only; the lists are emptied first.
    QStandardItemModel *model = w.tableModel();
    for (int row : {999, 3, 1})
        model->setData(model->index(row, 0), 2, Qt::CheckStateRole);
    model->setData(model->index(5, 0), 1, Qt::CheckStateRole);
    QList<channel> channels{channel()};
    QList<DMR> dmrs{DMR(), DMR()};
    w.checkedChannels(&channels);
    w.checkedDmrs(&dmrs);
    w.checkedChannels(nullptr);
    w.checkedDmrs(nullptr);
    QCOMPARE(channels.size(), 3);
    QCOMPARE(dmrs.size(), 3);
    for (int i : {0, 1, 2}) {
        QCOMPARE(channels.at(i).channelNumber(), quint16(QList<int>({1, 3, 999}).at(i)));
        QCOMPARE(dmrs.at(i).channelNumber(), channels.at(i).channelNumber());
    }
}

void TestTable::keptSettings()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    // A full record from the radio: every field in range, the six column-less bytes non-zero.
    DMR record;
    record.fromFrame(QByteArray::fromHex("a5 a5 a5 a5 1d 44 00 0c 01 03 04 02 00 12 d6 87 00 00 30 39 "
                                         "01 05 06 08 07 01 09 0a 12 34 02 01 00 00"));
    // A DMR-mode channel opens the DMR columns of its row, squelch keeping its flags; the DMR record
    // (channel type DMR) then closes the tones and squelch.
    channel analog;
    analog.setChannelLow(12);
    analog.setVfobMode(9);
    w.viewUpdate(12, analog);
    QCOMPARE(editableColumns(model, 12), QStringLiteral("1111111111"));
    LogCapture log;
    w.viewUpdateDmr(12, record);
    QVERIFY(log.messages().contains(QStringLiteral("chTypes - 1")));
    QCOMPARE(editableColumns(model, 12), QStringLiteral("1111111000"));
    DMR back = w.rowToDmr(12);
    back.setCommand(record.command());
    back.setSize(record.size());
    QCOMPARE(back.body().toHex(' '), record.body().toHex(' '));

    // The analog update leaves them alone; a later DMR record replaces them; rows outside the table
    // change nothing.
    w.viewUpdate(12, analog);
    QCOMPARE(w.rowToDmr(12).dmodGain(), quint8(9));
    w.viewUpdateDmr(12, DMR());
    QCOMPARE(w.rowToDmr(12).body().mid(20).toHex(), QByteArray("0001000000000001"));
    w.viewUpdateDmr(-1, record);
    w.viewUpdateDmr(1000, record);
    w.viewUpdate(1000, analog);
    QCOMPARE(model->rowCount(), 1000);
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
