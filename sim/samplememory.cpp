// radio-sim-sample: writes the demo's sample channel memory, a few dozen plausible channels.
#include "radiosim.h"
#include "vocabulary.h"

#include <QCoreApplication>

#include <cstdio>

namespace
{

// A code is the position of its text in the terminal's value list.
quint8 code(const QStringList &list, const char *text)
{
    const qsizetype position = list.indexOf(QLatin1String(text));
    Q_ASSERT(position >= 0);
    return quint8(position);
}

constexpr quint32 kOwnId = 2629043; // a made-up 7-digit radio ID

channel analogChannel(const char *name, quint32 rxHz, quint32 txHz, const char *mode, const char *txTone,
                      const char *rxTone)
{
    channel c;
    // Names as the terminal writes them: UTF-8, at most 11 bytes, zero-filled to 12.
    QByteArray bytes = vocabulary::fitName(QString::fromUtf8(name)).toUtf8();
    bytes.append(QByteArray(12 - bytes.size(), '\0'));
    c.setChannelName(bytes);
    c.setVfoaFrequency1(quint8(rxHz >> 24));
    c.setVfoaFrequency2(quint8(rxHz >> 16));
    c.setVfoaFrequency3(quint8(rxHz >> 8));
    c.setVfoaFrequency4(quint8(rxHz));
    c.setVfobFrequency1(quint8(txHz >> 24));
    c.setVfobFrequency2(quint8(txHz >> 16));
    c.setVfobFrequency3(quint8(txHz >> 8));
    c.setVfobFrequency4(quint8(txHz));
    c.setVfoaMode(code(vocabulary::modes(), mode));
    c.setVfobMode(code(vocabulary::modes(), mode));
    c.setEmitYayin(code(vocabulary::analogTones(), txTone));
    c.setReceiveYayin(code(vocabulary::analogTones(), rxTone));
    return c;
}

DMR dmrSettings(const char *callFormat, quint8 colourCode, quint8 slot, quint32 callId,
                const char *type = "DMR")
{
    DMR d;
    d.setCallFormat(code(vocabulary::callTypes(), callFormat));
    d.setTxCc(colourCode);
    d.setRxCc(colourCode);
    d.setSlot(slot);
    d.setCallId(callId);
    d.setOwnId(kOwnId);
    d.setChType(code(vocabulary::channelTypes(), type));
    d.setSqlevel(3);
    return d;
}

struct Analog {
    int number;
    const char *name;
    quint32 rxHz, txHz;
    const char *mode, *txTone, *rxTone;
};

struct Digital {
    int number;
    const char *name;
    quint32 rxHz, txHz;
    const char *callFormat;
    quint8 colourCode, slot;
    quint32 callId;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: radio-sim-sample <file.json>\n");
        return 2;
    }

