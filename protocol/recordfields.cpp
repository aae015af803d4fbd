// Field names of the stored bytes of the analog and DMR records.
#include "recordfields.h"

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
