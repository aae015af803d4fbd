// Tests of the channel file format without a window: exact text, round trips, lenient reading, safe writes.
#include "channelfile.h"
#include "filerecords.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

static QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

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
    // Every byte distinct and non-zero, a name cut inside a character, and a channel above 255.
    channel c;
    DMR d;
    c.setChannelHigh(3);
    c.setChannelLow(0xE7); // 999
    c.setChannelName(QByteArray("abcdefghij\xE4") + QByteArray(1, '\0'));
    quint8 v = 1;
    c.setVfoaFrequency1(v++), c.setVfoaFrequency2(v++), c.setVfoaFrequency3(v++), c.setVfoaFrequency4(v++);
    c.setVfobFrequency1(v++), c.setVfobFrequency2(v++), c.setVfobFrequency3(v++), c.setVfobFrequency4(v++);
    c.setVfoaMode(v++), c.setVfobMode(v++), c.setEmitYayin(v++), c.setReceiveYayin(v++);
    d.setChannelHigh(3);
    d.setChannelLow(0xE7);
    d.setCallFormat(v++), d.setTxCc(v++), d.setRxCc(v++), d.setSlot(v++);
    d.setCallId1(v++), d.setCallId2(v++), d.setCallId3(v++), d.setCallId4(v++);
    d.setOwnId1(v++), d.setOwnId2(v++), d.setOwnId3(v++), d.setOwnId4(v++);
    d.setChType(v++), d.setRxCtcss(v++), d.setTxCtcss(v++), d.setSqlevel(v++), d.setSpkgain(v++);
    d.setDmodGain(v++), d.setScrEn(v++), d.setScrSeed1(v++), d.setScrSeed2(250), d.setChBsMode(255);

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

    QTest::newRow("300 keeps low byte") << QByteArray(R"({"txCc": 300})") << "txCc"
                                        << "44";
    QTest::newRow("12.5 is not whole") << QByteArray(R"({"txCc": 12.5})") << "txCc"
                                       << "0";
    QTest::newRow("300.0 is whole") << QByteArray(R"({"sqlevel": 300.0})") << "sqlevel"
                                    << "44";
    QTest::newRow("negative") << QByteArray(R"({"vfoaMode": -1})") << "vfoaMode"
                              << "255";
    QTest::newRow("beyond 32 bits") << QByteArray(R"({"scrSeed2": 4294967340})") << "scrSeed2"
                                    << "44";
    QTest::newRow("huge double") << QByteArray(R"({"scrSeed1": 1e300})") << "scrSeed1"
                                 << "0";
    QTest::newRow("string number") << QByteArray(R"({"slot": "5"})") << "slot"
                                   << "0";
    QTest::newRow("bool") << QByteArray(R"({"chBsMode": true})") << "chBsMode"
                          << "0";
    QTest::newRow("null") << QByteArray(R"({"emitYayin": null})") << "emitYayin"
                          << "0";
    QTest::newRow("missing number") << QByteArray(R"({"txCc": 4})") << "rxCc"
                                    << "0";
    QTest::newRow("missing name is empty") << QByteArray(R"({"txCc": 4})") << "channelName"
                                           << "";
    QTest::newRow("name not a string") << QByteArray(R"({"channelName": 42})") << "channelName"
                                       << "";
    QTest::newRow("name kept whole, not cut")
        << QByteArray(R"({"channelName": "ABCDEFGHIJKLMNOP"})") << "channelName"
        << QString::fromLatin1(QByteArray("ABCDEFGHIJKLMNOP").toHex());
    QTest::newRow("name not filled") << QByteArray(R"({"channelName": "\u00e9"})") << "channelName"
                                     << "c3a9";
    QTest::newRow("entry not an object") << QByteArray("[1, 2]") << "vfoaFrequency1"
                                         << "0";
    QTest::newRow("entry a number: empty name") << QByteArray("7") << "channelName"
                                                << "";
    QTest::newRow("entry a string") << QByteArray(R"("x")") << "channelLow"
                                    << "0";
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
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    // Small enough to stay in the write buffer until the file is flushed (the window test fails
    // a large write).
    const QByteArray text = filetest::expectedText();

    QString why;
    QVERIFY(!writeChannelFile(dir.filePath(QStringLiteral("no/such/dir/x.json")), text, &why));
    QVERIFY(!why.isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no"))));

    why.clear();
    QVERIFY(!writeChannelFile(QString(), text, &why));
    QVERIFY(!why.isEmpty());

    why.clear();
    QVERIFY(!writeChannelFile(dir.path(), text, &why));
    QVERIFY(!why.isEmpty());

    // A disk that fills up half way: the process may not write past 64 bytes of any file, so
    // nothing may be logged or printed until the limit is lifted.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    why.clear();
    const bool written = writeChannelFile(path, text, &why);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QVERIFY(!why.isEmpty());
    QCOMPARE(readAll(path), old);
    // No half-written temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("channels.json")});
}

QTEST_GUILESS_MAIN(tst_channelfile)
#include "tst_channelfile.moc"
