// The channel table: start-up contents, bulk checking, jumping, editors, column enabling and conversion.
#include "termial.h"
#include "ui_termial.h"

#include "checkboxdelegate.h"
#include "comboboxdelegate.h"
#include "seams.h"
#include "spinboxdelegate.h"
#include "tests/common/logcapture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

static QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

static bool editable(QStandardItemModel *model, int row, int column)
{
    return model->item(row, column)->flags().testFlag(Qt::ItemIsEditable);
}

// Which of columns 9..18 are editable, as a string of '1' and '0'.
static QString dmrEditable(QStandardItemModel *model, int row)
{
    QString out;
    for (int column = 9; column <= 18; ++column)
        out += editable(model, row, column) ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

// Edits a cell the way the view does: the column's delegate makes an editor, loads it and stores it.
static void chooseInCombo(termial &w, int row, int column, const QString &text,
                          QString *preselected = nullptr)
{
    QTableView *view = w.form()->tableView;
    const QModelIndex index = w.tableModel()->index(row, column);
    QAbstractItemDelegate *delegate = view->itemDelegateForColumn(column);
    QVERIFY(qobject_cast<ComboBoxDelegate *>(delegate));
    std::unique_ptr<QWidget> editor(delegate->createEditor(view->viewport(), QStyleOptionViewItem(), index));
    auto *combo = qobject_cast<QComboBox *>(editor.get());
    QVERIFY(combo);
    delegate->setEditorData(combo, index);
    if (preselected)
        *preselected = combo->currentText();
    const int position = combo->findText(text);
    QVERIFY2(position >= 0, qPrintable(text));
    combo->setCurrentIndex(position);
    delegate->setModelData(combo, w.tableModel(), index);
}

class TestTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startUpContents();
    void bulkChecking();
    void jumpToRow_data();
    void jumpToRow();
    void editorsAndEnabling();
    void checkBoxToggle();
    void cellToRecord_data();
    void cellToRecord();
    void recordToCell_data();
    void recordToCell();
    void names_data();
    void names();
    void untouchedRowAndOrder();
    void keptSettings();

private:
    std::unique_ptr<termial> shared;
};

void TestTable::initTestCase()
{
    shared = std::make_unique<termial>();
}

void TestTable::startUpContents()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    QCOMPARE(model->rowCount(), 1000);
    QCOMPARE(model->columnCount(), 19);
    const QStringList headers = QStringLiteral("-|    CHANNEL    |  NAME  |    VFA_FREQ(Hz)    |"
                                               "    VFB_FREQ(Hz)    |    VFA_MODE    |    VFB_MODE    |"
                                               "    T_CTCSS    |    R_CTCSS    |    call_type    |"
                                               "    Tx_cc    |    Rx_cc    |     slot     |    Call_id    |"
                                               "    Own_id    |    Ch_type    |    Rx_ctcss    |"
                                               "    Tx_ctcss    |    sqlevel    ")
                                    .split(QLatin1Char('|'));
    for (int column = 0; column < 19; ++column)
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headers.at(column));
    QVERIFY(w.form()->tableView->verticalHeader()->isHidden());
    QCOMPARE(w.form()->channelMaxNum_spinBox->value(), 10);

    for (int row = 0; row < 1000; ++row) {
        QStandardItem *check = model->item(row, 0);
        QVERIFY(check->isCheckable());
        QCOMPARE(check->data(Qt::CheckStateRole).toInt(), 0);
        QCOMPARE(model->item(row, 1)->data(Qt::DisplayRole), QVariant(row));
        for (int column = 0; column < 19; ++column) {
            QStandardItem *item = model->item(row, column);
            QVERIFY(item);
            QCOMPARE(item->textAlignment(), Qt::AlignCenter);
            if (column >= 2)
                QVERIFY(item->text().isEmpty());
            // Column 1 is never editable; 9..15 start read-only, the others editable.
            const bool expected = column != 1 && (column < 9 || column > 15);
            QCOMPARE(editable(model, row, column), expected);
        }
    }

    // Column 1 refuses editing through the view.
    QTableView *view = w.form()->tableView;
    const auto editors = [view] { return view->viewport()->findChildren<QLineEdit *>().size(); };
    QTest::ignoreMessage(QtWarningMsg, "edit: editing failed");
    view->edit(model->index(4, 1));
    QCOMPARE(editors(), 0);
    view->edit(model->index(4, 2));
    QCOMPARE(editors(), 1);

    QVERIFY(qobject_cast<CheckBoxDelegate *>(view->itemDelegateForColumn(0)));
    for (int column : {10, 11, 12, 13, 14})
        QVERIFY(qobject_cast<SpinBoxDelegate *>(view->itemDelegateForColumn(column)));
    for (int column : {5, 6, 7, 8, 9, 15, 16, 17})
        QVERIFY(qobject_cast<ComboBoxDelegate *>(view->itemDelegateForColumn(column)));
    for (int column : {1, 2, 3, 4, 18})
        QVERIFY(!view->itemDelegateForColumn(column));
}

