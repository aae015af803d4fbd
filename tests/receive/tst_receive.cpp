// Cutting replies from the byte stream: chunking, noise, bad frames, the buffer bound and resynchronisation.
#include "../common/logcapture.h"
#include "log.h"
#include "tools.h"

#include <QRandomGenerator>
#include <QtTest>

static QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// A valid frame: header, size, command, payload, CRC.
static QByteArray frameOf(quint8 command, const QByteArray &payload)
{
    QByteArray body;
    body.append(char(payload.size() + 3));
    body.append(char(command));
    body.append(payload);
    Tools::appendCrc(body);
    Tools::prependHeader(body);
    return body;
}

static QByteArray analogReply(quint8 channelLow)
{
    QByteArray payload(26, '\0');
    payload[1] = char(channelLow);
    payload.replace(14, 6, "CH-ONE");
    return frameOf(0x41, payload);
}

static const QByteArray readRequest1 = hexBytes("a5 a5 a5 a5 05 41 00 01 02 39");

static QString cut(const QByteArray &frame)
{
    return QStringLiteral("完整数据包(crc未校验)： ") + tlog::hex(frame);
}
static QString returned(const QByteArray &frame)
{
    return QStringLiteral("返回解析出来的数据包: ") + tlog::hex(frame);
}
static QString dropped(const QByteArray &buffer)
{
    return QStringLiteral("crc校验失败 ") + tlog::hex(buffer);
}

// The cutter as it was first written: no bound, a failed candidate takes everything up to its
// end, no look-ahead. Noise-free traffic must give the same frames and log lines.
static QByteArray referenceExtract(QByteArray &buffer, const QByteArray &bytes, Tools &checker)
{
    const QByteArray header = hexBytes("a5 a5 a5 a5");
    buffer.append(bytes);
    for (;;) {
        const qsizetype pos = buffer.indexOf(header);
        if (pos < 0 || pos + 5 > buffer.size())
            return {};
        const qsizetype len = quint8(buffer.at(pos + 4)) + 5;
        if (pos + len > buffer.size())
            return {};
        const QByteArray candidate = buffer.mid(pos, len);
        PLOG() << "完整数据包(crc未校验)：" << tlog::hex(candidate);
        if (!checker.checkFrame(candidate)) {
            PLOG() << "crc校验失败" << tlog::hex(buffer);
            buffer.remove(0, pos + len);
            continue;
        }
        buffer.remove(0, pos + len);
        if (quint8(candidate.at(5)) != 0x47)
            PLOG() << "返回解析出来的数据包:" << tlog::hex(candidate);
        return candidate;
    }
}

class TestReceive : public QObject
{
    Q_OBJECT
private slots:
    void checkFrame_data();
    void checkFrame();
    void chunksAndPairs();
    void noiseAndBadFrames();
    void strayHeaderByte();
    void resynchronisation();
    void bufferBound();
    void validTrafficUnchanged();
};

void TestReceive::checkFrame_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("line");
    QTest::newRow("read request") << readRequest1 << true << QString();
    QTest::newRow("size 0") << hexBytes("a5 a5 a5 a5 00") << false
                            << QStringLiteral("数据长度不足，最小长度：7，实际长度： 5");
    QTest::newRow("six bytes") << hexBytes("a5 a5 a5 a5 01 41") << false
                               << QStringLiteral("数据长度不足，最小长度：7，实际长度： 6");
    QTest::newRow("bad crc") << hexBytes("a5 a5 a5 a5 05 41 00 01 ff 00") << false
                             << QStringLiteral("CRC校验失败，计算值： 239 ，接收值： ff00");
    QTest::newRow("size beyond end") << hexBytes("a5 a5 a5 a5 09 41 00 01 02 39") << false << QString();
    QTest::newRow("size 0 padded") << hexBytes("a5 a5 a5 a5 00 41 00 01") << false << QString();
}

void TestReceive::checkFrame()
{
    QFETCH(QByteArray, frame);
    QFETCH(bool, valid);
    QFETCH(QString, line);
    LogCapture log;
    Tools tools;
    QCOMPARE(tools.checkFrame(frame), valid);
    QCOMPARE(log.lines, line.isEmpty() ? QStringList() : QStringList{line});
}