    // VFO A receives, VFO B transmits: repeaters get their input frequency in VFO B.
    const Analog analogs[] = {
        {0, "2M CALL", 145500000, 145500000, "NFM", "0", "0"},
        {1, "70CM CALL", 433500000, 433500000, "NFM", "0", "0"},
        {2, "2M S21", 145525000, 145525000, "NFM", "0", "0"},
        {3, "RPT 2M R0", 145600000, 145000000, "NFM", "77.0", "0"},
        {4, "RPT 2M R1", 145625000, 145025000, "NFM", "71.9", "0"},
        {5, "RPT 2M R7", 145775000, 145175000, "NFM", "88.5", "88.5"},
        {6, "RPT 70 RU70", 438650000, 431050000, "NFM", "94.8", "0"},
        {7, "RPT 70 RU74", 438700000, 431100000, "NFM", "110.9", "110.9"},
        {8, "Relais Süd", 439050000, 431450000, "NFM", "123.0", "0"},
        {9, "中继台1", 439460000, 434460000, "NFM", "131.8", "131.8"},
        {10, "PMR 1", 446006250, 446006250, "NFM", "0", "0"},
        {11, "PMR 2", 446018750, 446018750, "NFM", "0", "0"},
        {12, "PMR 3", 446031250, 446031250, "NFM", "67.0", "67.0"},
        {13, "PMR 4", 446043750, 446043750, "NFM", "0", "0"},
        {14, "PMR 5", 446056250, 446056250, "NFM", "0", "0"},
        {15, "PMR 6", 446068750, 446068750, "NFM", "103.5", "103.5"},
        {16, "PMR 7", 446081250, 446081250, "NFM", "0", "0"},
        {17, "PMR 8", 446093750, 446093750, "NFM", "0", "0"},
        {18, "FREENET 1", 149025000, 149025000, "NFM", "0", "0"},
        {20, "APRS", 144800000, 144800000, "PKT", "0", "0"},
        {21, "ISS VOICE", 145800000, 145800000, "NFM", "0", "0"},
        {22, "SAT SO-50", 436795000, 145850000, "NFM", "67.0", "0"},
        {23, "10M FM", 29600000, 29600000, "NFM", "0", "0"},
        {24, "6M SSB", 50150000, 50150000, "USB", "0", "0"},
        {25, "20M SSB", 14200000, 14200000, "USB", "0", "0"},
        {26, "40M SSB", 7100000, 7100000, "LSB", "0", "0"},
        {27, "80M SSB", 3700000, 3700000, "LSB", "0", "0"},
        {28, "20M CW", 14060000, 14060000, "CWL", "0", "0"},
        {29, "20M FT8", 14074000, 14074000, "DIGI", "0", "0"},
        {30, "40M FT8", 7074000, 7074000, "DIGI", "0", "0"},
        {31, "MARINE 16", 156800000, 156800000, "NFM", "0", "0"},
        {32, "MARINE 9", 156450000, 156450000, "NFM", "0", "0"},
        {33, "AIR GUARD", 121500000, 121500000, "AM", "0", "0"},
        {34, "AIR ATIS", 128600000, 128600000, "AM", "0", "0"},
        {35, "FM RADIO", 100100000, 100100000, "WFM", "0", "0"},
        {36, "FM NEWS", 93600000, 93600000, "WFM", "0", "0"},
        {100, "2M FM S20", 145500000, 145500000, "NFM", "0", "0"},
        {999, "LAST CH", 433500000, 433500000, "NFM", "0", "0"},
    };
    const Digital digitals[] = {
        {50, "DMR TG91", 439412500, 431812500, "Group", 1, 1, 91},
        {51, "DMR TG262", 439412500, 431812500, "Group", 1, 1, 262},
        {52, "DMR TG2621", 439412500, 431812500, "Group", 1, 2, 2621},
        {53, "DMR LOCAL", 439412500, 431812500, "Group", 1, 2, 9},
        {54, "DMR TG8", 438112500, 430512500, "Group", 3, 2, 8},
        {55, "DMR 2M", 145587500, 144987500, "Group", 2, 1, 262},
        {56, "DMR SIMPLEX", 433450000, 433450000, "Group", 1, 1, 99},
        {57, "DMR PRIVAT", 439412500, 431812500, "Single", 1, 1, 2621234},
        {58, "DMR TG9990", 439412500, 431812500, "Single", 1, 2, 9990},
    };

    RadioSim sim;
    for (const Analog &a : analogs)
        sim.setAnalog(a.number, analogChannel(a.name, a.rxHz, a.txHz, a.mode, a.txTone, a.rxTone));
    for (const Digital &d : digitals) {
        sim.setAnalog(d.number, analogChannel(d.name, d.rxHz, d.txHz, "DMR", "0", "0"));
        sim.setDmr(d.number, dmrSettings(d.callFormat, d.colourCode, d.slot, d.callId));
    }
    // A mixed channel: analog FM with tones, digital when a DMR signal shows up.
    sim.setAnalog(59, analogChannel("DFM MIXED", 439150000, 431550000, "NFM", "88.5", "88.5"));
    DMR mixed = dmrSettings("Group", 1, 1, 262, "DFM");
    mixed.setRxCtcss(code(vocabulary::dmrTones(), "88.5"));
    mixed.setTxCtcss(code(vocabulary::dmrTones(), "88.5"));
    sim.setDmr(59, mixed);

    QString error;
    if (!sim.saveMemory(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "radio-sim-sample: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
