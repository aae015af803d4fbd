// Cutting replies from the byte stream: chunking, noise, bad frames, the buffer bound and resynchronisation.
#include "../common/logcapture.h"
#include "log.h"
#include "tools.h"

#include <QRandomGenerator>
#include <QtTest>
#include <array>

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
// What checkFrame logs for a complete candidate whose CRC does not match.
static QString crcFailed(const QByteArray &frame)
{
    const auto *bytes = reinterpret_cast<const quint8 *>(frame.constData());
    const int received = quint8(frame.at(frame.size() - 2)) << 8 | quint8(frame.back());
    return QStringLiteral("CRC校验失败，计算值： %1 ，接收值： %2")
        .arg(QString::number(Tools::crc16(bytes + 4, int(frame.size()) - 6), 16),
             QString::number(received, 16));
}

class TestReceive : public QObject
{
    Q_OBJECT
private slots:
    void checkFrame_data();
    void checkFrame();
    void extract_data();
    void extract();
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

// Chunks fed one by one: the frame each call returns, the buffer it leaves, and every line logged.
void TestReceive::extract_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QList<QByteArray>>("returns");
    QTest::addColumn<QList<QByteArray>>("buffers");
    QTest::addColumn<QStringList>("lines");
    using Bytes = QList<QByteArray>;
    const QByteArray none;
    const QByteArray reply = analogReply(7);
    const QByteArray second = analogReply(8);
    const QByteArray rr = readRequest1;
    const QByteArray bad = hexBytes("a5 a5 a5 a5 05 41 00 01 ff 00");
    const QByteArray a5 = hexBytes("a5");
    const QStringList taken{cut(rr), returned(rr)};

    QTest::newRow("in pieces") << Bytes{reply.left(3), reply.mid(3, 20), reply.mid(23)}
                               << Bytes{none, none, reply} << Bytes{reply.left(3), reply.left(23), none}
                               << QStringList{cut(reply), returned(reply)};
    // The second frame waits and is taken before the bytes that arrive with the next chunk.
    QTest::newRow("two in one") << Bytes{reply + second, rr.left(6), rr.mid(6)} << Bytes{reply, second, rr}
                                << Bytes{second, rr.left(6), none}
                                << QStringList{cut(reply), returned(reply), cut(second), returned(second)} +
                                       taken;
    // 0x47 is consumed without its "returned" line.
    const QByteArray status = frameOf(0x47, hexBytes("00 01"));
    QTest::newRow("status") << Bytes{status} << Bytes{status} << Bytes{none} << QStringList{cut(status)};
    QTest::newRow("noise first") << Bytes{hexBytes("01 02 03 a5 a5") + rr} << Bytes{rr} << Bytes{none}
                                 << taken;
    QTest::newRow("bad crc then good") << Bytes{bad + rr} << Bytes{rr} << Bytes{none}
                                       << QStringList{cut(bad), crcFailed(bad), dropped(bad + rr)} + taken;
    const QByteArray zero = hexBytes("a5 a5 a5 a5 00");
    QTest::newRow("size 0") << Bytes{zero} << Bytes{none} << Bytes{none}
                            << QStringList{cut(zero),
                                           QStringLiteral("数据长度不足，最小长度：7，实际长度： 5"),
                                           dropped(zero)};
    // The stray byte makes the first header announce 165 bytes; the real answer behind it is
    // complete and valid, so it is taken at once with everything in front of it.
    QTest::newRow("stray a5") << Bytes{a5 + rr} << Bytes{rr} << Bytes{none} << taken;
    QTest::newRow("stray a5 a5, split")
        << Bytes{a5 + a5 + reply.left(20), reply.mid(20)} << Bytes{none, reply}
        << Bytes{a5 + a5 + reply.left(20), none} << QStringList{cut(reply), returned(reply)};
    // A corrupted size spans a valid answer; when the false candidate completes and fails, only
    // its first byte goes and the answer inside it is found by the same call.
    const QByteArray spanning = hexBytes("a5 a5 a5 a5 1d") + rr + QByteArray(19, '\x11');
    QTest::newRow("false size spans answer")
        << Bytes{spanning} << Bytes{rr} << Bytes{none}
        << QStringList{cut(spanning), crcFailed(spanning), dropped(spanning)} + taken;
    // A later candidate that is complete but invalid is not taken; a valid one behind it is.
    QTest::newRow("invalid candidate behind")
        << Bytes{a5 + bad, rr} << Bytes{none, rr} << Bytes{a5 + bad, none} << taken;
    // The last byte both completes a false candidate (dropped) and the answer behind a stray 0xA5:
    // the look-ahead that follows the drop must still see the answer.
    const QByteArray both = hexBytes("a5 a5 a5 a5 1f") + QByteArray(20, '\x11') + a5 + rr;
    QTest::newRow("drop then look-ahead")
        << Bytes{both.left(35), both.right(1)} << Bytes{none, rr} << Bytes{both.left(35), none}
        << QStringList{cut(both), crcFailed(both), dropped(both)} + taken;
    // Without a later valid frame a false candidate is waited for, then dropped byte by byte.
    const QByteArray waited = hexBytes("a5 a5 a5 a5 ff") + QByteArray(255, '\x22');
    QTest::newRow("false candidate waited for")
        << Bytes{waited.left(205), waited.mid(205)} << Bytes{none, none} << Bytes{waited.left(205), none}
        << QStringList{cut(waited), crcFailed(waited), dropped(waited)};
    // Noise is not kept; a header start is.
    QTest::newRow("bound") << Bytes{QByteArray(10000, '\x5a'), hexBytes("01 a5 02 a5 a5"), a5,
                                    hexBytes("a5 05 41 00 01 02"), hexBytes("39")}
                           << Bytes{none, none, none, none, rr}
                           << Bytes{none, hexBytes("a5 a5"), hexBytes("a5 a5 a5"), rr.left(9), none} << taken;
}

