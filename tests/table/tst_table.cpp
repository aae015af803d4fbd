// The channel table: start-up contents, bulk checking, jumping, editors, column enabling and conversion.
#include "termial.h"
#include "ui_termial.h"

#include "comboboxdelegate.h"
#include "seams.h"
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
#include <numeric>

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
    void conversion_data();
    void conversion();
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
    // Text columns edit in a plain line edit.
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
        QList<int> rows(n);
        std::iota(rows.begin(), rows.end(), 0);
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
    for (int column : {12, 13}) {
        const QModelIndex index = model->index(row, column);
        QAbstractItemDelegate *delegate = view->itemDelegateForColumn(column);
        std::unique_ptr<QWidget> editor(
            delegate->createEditor(view->viewport(), QStyleOptionViewItem(), index));
        auto *spin = qobject_cast<QSpinBox *>(editor.get());
        QVERIFY(spin);
        delegate->setEditorData(spin, index);
        if (column == 12)
            QCOMPARE(spin->value(), 1); // an empty slot opens at the minimum
        QCOMPARE(spin->maximum(), column == 12 ? 2 : 16777215);
        spin->setValue(spin->maximum());
        delegate->setModelData(spin, model, index);
        QCOMPARE(model->data(index), QVariant(spin->maximum()));
    }

    // The check box toggles on any button's release, not on a press or a double click.
    QAbstractItemDelegate *delegate = view->itemDelegateForColumn(0);
    const QModelIndex index = model->index(row, 0);
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

// A cell and the bytes at the field's place in the write frame, in one direction or both: the cell
// turned into a record, and a record with that field written into a row.
enum Way { Both, ToRecord, ToCell };

void TestTable::conversion_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("cell");
    QTest::addColumn<bool>("dmr");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    const auto add = [](const char *name, Way way, int column, const QVariant &cell, bool dmr, int offset,
                        const char *hex) {
        QTest::newRow(name) << int(way) << column << cell << dmr << offset << hexBytes(hex);
    };
    const auto text = [](const char *t) { return QVariant(QString::fromUtf8(t)); };
    add("channel analog", ToRecord, 1, 258, false, 6, "01 02");
    add("channel dmr", ToRecord, 1, 258, true, 6, "01 02");
    add("freq", Both, 3, text("438500000"), false, 10, "1a 22 fa a0");
    add("freq max", Both, 4, text("4294967295"), false, 14, "ff ff ff ff");
    add("freq above 32 bit", ToRecord, 3, text("4294967296"), false, 10, "11 e1 ae b8");
    add("freq text", ToRecord, 4, text("abc"), false, 14, "00 00 00 00");
    add("mode DMR", Both, 5, text("DMR"), false, 8, "09");
    add("mode case", ToRecord, 5, text("dmr"), false, 8, "ff");
    add("mode none", Both, 6, text(""), false, 9, "ff");
    add("mode 10", ToCell, 6, text(""), false, 9, "0a");
    add("tone 67.0", Both, 7, text("67.0"), false, 18, "01");
    add("tone 254.1", Both, 8, text("254.1"), false, 19, "37");
    add("tone unknown", ToRecord, 7, text("63.0"), false, 18, "00");
    add("tone 56", ToCell, 7, text(""), false, 18, "38");
    add("name zero inside", ToCell, 2, text("ABCD"), false, 20, "41 42 00 43 44 00 00 00 00 00 00 00");
    add("name 12 letters", ToCell, 2, text("ABCDEFGHIJKL"), false, 20, "41 42 43 44 45 46 47 48 49 4a 4b 4c");
    add("name 12 bytes utf8", ToCell, 2, text("你好世界"), false, 20, "e4 bd a0 e5 a5 bd e4 b8 96 e7 95 8c");
    add("call type Group", Both, 9, text("Group"), true, 8, "01");
    add("call type none", Both, 9, text(""), true, 8, "ff");
    add("call type 3", ToCell, 9, text(""), true, 8, "03");
    add("tx cc", ToCell, 10, text("15"), true, 9, "0f");
    add("rx cc low byte", ToRecord, 11, 300, true, 10, "2c");
    add("slot", ToRecord, 12, 2, true, 11, "02");
    add("call id", ToRecord, 13, 1234567, true, 12, "00 12 d6 87");
    add("call id 16777214", Both, 13, text("16777214"), true, 12, "00 ff ff fe");
    add("call id 16777215", ToRecord, 13, 16777215, true, 12, "00 00 00 00");
    add("own id huge", ToRecord, 14, text("99999999999"), true, 16, "00 00 00 00");
    add("own id", ToRecord, 14, 65536, true, 16, "00 01 00 00");
    add("ch type DMR", Both, 15, text("DMR"), true, 20, "01");
    add("ch type DFM", Both, 15, text("DFM"), true, 20, "00");
    add("ch type 2", ToCell, 15, text(""), true, 20, "02");
    add("rx ctcss 63.0", Both, 16, text("63.0"), true, 21, "01");
    add("tx ctcss 67.0", Both, 17, text("67.0"), true, 22, "02");
    add("tx ctcss 52", ToCell, 17, text(""), true, 22, "34");
    add("tx ctcss not in list", ToRecord, 17, text("254.1"), true, 22, "ff");
    add("sqlevel", ToRecord, 18, 9, true, 23, "09");
    add("sqlevel empty", ToRecord, 18, text(""), true, 23, "00");
}

void TestTable::conversion()
{
    QFETCH(int, way);
    QFETCH(int, column);
    QFETCH(QVariant, cell);
    QFETCH(bool, dmr);
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    termial w;
    QStandardItemModel *model = w.tableModel();
    const int row = 77;
    if (way != ToCell) {
        model->setData(model->index(row, column), cell);
        const QByteArray frame = dmr ? w.rowToDmr(row).toWriteFrame() : w.rowToChannel(row).toWriteFrame();
        QCOMPARE(frame.mid(offset, bytes.size()).toHex(' '), bytes.toHex(' '));
    }
    if (way == ToRecord)
        return;
    model->setData(model->index(row, column), QStringLiteral("stale"));
    if (dmr) {
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
