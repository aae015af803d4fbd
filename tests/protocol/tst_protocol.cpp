// Frames, their CRC and the two channel records, against worked examples written out byte for byte.
#include "channel.h"
#include "channel_service.h"
#include "dmr.h"
#include "dmr_service.h"
#include "records.h"

#include <QtTest>

static const auto hexBytes = [](const char *text) { return QByteArray::fromHex(text); }; // spaces are skipped

// Every field of these two holds a value of its own, so two fields swapped anywhere (a setter, the
// frame builder, the decoder) change the bytes.
static const QByteArray kAnalogWrite = hexBytes("a5a5a5a5 1d 40 0102 0304 05060708 090a0b0c 0d0e "
                                                "4142434445464748494a4b00 6e ad");
static const QByteArray kDmrWrite = hexBytes("a5a5a5a5 1d 43 0102 03040506 0708090a 0b0c0d0e 0f101112 "
                                             "13141516 1718191a 9f df");
// A new record goes out with dmrexist and validat set.
static const QByteArray kFreshDmrWrite =
    hexBytes("a5a5a5a5 1d 43 00 09 00000000 0012d687 00000000 0000000000 01 0000000000 01 61 3e");

// What the service builds, what the record builds for a resend, and what it builds once decoded
// from its own frame: all three must be the same bytes.
template <typename Service, typename Record> static QList<QByteArray> framesOf(const Record &r, bool write)
{
    Service service;
    Record decoded;
    decoded.fromFrame(write ? r.toWriteFrame() : r.toReadFrame());
    if (write)
        return {service.buildWriteFrame(r), r.toWriteFrame(), decoded.toWriteFrame()};
    return {service.buildReadFrame(r), r.toReadFrame(), decoded.toReadFrame()};
}

class TestProtocol : public QObject
{
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void decodedFields();
};

void TestProtocol::frames_data()
{
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QByteArray>("expected");
    // A read request names its channel only; none of the record's other fields leaks into it.
    channel analog = records::distinctChannel();
    analog.setSize(5), analog.setCommand(0x41);
    QTest::newRow("analog read") << framesOf<Channel_Service>(analog, false)
                                 << hexBytes("a5 a5 a5 a5 05 41 01 02 01 6b");
    DMR dmr = records::distinctDmr();
    dmr.setSize(5), dmr.setCommand(0x44);
    QTest::newRow("dmr read") << framesOf<Dmr_Service>(dmr, false) << hexBytes("a5 a5 a5 a5 05 44 01 02 ea 9b");

    const channel distinctAnalog = records::distinctChannel();
    QTest::newRow("analog write") << framesOf<Channel_Service>(distinctAnalog, true) << kAnalogWrite;
    const DMR distinctDmr = records::distinctDmr();
    QTest::newRow("dmr write") << framesOf<Dmr_Service>(distinctDmr, true) << kDmrWrite;
    DMR fresh;
    fresh.setSize(29);
    fresh.setCommand(0x43);
    fresh.setChannelLow(9);
    fresh.setCallId(1234567);
    QTest::newRow("new dmr write") << framesOf<Dmr_Service>(fresh, true) << kFreshDmrWrite;
}

void TestProtocol::frames()
{
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QByteArray, expected);
    QCOMPARE(frames, QList<QByteArray>(3, expected));
}

// Each getter reads its own byte of a received frame.
void TestProtocol::decodedFields()
{
    channel a;
    a.fromFrame(kAnalogWrite);
    QCOMPARE((QList<int>{a.channelHigh(), a.channelLow(), a.vfoaMode(), a.vfobMode(), a.vfoaFrequency1(),
                         a.vfoaFrequency2(), a.vfoaFrequency3(), a.vfoaFrequency4(), a.vfobFrequency1(),
                         a.vfobFrequency2(), a.vfobFrequency3(), a.vfobFrequency4(), a.emitYayin(),
                         a.receiveYayin(), a.crcHigh(), a.crcLow()}),
             (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0x6e, 0xad}));
    QCOMPARE((QList<quint32>{a.channelNumber(), a.vfoaFrequency(), a.vfobFrequency()}),
             (QList<quint32>{0x0102, 0x05060708, 0x090A0B0C}));
    QCOMPARE(a.channelName(), QByteArray("ABCDEFGHIJK") + '\0');
    DMR d;
    d.fromFrame(kDmrWrite);
    QCOMPARE((QList<int>{d.channelHigh(), d.channelLow(), d.callFormat(), d.txCc(), d.rxCc(), d.slot(),
                         d.callId1(), d.callId2(), d.callId3(), d.callId4(), d.ownId1(), d.ownId2(),
                         d.ownId3(), d.ownId4(), d.chType(), d.rxCtcss(), d.txCtcss(), d.sqlevel(),
                         d.spkgain(), d.dmrexist(), d.dmodGain(), d.scrEn(), d.scrSeed1(), d.scrSeed2(),
                         d.chBsMode(), d.validat(), d.crcHigh(), d.crcLow()}),
             (QList<int>{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                         15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 0x9f, 0xdf}));
    QCOMPARE((QList<quint32>{d.channelNumber(), d.callId(), d.ownId()}),
             (QList<quint32>{0x0102, 0x0708090A, 0x0B0C0D0E}));
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
