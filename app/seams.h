// Modal boxes and file dialogs behind replaceable functions, so tests answer them without a person.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace seams
{

using WarningFn = std::function<void(QWidget *parent, const QString &title, const QString &text)>;
using FileNameFn = std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                                         const QString &filter)>;

// A modal warning box with one OK button.
void warning(QWidget *parent, const QString &title, const QString &text);
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

// Each setter returns the previous function; an empty function restores the real dialog.
WarningFn setWarning(WarningFn fn);
FileNameFn setSaveFileName(FileNameFn fn);
FileNameFn setOpenFileName(FileNameFn fn);

} // namespace seams
