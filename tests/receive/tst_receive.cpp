// Cutting replies from the byte stream: chunking, noise, bad frames, the buffer bound and resynchronisation.
#include "../common/logcapture.h"
#include "log.h"
#include "tools.h"

#include <QtTest>

static const auto hexBytes = [](const char *text) { return QByteArray::fromHex(text); }; // spaces are skipped

static const auto cut = [](const auto &f) {
    return QStringLiteral("完整数据包(crc未校验)： ") + tlog::hex(f);
};
static const auto returned = [](const auto &f) {
    return QStringLiteral("返回解析出来的数据包: ") + tlog::hex(f);
};
static const auto dropped = [](const auto &b) { return QStringLiteral("crc校验失败 ") + tlog::hex(b); };
static const auto crcFailed = [](const char *computed, const char *received) {
    return QStringLiteral("CRC校验失败，计算值： %1 ，接收值： %2")
        .arg(QLatin1String(computed), QLatin1String(received));
};
static const auto tooShort = [](int size) {
    return QStringLiteral("数据长度不足，最小长度：7，实际长度： %1").arg(size);
};

class TestReceive : public QObject
{
    Q_OBJECT
private slots:
    // Chunks fed one by one: the frame each call returns, the buffer it leaves, and every line logged.
    void extract_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("returns");
        QTest::addColumn<QList<QByteArray>>("buffers");
        QTest::addColumn<QStringList>("lines");
        using Bytes = QList<QByteArray>;
        const QByteArray none;
        // Written out, so that the CRC is not only checked against the code that makes it.
        const QByteArray reply = hexBytes("a5a5a5a5 1d 41") + QByteArray(26, '\7') + hexBytes("0a 9a");
        const QByteArray rr = hexBytes("a5 a5 a5 a5 05 41 00 01 02 39");
        const QByteArray bad = hexBytes("a5 a5 a5 a5 05 41 00 01 ff 00");
        const QByteArray a5 = hexBytes("a5");
        const QStringList taken{cut(rr), returned(rr)};

        QTest::newRow("in pieces") << Bytes{reply.left(3), reply.mid(3, 20), reply.mid(23)}
                                   << Bytes{none, none, reply} << Bytes{reply.left(3), reply.left(23), none}
                                   << QStringList{cut(reply), returned(reply)};
        // The second frame waits and is taken before the bytes that arrive with the next chunk.
        QTest::newRow("two in one") << Bytes{reply + rr, rr.left(6), rr.mid(6)} << Bytes{reply, rr, rr}
                                    << Bytes{rr, rr.left(6), none}
                                    << QStringList{cut(reply), returned(reply)} + taken + taken;
        // The shortest frame a radio sends: a bare acknowledgement, naming no channel.
        const QByteArray ack = hexBytes("a5 a5 a5 a5 03 40 00 98");
        QTest::newRow("bare acknowledgement")
            << Bytes{ack} << Bytes{ack} << Bytes{none} << QStringList{cut(ack), returned(ack)};
        // 0x47 is consumed without its "returned" line.
        const QByteArray status = hexBytes("a5 a5 a5 a5 05 47 00 01 b0 99");
        QTest::newRow("status") << Bytes{status} << Bytes{status} << Bytes{none} << QStringList{cut(status)};
        QTest::newRow("bad crc then good")
            << Bytes{bad + rr} << Bytes{rr} << Bytes{none}
            << QStringList{cut(bad), crcFailed("239", "ff00"), dropped(bad + rr)} + taken;
        const QByteArray zero = hexBytes("a5 a5 a5 a5 00"), one = hexBytes("a5 a5 a5 a5 01 41");
        QTest::newRow("size 0, size 1")
            << Bytes{zero, one} << Bytes{none, none} << Bytes{none, none}
            << QStringList{cut(zero), tooShort(5), dropped(zero), cut(one), tooShort(6), dropped(one)};
        // The stray byte makes the first header announce 165 bytes; the complete answer behind is taken.
        QTest::newRow("stray a5") << Bytes{a5 + rr} << Bytes{rr} << Bytes{none} << taken;
        // A corrupted size spans a valid answer; when the false candidate completes and fails, only
        // its first byte goes and the answer inside it is found by the same call.
        const QByteArray spanning = hexBytes("a5 a5 a5 a5 1d") + rr + QByteArray(19, '\x11');
        QTest::newRow("false size spans answer")
            << Bytes{spanning} << Bytes{rr} << Bytes{none}
            << QStringList{cut(spanning), crcFailed("1b63", "1111"), dropped(spanning)} + taken;
        // Behind an incomplete candidate, a later one that is complete but invalid is not taken (nor
        // logged); a valid one that completes with the next chunk is.
        QTest::newRow("invalid candidate behind")
            << Bytes{a5 + bad, rr} << Bytes{none, rr} << Bytes{a5 + bad, none} << taken;
        // The last byte both completes a false candidate (dropped) and the answer behind a stray 0xA5:
        // the look-ahead that follows the drop must still see the answer.
        const QByteArray both = hexBytes("a5 a5 a5 a5 1f") + QByteArray(20, '\x11') + a5 + rr;
        QTest::newRow("drop then look-ahead")
            << Bytes{both.left(35), both.right(1)} << Bytes{none, rr} << Bytes{both.left(35), none}
            << QStringList{cut(both), crcFailed("aa81", "239"), dropped(both)} + taken;
        // Without a later valid frame a false candidate is waited for, then dropped byte by byte.
        const QByteArray waited = hexBytes("a5 a5 a5 a5 ff") + QByteArray(255, '\x22');
        QTest::newRow("false candidate waited for")
            << Bytes{waited.left(205), waited.mid(205)} << Bytes{none, none} << Bytes{waited.left(205), none}
            << QStringList{cut(waited), crcFailed("f690", "2222"), dropped(waited)};
        // Garbage in front of a frame is not kept; what may be a header start is.
        QTest::newRow("bound") << Bytes{QByteArray(10000, '\x5a'), hexBytes("01 a5 02 a5 a5"), a5,
                                        hexBytes("a5 05 41 00 01 02"), hexBytes("39")}
                               << Bytes{none, none, none, none, rr}
                               << Bytes{none, hexBytes("a5 a5"), hexBytes("a5 a5 a5"), rr.left(9), none}
                               << taken;
    }
    void extract()
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
};

QTEST_GUILESS_MAIN(TestReceive)
#include "tst_receive.moc"
