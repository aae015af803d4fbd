// The CHIRP CSV channel list: an RFC 4180 reader, its mapping onto table rows, and the writer.
#include "chirpcsv.h"

#include "vocabulary.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{

// The header CHIRP writes; the columns the mapping reads are named by their position in it.
const char *const kHeader[] = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
enum Column {
    Location = 0,
    Name = 1,
    Frequency = 2,
    Duplex = 3,
    Offset = 4,
    Tone = 5,
    RToneFreq = 6,
    CToneFreq = 7,
    CrossMode = 11,
    Mode = 12,
    ColumnCount = int(std::size(kHeader))
};

// CHIRP's modes and ours. The first line of each of ours is what writing gives it.
const struct {
    const char *chirp, *ours;
} kModes[] = {{"FM", "NFM"},    {"NFM", "NFM"},  {"WFM", "WFM"}, {"AM", "AM"},  {"NAM", "AM"},
              {"USB", "USB"},   {"LSB", "LSB"},  {"CWR", "CWR"}, {"CW", "CWL"}, {"DIG", "DIGI"},
              {"RTTY", "DIGI"}, {"FSK", "DIGI"}, {"PKT", "PKT"}, {"DMR", "DMR"}};

constexpr int kLastLocation = 999;
// The tone CHIRP keeps in a tone column that is not in use.
const QLatin1String kToneFiller("88.5");

bool same(QStringView a, const char *b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// A decimal number of MHz as whole hertz, rounded half up; none when it is not a plain decimal
// number or lies outside the 32-bit field. Worked on the digits, so 145.0000005 gives 145000001.
std::optional<quint32> hertz(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    const auto digit = [&text](qsizetype i) {
        return i < text.size() && text[i] >= u'0' && text[i] <= u'9' ? int(text[i].unicode() - u'0') : -1;
    };
    quint64 hz = 0;
    qsizetype i = 0, digits = 0;
    // Whole megahertz beyond the field are held at a bound that is still beyond it.
    for (; digit(i) >= 0; ++i, ++digits)
        hz = std::min<quint64>(hz * 10 + quint64(digit(i)), 10000);
    hz *= 1000000;
    if (i < text.size() && text[i] == u'.') {
        // Six decimals are hertz, the seventh rounds, later ones are past it.
        quint64 scale = 100000;
        for (++i; digit(i) >= 0; ++i, ++digits, scale /= 10) {
            if (scale > 0)
                hz += quint64(digit(i)) * scale;
            else if (digit(i) >= 5)
                ++hz;
            if (scale == 0)
                break;
        }
        while (digit(i) >= 0)
            ++i;
    }
    if (i != text.size() || digits == 0 || (negative && hz != 0) || hz > 0xFFFFFFFFu)
        return std::nullopt;
    return quint32(hz);
}

QString megahertzText(quint32 hz)
{
    return QString::number(hz / 1000000) + u'.' + QString::number(hz % 1000000).rightJustified(6, u'0');
}

// A tone from a CSV column as its text in the analog tone list ("88.50" and "88.5" are the same
// tone); empty when the list has no such tone. "0" is no tone, not a tone, so it is not found.
QString analogTone(QStringView text)
{
    static const QHash<qint64, QString> byTenths = [] {
        QHash<qint64, QString> h;
        const QStringList &tones = vocabulary::analogTones();
        for (qsizetype i = 1; i < tones.size(); ++i)
            h.insert(qRound64(tones.at(i).toDouble() * 10), tones.at(i));
        return h;
    }();
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e6)
        return QString();
    const qint64 tenths = qRound64(value * 10);
    if (std::abs(value * 10 - double(tenths)) > 1e-6)
        return QString();
    return byTenths.value(tenths);
}

QString modeFromChirp(QStringView text)
{
    text = text.trimmed();
    for (const auto &m : kModes)
        if (same(text, m.chirp))
            return QLatin1String(m.ours);
    return QString();
}

QString modeToChirp(const QString &mode)
{
    for (const auto &m : kModes)
        if (mode == QLatin1String(m.ours))
            return QLatin1String(m.chirp);
    return QStringLiteral("FM");
}

