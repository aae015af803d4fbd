// Tests of the channel file format without a window: exact text, round trips, lenient reading, safe writes.
#include "channelfile.h"
#include "filerecords.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTemporaryDir>
#include <QtTest>

using filetest::fields;

class tst_channelfile : public QObject
{
    Q_OBJECT

private slots:
    void exactText();
    void roundTrip();
    void reading_data();
    void reading();
    void documentShapes();
    void writeAndRead();
    void failedWriteKeepsOldFile();
};

void tst_channelfile::exactText()
{
    // Row order 2, 10; the file orders the members as strings, so "10" comes first.
    const QByteArray text =
        channelFileText({filetest::channel2(), filetest::channel10()}, {filetest::dmr2(), filetest::dmr10()});
    QCOMPARE(QString::fromUtf8(text), QString::fromUtf8(filetest::expectedText()));

    QCOMPARE(channelFileText(QList<channel>(), QList<DMR>()), QByteArray("{\n}\n"));
    // Pairs stop at the shorter list.
    QCOMPARE(channelFileObject({filetest::channel2(), filetest::channel10()}, {filetest::dmr2()}).keys(),
             QStringList{QStringLiteral("2")});
}

void tst_channelfile::roundTrip()
{
    // Every byte distinct and non-zero, a name cut inside a character, and a channel above 255 (999).
    QByteArray analogFrame(34, '\0'), dmrFrame(34, '\0');
    for (int i = 8; i < 32; ++i)
        analogFrame[i] = char(i - 7), dmrFrame[i] = char(i * 9);
    analogFrame.replace(20, 12, QByteArray("abcdefghij\xE4") + QByteArray(1, '\0'));
    analogFrame[6] = dmrFrame[6] = 3;
    analogFrame[7] = dmrFrame[7] = char(0xE7);
    channel c;
    DMR d;
    c.fromFrame(analogFrame);
    d.fromFrame(dmrFrame);

    // The second row with number 10 replaces the first.
    channel stale = filetest::channel10();
    stale.setVfoaMode(1);
    DMR staleDmr = filetest::dmr10();
    staleDmr.setSqlevel(99);

    const QByteArray text = channelFileText({stale, c, filetest::channel2(), filetest::channel10()},
                                            {staleDmr, d, filetest::dmr2(), filetest::dmr10()});
    QJsonParseError error;
    const ChannelFileRecords back = parseChannelFile(text, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(back.channels.size(), 3);
    QCOMPARE(back.dmrs.size(), 3);

    // Object order: "10", "2", "999".
    QCOMPARE(fields(back.channels[0], back.dmrs[0]), fields(filetest::channel10(), filetest::dmr10()));
    QCOMPARE(fields(back.channels[1], back.dmrs[1]), fields(filetest::channel2(), filetest::dmr2()));

    channel expected = c;
    // The cut character comes back as U+FFFD, the zero byte stays.
    expected.setChannelName(QByteArray("abcdefghij\xEF\xBF\xBD") + QByteArray(1, '\0'));
    QCOMPARE(fields(back.channels[2], back.dmrs[2]), fields(expected, d));
    QCOMPARE(back.dmrs[2].channelNumber(), quint16(999));
    // Bytes the file does not hold keep the records' defaults.
    QCOMPARE(back.dmrs[2].dmrexist(), quint8(1));
    QCOMPARE(back.dmrs[2].validat(), quint8(1));
    QCOMPARE(back.channels[2].startBit1(), quint8(0xA5));
}

void tst_channelfile::reading_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *tag, const char *entry, const char *field, const char *expected) {
        QTest::newRow(tag) << QByteArray(entry) << QString::fromLatin1(field)
                           << QString::fromLatin1(expected);
    };
    add("300 keeps low byte", R"({"txCc": 300})", "txCc", "44");
    add("12.5 is not whole", R"({"txCc": 12.5})", "txCc", "0");
    add("300.0 is whole", R"({"sqlevel": 300.0})", "sqlevel", "44");
    add("negative", R"({"vfoaMode": -1})", "vfoaMode", "255");
    add("beyond 32 bits", R"({"scrSeed2": 4294967340})", "scrSeed2", "44");
    add("huge double", R"({"scrSeed1": 1e300})", "scrSeed1", "0");
    add("string number", R"({"slot": "5"})", "slot", "0");
    add("bool", R"({"chBsMode": true})", "chBsMode", "0");
    add("null", R"({"emitYayin": null})", "emitYayin", "0");
    add("missing number", R"({"txCc": 4})", "rxCc", "0");
    add("missing name is empty", R"({"txCc": 4})", "channelName", "");
    add("name not a string", R"({"channelName": 42})", "channelName", "");
    add("name kept whole, not cut", R"({"channelName": "ABCDEFGHIJKLMNOP"})", "channelName",
        "4142434445464748494a4b4c4d4e4f50");
    add("name not filled", R"({"channelName": "\u00e9"})", "channelName", "c3a9");
    add("entry not an object", "[1, 2]", "vfoaFrequency1", "0");
    add("entry a number: empty name", "7", "channelName", "");
    add("entry a string", R"("x")", "channelLow", "0");
}

