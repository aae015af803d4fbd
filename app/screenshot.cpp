// Takes the README screenshot: the window as it starts, once English is installed, saved to a PNG file.
#include "termial.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QFont>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QThread>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().size() != 2) {
        QTextStream(stderr) << "usage: termial_screenshot FILE.png\n";
        return 2;
    }
    // The same application font as the program itself.
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    QApplication::setFont(font);

    termial window;
    window.move(0, 0);
    window.show();
    // The pointer rests outside the window, so no cell shows its hover colour.
    QCursor::setPos(window.screen()->geometry().bottomRight());
    QElapsedTimer clock;
    clock.start();
    while (window.windowTitle() != QLatin1String("Control terminal")) {
        if (clock.hasExpired(10000)) {
            QTextStream(stderr) << "the English catalogue was not installed\n";
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    // A few more rounds of events so that layouts and style sheets have settled.
    clock.restart();
    while (!clock.hasExpired(500))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    const QString file = QCoreApplication::arguments().at(1);
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "cannot write " << file << "\n";
        return 1;
    }
    return 0;
}
