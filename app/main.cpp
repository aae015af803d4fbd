// Entry point: application font, one window, the event loop.
#include "termial.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    QApplication::setFont(font);

    termial window;
    window.show();
    return app.exec();
}
