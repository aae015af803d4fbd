// Shared by the fuzz targets: a quiet debug log and a check that stops the run with the failing input.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace fuzz
{

// The frame cutter logs every candidate; at fuzzing speed that is noise and most of the run time.
// Critical and fatal messages still reach stderr, since they mean something went wrong.
inline void quietLog()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
}

// abort() is what libFuzzer reports as a crash, and it then saves the input that caused it.
[[noreturn]] inline void fail(const char *condition, const char *file, int line, const QByteArray &detail)
{
    std::fprintf(stderr, "%s:%d: broken: %s\n  bytes: %s\n", file, line, condition,
                 detail.toHex(' ').constData());
    std::abort();
}

} // namespace fuzz

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzz::fail(#condition, __FILE__, __LINE__, (detail));                                            \
    } while (false)
