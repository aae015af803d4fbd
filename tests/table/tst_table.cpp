// The channel table: start-up contents, ticking, jumping, editors, column enabling and conversion.
#include "termial.h"
#include "ui_termial.h"

#include "seams.h"
#include "table/tablecolumns.h"
#include "tests/common/logcapture.h"
#include "tests/common/person.h"

#include <QComboBox>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>
#include <numeric>
#include <tuple>

// Which columns from `first` to 18 are editable, as a string of '1' and '0'.
static QString editableColumns(QStandardItemModel *model, int row, int first = 9)
{
    QString out;
    for (int column = first; column <= 18; ++column)
        out += model->item(row, column)->flags().testFlag(Qt::ItemIsEditable) ? u'1' : u'0';
    return out;
}

class TestTable : public QObject
{
    Q_OBJECT
private slots:
    void startUpTicksAndJumps();
    void editingByHand();
    void conversion_data();
    void conversion();
    void keptSettings();
};

void TestTable::startUpTicksAndJumps()
{
    termial w;
    QStandardItemModel *model = w.tableModel();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringLiteral("-|    CHANNEL    |  NAME  |    VFA_FREQ(Hz)    |    VFB_FREQ(Hz)    |"
                                     "    VFA_MODE    |    VFB_MODE    |    T_CTCSS    |    R_CTCSS    |"
                                     "    call_type    |    Tx_cc    |    Rx_cc    |     slot     |"
                                     "    Call_id    |    Own_id    |    Ch_type    |    Rx_ctcss    |"
                                     "    Tx_ctcss    |    sqlevel    ")
                          .split(u'|'));
    QCOMPARE(model->rowCount(), 1000);
    QVERIFY(w.form()->tableView->verticalHeader()->isHidden());
    for (int row = 0; row < 1000; ++row) {
        QVERIFY(model->item(row, ColCheck)->isCheckable());
        QCOMPARE(model->item(row, ColChannel)->data(Qt::DisplayRole), QVariant(row));
        // The channel number is never editable, the DMR columns only once a mode is DMR.
        QCOMPARE(editableColumns(model, row, 0), QStringLiteral("1011111110000000111"));
        for (int column = ColName; column < ColumnCount; ++column)
            QVERIFY(model->item(row, column)->text().isEmpty());
    }
    // An untouched row as records: the fields in frame order, the DMR bytes without a column at the defaults.
    QCOMPARE(w.rowToChannel(7).body().toHex(' '),
             QByteArray::fromHex("00000007 ffff 0000000000000000 0000 000000000000000000000000").toHex(' '));
    QCOMPARE(w.rowToDmr(7).body().toHex(' '),
             QByteArray::fromHex("00000007 ff000000 0000000000000000 ffffff00 00010000000000 01").toHex(' '));

    // The ticked rows, ascending, as both records; the lists are emptied first.
    const auto ticked = [&w] {
        QList<channel> channels{channel()};
        QList<DMR> dmrs{DMR(), DMR()};
        w.checkedChannels(&channels);
        w.checkedDmrs(&dmrs);
        QList<int> rows;
        for (qsizetype i = 0; i < channels.size(); ++i)
            rows << (channels[i].channelNumber() == dmrs.value(i).channelNumber()
                         ? channels[i].channelNumber()
                         : -1);
        return dmrs.size() == channels.size() ? rows : QList<int>{-1};
    };
    const auto firstRows = [](int n) {
        QList<int> rows(n);
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    };
    for (int row : {999, 3, 1})
        model->setData(model->index(row, ColCheck), Qt::Checked, Qt::CheckStateRole);
    QCOMPARE(ticked(), QList<int>({1, 3, 999}));

    // The quick count ticks exactly the first rows.
    LogCapture log;
    for (int n : {5, 0, 1, 999, 1000, 3}) {
        w.form()->channelMaxNum_spinBox->setValue(n);
        QCOMPARE(ticked(), firstRows(n));
        QCOMPARE(w.form()->load_progressBar->maximum(), n);
        QCOMPARE(w.form()->load_progressBar->value(), n);
    }
    QCOMPARE(log.messages().last(), QStringLiteral("已勾选 0 ~ 3 行"));
    log.clear();
    w.setNumCheckedState(-1);
    w.setNumCheckedState(1001);
    QCOMPARE(ticked(), firstRows(3));
    QCOMPARE(log.messages(), QStringList({"无效的行数范围: -1", "无效的行数范围: 1001"}));
    QPushButton *all = w.form()->checkAll_pushButton, *none = w.form()->checkNotAll_pushButton;
    for (QPushButton *button : {all, none}) {
        button->setEnabled(true);
        button->click();
        QCOMPARE(ticked(), firstRows(button == all ? 1000 : 0));
        QCOMPARE(w.form()->load_progressBar->maximum(), 1000);
        // Afterwards they follow the window's state again: no link, no check buttons.
        QVERIFY(!all->isEnabled() && !none->isEnabled());
    }

    // Jumping selects the row named; anything else keeps the selection and warns. In Chinese, which
    // fills in the range.
    w.switchLanguage(1);
    QTRY_VERIFY(w.findChildren<QFutureWatcherBase *>().isEmpty());
    QStringList warnings;
    seams::setWarning([&warnings](QWidget *, const QString &title, const QString &text) {
        warnings << title + u'|' + text;
    });
    for (const auto &[typed, row] : {std::pair("999", 999), std::pair("0", 0), std::pair("1000", -1),
                                     std::pair("-1", -1), std::pair("abc", -1)}) {
        warnings.clear();
        w.form()->channelNum_lineEdit->setText(QLatin1String(typed));
        QTest::keyClick(w.form()->channelNum_lineEdit, Qt::Key_Return);
        QCOMPARE(w.form()->tableView->selectionModel()->selectedRows(),
                 QModelIndexList{model->index(row >= 0 ? row : 0, ColCheck)});
        QCOMPARE(warnings,
                 row >= 0 ? QStringList() : QStringList{QStringLiteral("警告|请输入有效的行号 (0~999)")});
    }
    seams::setWarning({});
}

