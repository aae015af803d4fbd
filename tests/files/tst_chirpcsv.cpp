// Tests of the CHIRP CSV format: files as other tools write them, and the written text.
#include "chirpcsv.h"

#include <QtTest>

namespace
{

const QByteArray kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";
const char *const kReasons[] = {"location", "quote", "frequency", "transmit", "replaced",
                                "off",      "mode",  "dtcs",      "tone",     "name"};

// "5 'NAME' 146520000>146520000 NFM 88.5/0" per channel, then "reason: numbers", then the error.
QString describe(const CsvImport &r)
{
    QStringList out;
    for (const CsvChannel &c : r.channels)
        out << QStringLiteral("%1 '%2' %3>%4 %5 %6/%7")
                   .arg(c.location)
                   .arg(c.name)
                   .arg(c.vfoaFrequency)
                   .arg(c.vfobFrequency)
                   .arg(c.vfoaMode == c.vfobMode ? c.vfoaMode : c.vfoaMode + u'|' + c.vfobMode)
                   .arg(c.emitTone, c.receiveTone);
    for (auto it = r.notes.constBegin(); it != r.notes.constEnd(); ++it) {
        QStringList numbers;
        for (int n : it.value())
            numbers << QString::number(n);
        out << QLatin1String(kReasons[int(it.key())]) + u':' + numbers.join(u',');
    }
    if (r.error != CsvError::None)
        out << QStringLiteral("error %1").arg(int(r.error));
    return out.join(QLatin1String("; "));
}

CsvChannel csvChannel(int location, const QString &name, quint32 rx, quint32 tx, const char *mode,
                      const char *transmitTone, const char *receiveTone)
{
    const QString m = QLatin1String(mode), t = QLatin1String(transmitTone), r = QLatin1String(receiveTone);
    return {location, name, rx, tx, m, m, t, r};
}

} // namespace

class tst_chirpcsv : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
};

void tst_chirpcsv::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *tag, const QByteArray &file, const char *expected) {
        QTest::newRow(tag) << file << QString::fromUtf8(expected);
    };
    // As the tool itself saves: a byte-order mark, CRLF, a comment holding commas and quotes.
    add("tool's own file",
        "\xEF\xBB\xBF" + kHeader +
            "\r\n"
            "0,CALL,146.520000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,50W,\"Calling, "
            "\"\"simplex\"\"\",,,,\r\n"
            "1,RPT,145.650000,-,0.600000,Tone,123.0,88.5,023,NN,023,Tone->Tone,FM,12.50,,,\"a,b\",,,,\r\n"
            "2,UP,438.500000,+,7.600000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,NFM,5.00,S,,,,,,\r\n",
        "0 'CALL' 146520000>146520000 NFM 0/0; 1 'RPT' 145650000>145050000 NFM 123.0/0; "
        "2 'UP' 438500000>446100000 NFM 100.0/100.0");
    // A spreadsheet's export: LF, other column order, unknown columns, short lines, a quoted name with
    // a line break, a quote and a comma.
    add("other order",
        "Mode,Frequency,Extra,Location,Name\n"
        "WFM,98.1,x,7,\"R \"\"1\"\",\nFM\"\n"
        "AM,118.0,,8\n",
        "7 'R \"1\",\nFM' 98100000>98100000 WFM 0/0; 8 '' 118000000>118000000 AM 0/0");
    add("header names trimmed, any case, first counts", " location ,FREQUENCY,Location\r\n3,145.5,9\r\n",
        "3 '' 145500000>145500000 NFM 0/0; mode:3");
    add("split and off",
        "Location,Frequency,Duplex,Offset,Mode\n4,145.5,split,435.25,FM\n5,145.5,off,0.6,FM\n6,145.5,Odd,1,"
        "FM\n",
        "4 '' 145500000>435250000 NFM 0/0; 5 '' 145500000>145500000 NFM 0/0; "
        "6 '' 145500000>145500000 NFM 0/0; off:5,6");
    add("modes",
        "Location,Frequency,Mode\n0,1,NAM\n1,1,CW\n2,1,RTTY\n3,1,fsk\n4,1,usb\n5,1,CWR\n6,1,PKT\n7,1,DMR\n"
        "8,1,DV\n9,1,\n",
        "0 '' 1000000>1000000 AM 0/0; 1 '' 1000000>1000000 CWL 0/0; 2 '' 1000000>1000000 DIGI 0/0; "
        "3 '' 1000000>1000000 DIGI 0/0; 4 '' 1000000>1000000 USB 0/0; 5 '' 1000000>1000000 CWR 0/0; "
        "6 '' 1000000>1000000 PKT 0/0; 7 '' 1000000>1000000 DMR 0/0; 8 '' 1000000>1000000 NFM 0/0; "
        "9 '' 1000000>1000000 NFM 0/0; mode:8,9");
    add("tones",
        "Location,Frequency,Tone,rToneFreq,cToneFreq,CrossMode,Mode\n"
        "0,1,TSQL-R,67,71.9,,FM\n1,1,Cross,67.0,71.90,Tone->Tone,FM\n2,1,Cross,67,71.9,Tone->,FM\n"
        "3,1,Cross,67,71.9,->Tone,FM\n4,1,DTCS,67,71.9,,FM\n5,1,Cross,67,71.9,Tone->DTCS,FM\n"
        "6,1,Tone,69.4,71.9,,FM\n7,1,TSQL,67,,,FM\n8,1,Cross,67,71.9,DTCS->Tone,FM\n"
        "9,1,Cross,67,71.9,Tone->Sweep,FM\n10,1,Fancy,67,71.9,,FM\n11,1,Tone,0,,,FM\n",
        "0 '' 1000000>1000000 NFM 0/67.0; 1 '' 1000000>1000000 NFM 67.0/71.9; "
        "2 '' 1000000>1000000 NFM 67.0/0; 3 '' 1000000>1000000 NFM 0/71.9; 4 '' 1000000>1000000 NFM 0/0; "
        "5 '' 1000000>1000000 NFM 0/0; 6 '' 1000000>1000000 NFM 0/0; 7 '' 1000000>1000000 NFM 0/0; "
        "8 '' 1000000>1000000 NFM 0/0; 9 '' 1000000>1000000 NFM 0/0; 10 '' 1000000>1000000 NFM 0/0; "
        "11 '' 1000000>1000000 NFM 0/0; dtcs:4,5,8; tone:6,7,9,10,11");
    add("frequencies",
        "Location,Frequency,Duplex,Offset,Mode\n0,145.0000005,,,FM\n1,4294.967295,,,FM\n2,4294.967296,,,FM\n"
        "3,-1,,,FM\n4,abc,,,FM\n5,,,,FM\n6,1e2,,,FM\n7, 0.5 ,-,0.6,FM\n8,1,+,x,FM\n9,.25,+,4294.8,FM\n"
        "10,145.49999949,,,FM\n",
        "0 '' 145000001>145000001 NFM 0/0; 1 '' 4294967295>4294967295 NFM 0/0; "
        "10 '' 145499999>145499999 NFM 0/0; frequency:2,3,4,5,6; transmit:7,8,9");
    add("locations, duplicates, names",
        "Location,Name,Frequency,Mode\n1000,a,1,FM\n-1,b,1,FM\nx,c,1,FM\n, ,,\n5,ABCDEFGHIJKL,1,DV\n"
        "5,中文中文,2,FM\n6,ok,1,FM\n6,bad,x,FM\n999,last,3,FM\n",
        "5 '中文中' 2000000>2000000 NFM 0/0; 6 'ok' 1000000>1000000 NFM 0/0; 999 'last' 3000000>3000000 NFM "
        "0/0; "
        "location:2,3,4; "
        "frequency:6; replaced:5; name:5");
    add("unclosed quote", "Location,Name,Frequency\n1,a,1\n2,\"b,1\n3,c,1\n",
        "1 'a' 1000000>1000000 NFM 0/0; quote:3; mode:1");
    add("not text: latin-1", "Location,Name,Frequency\n1,caf\xE9,1\n", "error 1");
    add("not text: UTF-16", QByteArray("\xFF\xFEL\0o\0c\0", 8), "error 1");
    add("not text: cut character", "Location,Frequency\n1,1\n\xE4\xB8", "error 1");
    add("no Location column", "{\"0\": {}}", "error 2");
    add("no Frequency column", "Location,Name\n1,a\n", "error 3");
    add("header only", "\xEF\xBB\xBF" + kHeader + "\r\n", "error 4");
    add("empty", "\r\n\n", "error 4");
    add("no usable row", "Location,Frequency\n1000,1\n", "location:2; error 4");
}

