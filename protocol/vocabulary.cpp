// The one place the value lists and the language table are written out.
#include "vocabulary.h"

namespace vocabulary
{

const QStringList &modes()
{
    static const QStringList list{"USB", "LSB", "CWR", "CWL", "AM", "WFM", "NFM", "DIGI", "PKT", "DMR"};
    return list;
}

const QStringList &analogTones()
{
    static const QStringList list{"0",     "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",
                                  "85.4",  "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2",
                                  "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3",
                                  "146.2", "150.0", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
                                  "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8",
                                  "196.6", "199.5", "203.5", "206.5", "210.7", "213.8", "218.1", "221.3",
                                  "225.7", "229.1", "233.6", "237.1", "241.8", "245.5", "250.3", "254.1"};
    return list;
}

// The DMR list has 63.0 at code 1 and stops at 233.6: every tone from 67.0 on sits one code higher
// than in the analog list.
const QStringList &dmrTones()
{
    static const QStringList list = [] {
        QStringList tones = analogTones().mid(0, 51);
        tones.insert(1, QStringLiteral("63.0"));
        return tones;
    }();
    return list;
}

const QStringList &callTypes()
{
    static const QStringList list{"Single", "Group", "All"};
    return list;
}

const QStringList &channelTypes()
{
    static const QStringList list{"DFM", "DMR"};
    return list;
}

QString codeText(const QStringList &list, quint8 code, int emptyCode)
{
    if (code < list.size())
        return list.at(code);
    return code == emptyCode ? QString() : QLatin1Char('?') + QString::number(code);
}

QString nameText(QByteArray bytes)
{
    bytes.replace(QByteArrayView("\0", 1), QByteArrayView());
    return QString::fromUtf8(bytes);
}

QString fitName(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= nameBytes)
        return text;
    // Back off to the first byte of a character, so no half of one is kept.
    qsizetype cut = nameBytes;
    while (cut > 0 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
        --cut;
    bytes.truncate(cut);
    return QString::fromUtf8(bytes);
}

// Whole-number arithmetic throughout: "145.0125" must give 145012500, never 145012499.
FrequencyText parseFrequency(const QString &text, quint32 *hertz)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return FrequencyText::Empty;
    constexpr quint64 limit = 0xFFFFFFFFULL;
    bool point = false;
    bool digits = false;
    int decimals = 0;
    quint64 whole = 0;
    quint64 fraction = 0;
    for (const QChar c : trimmed) {
        const char16_t u = c.unicode();
        if (u == u'.' || u == u',') {
            if (point)
                return FrequencyText::Invalid;
            point = true;
            continue;
        }
        if (u < u'0' || u > u'9')
            return FrequencyText::Invalid;
        digits = true;
        if (!point) {
            whole = whole * 10 + (u - u'0');
            if (whole > limit)
                return FrequencyText::Invalid;
        } else {
            if (++decimals > 6)
                return FrequencyText::Invalid;
            fraction = fraction * 10 + (u - u'0');
        }
    }
    if (!digits)
        return FrequencyText::Partial;
    quint64 value = whole;
    if (point) {
        for (int i = decimals; i < 6; ++i)
            fraction *= 10;
        value = whole * 1000000 + fraction;
    }
    if (value > limit)
        return FrequencyText::Invalid;
    if (hertz)
        *hertz = quint32(value);
    return FrequencyText::Valid;
}

const QList<Language> &languages()
{
    static const QList<Language> list{
        {QStringLiteral("English"), QStringLiteral("lang_English.qm"), QStringLiteral("en")},
        {QStringLiteral("中文"), QStringLiteral("lang_Chinese.qm"), QStringLiteral("zh_CN")},
        {QStringLiteral("Français"), QStringLiteral("lang_French.qm"), QStringLiteral("fr")},
        {QStringLiteral("بالعربية"), QStringLiteral("lang_Arabic.qm"), QStringLiteral("ar")},
        {QStringLiteral("deutsch"), QStringLiteral("lang_German.qm"), QStringLiteral("de")},
        {QStringLiteral("日本語"), QStringLiteral("lang_Japanese.qm"), QStringLiteral("ja")},
        {QStringLiteral("Português"), QStringLiteral("lang_Portuguese.qm"), QStringLiteral("pt_BR")},
        {QStringLiteral("Русский язык"), QStringLiteral("lang_Russian.qm"), QStringLiteral("ru")},
        {QStringLiteral("Español"), QStringLiteral("lang_Spanish.qm"), QStringLiteral("es")},
        {QStringLiteral("हिंदी भाषा"), QStringLiteral("lang_Hindi.qm"), QStringLiteral("hi")},
    };
    return list;
}

} // namespace vocabulary
