// Frames, CRC and the two channel records: check values, worked examples and round trips.
#include "channel.h"
#include "channel_service.h"
#include "dmr.h"
#include "dmr_service.h"
#include "tools.h"

#include <QRandomGenerator>
#include <QtTest>

static QByteArray hexBytes(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class TestProtocol : public QObject
{
    Q_OBJECT
private slots:
    void crcCheckValues_data();
    void crcCheckValues();
    void appendCrcAndHeader();
    void readRequests_data();
    void readRequests();
    void defaultRecords();
    void analogWriteFrame();
    void dmrWriteFrame();
    void resendBuildersMatchServices();
    void decodeThenEncode();
    void shortFramesDecodeSafely();
    void copiesKeepEveryField();
};

void TestProtocol::crcCheckValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    QTest::newRow("123456789") << QByteArray("123456789") << 0x29B1;
    QTest::newRow("abc") << QByteArray("abc") << 0x514A;
    QTest::newRow("empty") << QByteArray() << 0xFFFF;
    QTest::newRow("read 0x41 ch1") << hexBytes("05 41 00 01") << 0x0239;
    QTest::newRow("read 0x44 ch1") << hexBytes("05 44 00 01") << 0xE9C9;
}

void TestProtocol::crcCheckValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(int(Tools::crc16(reinterpret_cast<const quint8 *>(bytes.constData()), quint8(bytes.size()))),
             crc);
}

void TestProtocol::appendCrcAndHeader()
{
    QByteArray empty;
    Tools::appendCrc(empty);
    QCOMPARE(empty, hexBytes("ff ff"));

    QByteArray frame = hexBytes("05 41 00 01");
    Tools::appendCrc(frame);
    Tools::prependHeader(frame);
    QCOMPARE(frame, hexBytes("a5 a5 a5 a5 05 41 00 01 02 39"));
}

void TestProtocol::readRequests_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("0x41 ch1") << 0x41 << 1 << hexBytes("a5 a5 a5 a5 05 41 00 01 02 39");
    QTest::newRow("0x44 ch1") << 0x44 << 1 << hexBytes("a5 a5 a5 a5 05 44 00 01 e9 c9");
}

void TestProtocol::readRequests()
{
    QFETCH(int, command);
    QFETCH(int, number);
    QFETCH(QByteArray, frame);
    if (command == 0x41) {
        channel c;
        c.setCommand(quint8(command));
        c.setSize(5);
        c.setChannelLow(quint8(number));
        QCOMPARE(Channel_Service().buildReadFrame(c), frame);
        QCOMPARE(c.toReadFrame(), frame);
    } else {
        DMR d;
        d.setCommand(quint8(command));
        d.setSize(5);
        d.setChannelLow(quint8(number));
        QCOMPARE(Dmr_Service().buildReadFrame(d), frame);
        QCOMPARE(d.toReadFrame(), frame);
    }
}

void TestProtocol::defaultRecords()
{
    channel c;
    QCOMPARE(c.startBit1(), quint8(0xA5));
    QCOMPARE(c.startBit4(), quint8(0xA5));
    QCOMPARE(c.size(), quint8(0));
    QCOMPARE(c.command(), quint8(0));
    QCOMPARE(c.channelName(), QByteArray("RENAME"));
    QCOMPARE(c.vfoaFrequency(), 0u);
    c.setChannelHigh(0x01);
    c.setChannelLow(0x02);
    QCOMPARE(int(c.channelNumber()), 258);

    DMR d;
    QCOMPARE(d.startBit2(), quint8(0xA5));
    QCOMPARE(d.dmrexist(), quint8(1));
    QCOMPARE(d.validat(), quint8(1));
    QCOMPARE(d.callId(), 0u);
    d.setCallId(1234567);
    QCOMPARE(QByteArray() + char(d.callId1()) + char(d.callId2()) + char(d.callId3()) + char(d.callId4()),
             hexBytes("00 12 d6 87"));
    QCOMPARE(d.callId(), 1234567u);
    d.setOwnId(0xFFFFFFFF);
    QCOMPARE(d.ownId(), 0xFFFFFFFFu);
}

void TestProtocol::analogWriteFrame()
{
    channel c;
    c.setSize(29);
    c.setCommand(0x40);
    c.setChannelLow(7);
    // 145,500,000 Hz goes out as 08 AC 27 60.
    c.setVfoaFrequency1(0x08);
    c.setVfoaFrequency2(0xAC);
    c.setVfoaFrequency3(0x27);
    c.setVfoaFrequency4(0x60);
    c.setChannelName(QByteArray("CH7").leftJustified(12, '\0'));
    const QByteArray frame = Channel_Service().buildWriteFrame(c);
    QCOMPARE(frame.size(), 34);
    QCOMPARE(frame.mid(0, 6), hexBytes("a5 a5 a5 a5 1d 40"));
    QCOMPARE(frame.mid(10, 4), hexBytes("08 ac 27 60"));
    QCOMPARE(c.vfoaFrequency(), 145500000u);
    QCOMPARE(c.toWriteFrame(), frame);
    const quint16 crc = Tools::crc16(reinterpret_cast<const quint8 *>(frame.constData()) + 4, 28);
    QCOMPARE(quint8(frame.at(32)), quint8(crc >> 8));
    QCOMPARE(quint8(frame.at(33)), quint8(crc));
}

void TestProtocol::dmrWriteFrame()
{
    DMR d;
    d.setSize(29);
    d.setCommand(0x43);
    const QByteArray expected = hexBytes("a5a5a5a5 1d 43") + QByteArray(19, '\0') + hexBytes("01") +
                                QByteArray(5, '\0') + hexBytes("01 d9 17");
    QCOMPARE(Dmr_Service().buildWriteFrame(d), expected);
    QCOMPARE(d.toWriteFrame(), expected);
}

