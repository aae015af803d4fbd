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

    // Lines as written, except that a window line's "hh:mm:ss.zzz " prefix is removed.
    QStringList lines;

    void clear() { lines.clear(); }
    bool contains(const QString &line) const { return lines.contains(line); }
    int count(const QString &line) const { return int(lines.count(line)); }
    // Lines that start with the given text.
    QStringList startingWith(const QString &prefix) const
    {
        QStringList out;
        for (const QString &l : lines)
            if (l.startsWith(prefix))
                out << l;
        return out;
    }
    // Window lines carry "termial:[<line>]<method>() "; this strips it, leaving the message.
    static QString message(const QString &line)
    {
        static const QRegularExpression prefix(QStringLiteral("^(termial|channel):\\[\\d+\\]\\w+\\(\\) ?"));
        QString out = line;
        return out.remove(prefix);
    }
    QStringList messages() const
    {
        QStringList out;
        for (const QString &l : lines)
            out << message(l);
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
        if (type != QtDebugMsg) {
            current()->other << text;
            return;
        }
        static const QRegularExpression time(
            QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d (?=termial:\\[)"));
        QString line = text;
        current()->lines << line.remove(time);
    }

public:
    // Warnings and other non-debug messages, kept apart.
    QStringList other;

private:
    QtMessageHandler previous;
};