void TestTable::bulkChecking()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    const auto checkedRows = [model] {
        QList<int> rows;
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->item(row, 0)->data(Qt::CheckStateRole).toInt() == 2)
                rows << row;
        return rows;
    };
    const auto firstRows = [](int n) {
        QList<int> rows;
        for (int row = 0; row < n; ++row)
            rows << row;
        return rows;
    };
    LogCapture log;
    QSignalSpy changes(model, &QStandardItemModel::dataChanged);

    model->setData(model->index(700, 0), 2, Qt::CheckStateRole);
    changes.clear();
    for (int n : {5, 0, 1, 999, 1000, 3}) {
        w.form()->channelMaxNum_spinBox->setValue(n);
        QCOMPARE(checkedRows(), firstRows(n));
        QCOMPARE(w.form()->load_progressBar->maximum(), n);
        QCOMPARE(w.form()->load_progressBar->value(), n);
    }
    QVERIFY(log.messages().contains(QStringLiteral("已勾选 0 ~ 999 行")));
    // One notice per operation, on column 0 only, so the enabling rule never runs.
    QCOMPARE(changes.count(), 6);
    for (const QList<QVariant> &args : std::as_const(changes)) {
        QCOMPARE(args.at(0).toModelIndex(), model->index(0, 0));
        QCOMPARE(args.at(1).toModelIndex(), model->index(999, 0));
    }

    log.clear();
    w.setNumCheckedState(-1);
    w.setNumCheckedState(1001);
    QCOMPARE(checkedRows(), firstRows(3));
    QCOMPARE(log.messages(), QStringList({"无效的行数范围: -1", "无效的行数范围: 1001"}));

    w.form()->checkAll_pushButton->setEnabled(true);
    w.form()->checkNotAll_pushButton->setEnabled(true);
    w.form()->checkAll_pushButton->click();
    QCOMPARE(checkedRows(), firstRows(1000));
    QCOMPARE(w.form()->load_progressBar->maximum(), 1000);
    w.form()->checkNotAll_pushButton->click();
    QVERIFY(checkedRows().isEmpty());
    QVERIFY(w.form()->checkAll_pushButton->isEnabled());
    QVERIFY(w.form()->checkNotAll_pushButton->isEnabled());
}

void TestTable::jumpToRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::newRow("999") << "999" << 999;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1000") << "1000" << -1;
    QTest::newRow("-1") << "-1" << -1;
    QTest::newRow("abc") << "abc" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestTable::jumpToRow()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    termial &w = *shared;
    QTableView *view = w.form()->tableView;
    view->clearSelection();
    view->selectionModel()->select(w.tableModel()->index(42, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QStringList warnings;
    seams::setWarning(
        [&warnings](QWidget *, const QString &title, const QString &body) { warnings << title << body; });
    w.form()->channelNum_lineEdit->setText(text);
    QTest::keyClick(w.form()->channelNum_lineEdit, Qt::Key_Return);
    seams::setWarning({});

    const QModelIndexList selected = view->selectionModel()->selectedRows();
    if (row >= 0) {
        QVERIFY(warnings.isEmpty());
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), row);
    } else {
        // The English text carries no range; the source text and other languages show 999.
        QString expected = termial::tr("请输入有效的行号 (0~%1)");
        if (expected.contains(QLatin1String("%1")))
            expected = expected.arg(999);
        QCOMPARE(warnings, QStringList({termial::tr("警告"), expected}));
        if (termial::tr("请输入有效的行号 (0~%1)") == QStringLiteral("请输入有效的行号 (0~%1)"))
            QCOMPARE(expected, QStringLiteral("请输入有效的行号 (0~999)"));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), 42);
    }
}