static channel randomChannel(QRandomGenerator &rng)
{
    channel c;
    auto b = [&rng] { return quint8(rng.bounded(256)); };
    c.setSize(b());
    c.setCommand(b());
    c.setChannelHigh(b());
    c.setChannelLow(b());
    c.setVfoaMode(b());
    c.setVfobMode(b());
    c.setVfoaFrequency1(b());
    c.setVfoaFrequency2(b());
    c.setVfoaFrequency3(b());
    c.setVfoaFrequency4(b());
    c.setVfobFrequency1(b());
    c.setVfobFrequency2(b());
    c.setVfobFrequency3(b());
    c.setVfobFrequency4(b());
    c.setEmitYayin(b());
    c.setReceiveYayin(b());
    QByteArray name(12, '\0');
    for (char &ch : name)
        ch = char(b());
    c.setChannelName(name);
    return c;
}

static DMR randomDmr(QRandomGenerator &rng)
{
    QByteArray frame(34, '\0');
    for (char &ch : frame)
        ch = char(rng.bounded(256));
    DMR d;
    d.fromFrame(frame);
    return d;
}

void TestProtocol::resendBuildersMatchServices()
{
    QRandomGenerator rng(20261206);
    Channel_Service channels;
    Dmr_Service dmrs;
    for (int i = 0; i < 500; ++i) {
        const channel c = randomChannel(rng);
        QCOMPARE(c.toWriteFrame(), channels.buildWriteFrame(c));
        QCOMPARE(c.toReadFrame(), channels.buildReadFrame(c));
        const DMR d = randomDmr(rng);
        QCOMPARE(d.toWriteFrame(), dmrs.buildWriteFrame(d));
        QCOMPARE(d.toReadFrame(), dmrs.buildReadFrame(d));
    }
}

void TestProtocol::decodeThenEncode()
{
    QRandomGenerator rng(42);
    for (int i = 0; i < 200; ++i) {
        const QByteArray analog = randomChannel(rng).toWriteFrame();
        channel c;
        c.fromFrame(analog);
        QCOMPARE(c.channelName().size(), 12);
        QCOMPARE(c.toWriteFrame(), analog);
        QCOMPARE(c.crcHigh(), quint8(analog.at(32)));
        QCOMPARE(c.crcLow(), quint8(analog.at(33)));

        DMR source = randomDmr(rng);
        const QByteArray dmr = source.toWriteFrame();
        DMR d;
        d.fromFrame(dmr);
        QCOMPARE(d.toWriteFrame(), dmr);
        QCOMPARE(d.channelNumber(), source.channelNumber());
    }
}

void TestProtocol::shortFramesDecodeSafely()
{
    // A 22-byte analog frame has an empty name and its CRC in bytes 20 and 21.
    QByteArray frame22 = hexBytes("a5a5a5a5 11 41 00 05") + QByteArray(12, '\x01') + hexBytes("ab cd");
    channel c;
    c.fromFrame(frame22);
    QCOMPARE(c.channelName(), QByteArray());
    QCOMPARE(c.crcHigh(), quint8(0xAB));
    QCOMPARE(c.crcLow(), quint8(0xCD));
    QCOMPARE(int(c.channelNumber()), 5);

    // A 10-byte acknowledgement carries the channel number and a CRC; everything else stays default.
    const QByteArray ack = hexBytes("a5 a5 a5 a5 05 40 01 02 12 34");
    channel shortAck;
    shortAck.fromFrame(ack);
    QCOMPARE(int(shortAck.channelNumber()), 258);
    QCOMPARE(shortAck.vfoaMode(), quint8(0));
    QCOMPARE(shortAck.channelName(), QByteArray("RENAME"));
    QCOMPARE(shortAck.crcHigh(), quint8(0x12));
    DMR shortDmr;
    shortDmr.fromFrame(ack);
    QCOMPARE(int(shortDmr.channelNumber()), 258);
    QCOMPARE(shortDmr.callFormat(), quint8(0));
    QCOMPARE(shortDmr.validat(), quint8(1));
    QCOMPARE(shortDmr.crcLow(), quint8(0x34));

    // Any shorter input, down to nothing, reads only what is there.
    for (int len = 0; len <= 34; ++len) {
        const QByteArray bytes(len, '\x7f');
        channel a;
        a.fromFrame(bytes);
        DMR b;
        b.fromFrame(bytes);
        if (len == 0) {
            QCOMPARE(a.startBit1(), quint8(0xA5));
            QCOMPARE(b.dmrexist(), quint8(1));
        }
    }
}

void TestProtocol::copiesKeepEveryField()
{
    QObject owner;
    QRandomGenerator rng(7);
    channel source = randomChannel(rng);
    source.setParent(&owner);
    channel copy(source);
    QCOMPARE(copy.parent(), &owner);
    QCOMPARE(copy.toWriteFrame(), source.toWriteFrame());
    QCOMPARE(copy.channelName(), source.channelName());
    channel assigned;
    assigned = source;
    QCOMPARE(assigned.toWriteFrame(), source.toWriteFrame());
    const channel &same = assigned;
    assigned = same;
    QCOMPARE(assigned.toWriteFrame(), source.toWriteFrame());

    DMR dmr = randomDmr(rng);
    DMR dmrCopy(dmr);
    QCOMPARE(dmrCopy.toWriteFrame(), dmr.toWriteFrame());
    QCOMPARE(dmrCopy.crcHigh(), dmr.crcHigh());
    DMR dmrAssigned;
    dmrAssigned = dmr;
    QCOMPARE(dmrAssigned.toReadFrame(), dmr.toReadFrame());
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
