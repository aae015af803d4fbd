// Entry point: command line, application font, one window, the event loop.
#include "termial.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFont>

#include <cstring>

namespace
{

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Programs the channel memory of a two-way radio over a serial line."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("device"),
                                 QStringLiteral("Serial devices (paths such as /dev/pts/3) listed before the "
                                                "system's ports; the first is the one a connect opens"),
                                 QStringLiteral("[device...]"));
}

// --help and --version only print, so they must work where no display is available.
bool onlyPrints(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"-h", "--help", "-?", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("control-terminal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TERMIAL_VERSION));

    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        describe(parser);
        // Options of the GUI toolkit (-platform ...) may stand beside and are no error here.
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version")))
            parser.showVersion();
        parser.showHelp(0);
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("control-terminal"));
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    QApplication::setFont(font);

    termial window;
    const QStringList devices = parser.positionalArguments();
    for (const QString &device : devices)
        window.addPortPath(device);
    window.show();
    return app.exec();
}