void TestReceive::chunksAndPairs()
{
    const QByteArray reply = analogReply(7);
    QCOMPARE(reply.size(), 34);
    {
        LogCapture log;
        Tools tools;
        QVERIFY(tools.extractFrame(reply.left(3)).isEmpty());
        QVERIFY(tools.extractFrame(reply.mid(3, 20)).isEmpty());
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(tools.extractFrame(reply.mid(23)), reply);
        QCOMPARE(log.lines, (QStringList{cut(reply), returned(reply)}));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        // The second frame waits and is taken before the bytes that arrive with the next chunk.
        LogCapture log;
        Tools tools;
        const QByteArray second = analogReply(8);
        QCOMPARE(tools.extractFrame(reply + second), reply);
        QCOMPARE(tools.buffer(), second);
        QCOMPARE(tools.extractFrame(readRequest1.left(6)), second);
        QCOMPARE(tools.buffer(), readRequest1.left(6));
        QCOMPARE(tools.extractFrame(readRequest1.mid(6)), readRequest1);
        QCOMPARE(log.lines.size(), 6);
    }
    {
        // 0x47 is consumed without its "returned" line.
        LogCapture log;
        Tools tools;
        const QByteArray status = frameOf(0x47, hexBytes("00 01"));
        QCOMPARE(tools.extractFrame(status), status);
        QCOMPARE(log.lines, QStringList{cut(status)});
    }
}

void TestReceive::noiseAndBadFrames()
{
    {
        LogCapture log;
        Tools tools;
        QCOMPARE(tools.extractFrame(hexBytes("01 02 03 a5 a5") + readRequest1), readRequest1);
        QCOMPARE(log.lines, (QStringList{cut(readRequest1), returned(readRequest1)}));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        LogCapture log;
        Tools tools;
        const QByteArray bad = hexBytes("a5 a5 a5 a5 05 41 00 01 ff 00");
        QCOMPARE(tools.extractFrame(bad + readRequest1), readRequest1);
        QCOMPARE(log.lines,
                 (QStringList{cut(bad), QStringLiteral("CRC校验失败，计算值： 239 ，接收值： ff00"),
                              dropped(bad + readRequest1), cut(readRequest1), returned(readRequest1)}));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        LogCapture log;
        Tools tools;
        const QByteArray zero = hexBytes("a5 a5 a5 a5 00");
        QVERIFY(tools.extractFrame(zero).isEmpty());
        QCOMPARE(log.lines, (QStringList{cut(zero), QStringLiteral("数据长度不足，最小长度：7，实际长度： 5"),
                                         dropped(zero)}));
        QVERIFY(tools.buffer().isEmpty());
    }
}

void TestReceive::strayHeaderByte()
{
    // The stray byte makes the first header announce 165 bytes; the real answer behind it is
    // complete and valid, so it is taken at once with everything in front of it.
    LogCapture log;
    Tools tools;
    QCOMPARE(tools.extractFrame(QByteArray(1, char(0xA5)) + readRequest1), readRequest1);
    QCOMPARE(log.lines, (QStringList{cut(readRequest1), returned(readRequest1)}));
    QVERIFY(tools.buffer().isEmpty());

    // Split so that the answer completes only with the second chunk.
    log.clear();
    const QByteArray reply = analogReply(9);
    QVERIFY(tools.extractFrame(QByteArray(2, char(0xA5)) + reply.left(20)).isEmpty());
    QCOMPARE(tools.extractFrame(reply.mid(20)), reply);
    QCOMPARE(log.lines, (QStringList{cut(reply), returned(reply)}));
}

void TestReceive::resynchronisation()
{
    {
        // A corrupted size spans a valid answer; when the false candidate completes and fails,
        // only its first byte goes and the answer inside it is found by the same call.
        LogCapture log;
        Tools tools;
        const QByteArray falseStart = hexBytes("a5 a5 a5 a5 1d");
        const QByteArray stream = falseStart + readRequest1 + QByteArray(19, '\x11');
        QCOMPARE(stream.size(), 34);
        QCOMPARE(tools.extractFrame(stream), readRequest1);
        QCOMPARE(log.lines.size(), 5);
        QCOMPARE(log.lines.at(0), cut(stream));
        QCOMPARE(log.lines.at(2), dropped(stream));
        QCOMPARE(log.lines.at(3), cut(readRequest1));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        // A later candidate that is complete but invalid is not taken; a valid one behind it is.
        LogCapture log;
        Tools tools;
        const QByteArray bad = hexBytes("a5 a5 a5 a5 05 41 00 01 ff 00");
        QVERIFY(tools.extractFrame(QByteArray(1, char(0xA5)) + bad).isEmpty());
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(tools.buffer().size(), 11);
        QCOMPARE(tools.extractFrame(readRequest1), readRequest1);
        QCOMPARE(log.lines, (QStringList{cut(readRequest1), returned(readRequest1)}));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        // The last byte both completes a false candidate (dropped) and the answer behind a
        // stray 0xA5: the look-ahead that follows the drop must still see the answer.
        LogCapture log;
        Tools tools;
        const QByteArray stream =
            hexBytes("a5 a5 a5 a5 1f") + QByteArray(20, '\x11') + QByteArray(1, char(0xA5)) + readRequest1;
        QCOMPARE(stream.size(), 36);
        QVERIFY(tools.extractFrame(stream.left(35)).isEmpty());
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(tools.extractFrame(stream.right(1)), readRequest1);
        QCOMPARE(log.lines.size(), 5);
        QCOMPARE(log.lines.at(2), dropped(stream));
        QVERIFY(tools.buffer().isEmpty());
    }
    {
        // Without a later valid frame the false candidate is waited for, then dropped byte by byte.
        LogCapture log;
        Tools tools;
        QVERIFY(tools.extractFrame(hexBytes("a5 a5 a5 a5 ff") + QByteArray(200, '\x22')).isEmpty());
        QVERIFY(log.lines.isEmpty());
        QVERIFY(tools.extractFrame(QByteArray(55, '\x22')).isEmpty());
        QCOMPARE(log.count(QStringLiteral("CRC校验失败，计算值： %1 ，接收值： 2222")
                               .arg(Tools::crc16(reinterpret_cast<const quint8 *>(
                                                     (hexBytes("ff") + QByteArray(253, '\x22')).constData()),
                                                 254),
                                    0, 16)),
                 1);
        QVERIFY(tools.buffer().isEmpty());
    }
}