// A cell's editor as a person meets it: what opens on F2 and what it offers first.
static QString offered(QWidget *editor)
{
    if (!editor)
        return QStringLiteral("none");
    QString text;
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        text = QStringLiteral("combo %1 %2").arg(combo->count()).arg(combo->currentText());
    else if (auto *spin = qobject_cast<QSpinBox *>(editor))
        text = QStringLiteral("spin %1-%2 %3").arg(spin->minimum()).arg(spin->maximum()).arg(spin->value());
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        text = QStringLiteral("line ") + line->text();
    QTest::keyClick(editor, Qt::Key_Escape);
    return text;
}

void TestTable::editingByHand()
{
    termial w;
    showWindow(w);
    QTableView *view = w.form()->tableView;
    QStandardItemModel *model = w.tableModel();
    const auto cell = [model](int row, int column) { return model->index(row, column).data(); };

    // What each column opens on an empty row: combos at their first entry, spin boxes at their minimum;
    // the DMR columns only once a mode is DMR.
    QStringList editors;
    for (int column = 0; column < ColumnCount; ++column)
        editors << offered(openEditor(view, 3, column));
    QCOMPARE(editors, QStringList({"none", "none", "line ", "line ", "line ", "combo 10 USB", "combo 10 USB",
                                   "combo 56 0", "combo 56 0", "none", "none", "none", "none", "none", "none",
                                   "none", "combo 52 0", "combo 52 0", "line "}));

    // A choice sticks, whether Return or a click elsewhere commits it, and the enabling rule follows.
    const int row = 20;
    using Choice = std::tuple<int, const char *, const char *>; // column, keys typed, editable columns 9-18
    bool byClick = false;
    for (const auto &[column, keys, editable] :
         {Choice(ColVfoaMode, "DMR", "1111111110"), Choice(ColChType, "DMR", "1111111000"),
          Choice(ColChType, "DFM", "1111111110"), Choice(ColCallType, "G", "1111111110"),
          Choice(ColEmitYayin, "100", "1111111110"), Choice(ColVfoaMode, "USB", "0000000000"),
          Choice(ColVfobMode, "DMR", "1111111110")}) {
        QWidget *editor = openEditor(view, row, column);
        QVERIFY(qobject_cast<QComboBox *>(editor));
        QTest::keyClicks(editor, QLatin1String(keys));
        const QString chosen = qobject_cast<QComboBox *>(editor)->currentText();
        if ((byClick = !byClick))
            commitWithReturn(editor);
        else
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(model->index(row + 1, 1)).center());
        QVERIFY(!chosen.isEmpty() && chosen.startsWith(QLatin1String(keys)));
        QCOMPARE(cell(row, column), QVariant(chosen));
        QCOMPARE(editableColumns(model, row), QLatin1String(editable));
    }
    QCOMPARE(offered(openEditor(view, row, ColEmitYayin)), QStringLiteral("combo 56 100.0"));
    QCOMPARE(offered(openEditor(view, row, ColSlot)), QStringLiteral("spin 1-2 1"));
    // An ID stops at 16777214 (the radio would be sent 0 for 16777215); one read as 16777215 stays as
    // read when its editor is closed untouched.
    QCOMPARE(offered(openEditor(view, row, ColCallId)), QStringLiteral("spin 0-16777214 0"));
    QWidget *id = openEditor(view, row, ColOwnId);
    qobject_cast<QSpinBox *>(id)->clear();
    typeText(id, QStringLiteral("16777215"));
    commitWithReturn(id);
    QCOMPARE(cell(row, ColOwnId), QVariant(1677721));
    DMR read = w.rowToDmr(row);
    read.setCallId(16777215);
    w.viewUpdateDmr(row, read);
    commitWithReturn(openEditor(view, row, ColCallId));
    QCOMPARE(cell(row, ColCallId), QVariant(16777215u));
    // A double-click opens a cell's editor too; Escape drops what was typed.
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QPoint nameCell = view->visualRect(model->index(row, ColName)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, nameCell);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, nameCell);
    auto *name = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(name && view->viewport()->isAncestorOf(name));
    typeText(name, QStringLiteral("Dropped"));
    QTest::keyClick(name, Qt::Key_Escape);
    QCOMPARE(cell(row, ColName), QVariant());
    QWidget *slot = openEditor(view, row, ColSlot);
    QTest::keyClick(slot, Qt::Key_Up);
    commitWithReturn(slot);
    QCOMPARE(cell(row, ColSlot), QVariant(2));
    for (const char *nearMiss : {"dmr", "DMR "}) {
        model->setData(model->index(row, ColVfobMode), QString::fromLatin1(nearMiss));
        QCOMPARE(editableColumns(model, row), QStringLiteral("0000000000"));
    }

    // Closed DMR cells look closed: greyed, unlike the analog cell beside them, until the row is DMR.
    const auto colour = [view, model](int r, int column) {
        return view->viewport()->grab().toImage().pixelColor(
            view->visualRect(model->index(r, column)).center());
    };
    QVERIFY(colour(row, ColCallType) != colour(row, ColReceiveYayin));
    model->setData(model->index(row, ColVfobMode), QStringLiteral("DMR"));
    QCOMPARE(colour(row, ColCallType), colour(row, ColReceiveYayin));

    // Names: typing stops at what the radio keeps, 11 bytes in whole characters.
    using Typed = std::tuple<int, const char *, const char *, QVariant>; // column, typed, shown, stored
    for (const auto &[column, typed, shown, stored] :
         {Typed(ColName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJK", "ABCDEFGHIJK"),
          Typed(ColName, "中文名字测试", "中文名", "中文名"),
          Typed(ColName, "ab€cdefghij", "ab€cdefgh", "ab€cdefgh"),
          Typed(ColVfoaFreq, "abc438.5x", "438.5", 438500000u),
          Typed(ColVfobFreq, "145,0125", "145,0125", 145012500u),
          Typed(ColVfoaFreq, "42949672950", "4294967295", 4294967295u),
          Typed(ColVfobFreq, "4294.9672951", "4294.967295", 4294967295u),
          Typed(ColVfoaFreq, "4295.0", "42950", 42950u),
          Typed(ColVfoaFreq, "1.2345678", "1.234567", 1234567u),
          Typed(ColVfobFreq, "1.2.3", "1.23", 1230000u)}) {
        QWidget *editor = openEditor(view, 30, column);
        auto *line = qobject_cast<QLineEdit *>(editor);
        QVERIFY(line);
        line->selectAll();
        typeText(line, QString::fromUtf8(typed));
        QCOMPARE(line->text(), QString::fromUtf8(shown));
        commitWithReturn(line);
        QCOMPARE(cell(30, column), stored);
    }
    QCOMPARE(w.rowToChannel(30).vfobFrequency(), 1230000u);
    // A frequency too large for four bytes is refused as it is typed; an empty one clears the cell.
    QWidget *frequency = openEditor(view, 30, ColVfobFreq);
    qobject_cast<QLineEdit *>(frequency)->clear();
    commitWithReturn(frequency);
    QCOMPARE(cell(30, ColVfobFreq), QVariant());

    // The check box toggles on any button's release anywhere in the cell; a double click toggles twice.
    const QPoint check = view->visualRect(model->index(row, ColCheck)).bottomRight() - QPoint(2, 2);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, check);
    QCOMPARE(model->data(model->index(row, ColCheck), Qt::CheckStateRole).toInt(), 2);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, check);
    QCOMPARE(model->data(model->index(row, ColCheck), Qt::CheckStateRole).toInt(), 2);
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
    add("name 15 letters", ToRecord, 2, "ABCDEFGHIJKLMNO", 20, "4142434445464748494a4b00");
    add("name empty", Both, 2, "", 20, "000000000000000000000000");
    add("name 3-byte fits", Both, 2, "ABCDEFGH你", 20, "4142434445464748e4bda000");
    add("name 2-byte cut", ToRecord, 2, "ABCDEFGHIJé", 20, "4142434445464748494a0000");
    add("name 4-byte cut", ToRecord, 2, "ABCDEFGH😀", 20, "414243444546474800000000");
    add("name zero inside", ToCell, 2, "ABCD", 20, "414200434400000000000000");
    add("name 12 letters", ToCell, 2, "ABCDEFGHIJKL", 20, "4142434445464748494a4b4c");
    add("name not UTF-8", ToCell, 2, "A\uFFFDBC", 20, "41ff42000000000000000043");
    add("freq", Both, 3, "438500000", 10, "1a 22 fa a0");
    add("freq above 32 bit", ToRecord, 3, "4294967296", 10, "11 e1 ae b8");
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
    add("transmit tone 255", Both, 7, "?255", 18, "ff"); // analog tones have no "none"
    add("call type Group", Both, 9, "Group", 8, "01");
    add("call type 3", Both, 9, "?3", 8, "03");
    add("tx cc", Both, 10, "15", 9, "0f");
    add("rx cc low byte", ToRecord, 11, 300, 10, "2c");
    add("slot", Both, 12, "2", 11, "02");
    add("call id 16777214", Both, 13, "16777214", 12, "00 ff ff fe");
    add("call id 16777215", ToRecord, 13, 16777215, 12, "00 00 00 00");
    add("own id", Both, 14, "65536", 16, "00 01 00 00");
    add("own id huge", ToRecord, 14, "99999999999", 16, "00 00 00 00");
    add("ch type DMR", Both, 15, "DMR", 20, "01");
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
    w.viewUpdateDmr(12, record);
    QCOMPARE(editableColumns(model, 12), QStringLiteral("1111111000"));

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
