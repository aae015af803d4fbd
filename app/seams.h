// Modal boxes and file dialogs behind replaceable functions, so tests answer them without a person.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace seams
{

using WarningFn = std::function<void(QWidget *parent, const QString &title, const QString &text)>;
using QuestionFn = std::function<QMessageBox::StandardButton(
    QWidget *parent, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)>;
using FileNameFn = std::function<QString(QWidget *parent, const QString &caption, const QString &dir,
                                         const QString &filter)>;

// A modal warning box with one OK button.
void warning(QWidget *parent, const QString &title, const QString &text);
// A modal question with standard buttons; returns the one pressed (Escape gives the escape button).
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton);
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
// The real dialog adds the existing folders among `places` to its sidebar.
QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                        const QStringList &places = {});

// Each setter returns the previous function; an empty function restores the real dialog.
WarningFn setWarning(WarningFn fn);
QuestionFn setQuestion(QuestionFn fn);
FileNameFn setSaveFileName(FileNameFn fn);
FileNameFn setOpenFileName(FileNameFn fn);

} // namespace seams
