// What a screen reader and the keyboard alone need of the window: names for every control, the status
// line's changes announced, and the table's context menu from the keyboard.
#pragma once

#include <QCoreApplication>
#include <QObject>

class termial;
class QWidget;

class Accessibility : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(termial)

public:
    explicit Accessibility(termial *window);
    // Names follow the language.
    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void statusChanged(const QString &message);

    termial *w;
    QWidget *announcement; // shown anew with each message worth telling
    bool transferTold = false; // the status line told of the transfer under way
};
