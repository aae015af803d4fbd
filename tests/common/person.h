// Test helpers that act as a person: answer the real file dialogs and message boxes, edit table cells with
// keys.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

// The window's text for a source text, in whatever catalogue it has loaded by now.
inline QString windowText(const char *text)
{
    return QCoreApplication::translate("termial", text);
}

// A window's title as the window system shows it: "[*]" is "*" while the window has unsaved edits.
inline QString shownTitle(const QWidget &w)
{
    QString title = w.windowTitle();
    return title.replace(QLatin1String("[*]"), w.isWindowModified() ? QLatin1String("*") : QLatin1String(""));
}

// Shown and active, with its catalogue in, so the texts compared are the ones it shows.
inline void showWindow(QWidget &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_VERIFY(w.findChildren<QFutureWatcherBase *>().isEmpty());
}

// The rows whose check box is ticked, ascending.
inline QList<int> checkedRows(const QAbstractItemModel *model)
{
    QList<int> rows;
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            rows << row;
    return rows;
}

// Answers the modal windows that come up, in order: each answer gets the next new one. A box nobody
// expected is recorded and dismissed, so a test fails instead of waiting for a person.
class Modals
{
public:
    using Answer = std::function<void(QWidget *)>;

    // The newest one answers; an older one still in scope keeps what it saw but takes no more.
    explicit Modals(QList<Answer> answers = {}) : pending(std::move(answers))
    {
        newest() = this;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { take(); });
        poll.start();
    }
    ~Modals()
    {
        if (newest() == this)
            newest() = nullptr;
    }
    Modals(const Modals &) = delete;
    Modals &operator=(const Modals &) = delete;

    // Every message box seen: "title|text"; a file dialog shows as "file|caption|filter".
    QStringList seen;

    // A file dialog answered by typing a name and pressing Return. `then` runs once it is accepted
    // (to take the file away before the program opens it, say).
    static Answer typeFileName(const QString &name, std::function<void()> then = {})
    {
        return [name, then](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            if (then)
                QObject::connect(dialog, &QDialog::accepted, then);
            // Pasted rather than typed: the completer's pop-up would take the Return.
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        };
    }
    static Answer press(QMessageBox::StandardButton which)
    {
        return [which](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            QAbstractButton *button = box->button(which);
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        };
    }

private:
    static Modals *&newest()
    {
        static Modals *instance = nullptr;
        return instance;
    }
    void take()
    {
        if (newest() != this)
            return;
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == current || !modal->isVisible())
            return;
        current = modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            seen << box->windowTitle() + u'|' + box->text();
        else if (auto *dialog = qobject_cast<QFileDialog *>(modal))
            seen << QStringLiteral("file|") + dialog->windowTitle() + u'|' + dialog->nameFilters().join(u';');
        if (pending.isEmpty()) {
            QTimer::singleShot(0, modal, &QWidget::close);
            return;
        }
        // Answered from its own event, so the poll keeps running for a box the answer itself brings up.
        QTimer::singleShot(0, modal, [answer = pending.takeFirst(), modal] { answer(modal); });
    }

    QList<Answer> pending;
    QPointer<QWidget> current;
    QTimer poll;
};

// Presses a key on the view as a person does: its window active (a box that just closed may have left it
// inactive, and shortcuts need it active) and the focus on the view.
inline void pressKey(QTableView *view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view->window()));
    view->setFocus();
    QTest::keyClick(view, Qt::Key(key), modifiers);
}

// Opens the editor of a cell as a person does (F2 on the current cell), returning it.
inline QWidget *openEditor(QTableView *view, int row, int column)
{
    view->setCurrentIndex(view->model()->index(row, column));
    pressKey(view, Qt::Key_F2);
    QWidget *editor = QApplication::focusWidget();
    return editor && editor != view ? editor : nullptr;
}

// Commits an editor with Return; the view takes the value on its next pass of the event loop.
inline void commitWithReturn(QWidget *editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Types text into an editor one character at a time, as keys (any script, unlike keyClicks).
inline void typeText(QWidget *editor, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
