// The table's edit habits: undo and redo, copy and paste, Delete and Clear rows, ticking changed rows, find,
// arranging rows.
#include "termial.h"
#include "ui_termial.h"

#include "rowcommand.h"
#include "table/tablecolumns.h"
#include "tests/common/person.h"
#include "tests/common/records.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QStandardItemModel>
#include <QUndoStack>
#include <QtTest>

// Chooses an entry of the view's real context menu with a click, as a person does; source is its object
// name or its text before translation.
static void chooseFromMenu(QTableView *view, const char *source)
{
    bool chosen = false;
    QTimer::singleShot(50, view, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *action : menu->actions())
            if (action->objectName() == QLatin1String(source) ||
                action->text() == QCoreApplication::translate("termial", source)) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                chosen = true;
                return;
            }
        menu->close();
    });
    const QPoint at = view->visualRect(view->currentIndex()).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(view->viewport(), &event);
    QVERIFY2(chosen, source);
}

class TestEdit : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        w = std::make_unique<termial>();
        showWindow(*w);
        view = w->form()->tableView;
        model = w->tableModel();
    }
    void cleanup() { w.reset(); }
    void undoRedo();
    void copyPaste();
    void deleteAndClearRows();
    void tickChangedAndFind();
    void moveInsertRemove();
    void sortAndFillDown();

private:
    QVariant cell(int row, int column) const { return model->index(row, column).data(); }
    void selectCells(int row, int left, int bottom, int right)
    {
        view->setCurrentIndex(model->index(row, left));
        view->selectionModel()->select(QItemSelection(model->index(row, left), model->index(bottom, right)),
                                       QItemSelectionModel::ClearAndSelect);
    }
    // A DMR channel as a read leaves it: kept bytes on the channel number, squelch closed.
    void fillRow(int row)
    {
        const termial::RowChangeScope read(w.get(), QStringLiteral("read"));
        channel analog;
        analog.setChannelLow(quint8(row));
        analog.setChannelName("RPT 7");
        analog.setVfoaFrequency4(0x20);
        analog.setVfoaMode(9);
        w->viewUpdate(row, analog);
        DMR dmr;
        dmr.setCallId(123456);
        dmr.setTxCtcss(60); // a code the list does not name: "?60"
        dmr.setDmodGain(9);
        dmr.setScrSeed1(0x12);
        w->viewUpdateDmr(row, dmr);
    }

    // A channel as a read leaves it, told apart by its name, frequency and DMR bytes.
    void fillChannel(int row, const char *name, quint32 hertz)
    {
        const termial::RowChangeScope read(w.get(), QStringLiteral("read"));
        channel analog;
        analog.setChannelHigh(quint8(row >> 8)), analog.setChannelLow(quint8(row));
        analog.setChannelName(name);
        records::setFrequencies(analog, hertz, hertz);
        w->viewUpdate(row, analog);
        DMR dmr;
        dmr.setCallId(quint32(row) + 1), dmr.setDmodGain(quint8(row));
        w->viewUpdateDmr(row, dmr);
    }
    // All a row sends to the radio but its channel number.
    QByteArray contents(int row) const
    {
        channel analog = w->rowToChannel(row);
        DMR dmr = w->rowToDmr(row);
        analog.setChannelHigh(0), analog.setChannelLow(0), dmr.setChannelHigh(0), dmr.setChannelLow(0);
        return analog.body() + dmr.body();
    }
    QList<int> selectedRowList() const
    {
        QList<int> rows;
        for (const QModelIndex &index : view->selectionModel()->selectedIndexes())
            if (!rows.contains(index.row()))
                rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    // One action as one undo step: rows from first on then hold what the rows in from held (-1: an empty
    // row), the selection covers the rows selected; Ctrl+Z puts every row back whole, Ctrl+Y again.
    void arranged(const std::function<void()> &act, int first, const QList<int> &from, const QList<int> &selected)
    {
        QMap<int, QByteArray> before, was;
        for (int row = qMax(0, first - 2); row < first + from.size() + 2; ++row)
            before.insert(row, captureRow(model, row)), was.insert(row, contents(row));
        const int steps = w->undoStack()->count();
        act();
        QCOMPARE(w->undoStack()->count(), steps + 1);
        QMap<int, QByteArray> after;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const int i = it.key() - first;
            const int source = i >= 0 && i < from.size() ? from.at(i) : it.key();
            QCOMPARE(contents(it.key()), source < 0 ? contents(500) : was.value(source));
            after.insert(it.key(), captureRow(model, it.key()));
        }
        QCOMPARE(selectedRowList(), selected);
        QCOMPARE(view->currentIndex().row(), selected.first());
        // What the screen shows is what the rows hold: the table as painted equals a fresh rendering.
        QCoreApplication::processEvents();
        QWidget *viewport = view->viewport();
        const QPoint at = viewport->mapTo(viewport->window(), QPoint());
        const QImage shown = viewport->screen()
                                 ->grabWindow(viewport->window()->winId(), at.x(), at.y(), viewport->width(),
                                              viewport->height())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        QVERIFY(shown == viewport->grab().toImage().convertToFormat(QImage::Format_RGB32));
        pressKey(view, Qt::Key_Z, Qt::ControlModifier);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QVERIFY(captureRow(model, it.key()) == it.value());
        pressKey(view, Qt::Key_Y, Qt::ControlModifier);
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QVERIFY(captureRow(model, it.key()) == it.value());
    }

    std::unique_ptr<termial> w;
    QTableView *view = nullptr;
    QStandardItemModel *model = nullptr;
};