void TestReceive::extract()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QList<QByteArray>, returns);
    QFETCH(QList<QByteArray>, buffers);
    QFETCH(QStringList, lines);
    LogCapture log;
    Tools tools;
    for (int i = 0; i < pieces.size(); ++i) {
        QCOMPARE(tools.extractFrame(pieces.at(i)), returns.at(i));
        QCOMPARE(tools.buffer(), buffers.at(i));
    }
    QCOMPARE(log.lines, lines);
}

void TestReceive::bufferBound()
{
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
    // Answers of every kind in random chunks: each comes out once, in order, with its lines and
    // nothing else; one waiting behind another is handed out by the next call.
    QRandomGenerator rng(99);
    QList<QByteArray> frames;
    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        const quint8 command = std::array<quint8, 4>{0x41, 0x44, 0x47, 0x40}[rng.bounded(4)];
        frames << (command == 0x41   ? analogReply(quint8(i))
                   : command == 0x44 ? frameOf(0x44, QByteArray(26, char(i)))
                   : command == 0x47 ? frameOf(0x47, QByteArray(2, char(i)))
                                     : frameOf(0x40, QByteArray()));
        lines << cut(frames.last());
        if (command != 0x47)
            lines << returned(frames.last());
    }
    const QByteArray stream = frames.join();
    LogCapture log;
    Tools tools;
    QList<QByteArray> got;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = qMin<qsizetype>(rng.bounded(1, 70), stream.size() - at);
        got << tools.extractFrame(stream.mid(at, n));
        at += n;
    }
    for (QByteArray f = tools.extractFrame({}); !f.isEmpty(); f = tools.extractFrame({}))
        got << f;
    got.removeAll(QByteArray());
    QCOMPARE(got, frames);
    QCOMPARE(log.lines, lines);
}

QTEST_GUILESS_MAIN(TestReceive)
#include "tst_receive.moc"