void TestReceive::bufferBound()
{
    Tools tools;
    LogCapture log;
    QVERIFY(tools.extractFrame(QByteArray(10000, '\x5a')).isEmpty());
    QVERIFY(tools.buffer().isEmpty());
    QVERIFY(tools.extractFrame(hexBytes("01 a5 02 a5 a5")).isEmpty());
    QCOMPARE(tools.buffer(), hexBytes("a5 a5"));
    QVERIFY(tools.extractFrame(hexBytes("a5")).isEmpty());
    QCOMPARE(tools.buffer(), hexBytes("a5 a5 a5"));
    QVERIFY(tools.extractFrame(hexBytes("a5 05 41 00 01 02")).isEmpty());
    QCOMPARE(tools.extractFrame(hexBytes("39")), readRequest1);

    // Random noise with valid answers mixed in, fed in large and in tiny pieces: every answer is
    // found, and while nothing is returned the buffer is a header start shorter than one largest
    // frame, or at most three 0xA5 bytes.
    QRandomGenerator rng(1234);
    QByteArray stream;
    int planted = 0;
    for (int round = 0; round < 300; ++round) {
        const int n = rng.bounded(1, 600);
        for (int i = 0; i < n; ++i)
            stream.append(rng.bounded(4) == 0 ? char(0xA5) : char(rng.bounded(256)));
        if (rng.bounded(3) == 0) {
            stream.append(analogReply(quint8(round)));
            ++planted;
            // Nothing behind the answer can claim it as part of a longer candidate.
            stream.append(QByteArray(300, '\0'));
        }
    }
    for (int maxPiece : {700, 8, 1}) {
        Tools fed;
        int found = 0;
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype n = qMin<qsizetype>(rng.bounded(1, maxPiece + 1), stream.size() - at);
            const QByteArray frame = fed.extractFrame(stream.mid(at, n));
            at += n;
            if (!frame.isEmpty()) {
                ++found;
                continue;
            }
            const QByteArray &buffer = fed.buffer();
            QVERIFY2(buffer.size() < Tools::kMaxFrame, qPrintable(QString::number(buffer.size())));
            QVERIFY(buffer.startsWith(hexBytes("a5 a5 a5 a5")) ||
                    (buffer.size() <= 3 && buffer == QByteArray(buffer.size(), char(0xA5))));
        }
        QCOMPARE(found, planted);
    }
}

void TestReceive::validTrafficUnchanged()
{
    // Answers of every kind in random chunks, compared line by line with the first cutter.
    QRandomGenerator rng(99);
    QByteArray stream;
    for (int i = 0; i < 60; ++i) {
        switch (rng.bounded(4)) {
        case 0:
            stream += analogReply(quint8(i));
            break;
        case 1:
            stream += frameOf(0x44, QByteArray(26, char(i)));
            break;
        case 2:
            stream += frameOf(0x47, QByteArray(2, char(i)));
            break;
        default:
            stream += frameOf(0x40, QByteArray());
            break;
        }
    }
    Tools tools;
    Tools checker;
    QByteArray reference;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = qMin<qsizetype>(rng.bounded(1, 70), stream.size() - at);
        const QByteArray chunk = stream.mid(at, n);
        at += n;
        LogCapture expected;
        const QByteArray want = referenceExtract(reference, chunk, checker);
        const QStringList wantLines = expected.lines;
        expected.clear();
        QCOMPARE(tools.extractFrame(chunk), want);
        QCOMPARE(expected.lines, wantLines);
    }
}

QTEST_GUILESS_MAIN(TestReceive)
#include "tst_receive.moc"
