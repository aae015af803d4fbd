// Entry point of control-terminal-cli: the program's English texts, standard streams, one run.
#include "commandline.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("control-terminal-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TERMIAL_VERSION));

    // The engine's debug log is for developers; QT_LOGGING_RULES="default.debug=true" brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    // The texts this tool shares with the window come in the window's English.
    QTranslator english;
    if (english.load(QStringLiteral(":/cli/lang_English.qm")))
        QCoreApplication::installTranslator(&english);

    QFile outFile, errFile;
    outFile.open(stdout, QIODevice::WriteOnly);
    errFile.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QTextStream out(&outFile), err(&errFile);
    return cli::run(QCoreApplication::arguments(), out, err, isatty(fileno(stderr)));
}