void TestEdit::undoRedo()
{
    // The combo editor writes twice; a person made one change, undone by one Ctrl+Z.
    QWidget *editor = openEditor(view, 6, ColVfoaMode);
    QVERIFY(qobject_cast<QComboBox *>(editor));
    QTest::keyClicks(editor, QStringLiteral("DMR"));
    commitWithReturn(editor);
    QCOMPARE(cell(6, ColVfoaMode), QVariant(QStringLiteral("DMR")));
    QVERIFY(model->item(6, ColCallType)->isEditable());
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->undoStack()->count(), 1);
    QCOMPARE(cell(6, ColVfoaMode), QVariant());
    QVERIFY(!model->item(6, ColCallType)->isEditable());
    pressKey(view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(cell(6, ColVfoaMode), QVariant(QStringLiteral("DMR")));
    QVERIFY(model->item(6, ColCallType)->isEditable());
    chooseFromMenu(view, "撤销");
    QCOMPARE(cell(6, ColVfoaMode), QVariant());
    pressKey(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(cell(6, ColVfoaMode), QVariant(QStringLiteral("DMR")));
    // Undo waits while a read is under way; ticks are no step.
    w->beginRowChange(QStringLiteral("read"));
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(6, ColVfoaMode), QVariant(QStringLiteral("DMR")));
    w->endRowChange();
    w->setAllCheckState(true);
    QCOMPARE(w->undoStack()->count(), 1);
    // A read undone puts back a fresh row's flags too: the squelch the read closed opens again.
    const QByteArray fresh = captureRow(model, 4);
    fillRow(4);
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(captureRow(model, 4), fresh);
}

