// Field names of the stored bytes of the analog and DMR records.
#include "recordfields.h"

#include "vocabulary.h"

#include <QHash>
#include <functional>

namespace
{

// One name per stored byte: the channel number's two bytes, then the record's fields in frame order.
const char *const kAnalog[26] = {
    "CHANNEL",      "CHANNEL",      "VFA_MODE",     "VFB_MODE",     "VFA_FREQ(Hz)", "VFA_FREQ(Hz)", "VFA_FREQ(Hz)",
    "VFA_FREQ(Hz)", "VFB_FREQ(Hz)", "VFB_FREQ(Hz)", "VFB_FREQ(Hz)", "VFB_FREQ(Hz)", "T_CTCSS",      "R_CTCSS",
    "NAME",         "NAME",         "NAME",         "NAME",         "NAME",         "NAME",         "NAME",
    "NAME",         "NAME",         "NAME",         "NAME",         "NAME",
};
const char *const kDmr[26] = {
    "CHANNEL", "CHANNEL",  "call_type", "Tx_cc",    "Rx_cc",   "slot",    "Call_id", "Call_id", "Call_id",
    "Call_id", "Own_id",   "Own_id",    "Own_id",   "Own_id",  "Ch_type", "Rx_ctcss", "Tx_ctcss", "sqlevel",
    "spkgain", "dmrexist", "dmodGain",  "scrEn",    "scrSeed", "scrSeed", "chBsMode", "validat",
};

} // namespace

QStringList recordfields::differing(const QByteArray &first, const QByteArray &second, bool dmr)
{
    const char *const *names = dmr ? kDmr : kAnalog;
    QStringList out;
    for (qsizetype i = 0; i < qMin(first.size(), second.size()) && i < 26; ++i) {
        const QString name = QLatin1String(names[i]);
        if (first.at(i) != second.at(i) && !out.contains(name))
            out << name;
    }
    return out;
}

QList<recordfields::Difference> recordfields::differences(const channel &firstAnalog, const DMR &firstDmr,
                                                          const channel &secondAnalog, const DMR &secondDmr)
{
    QStringList fields = differing(firstAnalog.body().mid(2), secondAnalog.body().mid(2), false);
    for (const QString &field : differing(firstDmr.body().mid(2), secondDmr.body().mid(2), true))
        if (!fields.contains(field))
            fields << field;
    QList<Difference> out;
    for (const QString &field : std::as_const(fields))
        out.append({field, fieldText(field, firstAnalog, firstDmr), fieldText(field, secondAnalog, secondDmr)});
    return out;
}

QString recordfields::fieldText(const QString &field, const channel &a, const DMR &d)
{
    using Text = std::function<QString(const channel &, const DMR &)>;
    const auto number = [](quint32 value) { return QString::number(value); };
    static const QHash<QString, Text> texts{
        {QStringLiteral("CHANNEL"), [=](const channel &c, const DMR &) { return number(c.channelNumber()); }},
        {QStringLiteral("NAME"), [](const channel &c, const DMR &) { return vocabulary::nameText(c.channelName()); }},
        {QStringLiteral("VFA_FREQ(Hz)"), [=](const channel &c, const DMR &) { return number(c.vfoaFrequency()); }},
        {QStringLiteral("VFB_FREQ(Hz)"), [=](const channel &c, const DMR &) { return number(c.vfobFrequency()); }},
        {QStringLiteral("VFA_MODE"),
         [](const channel &c, const DMR &) { return vocabulary::codeText(vocabulary::modes(), c.vfoaMode()); }},
        {QStringLiteral("VFB_MODE"),
         [](const channel &c, const DMR &) { return vocabulary::codeText(vocabulary::modes(), c.vfobMode()); }},
        {QStringLiteral("T_CTCSS"),
         [](const channel &c, const DMR &) { return vocabulary::codeText(vocabulary::analogTones(), c.emitYayin(), -1); }},
        {QStringLiteral("R_CTCSS"),
         [](const channel &c, const DMR &) { return vocabulary::codeText(vocabulary::analogTones(), c.receiveYayin(), -1); }},
        {QStringLiteral("call_type"),
         [](const channel &, const DMR &r) { return vocabulary::codeText(vocabulary::callTypes(), r.callFormat()); }},
        {QStringLiteral("Tx_cc"), [=](const channel &, const DMR &r) { return number(r.txCc()); }},
        {QStringLiteral("Rx_cc"), [=](const channel &, const DMR &r) { return number(r.rxCc()); }},
        {QStringLiteral("slot"), [=](const channel &, const DMR &r) { return number(r.slot()); }},
        {QStringLiteral("Call_id"), [=](const channel &, const DMR &r) { return number(r.callId()); }},
        {QStringLiteral("Own_id"), [=](const channel &, const DMR &r) { return number(r.ownId()); }},
        {QStringLiteral("Ch_type"),
         [](const channel &, const DMR &r) { return vocabulary::codeText(vocabulary::channelTypes(), r.chType()); }},
        {QStringLiteral("Rx_ctcss"),
         [](const channel &, const DMR &r) { return vocabulary::codeText(vocabulary::dmrTones(), r.rxCtcss()); }},
        {QStringLiteral("Tx_ctcss"),
         [](const channel &, const DMR &r) { return vocabulary::codeText(vocabulary::dmrTones(), r.txCtcss()); }},
        {QStringLiteral("sqlevel"), [=](const channel &, const DMR &r) { return number(r.sqlevel()); }},
        {QStringLiteral("spkgain"), [=](const channel &, const DMR &r) { return number(r.spkgain()); }},
        {QStringLiteral("dmrexist"), [=](const channel &, const DMR &r) { return number(r.dmrexist()); }},
        {QStringLiteral("dmodGain"), [=](const channel &, const DMR &r) { return number(r.dmodGain()); }},
        {QStringLiteral("scrEn"), [=](const channel &, const DMR &r) { return number(r.scrEn()); }},
        {QStringLiteral("scrSeed"),
         [](const channel &, const DMR &r) { return QStringLiteral("%1 %2").arg(r.scrSeed1()).arg(r.scrSeed2()); }},
        {QStringLiteral("chBsMode"), [=](const channel &, const DMR &r) { return number(r.chBsMode()); }},
        {QStringLiteral("validat"), [=](const channel &, const DMR &r) { return number(r.validat()); }},
    };
    const auto it = texts.constFind(field);
    return it == texts.cend() ? QString() : (*it)(a, d);
}
