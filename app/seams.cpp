// The real dialogs, unless a test has put its own answer in their place.
#include "seams.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

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

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter,
                        const QStringList &places)
{
    if (openFn)
        return openFn(parent, caption, dir, filter);
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QList<QUrl> sidebar = dialog.sidebarUrls();
    for (const QString &place : places)
        if (QFileInfo(place).isDir() && !sidebar.contains(QUrl::fromLocalFile(place)))
            sidebar << QUrl::fromLocalFile(place);
    dialog.setSidebarUrls(sidebar);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
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