void TestTable::editorsAndEnabling()
{
    termial &w = *shared;
    QStandardItemModel *model = w.tableModel();
    const int row = 20;
    QString preselected;

    // The combo announces the position first, then the text, and the text is what the cell keeps.
    QSignalSpy changes(model, &QStandardItemModel::dataChanged);
    chooseInCombo(w, row, 5, "DMR", &preselected);
    QCOMPARE(preselected, QStringLiteral("USB"));
    QCOMPARE(model->item(row, 5)->data(Qt::DisplayRole), QVariant(QStringLiteral("DMR")));
    QVERIFY(changes.count() >= 2);
    QCOMPARE(dmrEditable(model, row), QStringLiteral("1111111110"));

    chooseInCombo(w, row, 15, "DMR");
    QCOMPARE(dmrEditable(model, row), QStringLiteral("1111111000"));
    chooseInCombo(w, row, 15, "DFM", &preselected);
    QCOMPARE(preselected, QStringLiteral("DMR"));
    QCOMPARE(dmrEditable(model, row), QStringLiteral("1111111110"));

    chooseInCombo(w, row, 5, "USB");
    QCOMPARE(dmrEditable(model, row), QStringLiteral("0000000000"));
    // Column 6 alone makes a DMR row too; near misses do not.
    chooseInCombo(w, row, 6, "DMR");
    QCOMPARE(dmrEditable(model, row), QStringLiteral("1111111110"));
    model->setData(model->index(row, 6), QStringLiteral("dmr"));
    QCOMPARE(dmrEditable(model, row), QStringLiteral("0000000000"));
    model->setData(model->index(row, 6), QStringLiteral("DMR "));
    QCOMPARE(dmrEditable(model, row), QStringLiteral("0000000000"));

    model->setData(model->index(row, 7), QStringLiteral("100.0"));
    chooseInCombo(w, row, 7, "100.0", &preselected);
    QCOMPARE(preselected, QStringLiteral("100.0"));
    chooseInCombo(w, row, 16, "63.0", &preselected);
    QCOMPARE(preselected, QStringLiteral("0"));

    // Spin boxes: an empty slot opens at the minimum, IDs reach 16777215, the cell keeps an integer.
    QTableView *view = w.form()->tableView;
    const QModelIndex slot = model->index(row, 12);
    std::unique_ptr<QWidget> editor(
        view->itemDelegateForColumn(12)->createEditor(view->viewport(), QStyleOptionViewItem(), slot));
    auto *spin = qobject_cast<QSpinBox *>(editor.get());
    QVERIFY(spin);
    view->itemDelegateForColumn(12)->setEditorData(spin, slot);
    QCOMPARE(spin->value(), 1);
    QCOMPARE(spin->maximum(), 2);
    const QModelIndex id = model->index(row, 13);
    editor.reset(view->itemDelegateForColumn(13)->createEditor(view->viewport(), QStyleOptionViewItem(), id));
    spin = qobject_cast<QSpinBox *>(editor.get());
    QVERIFY(spin);
    QCOMPARE(spin->maximum(), 16777215);
    spin->setValue(16777215);
    view->itemDelegateForColumn(13)->setModelData(spin, model, id);
    QCOMPARE(model->data(id), QVariant(16777215));
}