void tst_channelfile::reading()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    QJsonParseError error;
    const ChannelFileRecords r = parseChannelFile("{\"0\": " + entry + "}", &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(r.channels.size(), 1);
    QCOMPARE(r.dmrs.size(), 1);
    QCOMPARE(fields(r.channels[0], r.dmrs[0]).value(field), expected);
}

void tst_channelfile::documentShapes()
{
    // The key is not looked at; both records take the number from the entry.
    ChannelFileRecords r = parseChannelFile(QByteArray(R"({"5": {"channelHigh": 1, "channelLow": 2}})"));
    QCOMPARE(r.channels.value(0).channelNumber(), quint16(258));
    QCOMPARE(r.dmrs.value(0).channelNumber(), quint16(258));

    // An array at the top level is valid JSON that holds no channels.
    QJsonParseError error;
    r = parseChannelFile(QByteArray(R"([{"channelLow": 1}])"), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(r.channels.isEmpty() && r.dmrs.isEmpty());

    r = parseChannelFile(QByteArray(R"({"1": {"channelLow": 1}, )"), &error);
    QVERIFY(error.error != QJsonParseError::NoError);
    QVERIFY(!error.errorString().isEmpty());
    QVERIFY(r.channels.isEmpty() && r.dmrs.isEmpty());

    r = parseChannelFile(QByteArray(), &error);
    QVERIFY(error.error != QJsonParseError::NoError);
}

void tst_channelfile::writeAndRead()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("channels.json"));
    const QByteArray text = filetest::expectedText();

    QString why;
    QVERIFY(writeChannelFile(path, "old", &why));
    QVERIFY(writeChannelFile(path, text, &why));
    QCOMPARE(readAll(path), text);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("channels.json")});

    ChannelFileRecords r;
    QVERIFY(readChannelFile(path, &r, &why));
    QCOMPARE(r.channels.size(), 2);
    QCOMPARE(fields(r.channels[0], r.dmrs[0]), fields(filetest::channel10(), filetest::dmr10()));

    QVERIFY(!readChannelFile(dir.filePath(QStringLiteral("none.json")), &r, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(r.channels.isEmpty());

    QVERIFY(writeChannelFile(path, "{\"1\": ", &why));
    why.clear();
    QVERIFY(!readChannelFile(path, &r, &why));
    QVERIFY(!why.isEmpty());
}

void tst_channelfile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("channels.json"));
    const QByteArray old = "{\n    \"old\": {}\n}\n";
    QVERIFY(writeAll(path, old));
    // Small enough to stay in the write buffer until the file is flushed (the window test fails
    // a large write).
    const QByteArray text = filetest::expectedText();

    QString why;
    for (const QString &bad : {dir.filePath(QStringLiteral("no/such/dir/x.json")), QString(), dir.path()}) {
        why.clear();
        QVERIFY2(!writeChannelFile(bad, text, &why), qPrintable(bad));
        QVERIFY(!why.isEmpty());
    }
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no"))));

    // A disk that fills up half way.
    bool written = true;
    why.clear();
    QVERIFY(withFileSizeLimit(64, [&] { written = writeChannelFile(path, text, &why); }));
    QVERIFY(!written);
    QVERIFY(!why.isEmpty());
    QCOMPARE(readAll(path), old);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("channels.json")});
}

QTEST_GUILESS_MAIN(tst_channelfile)
#include "tst_channelfile.moc"
