// Frames, their CRC and the two channel records, against worked examples written out byte for byte.
#include "channel.h"
#include "channel_service.h"
#include "dmr.h"
#include "dmr_service.h"
#include "records.h"

#include <QtTest>

static const auto hexBytes = [](const char *text) { return QByteArray::fromHex(text); }; // spaces are skipped

static const QByteArray kAnalogWrite =
    hexBytes("a5a5a5a5 1d 40 01 02 00 00 08ac2760 00000000 00 00 434837000000000000000000 d4 59");
static const QByteArray kDmrWrite =
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
};

void TestProtocol::frames_data()
{
    QTest::addColumn<QList<QByteArray>>("frames");
    QTest::addColumn<QByteArray>("expected");
    channel analog;
    analog.setSize(5);
    analog.setCommand(0x41);
    analog.setChannelLow(1);
    QTest::newRow("analog read") << framesOf<Channel_Service>(analog, false)
                                 << hexBytes("a5 a5 a5 a5 05 41 00 01 02 39");
    DMR dmr;
    dmr.setSize(5);
    dmr.setCommand(0x44);
    dmr.setChannelLow(1);
    QTest::newRow("dmr read") << framesOf<Dmr_Service>(dmr, false)
                              << hexBytes("a5 a5 a5 a5 05 44 00 01 e9 c9");

    analog.setSize(29);
    analog.setCommand(0x40);
    analog.setChannelHigh(1);
    analog.setChannelLow(2);
    records::setFrequencies(analog, 145500000, 0);
    analog.setChannelName(QByteArray("CH7").leftJustified(12, '\0'));
    QTest::newRow("analog write") << framesOf<Channel_Service>(analog, true) << kAnalogWrite;
    // A new record goes out with dmrexist and validat set.
    DMR fresh;
    fresh.setSize(29);
    fresh.setCommand(0x43);
    fresh.setChannelLow(9);
    fresh.setCallId(1234567);
    QTest::newRow("dmr write") << framesOf<Dmr_Service>(fresh, true) << kDmrWrite;
}

void TestProtocol::frames()
{
    QFETCH(QList<QByteArray>, frames);
    QFETCH(QByteArray, expected);
    QCOMPARE(frames, QList<QByteArray>(3, expected));
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