void TestTable::checkBoxToggle()
{
    termial &w = *shared;
    QStandardItemModel *model = w.tableModel();
    QAbstractItemDelegate *delegate = w.form()->tableView->itemDelegateForColumn(0);
    const QModelIndex index = model->index(30, 0);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 40, 20);
    const QPointF far(35, 18);
    QMouseEvent release(QEvent::MouseButtonRelease, far, far, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, far, far, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, far, far, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);

    QVERIFY(delegate->editorEvent(&release, model, option, index));
    QCOMPARE(model->data(index, Qt::CheckStateRole).toInt(), 2);
    QVERIFY(!delegate->editorEvent(&press, model, option, index));
    QVERIFY(!delegate->editorEvent(&dbl, model, option, index));
    QCOMPARE(model->data(index, Qt::CheckStateRole).toInt(), 2);
    QVERIFY(delegate->editorEvent(&release, model, option, index));
    QCOMPARE(model->data(index, Qt::CheckStateRole).toInt(), 0);
    QVERIFY(!delegate->createEditor(w.form()->tableView->viewport(), option, index));
}

// One cell, the record it turns into, and the bytes at the field's place in the write frame.
void TestTable::cellToRecord_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("dmr");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    const auto add = [](const char *name, int column, const QVariant &value, bool dmr, int offset,
                        const char *hex) {
        QTest::newRow(name) << column << value << dmr << offset << hexBytes(hex);
    };
    add("channel analog", 1, 258, false, 6, "01 02");
    add("channel dmr", 1, 258, true, 6, "01 02");
    add("freq", 3, QStringLiteral("438500000"), false, 10, "1a 22 fa a0");
    add("freq 32 bit max", 3, 4294967295U, false, 10, "ff ff ff ff");
    add("freq above 32 bit", 3, QStringLiteral("4294967296"), false, 10, "11 e1 ae b8");
    add("freq 3e9", 4, 3000000000U, false, 14, "b2 d0 5e 00");
    add("freq text", 4, QStringLiteral("abc"), false, 14, "00 00 00 00");
    add("mode DMR", 5, QStringLiteral("DMR"), false, 8, "09");
    add("mode USB", 6, QStringLiteral("USB"), false, 9, "00");
    add("mode case", 5, QStringLiteral("dmr"), false, 8, "ff");
    add("mode empty", 6, QString(), false, 9, "ff");
    add("tone 67.0", 7, QStringLiteral("67.0"), false, 18, "01");
    add("tone 254.1", 8, QStringLiteral("254.1"), false, 19, "37");
    add("tone unknown", 7, QStringLiteral("63.0"), false, 18, "00");
    add("call type", 9, QStringLiteral("Group"), true, 8, "01");
    add("call type empty", 9, QString(), true, 8, "ff");
    add("tx cc", 10, 15, true, 9, "0f");
    add("rx cc low byte", 11, 300, true, 10, "2c");
    add("slot", 12, 2, true, 11, "02");
    add("call id", 13, 1234567, true, 12, "00 12 d6 87");
    add("call id 16777214", 13, 16777214, true, 12, "00 ff ff fe");
    add("call id 16777215", 13, 16777215, true, 12, "00 00 00 00");
    add("own id huge", 14, QStringLiteral("99999999999"), true, 16, "00 00 00 00");
    add("own id", 14, 65536, true, 16, "00 01 00 00");
    add("ch type DMR", 15, QStringLiteral("DMR"), true, 20, "01");
    add("ch type DFM", 15, QStringLiteral("DFM"), true, 20, "00");
    add("rx ctcss 63.0", 16, QStringLiteral("63.0"), true, 21, "01");
    add("tx ctcss 67.0", 17, QStringLiteral("67.0"), true, 22, "02");
    add("tx ctcss not in list", 17, QStringLiteral("254.1"), true, 22, "ff");
    add("sqlevel", 18, 9, true, 23, "09");
    add("sqlevel empty", 18, QString(), true, 23, "00");
}

void TestTable::cellToRecord()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, dmr);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    termial w;
    const int row = 5;
    w.tableModel()->setData(w.tableModel()->index(row, column), value);
    const QByteArray frame = dmr ? w.rowToDmr(row).toWriteFrame() : w.rowToChannel(row).toWriteFrame();
    QCOMPARE(frame.mid(offset, bytes.size()).toHex(' '), bytes.toHex(' '));
}

