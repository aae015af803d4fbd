// Tests of the channel file format without a window: every member in its place, lenient reading, file reads.
#include "channelfile.h"
#include "records.h"
#include "testfiles.h"

#include <QJsonParseError>
#include <QJsonValue>
#include <QTemporaryDir>
#include <QtTest>

class tst_channelfile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
    void reading_data();
    void reading();
    void documentShapes();
};

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

    // Every member under its own name, the name as text with its filling zero bytes: distinct bytes show
    // a member written under another's name even when the reader makes the same mistake.
    const QJsonObject entry = channelFileObject({c}, {d}).value(QStringLiteral("999")).toObject();
    QMap<QString, QString> written;
    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it)
        written.insert(it.key(), it.value().isString()
                                     ? QString::fromLatin1(it.value().toString().toUtf8().toHex())
                                     : QString::number(it.value().toInt()));
    channel shown = c;
    shown.setChannelName(QByteArray("abcdefghij\xEF\xBF\xBD") + QByteArray(1, '\0'));
    QCOMPARE(written, records::fields(shown, d));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("channels.json"));
    QString why;
    QVERIFY(writeChannelFile(path, channelFileText({c}, {d}), &why));
    ChannelFileRecords back;
    QVERIFY(readChannelFile(path, &back, &why));
    QCOMPARE(back.channels.size(), 1);
    QCOMPARE(back.dmrs.size(), 1);
    // The cut character comes back as U+FFFD; the two flag bytes no file holds keep the record's defaults.
    d.setDmrexist(1), d.setValidat(1);
    QCOMPARE(records::differences(back.channels[0], back.dmrs[0], shown, d), QString());
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
    add("negative", R"({"vfoaMode": -1})", "vfoaMode", "255");
    add("beyond 32 bits", R"({"scrSeed2": 4294967340})", "scrSeed2", "44");
    add("string number", R"({"slot": "5"})", "slot", "0");
    add("missing name is empty", R"({"txCc": 4})", "channelName", "");
    add("name not a string", R"({"channelName": 42})", "channelName", "");
    add("name kept whole, not cut", R"({"channelName": "ABCDEFGHIJKLMNOP"})", "channelName",
        "4142434445464748494a4b4c4d4e4f50");
    add("name not filled", R"({"channelName": "\u00e9"})", "channelName", "c3a9");
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
    QCOMPARE(records::fields(r.channels[0], r.dmrs[0]).value(field), expected);
}

void tst_channelfile::documentShapes()
{
    // The key is the channel number: an entry without channel fields takes it; one whose fields name
    // another number, one that is no object and numbers beyond 999 are skipped and named.
    ChannelFileRecords r = parseChannelFile(QByteArray(
        R"({"5": {"channelName": "five"}, "258": {"channelHigh": 1, "channelLow": 2}, "6": {"channelLow": 7},
            "1000": {}, "x": {"channelLow": 1}, "9": [1], "07": {"channelLow": 7}, "": {}})"));
    QList<int> numbers;
    for (qsizetype i = 0; i < r.channels.size(); ++i)
        numbers << r.channels.at(i).channelNumber() << r.dmrs.at(i).channelNumber();
    QCOMPARE(numbers, (QList<int>{7, 7, 258, 258, 5, 5}));
    QCOMPARE(r.channels.at(2).channelName(), QByteArray("five"));
    QCOMPARE(r.skipped, (QStringList{"", "1000", "6", "9", "x"}));

    // An array at the top level is valid JSON that holds no channels.
    QJsonParseError error;
    r = parseChannelFile(QByteArray(R"([{"channelLow": 1}])"), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(r.channels.isEmpty() && r.dmrs.isEmpty());
    const QByteArray brokenText = R"({"1": {"channelLow": 1}, )";
    r = parseChannelFile(brokenText, &error);
    QVERIFY(error.error != QJsonParseError::NoError);
    QVERIFY(r.channels.isEmpty() && r.dmrs.isEmpty());

    // A broken file and a missing one give a reason and no records.
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.json"));
    QVERIFY(writeAll(broken, brokenText));
    for (const QString &path : {broken, dir.filePath(QStringLiteral("none.json"))}) {
        QString why;
        r.channels = {channel()};
        QVERIFY(!readChannelFile(path, &r, &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(r.channels.isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_channelfile)
#include "tst_channelfile.moc"