// Line breaks in a stretch of text: LF, CRLF, or a lone CR.
int lineBreaks(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')))
            ++n;
    return n;
}

// RFC 4180 records: fields separated by commas, records by CRLF, LF or CR. A field that starts with
// a quote runs to the next quote not doubled and may hold commas, quotes and line breaks; text
// between its closing quote and the next separator is kept as it stands.
class CsvReader
{
public:
    explicit CsvReader(QStringView text) : m_text(text) {}
    bool atEnd() const { return m_pos >= m_text.size(); }

    struct Record {
        QStringList fields;
        int line = 0;       // where the record starts, the first line being 1
        bool closed = true; // false when a quoted field ran to the end of the text
        // Spreadsheets end their exports with lines of bare commas.
        bool blank() const
        {
            return std::all_of(fields.cbegin(), fields.cend(),
                               [](const QString &f) { return QStringView(f).trimmed().isEmpty(); });
        }
    };

    void next(Record &record)
    {
        record.fields.clear();
        record.line = m_line;
        record.closed = true;
        const qsizetype n = m_text.size();
        for (;;) {
            QString field;
            if (m_pos < n && m_text[m_pos] == u'"') {
                ++m_pos;
                for (;;) {
                    const qsizetype quote = m_text.indexOf(u'"', m_pos);
                    const QStringView part = m_text.sliced(m_pos, (quote < 0 ? n : quote) - m_pos);
                    m_line += lineBreaks(part);
                    field += part;
                    if (quote < 0) {
                        record.closed = false;
                        m_pos = n;
                        break;
                    }
                    m_pos = quote + 1;
                    if (m_pos < n && m_text[m_pos] == u'"') {
                        field += u'"';
                        ++m_pos;
                        continue;
                    }
                    break;
                }
            }
            qsizetype end = m_pos;
            while (end < n && m_text[end] != u',' && m_text[end] != u'\r' && m_text[end] != u'\n')
                ++end;
            field += m_text.sliced(m_pos, end - m_pos);
            m_pos = end;
            record.fields.append(field);
            if (m_pos >= n)
                return;
            if (m_text[m_pos] == u',') {
                ++m_pos;
                continue;
            }
            if (m_text[m_pos] == u'\r' && m_pos + 1 < n && m_text[m_pos + 1] == u'\n')
                ++m_pos;
            ++m_pos;
            ++m_line;
            return;
        }
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

using Reasons = unsigned;
Reasons bit(CsvReason reason)
{
    return 1u << unsigned(reason);
}

// One line's channel, or the reason it is skipped; the reasons it was changed for in flags.
struct RowResult {
    CsvChannel channel;
    Reasons changes = 0;
    std::optional<CsvReason> skipped;
};

template <typename Field> RowResult mapRow(int location, const Field &field)
{
    RowResult r;
    CsvChannel &c = r.channel;
    c.location = location;
    const QString name = field(Name).toString();
    c.name = vocabulary::fitName(name);
    if (c.name.size() != name.size())
        r.changes |= bit(CsvReason::NameCut);

    const std::optional<quint32> receive = hertz(field(Frequency));
    if (!receive) {
        r.skipped = CsvReason::BadFrequency;
        return r;
    }
    c.vfoaFrequency = c.vfobFrequency = *receive;
    const QStringView duplex = field(Duplex).trimmed();
    if (duplex == u"+" || duplex == u"-") {
        const std::optional<quint32> offset = hertz(field(Offset));
        const qint64 transmit = qint64(*receive) + (duplex == u"+" ? 1 : -1) * qint64(offset.value_or(0));
        if (!offset || transmit < 0 || transmit > qint64(0xFFFFFFFFu)) {
            r.skipped = CsvReason::BadTransmitFrequency;
            return r;
        }
        c.vfobFrequency = quint32(transmit);
    } else if (same(duplex, "split")) {
        const std::optional<quint32> transmit = hertz(field(Offset));
        if (!transmit) {
            r.skipped = CsvReason::BadTransmitFrequency;
            return r;
        }
        c.vfobFrequency = *transmit;
    } else if (!duplex.isEmpty()) {
        r.changes |= bit(CsvReason::TransmitOff);
    }

    c.vfoaMode = c.vfobMode = modeFromChirp(field(Mode));
    if (c.vfoaMode.isEmpty()) {
        c.vfoaMode = c.vfobMode = QStringLiteral("NFM");
        r.changes |= bit(CsvReason::UnknownMode);
    }

    c.emitTone = c.receiveTone = QStringLiteral("0");
    const auto take = [&](Column column, QString &tone) {
        const QString found = analogTone(field(column));
        if (found.isEmpty())
            r.changes |= bit(CsvReason::ToneNotInList);
        else
            tone = found;
    };
    const QStringView tone = field(Tone).trimmed();
    const QStringView cross = field(CrossMode).trimmed();
    if (tone.isEmpty()) {
    } else if (same(tone, "Tone")) {
        take(RToneFreq, c.emitTone);
    } else if (same(tone, "TSQL")) {
        take(CToneFreq, c.emitTone);
        c.receiveTone = c.emitTone;
    } else if (same(tone, "TSQL-R")) {
        take(RToneFreq, c.receiveTone);
    } else if (tone.startsWith(u"DTCS", Qt::CaseInsensitive) ||
               (same(tone, "Cross") && cross.contains(u"DTCS", Qt::CaseInsensitive))) {
        r.changes |= bit(CsvReason::Dtcs);
    } else if (same(tone, "Cross") && same(cross, "Tone->Tone")) {
        take(RToneFreq, c.emitTone);
        take(CToneFreq, c.receiveTone);
    } else if (same(tone, "Cross") && same(cross, "Tone->")) {
        take(RToneFreq, c.emitTone);
    } else if (same(tone, "Cross") && same(cross, "->Tone")) {
        take(CToneFreq, c.receiveTone);
    } else {
        r.changes |= bit(CsvReason::ToneNotInList);
    }
    return r;
}

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

bool CsvChannel::operator==(const CsvChannel &o) const
{
    return location == o.location && name == o.name && vfoaFrequency == o.vfoaFrequency &&
           vfobFrequency == o.vfobFrequency && vfoaMode == o.vfoaMode && vfobMode == o.vfobMode &&
           emitTone == o.emitTone && receiveTone == o.receiveTone;
}

CsvImport readChirpCsv(const QByteArray &bytes)
{
    CsvImport result;
    // A zero byte is valid UTF-8 but no text file holds one; a UTF-16 file is full of them.
    QByteArrayView body(bytes);
    if (body.startsWith("\xEF\xBB\xBF"))
        body = body.sliced(3);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (body.contains('\0') || decoder.hasError()) {
        result.error = CsvError::NotText;
        return result;
    }

    CsvReader reader(text);
    CsvReader::Record record;
    do
        reader.next(record);
    while (record.blank() && !reader.atEnd());
    if (record.blank()) {
        result.error = CsvError::NoUsableRow;
        return result;
    }
    int at[ColumnCount];
    std::fill(std::begin(at), std::end(at), -1);
    for (qsizetype i = record.fields.size() - 1; i >= 0; --i)
        for (int c = 0; c < ColumnCount; ++c)
            if (same(QStringView(record.fields.at(i)).trimmed(), kHeader[c]))
                at[c] = int(i);
    if (at[Location] < 0 || at[Frequency] < 0) {
        result.error = at[Location] < 0 ? CsvError::NoLocationColumn : CsvError::NoFrequencyColumn;
        return result;
    }

    QMap<int, RowResult> rows;
    const auto note = [&result](CsvReason reason, int number) { result.notes[reason].append(number); };
    const auto field = [&record, &at](Column c) {
        return at[c] >= 0 && at[c] < record.fields.size() ? QStringView(record.fields.at(at[c]))
                                                          : QStringView();
    };
    while (!reader.atEnd()) {
        reader.next(record);
        if (!record.closed) {
            note(CsvReason::UnclosedQuote, record.line);
            continue;
        }
        if (record.blank())
            continue;
        bool ok = false;
        const int location = field(Location).trimmed().toInt(&ok);
        if (!ok || location < 0 || location > kLastLocation) {
            note(CsvReason::BadLocation, record.line);
            continue;
        }
        RowResult row = mapRow(location, field);
        if (row.skipped) {
            note(*row.skipped, location);
            continue;
        }
        // The earlier line's changes no longer apply; that it was replaced does.
        if (rows.contains(location))
            row.changes |= bit(CsvReason::Replaced);
        rows.insert(location, std::move(row));
    }

    for (const RowResult &row : std::as_const(rows)) {
        result.channels.append(row.channel);
        for (unsigned b = 0; b < 32; ++b)
            if (row.changes & (1u << b))
                note(CsvReason(b), row.channel.location);
    }
    for (QList<int> &numbers : result.notes) {
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    if (result.channels.isEmpty())
        result.error = CsvError::NoUsableRow;
    return result;
}

bool readChirpCsvFile(const QString &fileName, CsvImport *result, QString *errorString)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = file.errorString();
        return false;
    }
    const CsvImport read = readChirpCsv(file.readAll());
    if (result)
        *result = read;
    return true;
}

QByteArray chirpCsvText(const QList<CsvChannel> &channels)
{
    QStringList header;
    for (const char *name : kHeader)
        header << QLatin1String(name);
    QString text = header.join(u',') + QLatin1String("\r\n");
    text.reserve(text.size() + channels.size() * 96);
    const QStringList &tones = vocabulary::analogTones();
    const auto toneOrNone = [&tones](const QString &tone) {
        return tone != tones.first() && tones.contains(tone) ? tone : QString();
    };
    for (const CsvChannel &c : channels) {
        QString duplex, offset = megahertzText(0);
        const quint32 difference = c.vfoaFrequency > c.vfobFrequency ? c.vfoaFrequency - c.vfobFrequency
                                                                     : c.vfobFrequency - c.vfoaFrequency;
        if (difference != 0 && difference < 100000000) {
            duplex = c.vfobFrequency > c.vfoaFrequency ? QStringLiteral("+") : QStringLiteral("-");
            offset = megahertzText(difference);
        } else if (difference != 0) {
            duplex = QStringLiteral("split");
            offset = megahertzText(c.vfobFrequency);
        }
        const QString transmitTone = toneOrNone(c.emitTone), receiveTone = toneOrNone(c.receiveTone);
        QString tone, rTone = kToneFiller, cTone = kToneFiller, cross = QStringLiteral("Tone->Tone");
        if (!transmitTone.isEmpty() && receiveTone.isEmpty()) {
            tone = QStringLiteral("Tone"), rTone = transmitTone;
        } else if (!transmitTone.isEmpty() && transmitTone == receiveTone) {
            tone = QStringLiteral("TSQL"), rTone = cTone = transmitTone;
        } else if (!receiveTone.isEmpty()) {
            tone = QStringLiteral("Cross"), cTone = receiveTone;
            if (transmitTone.isEmpty())
                cross = QStringLiteral("->Tone");
            else
                rTone = transmitTone;
        }
        const QString fields[ColumnCount] = {QString::number(c.location),
                                             csvField(c.name),
                                             megahertzText(c.vfoaFrequency),
                                             duplex,
                                             offset,
                                             tone,
                                             rTone,
                                             cTone,
                                             QStringLiteral("023"),
                                             QStringLiteral("NN"),
                                             QStringLiteral("023"),
                                             cross,
                                             modeToChirp(c.vfoaMode),
                                             QStringLiteral("5.00")};
        for (int i = 0; i < ColumnCount; ++i) {
            if (i > 0)
                text += u',';
            text += fields[i];
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

channel csvRecord(const CsvChannel &c)
{
    channel record;
    record.setChannelHigh(quint8(c.location >> 8));
    record.setChannelLow(quint8(c.location));
    QByteArray name = vocabulary::fitName(c.name).toUtf8();
    name.append(vocabulary::nameBytes + 1 - name.size(), '\0');
    record.setChannelName(name);
    record.setVfoaFrequency1(quint8(c.vfoaFrequency >> 24));
    record.setVfoaFrequency2(quint8(c.vfoaFrequency >> 16));
    record.setVfoaFrequency3(quint8(c.vfoaFrequency >> 8));
    record.setVfoaFrequency4(quint8(c.vfoaFrequency));
    record.setVfobFrequency1(quint8(c.vfobFrequency >> 24));
    record.setVfobFrequency2(quint8(c.vfobFrequency >> 16));
    record.setVfobFrequency3(quint8(c.vfobFrequency >> 8));
    record.setVfobFrequency4(quint8(c.vfobFrequency));
    // indexOf gives -1 for a text not in the list, which the one-byte field holds as 0xFF.
    record.setVfoaMode(quint8(vocabulary::modes().indexOf(c.vfoaMode)));
    record.setVfobMode(quint8(vocabulary::modes().indexOf(c.vfobMode)));
    record.setEmitYayin(quint8(qMax<qsizetype>(0, vocabulary::analogTones().indexOf(c.emitTone))));
    record.setReceiveYayin(quint8(qMax<qsizetype>(0, vocabulary::analogTones().indexOf(c.receiveTone))));
    return record;
}

CsvChannel csvChannel(const channel &record)
{
    CsvChannel c;
    c.location = record.channelNumber();
    QByteArray name = record.channelName();
    c.name = QString::fromUtf8(name.replace(QByteArrayView("\0", 1), QByteArrayView()));
    c.vfoaFrequency = record.vfoaFrequency();
    c.vfobFrequency = record.vfobFrequency();
    c.vfoaMode = vocabulary::modes().value(record.vfoaMode());
    c.vfobMode = vocabulary::modes().value(record.vfobMode());
    c.emitTone = vocabulary::analogTones().value(record.emitYayin(), QStringLiteral("0"));
    c.receiveTone = vocabulary::analogTones().value(record.receiveYayin(), QStringLiteral("0"));
    return c;
}

QString csvNoteText(CsvReason reason, const QString &numbers)
{
    const char *source = "";
    switch (reason) {
    case CsvReason::BadLocation:
        source = QT_TRANSLATE_NOOP("termial", "Location 不在 0~999，已跳过（行：%1）");
        break;
    case CsvReason::UnclosedQuote:
        source = QT_TRANSLATE_NOOP("termial", "引号未闭合，已跳过（行：%1）");
        break;
    case CsvReason::BadFrequency:
        source = QT_TRANSLATE_NOOP("termial", "频率无效，已跳过（信道：%1）");
        break;
    case CsvReason::BadTransmitFrequency:
        source = QT_TRANSLATE_NOOP("termial", "发射频率无效，已跳过（信道：%1）");
        break;
    case CsvReason::Replaced:
        source = QT_TRANSLATE_NOOP("termial", "信道重复，以最后一行为准（信道：%1）");
        break;
    case CsvReason::TransmitOff:
        source = QT_TRANSLATE_NOOP("termial", "Duplex 为 off 或未知，发射频率设为接收频率（信道：%1）");
        break;
    case CsvReason::UnknownMode:
        source = QT_TRANSLATE_NOOP("termial", "未知模式，已设为 NFM（信道：%1）");
        break;
    case CsvReason::Dtcs:
        source = QT_TRANSLATE_NOOP("termial", "不支持 DTCS，亚音已设为 0（信道：%1）");
        break;
    case CsvReason::ToneNotInList:
        source = QT_TRANSLATE_NOOP("termial", "亚音无效或不在列表中，已设为 0（信道：%1）");
        break;
    case CsvReason::NameCut:
        source = QT_TRANSLATE_NOOP("termial", "名称超过 11 字节，已截短（信道：%1）");
        break;
    }
    return QCoreApplication::translate("termial", source).arg(numbers);
}

QString csvErrorText(CsvError error)
{
    switch (error) {
    case CsvError::None:
        break;
    case CsvError::NotText:
        return QCoreApplication::translate("termial", "文件不是 UTF-8 文本");
    case CsvError::NoLocationColumn:
        return QCoreApplication::translate("termial", "文件缺少 Location 列");
    case CsvError::NoFrequencyColumn:
        return QCoreApplication::translate("termial", "文件缺少 Frequency 列");
    case CsvError::NoUsableRow:
        return QCoreApplication::translate("termial", "文件中没有可用的信道");
    }
    return QString();
}