// A record with one field changed, written into a row; the text the changed cell shows.
void TestTable::recordToCell_data()
{
    QTest::addColumn<bool>("dmr");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    const auto add = [](const char *name, bool dmr, int offset, const char *hex, int column,
                        const char *text) {
        QTest::newRow(name) << dmr << offset << hexBytes(hex) << column << QString::fromUtf8(text);
    };
    add("mode 9", false, 8, "09", 5, "DMR");
    add("mode 10", false, 9, "0a", 6, "");
    add("mode ff", false, 8, "ff", 5, "");
    add("freq", false, 10, "1a 22 fa a0", 3, "438500000");
    add("freq max", false, 14, "ff ff ff ff", 4, "4294967295");
    add("tone 1", false, 18, "01", 7, "67.0");
    add("tone 16", false, 19, "10", 8, "110.9");
    add("tone 56", false, 18, "38", 7, "");
    add("name zero inside", false, 20, "41 42 00 43 44 00 00 00 00 00 00 00", 2, "ABCD");
    add("name 12 letters", false, 20, "41 42 43 44 45 46 47 48 49 4a 4b 4c", 2, "ABCDEFGHIJKL");
    add("name 12 bytes utf8", false, 20, "e4 bd a0 e5 a5 bd e4 b8 96 e7 95 8c", 2, "你好世界");
    add("call type 2", true, 8, "02", 9, "All");
    add("call type 3", true, 8, "03", 9, "");
    add("tx cc", true, 9, "0f", 10, "15");
    add("slot", true, 11, "02", 12, "2");
    add("call id", true, 12, "00 ff ff fe", 13, "16777214");
    add("own id", true, 16, "00 12 d6 87", 14, "1234567");
    add("ch type 1", true, 20, "01", 15, "DMR");
    add("ch type 2", true, 20, "02", 15, "");
    add("rx ctcss 1", true, 21, "01", 16, "63.0");
    add("rx ctcss 17", true, 21, "11", 16, "110.9");
    add("tx ctcss 51", true, 22, "33", 17, "233.6");
    add("tx ctcss 52", true, 22, "34", 17, "");
    add("sqlevel", true, 23, "07", 18, "7");
}

void TestTable::recordToCell()
{
    QFETCH(bool, dmr);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(int, column);
    QFETCH(QString, text);
    termial &w = *shared;
    const int row = 77;
    QStandardItemModel *model = w.tableModel();
    model->setData(model->index(row, column), QStringLiteral("stale"));
    if (dmr) {
        DMR record;
        record.setChannelLow(row);
        QByteArray frame = record.toWriteFrame();
        frame.replace(offset, bytes.size(), bytes);
        record.fromFrame(frame);
        w.viewUpdateDmr(row, record);
    } else {
        channel record;
        record.setChannelLow(row);
        record.setChannelName(QByteArray(12, '\0'));
        QByteArray frame = record.toWriteFrame();
        frame.replace(offset, bytes.size(), bytes);
        record.fromFrame(frame);
        w.viewUpdate(row, record);
    }
    QCOMPARE(model->item(row, column)->text(), text);
    QCOMPARE(model->item(row, 1)->data(Qt::DisplayRole).toInt(), row);
}

void TestTable::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("field");
    const auto add = [](const char *tag, const char *name, const char *hex) {
        QTest::newRow(tag) << QString::fromUtf8(name) << hexBytes(hex);
    };
    add("11 letters", "ABCDEFGHIJK", "41 42 43 44 45 46 47 48 49 4a 4b 00");
    add("15 letters", "ABCDEFGHIJKLMNO", "41 42 43 44 45 46 47 48 49 4a 4b 00");
    add("empty", "", "00 00 00 00 00 00 00 00 00 00 00 00");
    add("3-byte fits 11", "ABCDEFGH你", "41 42 43 44 45 46 47 48 e4 bd a0 00");
    add("3-byte across cut", "ABCDEFGHI你", "41 42 43 44 45 46 47 48 49 00 00 00");
    add("four 3-byte", "你好世界", "e4 bd a0 e5 a5 bd e4 b8 96 00 00 00");
    add("2-byte across cut", "ABCDEFGHIJé", "41 42 43 44 45 46 47 48 49 4a 00 00");
    add("4-byte across cut", "ABCDEFGHIJ😀", "41 42 43 44 45 46 47 48 49 4a 00 00");
    add("4-byte at 8", "ABCDEFGH😀", "41 42 43 44 45 46 47 48 00 00 00 00");
}