void tst_chirpcsv::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, expected);
    QCOMPARE(describe(readChirpCsv(file)), expected);
}

void tst_chirpcsv::writing_data()
{
    QTest::addColumn<CsvChannel>("row");
    QTest::addColumn<QByteArray>("line");
    const auto add = [](const char *tag, const CsvChannel &c, const char *line) {
        QTest::newRow(tag) << c << QByteArray(line);
    };
    add("simplex", csvChannel(0, "CALL", 146520000, 146520000, "NFM", "0", "0"),
        "0,CALL,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,");
    add("minus, tone", csvChannel(1, "R", 145650000, 145050000, "NFM", "123.0", "0"),
        "1,R,145.650000,-,0.600000,Tone,123.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,");
    add("plus 99.999999 MHz, squelch", csvChannel(2, "", 100000001, 200000000, "CWL", "67.0", "67.0"),
        "2,,100.000001,+,99.999999,TSQL,67.0,67.0,023,NN,023,Tone->Tone,CW,5.00,,,,,,,");
    add("split at 100 MHz, cross", csvChannel(3, "a,\"b\"", 145000000, 245000000, "DIGI", "67.0", "71.9"),
        "3,\"a,\"\"b\"\"\",145.000000,split,245.000000,Cross,67.0,71.9,023,NN,023,Tone->Tone,DIG,5.00,,,,,,"
        ",");
    add("receive tone only, unknown mode", csvChannel(999, "中", 0, 4294967295u, "", "x", "254.1"),
        "999,中,0.000000,split,4294.967295,Cross,88.5,254.1,023,NN,023,->Tone,FM,5.00,,,,,,,");
}

void tst_chirpcsv::writing()
{
    QFETCH(CsvChannel, row);
    QFETCH(QByteArray, line);
    QCOMPARE(chirpCsvText({row}), kHeader + "\r\n" + line + "\r\n");
}

QTEST_GUILESS_MAIN(tst_chirpcsv)
#include "tst_chirpcsv.moc"
