// Test helpers for files: whole-file reads and writes, and a disk that fills up.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Runs `work` while the process may not write past `bytes` of any file, as on a disk that fills up.
// Nothing may be logged or printed meanwhile (the log capture keeps lines in memory). False when the
// limit could not be set.
template <typename Work> bool withFileSizeLimit(rlim_t bytes, Work work)
{
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
    if (limited)
        work();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return limited;
}
