// Opening and saving channel files of either format, shared by the window and the command line.
#include "anyformat.h"

#include "channellist.h"
#include "chirpcsv.h"
#include "log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>


namespace
{

bool openJson(const QString &fileName, ChannelFileRecords *records, QString *reason, QString *notes)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        WLOG() << "文件打开失败";
        if (!fileName.isEmpty())
            *reason = file.errorString();
        return false;
    }
    const QByteArray text = file.readAll();
    file.close();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        WLOG() << "json转化失败\n\t" << error.errorString();
        *reason = QCoreApplication::translate("termial", "不是 JSON 文本（%1）").arg(error.errorString());
        return false;
    }
    if (!document.isObject()) {
        *reason = QCoreApplication::translate("termial", "不是信道文件");
        return false;
    }
    *records = parseChannelFile(document);
    if (!records->skipped.isEmpty()) {
        // A box cannot show a hundred thousand keys; the first ones say what is wrong.
        constexpr int shownKeys = 20;
        QString keys = records->skipped.mid(0, shownKeys).join(QLatin1String(", "));
        if (records->skipped.size() > shownKeys)
            keys += QLatin1String(", …");
        *notes = QCoreApplication::translate("termial", "%1 中有 %2 个条目没有载入：它们的键不是其信道号，或信道号不在 0~999 之内。\n%3")
                     .arg(QFileInfo(fileName).fileName(), QString::number(records->skipped.size()), keys);
    }
    return true;
}

// A CSV line gives columns 2 to 8 of its Location's channel: an analog record and no DMR one.
bool openCsv(const QString &fileName, ChannelFileRecords *records, QString *reason, QString *notes)
{
    CsvImport csv;
    if (!readChirpCsvFile(fileName, &csv, reason)) {
        WLOG() << "文件打开失败";
        return false;
    }
    if (csv.error != CsvError::None) {
        *reason = csvErrorText(csv.error);
        return false;
    }
    for (const CsvChannel &c : std::as_const(csv.channels))
        records->channels.append(csvRecord(c));
    QStringList lines;
    for (auto note = csv.notes.cbegin(); note != csv.notes.cend(); ++note) {
        const QList<quint16> numbers(note.value().cbegin(), note.value().cend());
        lines << csvNoteText(note.key(), compactChannelList(numbers));
    }
    if (!lines.isEmpty())
        *notes = QFileInfo(fileName).fileName() + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    return true;
}

} // namespace

bool isCsvFileName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

bool openChannelFile(const QString &fileName, ChannelFileRecords *records, QString *reason, QString *notes)
{
    return isCsvFileName(fileName) ? openCsv(fileName, records, reason, notes)
                                   : openJson(fileName, records, reason, notes);
}

bool saveChannelFile(const QString &fileName, const QList<channel> &channels, const QList<DMR> &dmrs,
                     qsizetype *saved, QString *reason)
{
    if (isCsvFileName(fileName)) {
        QList<CsvChannel> lines;
        for (const channel &record : channels)
            lines.append(csvChannel(record));
        *saved = lines.size();
        // CSV brings its own CRLF line ends.
        return writeChannelFile(fileName, chirpCsvText(lines), reason, false);
    }
    const QJsonObject object = channelFileObject(channels, dmrs);
    *saved = object.size();
    return writeChannelFile(fileName, channelFileText(object), reason);
}
