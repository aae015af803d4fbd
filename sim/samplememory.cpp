// radio-sim-sample: writes the demo's sample channel memory, a few dozen plausible channels.
#include "radiosim.h"

#include <QCoreApplication>

#include <cstdio>

namespace
{

// Codes are positions in the terminal's value lists.
enum Mode : quint8 {
    USB = 0,
    LSB = 1,
    CWR = 2,
    CWL = 3,
    AM = 4,
    WFM = 5,
    NFM = 6,
    DIGI = 7,
    PKT = 8,
    DMRMODE = 9
};
// Analog tone list: 0 = none, then the CTCSS tones from 67.0 Hz.
enum AnalogTone : quint8 {
    NoTone = 0,
    T67_0 = 1,
    T71_9 = 3,
    T77_0 = 5,
    T88_5 = 9,
    T94_8 = 11,
    T103_5 = 14,
    T110_9 = 16,
    T123_0 = 19,
    T131_8 = 21
};
// DMR tone list: every tone from 67.0 Hz sits one code higher than in the analog list.
constexpr quint8 kDmrTone88_5 = 10;
enum CallFormat : quint8 { Single = 0, Group = 1 };
enum ChannelType : quint8 { DFM = 0, DMRTYPE = 1 };

constexpr quint32 kOwnId = 2629043; // a made-up 7-digit radio ID

channel analogChannel(const char *name, quint32 rxHz, quint32 txHz, quint8 modeA, quint8 modeB, quint8 txTone,
                      quint8 rxTone)
{
    channel c;
    // Names as the terminal writes them: UTF-8, at most 11 bytes, zero-filled to 12.
    QByteArray bytes = QByteArray(name).left(11);
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
    c.setVfoaMode(modeA);
    c.setVfobMode(modeB);
    c.setEmitYayin(txTone);
    c.setReceiveYayin(rxTone);
    return c;
}

DMR dmrSettings(quint8 callFormat, quint8 colourCode, quint8 slot, quint32 callId, quint8 type = DMRTYPE)
{
    DMR d;
    d.setCallFormat(callFormat);
    d.setTxCc(colourCode);
    d.setRxCc(colourCode);
    d.setSlot(slot);
    d.setCallId(callId);
    d.setOwnId(kOwnId);
    d.setChType(type);
    d.setSqlevel(3);
    return d;
}

struct Analog {
    int number;
    const char *name;
    quint32 rxHz, txHz;
    quint8 mode, txTone, rxTone;
};

struct Digital {
    int number;
    const char *name;
    quint32 rxHz, txHz;
    quint8 callFormat, colourCode, slot;
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
        {0, "2M CALL", 145500000, 145500000, NFM, NoTone, NoTone},
        {1, "70CM CALL", 433500000, 433500000, NFM, NoTone, NoTone},
        {2, "2M S21", 145525000, 145525000, NFM, NoTone, NoTone},
        {3, "RPT 2M R0", 145600000, 145000000, NFM, T77_0, NoTone},
        {4, "RPT 2M R1", 145625000, 145025000, NFM, T71_9, NoTone},
        {5, "RPT 2M R7", 145775000, 145175000, NFM, T88_5, T88_5},
        {6, "RPT 70 RU70", 438650000, 431050000, NFM, T94_8, NoTone},
        {7, "RPT 70 RU74", 438700000, 431100000, NFM, T110_9, T110_9},
        {8, "Relais Süd", 439050000, 431450000, NFM, T123_0, NoTone},
        {9, "中继台1", 439460000, 434460000, NFM, T131_8, T131_8},
        {10, "PMR 1", 446006250, 446006250, NFM, NoTone, NoTone},
        {11, "PMR 2", 446018750, 446018750, NFM, NoTone, NoTone},
        {12, "PMR 3", 446031250, 446031250, NFM, T67_0, T67_0},
        {13, "PMR 4", 446043750, 446043750, NFM, NoTone, NoTone},
        {14, "PMR 5", 446056250, 446056250, NFM, NoTone, NoTone},
        {15, "PMR 6", 446068750, 446068750, NFM, T103_5, T103_5},
        {16, "PMR 7", 446081250, 446081250, NFM, NoTone, NoTone},
        {17, "PMR 8", 446093750, 446093750, NFM, NoTone, NoTone},
        {18, "FREENET 1", 149025000, 149025000, NFM, NoTone, NoTone},
        {20, "APRS", 144800000, 144800000, PKT, NoTone, NoTone},
        {21, "ISS VOICE", 145800000, 145800000, NFM, NoTone, NoTone},
        {22, "SAT SO-50", 436795000, 145850000, NFM, T67_0, NoTone},
        {23, "10M FM", 29600000, 29600000, NFM, NoTone, NoTone},
        {24, "6M SSB", 50150000, 50150000, USB, NoTone, NoTone},
        {25, "20M SSB", 14200000, 14200000, USB, NoTone, NoTone},
        {26, "40M SSB", 7100000, 7100000, LSB, NoTone, NoTone},
        {27, "80M SSB", 3700000, 3700000, LSB, NoTone, NoTone},
        {28, "20M CW", 14060000, 14060000, CWL, NoTone, NoTone},
        {29, "20M FT8", 14074000, 14074000, DIGI, NoTone, NoTone},
        {30, "40M FT8", 7074000, 7074000, DIGI, NoTone, NoTone},
        {31, "MARINE 16", 156800000, 156800000, NFM, NoTone, NoTone},
        {32, "MARINE 9", 156450000, 156450000, NFM, NoTone, NoTone},
        {33, "AIR GUARD", 121500000, 121500000, AM, NoTone, NoTone},
        {34, "AIR ATIS", 128600000, 128600000, AM, NoTone, NoTone},
        {35, "FM RADIO", 100100000, 100100000, WFM, NoTone, NoTone},
        {36, "FM NEWS", 93600000, 93600000, WFM, NoTone, NoTone},
        {100, "2M FM S20", 145500000, 145500000, NFM, NoTone, NoTone},
        {999, "LAST CH", 433500000, 433500000, NFM, NoTone, NoTone},
    };
    const Digital digitals[] = {
        {50, "DMR TG91", 439412500, 431812500, Group, 1, 1, 91},
        {51, "DMR TG262", 439412500, 431812500, Group, 1, 1, 262},
        {52, "DMR TG2621", 439412500, 431812500, Group, 1, 2, 2621},
        {53, "DMR LOCAL", 439412500, 431812500, Group, 1, 2, 9},
        {54, "DMR TG8", 438112500, 430512500, Group, 3, 2, 8},
        {55, "DMR 2M", 145587500, 144987500, Group, 2, 1, 262},
        {56, "DMR SIMPLEX", 433450000, 433450000, Group, 1, 1, 99},
        {57, "DMR PRIVAT", 439412500, 431812500, Single, 1, 1, 2621234},
        {58, "DMR TG9990", 439412500, 431812500, Single, 1, 2, 9990},
    };

    RadioSim sim;
    for (const Analog &a : analogs)
        sim.setAnalog(a.number, analogChannel(a.name, a.rxHz, a.txHz, a.mode, a.mode, a.txTone, a.rxTone));
    for (const Digital &d : digitals) {
        sim.setAnalog(d.number, analogChannel(d.name, d.rxHz, d.txHz, DMRMODE, DMRMODE, NoTone, NoTone));
        sim.setDmr(d.number, dmrSettings(d.callFormat, d.colourCode, d.slot, d.callId));
    }
    // A mixed channel: analog FM with tones, digital when a DMR signal shows up.
    sim.setAnalog(59, analogChannel("DFM MIXED", 439150000, 431550000, NFM, NFM, T88_5, T88_5));
    DMR mixed = dmrSettings(Group, 1, 1, 262, DFM);
    mixed.setRxCtcss(kDmrTone88_5);
    mixed.setTxCtcss(kDmrTone88_5);
    sim.setDmr(59, mixed);

    QString error;
    if (!sim.saveMemory(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "radio-sim-sample: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