void TestEdit::copyPaste()
{
    Modals unexpected;
    fillRow(5);
    // Cells, then whole rows, into a spreadsheet's text and back.
    selectCells(5, ColName, 5, ColVfoaMode);
    pressKey(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("RPT 7\t32\t0\tDMR\n"));
    view->setCurrentIndex(model->index(7, ColName));
    pressKey(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(7, ColVfoaFreq), QVariant(32u));
    QVERIFY(model->item(7, ColCallType)->isEditable());
    selectCells(5, ColCheck, 5, ColSqlevel);
    pressKey(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text().count(u'\t'), ColumnCount - 1);
    view->setCurrentIndex(model->index(9, ColOwnId));
    pressKey(view, Qt::Key_V, Qt::ControlModifier);
    for (int column = ColName; column < ColumnCount; ++column)
        QCOMPARE(cell(9, column).toString(), cell(5, column).toString());
    QCOMPARE(unexpected.seen, QStringList());
    QCOMPARE(w->undoStack()->count(), 3);

    // One cell that does not fit stops the whole paste, and the box names it.
    const QByteArray rowBefore = captureRow(model, 11);
    for (const auto &[column, text, named] :
         {std::tuple(ColName, "ok\tDMR2", "VFA_FREQ(Hz)"),
          std::tuple(ColVfoaFreq, "5000.0000001", "VFA_FREQ(Hz)"),
          std::tuple(ColName, "ABCDEFGHIJKL", "NAME"), std::tuple(ColVfoaMode, "DMR\tFM", "VFB_MODE"),
          std::tuple(ColVfoaMode, "DMR\tDMR\t0\t0\tAll\t16", "Tx_cc"),
          std::tuple(ColVfoaMode, "DMR\tDMR\t0\t0\tAll\t1\t1\t1\t16777215", "Call_id"),
          std::tuple(ColCallType, "Group", "call_type")}) {
        QApplication::clipboard()->setText(QString::fromUtf8(text));
        view->setCurrentIndex(model->index(11, column));
        Modals modals;
        pressKey(view, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(modals.seen.size(), 1);
        QVERIFY2(modals.seen.first().contains(QLatin1String(named)), qPrintable(modals.seen.first()));
        QVERIFY(modals.seen.first().contains(QLatin1String("11")));
        QVERIFY(captureRow(model, 11) == rowBefore);
    }
    QCOMPARE(w->undoStack()->count(), 3);
}

void TestEdit::deleteAndClearRows()
{
    fillRow(8);
    fillRow(9);
    fillRow(10);
    model->setData(model->index(10, ColVfoaMode), QStringLiteral("USB"));
    const auto texts = [this](int row) {
        QStringList out;
        for (int column = ColChannel; column < ColumnCount; ++column)
            out << cell(row, column).toString();
        return out;
    };
    QCOMPARE(texts(10), QStringList({"10", "RPT 7", "32", "0", "USB", "USB", "0", "0", "Single", "0", "0", "0",
                                     "123456", "0", "DFM", "0", "?60", "0"}));
    // Delete empties what a person could edit: on the DMR rows all but the squelch as read, on the analog
    // row only columns 2 to 8 (its closed DMR cells hold what goes back to the radio).
    selectCells(8, ColChannel, 10, ColSqlevel);
    pressKey(view, Qt::Key_Delete);
    const QStringList emptied{"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "0"};
    QCOMPARE(texts(8), QStringList{"8"} + emptied);
    QCOMPARE(texts(9), QStringList{"9"} + emptied);
    QCOMPARE(texts(10), QStringList({"10", "", "", "", "", "", "", "", "Single", "0", "0", "0", "123456", "0",
                                     "DFM", "0", "?60", "0"}));
    QCOMPARE(w->undoStack()->count(), 5);
    const QByteArray deleted = captureRow(model, 9);
    chooseFromMenu(view, "清除行");
    QCOMPARE(cell(9, ColCallId), QVariant());
    QCOMPARE(w->rowToDmr(9).dmodGain(), DMR().dmodGain());
    QVERIFY(!model->item(9, ColChannel)->data(RoleDmodGain).isValid());
    QCOMPARE(w->undoStack()->count(), 6);
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(captureRow(model, 9), deleted);
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(cell(9, ColName), QVariant(QStringLiteral("RPT 7")));
    QCOMPARE(w->rowToDmr(9).dmodGain(), quint8(9));
    // Cut copies, then empties as Delete does, in one step.
    selectCells(9, ColName, 9, ColVfoaFreq);
    pressKey(view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("RPT 7\t32\n"));
    QCOMPARE(cell(9, ColName), QVariant());
    QCOMPARE(cell(9, ColVfoaFreq), QVariant());
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(texts(9).mid(1, 2), QStringList({"RPT 7", "32"}));
}

void TestEdit::tickChangedAndFind()
{
    fillRow(3);
    fillRow(40);
    QApplication::clipboard()->setText(QStringLiteral("Base\t438.5\n"));
    view->setCurrentIndex(model->index(12, ColName));
    pressKey(view, Qt::Key_V, Qt::ControlModifier);
    view->setCurrentIndex(model->index(14, ColName));
    pressKey(view, Qt::Key_V, Qt::ControlModifier);
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    view->setCurrentIndex(model->index(3, ColName));
    pressKey(view, Qt::Key_V, Qt::ControlModifier); // an edit after a read counts
    w->rowsWritten({3});
    fillRow(12); // read since: no longer changed
    QCOMPARE(w->changedRowList(), QList<int>({14}));
    model->item(2, ColCheck)->setCheckState(Qt::Checked);
    pressKey(view, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(checkedRows(model), QList<int>({14}));

    // Find asks once; F3 goes on from the current row and round.
    const auto typed = [](const char *text) {
        return Modals::Answer([text](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            QVERIFY(dialog);
            dialog->setTextValue(QLatin1String(text));
            dialog->accept();
        });
    };
    Modals modals({typed("rpt")});
    view->setCurrentIndex(model->index(20, ColName));
    pressKey(view, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(view->currentIndex().row(), 40);
    QVERIFY(view->selectionModel()->isRowSelected(40, {}));
    const auto status = [this] { return w->form()->status_bar->currentMessage(); };
    QCOMPARE(status(), windowText("找到“%1”：信道 %2").arg(QStringLiteral("rpt")).arg(40));
    pressKey(view, Qt::Key_F3);
    QCOMPARE(view->currentIndex().row(), 12);
    QCOMPARE(status(), windowText("找到“%1”：信道 %2（已从头查找）").arg(QStringLiteral("rpt")).arg(12));
    // Not found is said in the status line too; no box stands in the way of the next search.
    Modals notFound({typed("zzz")});
    pressKey(view, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(status(), windowText("没有找到“%1”。").arg(QStringLiteral("zzz")));
    QCOMPARE(view->currentIndex().row(), 12);
    QCOMPARE(notFound.seen, QStringList());
    // A frequency in MHz finds the row holding it in Hz.
    Modals frequency({typed("438.5")});
    pressKey(view, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(view->currentIndex().row(), 3);
    // A match on the very next row is no going round.
    view->setCurrentIndex(model->index(2, ColName));
    pressKey(view, Qt::Key_F3);
    QCOMPARE(status(), windowText("找到“%1”：信道 %2").arg(QStringLiteral("438.5")).arg(3));
}

void TestEdit::moveInsertRemove()
{
    const char *names[] = {"A", "B", "C", "D", "E", "F"};
    for (int row = 0; row < 6; ++row)
        fillChannel(row, names[row], 145000000u + quint32(row) * 12500u);
    fillChannel(8, "G", 430000000u);
    fillChannel(999, "Z", 440000000u);
    const auto status = [this] { return w->form()->status_bar->currentMessage(); };

    // A block of cells moves with its rows, the selection with it; the rows count as changed.
    selectCells(2, ColName, 3, ColVfoaFreq);
    arranged([this] { pressKey(view, Qt::Key_Up, Qt::AltModifier); }, 1, {2, 3, 1}, {1, 2});
    QCOMPARE(w->changedRowList(), QList<int>({1, 2, 3}));
    QCOMPARE(model->index(1, ColChannel).data(), QVariant(1));
    arranged([this] { chooseFromMenu(view, "moveDownAction"); }, 1, {3, 1, 2}, {2, 3});
    // At the edge nothing moves and the status line says why.
    selectCells(0, ColName, 0, ColName);
    const int steps = w->undoStack()->count();
    pressKey(view, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(status(), windowText("选中的行已在最上面。"));
    QCOMPARE(w->undoStack()->count(), steps);

    // Insert pushes rows 2-5 down into the empty row 6.
    selectCells(2, ColName, 2, ColName);
    arranged([this] { pressKey(view, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier); }, 2,
             {-1, 2, 3, 4, 5}, {2});
    // 0 A, 1 B, 2 -, 3 C, 4 D, 5 E, 6 F, 7 -, 8 G. Removing rows 0, 3 and 5: each run pulls up the rows
    // below it as far as the next empty row.
    selectCells(0, ColName, 0, ColName);
    view->selectionModel()->select(model->index(3, ColVfoaMode), QItemSelectionModel::Select);
    view->selectionModel()->select(model->index(5, ColName), QItemSelectionModel::Select);
    arranged([this] { pressKey(view, Qt::Key_Minus, Qt::ControlModifier); }, 0, {1, -1, 2, 4, 6, -1, -1, 7, 8},
             {0});
    // No empty row below: nothing is inserted, and the status line says why. Pressed as an X keyboard
    // delivers Ctrl+Shift+=: Ctrl++.
    selectCells(999, ColName, 999, ColName);
    pressKey(view, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(status(), windowText("信道 %1 及以下没有空行：没有插入。").arg(999));
    QCOMPARE(w->undoStack()->count(), steps + 2);
}

void TestEdit::sortAndFillDown()
{
    fillChannel(10, "beta", 146500000u);
    fillChannel(11, "Alpha", 438500000u);
    fillChannel(12, "gamma", 145000000u);
    fillChannel(14, "alpha", 438500000u);
    fillChannel(15, "Delta", 150000000u);
    model->setData(model->index(15, ColVfoaFreq), QVariant());
    QCoreApplication::processEvents(); // the edit's own step closes
    // Ascending, equal values in their order, a row without the value next, an empty row last.
    selectCells(10, ColCheck, 15, ColSqlevel);
    arranged([this] { chooseFromMenu(view, "sortByFrequencyAction"); }, 10, {12, 10, 11, 14, 15, 13},
             {10, 11, 12, 13, 14, 15});
    arranged([this] { chooseFromMenu(view, "sortByNameAction"); }, 10, {12, 13, 11, 14, 10, 15},
             {10, 11, 12, 13, 14, 15});

    // Fill down: the mode opens row 21's DMR cells for the call ID; row 22 keeps its mode, so its call ID
    // cell stays closed and is skipped.
    fillRow(20);
    fillChannel(22, "X", 145000000u);
    const auto texts = [this](int row) {
        QStringList out;
        for (int column = ColChannel; column < ColumnCount; ++column)
            out << cell(row, column).toString();
        return out;
    };
    QStringList expected = texts(21);
    for (int column : {ColName, ColVfoaFreq, ColVfobFreq, ColVfoaMode, ColCallId})
        expected[column - ColChannel] = texts(20).at(column - ColChannel);
    const QStringList unchanged = texts(22);
    selectCells(20, ColName, 21, ColVfoaMode);
    view->selectionModel()->select(QItemSelection(model->index(20, ColCallId), model->index(22, ColCallId)),
                                   QItemSelectionModel::Select);
    const int steps = w->undoStack()->count();
    pressKey(view, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(texts(21), expected);
    QCOMPARE(texts(22), unchanged);
    QCOMPARE(selectedRowList(), QList<int>({20, 21, 22}));
    QCOMPARE(w->undoStack()->count(), steps + 1);
    pressKey(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(texts(21).mid(1), QStringList(ColumnCount - 2));
    pressKey(view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(texts(21), expected);
}

QTEST_MAIN(TestEdit)
#include "tst_edit.moc"
