// Accessible names, the status line as something a screen reader hears, and the keyboard's context menu.
#include "accessibility.h"

#include "termial.h"
#include "ui_termial.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QKeyEvent>

namespace
{
const QString kAnnouncement = QStringLiteral("statusAnnouncement");

// Screen readers speak a notification when it shows (Qt 6.4 has no call to announce a text), so the
// status line's news travel through an invisible widget that presents itself as one.
QAccessibleInterface *announcementInterface(const QString &, QObject *object)
{
    if (object->isWidgetType() && object->objectName() == kAnnouncement)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}
} // namespace

Accessibility::Accessibility(termial *window) : QObject(window), w(window)
{
    Ui::termial *ui = window->form();
    // The spin box's label only says "0~"; the jump field's placeholder vanishes once typed in.
    ui->label_31->setBuddy(ui->channelMaxNum_spinBox);
    connect(ui->status_bar, &QStatusBar::messageChanged, this, &Accessibility::statusChanged);
    static const bool factoryInstalled = (QAccessible::installFactory(announcementInterface), true);
    Q_UNUSED(factoryInstalled);
    announcement = new QWidget(ui->status_bar);
    announcement->setObjectName(kAnnouncement);
    announcement->setFixedSize(0, 0);
    announcement->hide();
    ui->tableView->installEventFilter(this);
    // Tab leaves the table for the next control instead of walking its 19 000 cells; the arrow keys move
    // between cells, and Tab inside an open editor still commits it and opens the next one.
    ui->tableView->setTabKeyNavigation(false);
    retranslate();
}

void Accessibility::retranslate()
{
    Ui::termial *ui = w->form();
    // Buttons and boxes with text are named by it; these show none or too little. On Linux Qt gives a combo
    // box its value as name and reads a label from the description.
    ui->serialport_comboBox->setAccessibleName(tr("串口"));
    ui->serialport_comboBox->setAccessibleDescription(tr("串口"));
    ui->language_comboBox->setAccessibleDescription(tr("选择语言"));
    ui->serialportFlash_pushButton->setAccessibleName(tr("刷新串口列表"));
    ui->language_comboBox->setAccessibleName(tr("选择语言"));
    ui->channelMaxNum_spinBox->setAccessibleName(tr("快速勾选信道"));
    ui->channelNum_lineEdit->setAccessibleName(tr("跳转至对应信道号"));
    ui->load_progressBar->setAccessibleName(tr("传输进度"));
    ui->tableView->setAccessibleName(tr("信道表"));
    statusChanged(ui->status_bar->currentMessage());
}

// The status line is where the end of a transfer, a save or an open is said. Its message becomes its
// accessible name (read when a person asks for the status bar) and is announced as a notification, so
// that a screen reader speaks it without the focus moving there. Of a transfer only the first line and
// the end are told: a line per channel would talk over everything else, and the progress bar holds the
// count for whoever asks.
void Accessibility::statusChanged(const QString &message)
{
    const bool transferring = w->isReading() || w->isSending();
    if (transferring && transferTold)
        return;
    transferTold = transferring;
    QStatusBar *status = w->form()->status_bar;
    const QString name = message.isEmpty() ? tr("状态") : message;
    if (status->accessibleName() == name)
        return;
    status->setAccessibleName(name);
    if (message.isEmpty())
        return;
    announcement->hide();
    announcement->setAccessibleName(message);
    announcement->show();
}

// The Menu key and Shift+F10 open the table's context menu at the current cell, where the keyboard is.
bool Accessibility::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
    const bool shiftF10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10)
        return false;
    QTableView *view = w->form()->tableView;
    const QRect cell = view->visualRect(view->currentIndex());
    // Over the viewport's corner when no cell is current or it is scrolled out of sight.
    const QPoint inViewport = cell.isValid() && view->viewport()->rect().intersects(cell)
                                  ? cell.center()
                                  : QPoint(view->viewport()->width() / 4, view->viewport()->height() / 4);
    const QPoint at = view->viewport()->mapTo(view, inViewport);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
    QCoreApplication::sendEvent(watched, &menu);
    return true;
}
