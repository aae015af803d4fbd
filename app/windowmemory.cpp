// The window's memory between runs, kept with QSettings, and the title that names the file in hand.
#include "windowmemory.h"

#include "termial.h"
#include "ui_termial.h"

#include "tablecolumns.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QStandardItemModel>
#include <QUndoStack>

namespace
{
const QString kPort = QStringLiteral("port");
const QString kFolder = QStringLiteral("lastFolder");
const QString kGeometry = QStringLiteral("windowGeometry");
const QString kColumnWidths = QStringLiteral("columnWidths");
const QString kRecentFiles = QStringLiteral("recentFiles");
// Wider than any screen a column could sensibly take; a larger number is a damaged file.
constexpr int kWidestColumn = 4000;

// A menu entry's "&" marks its shortcut letter; one in a file name is shown as it is.
QString escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

std::unique_ptr<QSettings> WindowMemory::settings()
{
    return std::make_unique<QSettings>(QCoreApplication::applicationName(), QCoreApplication::applicationName());
}

WindowMemory::WindowMemory(termial *window)
    : QObject(window), w(window), store(settings()), recentAction(new QAction(window->form()->tableView)),
      recentMenu(new QMenu(window->form()->tableView))
{
    // A file that cannot be read or parsed is as good as none: the window starts as on a first run, and
    // what it keeps from now on replaces the damaged file.
    if (store->status() != QSettings::NoError)
        store->clear();
    recentAction->setObjectName(QStringLiteral("recentFilesAction"));
    recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    recentAction->setMenu(recentMenu);
    connect(recentMenu, &QMenu::aboutToShow, this, &WindowMemory::fillRecentMenu);
    // Any edit, undo or fill may change whether there are unsaved edits.
    connect(window->tableModel(), &QAbstractItemModel::dataChanged, this, &WindowMemory::updateTitle);
    connect(window->undoStack(), &QUndoStack::indexChanged, this, &WindowMemory::updateTitle);
    retranslate();
}

WindowMemory::~WindowMemory() = default;

QVariant WindowMemory::remembered(const QString &key, const QVariant &fallback) const
{
    return store->value(key, fallback);
}

void WindowMemory::remember(const QString &key, const QVariant &value)
{
    store->setValue(key, value);
}

void WindowMemory::restore()
{
    // Last in the table's context menu, after the entries built before.
    w->form()->tableView->addAction(recentAction);
    // Bytes Qt does not recognise as a geometry are refused by restoreGeometry itself; a damaged one it takes
    // may still leave the window smaller than its controls need, and is undone.
    const QRect first = w->geometry();
    if (w->restoreGeometry(remembered(kGeometry).toByteArray())) {
        const QSize least = w->minimumSizeHint();
        if (w->width() < least.width() || w->height() < least.height())
            w->setGeometry(first);
    }

    const QVariantList widths = remembered(kColumnWidths).toList();
    QTableView *view = w->form()->tableView;
    if (widths.size() == ColumnCount) {
        QList<int> sizes;
        for (const QVariant &width : widths) {
            bool ok = false;
            const int size = width.toInt(&ok);
            if (!ok || size < view->horizontalHeader()->minimumSectionSize() || size > kWidestColumn)
                break;
            sizes.append(size);
        }
        if (sizes.size() == ColumnCount)
            for (int column = 0; column < ColumnCount; ++column)
                view->setColumnWidth(column, sizes.at(column));
    }

    // The port comes back when the system lists it again; a path typed by hand, while the device exists.
    const QString port = remembered(kPort).toString();
    QComboBox *box = w->form()->serialport_comboBox;
    if (port.isEmpty())
        return;
    const int item = box->findText(port);
    if (item >= 0)
        box->setCurrentIndex(item);
    else if (QDir::isAbsolutePath(port) && QFileInfo::exists(port))
        box->setEditText(port);
}

void WindowMemory::linkOpened(const QString &port)
{
    remember(kPort, port);
}

void WindowMemory::fileUsed(const QString &fileName)
{
    const QFileInfo file(fileName);
    currentFile = file.fileName();
    remember(kFolder, file.absolutePath());
    QStringList recent = recentFiles();
    recent.removeAll(file.absoluteFilePath());
    recent.prepend(file.absoluteFilePath());
    remember(kRecentFiles, QStringList(recent.mid(0, kMostRecent)));
    updateTitle();
}

QString WindowMemory::folder() const
{
    const QString folder = remembered(kFolder).toString();
    return QFileInfo(folder).isDir() ? folder : QString();
}

void WindowMemory::closing()
{
    remember(kGeometry, w->saveGeometry());
    QVariantList widths;
    for (int column = 0; column < ColumnCount; ++column)
        widths.append(w->form()->tableView->columnWidth(column));
    remember(kColumnWidths, widths);
}

QStringList WindowMemory::recentFiles() const
{
    QStringList files;
    for (const QString &file : remembered(kRecentFiles).toStringList())
        if (QDir::isAbsolutePath(file) && !files.contains(file))
            files.append(file);
    return files.mid(0, kMostRecent);
}

void WindowMemory::updateTitle()
{
    // Qt shows "*" in place of "[*]" while the window is marked modified.
    const QString fixed = tr("控制终端");
    w->setWindowTitle(currentFile.isEmpty() ? fixed + QLatin1String("[*]")
                                            : fixed + QLatin1String(" - ") + currentFile + QLatin1String("[*]"));
    w->setWindowModified(w->hasUnsavedEdits());
}

void WindowMemory::retranslate()
{
    recentAction->setText(tr("最近的文件"));
    updateTitle();
}

void WindowMemory::fillRecentMenu()
{
    recentMenu->clear();
    int number = 0;
    for (const QString &file : recentFiles()) {
        // A file moved or deleted since is left out rather than offered to fail.
        if (!QFileInfo(file).isFile())
            continue;
        const QFileInfo info(file);
        QAction *entry = recentMenu->addAction(QStringLiteral("&%1 %2 (%3)")
                                                   .arg(++number)
                                                   .arg(escaped(info.fileName()),
                                                        escaped(QDir::toNativeSeparators(info.absolutePath()))));
        connect(entry, &QAction::triggered, w, [this, file] { w->openFile(file); });
    }
    if (number == 0)
        recentMenu->addAction(tr("没有最近的文件"))->setEnabled(false);
}
