// Test helper: collects the program's debug log lines while it lives, without the time prefix.
#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>

class LogCapture
{
public:
    LogCapture() : previous(qInstallMessageHandler(&LogCapture::handler)) { current() = this; }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        current() = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // Debug lines as written, except that a window line's "hh:mm:ss.zzz " prefix is removed.
    QStringList lines;

    void clear() { lines.clear(); }
    // The lines without the "termial:[<line>]<method>() " a window line carries: the messages alone.
    QStringList messages() const
    {
        static const QRegularExpression prefix(QStringLiteral("^(termial|channel):\\[\\d+\\]\\w+\\(\\) ?"));
        QStringList out = lines;
        for (QString &line : out)
            line.remove(prefix);
        return out;
    }

private:
    static LogCapture *&current()
    {
        static LogCapture *instance = nullptr;
        return instance;
    }
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (!current())
            return;
        // TERMIAL_TEST_LOG=1 echoes every line to stderr while a test is being debugged.
        static const bool echo = qEnvironmentVariableIntValue("TERMIAL_TEST_LOG") == 1;
        if (echo)
            fprintf(stderr, "%s\n", qPrintable(text));
        static const QRegularExpression time(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d (?=termial:\\[)"));
        if (type == QtDebugMsg)
            current()->lines << QString(text).remove(time);
    }

    QtMessageHandler previous;
};
