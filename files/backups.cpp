// The backups folder: saving a backup, keeping the newest, finding them again.
#include "backups.h"

#include "channelfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString backups::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QStringList backups::all()
{
    // Names sort as their dates do; only files this program names count.
    QDir dir(folder());
    const QStringList names =
        dir.entryList({QStringLiteral("[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]_*.json")}, QDir::Files, QDir::Name | QDir::Reversed);
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

QString backups::newest()
{
    return all().value(0);
}

QString backups::save(const QList<channel> &channels, const QList<DMR> &dmrs, QString *errorString,
                      const QDateTime &when)
{
    QDir dir(folder());
    if (!dir.mkpath(QStringLiteral("."))) {
        if (errorString)
            *errorString = QCoreApplication::translate("termial", "无法创建文件夹 %1").arg(dir.path());
        return QString();
    }
    // Two backups in the same millisecond keep apart by a number after the time.
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz"));
    QString path = dir.filePath(stem + QStringLiteral(".json"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(QStringLiteral("%1-%2.json").arg(stem).arg(n));
    if (!writeChannelFile(path, channelFileText(channels, dmrs), errorString))
        return QString();
    const QStringList kept = all();
    for (qsizetype i = kKept; i < kept.size(); ++i)
        QFile::remove(kept.at(i));
    return path;
}
