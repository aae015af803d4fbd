// The real dialogs, unless a test has put its own answer in their place.
#include "seams.h"

#include <QFileDialog>

namespace seams
{
namespace
{
WarningFn warningFn;
QuestionFn questionFn;
FileNameFn saveFn;
FileNameFn openFn;
} // namespace

void warning(QWidget *parent, const QString &title, const QString &text)
{
    if (warningFn)
        warningFn(parent, title, text);
    else
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton)
{
    if (questionFn)
        return questionFn(parent, title, text, buttons, defaultButton);
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return saveFn ? saveFn(parent, caption, dir, filter)
                  : QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return openFn ? openFn(parent, caption, dir, filter)
                  : QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

WarningFn setWarning(WarningFn fn)
{
    return std::exchange(warningFn, std::move(fn));
}

QuestionFn setQuestion(QuestionFn fn)
{
    return std::exchange(questionFn, std::move(fn));
}

FileNameFn setSaveFileName(FileNameFn fn)
{
    return std::exchange(saveFn, std::move(fn));
}

FileNameFn setOpenFileName(FileNameFn fn)
{
    return std::exchange(openFn, std::move(fn));
}

} // namespace seams
