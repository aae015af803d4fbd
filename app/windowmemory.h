// What the window keeps from one run to the next (port, folder, geometry, column widths, recent files),
// and its title, which names the file in hand and marks unsaved edits.
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <memory>

class termial;
class QAction;
class QMenu;
class QSettings;

class WindowMemory : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(termial)

public:
    // ~/.config/control-terminal/control-terminal.conf on Linux ($XDG_CONFIG_HOME when set).
    static std::unique_ptr<QSettings> settings();

    static constexpr int kMostRecent = 8;

    explicit WindowMemory(termial *window);
    ~WindowMemory() override;

    // A value kept from an earlier run, or `fallback`.
    QVariant remembered(const QString &key, const QVariant &fallback = {}) const;
    void remember(const QString &key, const QVariant &value);

    // Puts back what the last run left: the window's size and place, the column widths, the port.
    void restore();
    // A connect opened this port (the port box's item or the typed path).
    void linkOpened(const QString &port);
    // A channel file was opened or saved: the title names it, the dialogs start in its folder, and it
    // heads the recent files.
    void fileUsed(const QString &fileName);
    // Where the file dialogs start: the folder of the last file opened or saved, while it exists.
    QString folder() const;
    // The window is closing for good.
    void closing();
    QStringList recentFiles() const;
    void updateTitle();
    void retranslate();

private:
    void fillRecentMenu();

    termial *w;
    // Read once when the window starts: Qt reports a damaged file only to the first reader after a change.
    std::unique_ptr<QSettings> store;
    QAction *recentAction;
    QMenu *recentMenu;
    QString currentFile;
};