void TestTable::names()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, field);
    termial &w = *shared;
    w.tableModel()->setData(w.tableModel()->index(9, 2), name);
    const QByteArray bytes = w.rowToChannel(9).channelName();
    QCOMPARE(bytes.toHex(' '), field.toHex(' '));
    QVERIFY(!QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter));
}

void TestTable::untouchedRowAndOrder()
{
    termial w;
    QCOMPARE(w.rowToChannel(7).body().toHex(' '),
             hexBytes("00 00 00 07 ff ff 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00")
                 .toHex(' '));
    QCOMPARE(w.rowToDmr(7).body().toHex(' '),
             hexBytes("00 00 00 07 ff 00 00 00 00 00 00 00 00 00 00 00 ff ff ff 00 00 01 00 00 00 00 00 01")
                 .toHex(' '));

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
    QList<int> channelRows, dmrRows;
    for (const channel &c : std::as_const(channels))
        channelRows << c.channelNumber();
    for (const DMR &d : std::as_const(dmrs))
        dmrRows << d.channelNumber();
    QCOMPARE(channelRows, QList<int>({1, 3, 999}));
    QCOMPARE(dmrRows, QList<int>({1, 3, 999}));
}

void TestTable::keptSettings()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    // A full record from the radio: every field in range, the six column-less bytes non-zero.
    DMR record;
    record.fromFrame(hexBytes("a5 a5 a5 a5 1d 44 00 0c 01 03 04 02 00 12 d6 87 00 00 30 39 "
                              "01 05 06 08 07 01 09 0a 12 34 02 01 00 00"));
    model->setData(model->index(12, 0), 2, Qt::CheckStateRole);
    LogCapture log;
    QSignalSpy changes(model, &QStandardItemModel::dataChanged);
    w.viewUpdateDmr(12, record);
    QVERIFY(log.messages().contains(QStringLiteral("chTypes - 1")));
    // One notice for the update (the flag changes of the enabling rule reach the spy before it).
    QCOMPARE(changes.last().at(0).toModelIndex(), model->index(12, 9));
    QCOMPARE(changes.last().at(1).toModelIndex(), model->index(12, 18));
    QCOMPARE(dmrEditable(model, 12), QStringLiteral("0000000000"));
    QCOMPARE(model->item(12, 0)->data(Qt::CheckStateRole).toInt(), 2);
    QCOMPARE(model->item(12, 1)->text(), QStringLiteral("12"));

    DMR back = w.rowToDmr(12);
    back.setCommand(record.command());
    back.setSize(record.size());
    QCOMPARE(back.body().toHex(' '), record.body().toHex(' '));
    QCOMPARE(back.spkgain(), quint8(7));
    QCOMPARE(back.chBsMode(), quint8(2));
    QList<DMR> checked;
    w.checkedDmrs(&checked);
    QCOMPARE(checked.size(), 1);
    QCOMPARE(checked.first().scrSeed2(), quint8(0x34));

    // The analog update leaves them alone; a later DMR record replaces them.
    channel analog;
    analog.setChannelLow(12);
    w.viewUpdate(12, analog);
    QCOMPARE(w.rowToDmr(12).dmodGain(), quint8(9));
    w.viewUpdateDmr(12, DMR());
    QCOMPARE(w.rowToDmr(12).body().mid(20).toHex(' '), hexBytes("00 01 00 00 00 00 00 01").toHex(' '));

    // A row never filled, and rows outside the table.
    QCOMPARE(w.rowToDmr(13).body().mid(20).toHex(' '), hexBytes("00 01 00 00 00 00 00 01").toHex(' '));
    w.viewUpdateDmr(-1, record);
    w.viewUpdateDmr(1000, record);
    w.viewUpdate(1000, analog);

    // Reading a DMR-mode channel opens the DMR columns of its row; squelch stays closed.
    analog.setVfobMode(9);
    w.viewUpdate(12, analog);
    QCOMPARE(dmrEditable(model, 12), QStringLiteral("1111111110"));
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
