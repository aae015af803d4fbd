// The analog channel record: the bytes of a 0x40 frame, in frame order.
#pragma once

#include <QByteArray>
#include <QObject>

#include <array>

class channel : public QObject
{
    Q_OBJECT
public:
    // The byte fields, each at its offset in the frame; the name follows them. The CRC ends the
    // frame behind the name, so its two fields are kept last but have no fixed offset.
    enum Field {
        StartBit1,
        StartBit2,
        StartBit3,
        StartBit4,
        Size,
        Command,
        ChannelHigh,
        ChannelLow,
        VfoaMode,
        VfobMode,
        VfoaFrequency1,
        VfoaFrequency2,
        VfoaFrequency3,
        VfoaFrequency4,
        VfobFrequency1,
        VfobFrequency2,
        VfobFrequency3,
        VfobFrequency4,
        EmitYayin,
        ReceiveYayin,
        CrcHigh,
        CrcLow,
        FieldCount
    };

    explicit channel(QObject *parent = nullptr);
    // Records travel through the send queues by value; a copy shares its source's parent.
    channel(const channel &other);
    channel &operator=(const channel &other);

    quint8 field(Field f) const { return m_bytes[f]; }
    void setField(Field f, quint8 v) { m_bytes[f] = v; }
    quint8 startBit1() const { return m_bytes[StartBit1]; }
    void setStartBit1(quint8 v) { m_bytes[StartBit1] = v; }
    quint8 startBit2() const { return m_bytes[StartBit2]; }
    void setStartBit2(quint8 v) { m_bytes[StartBit2] = v; }
    quint8 startBit3() const { return m_bytes[StartBit3]; }
    void setStartBit3(quint8 v) { m_bytes[StartBit3] = v; }
    quint8 startBit4() const { return m_bytes[StartBit4]; }
    void setStartBit4(quint8 v) { m_bytes[StartBit4] = v; }
    quint8 size() const { return m_bytes[Size]; }
    void setSize(quint8 v) { m_bytes[Size] = v; }
    quint8 command() const { return m_bytes[Command]; }
    void setCommand(quint8 v) { m_bytes[Command] = v; }
    quint8 channelHigh() const { return m_bytes[ChannelHigh]; }
    void setChannelHigh(quint8 v) { m_bytes[ChannelHigh] = v; }
    quint8 channelLow() const { return m_bytes[ChannelLow]; }
    void setChannelLow(quint8 v) { m_bytes[ChannelLow] = v; }
    quint8 vfoaMode() const { return m_bytes[VfoaMode]; }
    void setVfoaMode(quint8 v) { m_bytes[VfoaMode] = v; }
    quint8 vfobMode() const { return m_bytes[VfobMode]; }
    void setVfobMode(quint8 v) { m_bytes[VfobMode] = v; }
    quint8 vfoaFrequency1() const { return m_bytes[VfoaFrequency1]; }
    void setVfoaFrequency1(quint8 v) { m_bytes[VfoaFrequency1] = v; }
    quint8 vfoaFrequency2() const { return m_bytes[VfoaFrequency2]; }
    void setVfoaFrequency2(quint8 v) { m_bytes[VfoaFrequency2] = v; }
    quint8 vfoaFrequency3() const { return m_bytes[VfoaFrequency3]; }
    void setVfoaFrequency3(quint8 v) { m_bytes[VfoaFrequency3] = v; }
    quint8 vfoaFrequency4() const { return m_bytes[VfoaFrequency4]; }
    void setVfoaFrequency4(quint8 v) { m_bytes[VfoaFrequency4] = v; }
    quint8 vfobFrequency1() const { return m_bytes[VfobFrequency1]; }
    void setVfobFrequency1(quint8 v) { m_bytes[VfobFrequency1] = v; }
    quint8 vfobFrequency2() const { return m_bytes[VfobFrequency2]; }
    void setVfobFrequency2(quint8 v) { m_bytes[VfobFrequency2] = v; }
    quint8 vfobFrequency3() const { return m_bytes[VfobFrequency3]; }
    void setVfobFrequency3(quint8 v) { m_bytes[VfobFrequency3] = v; }
    quint8 vfobFrequency4() const { return m_bytes[VfobFrequency4]; }
    void setVfobFrequency4(quint8 v) { m_bytes[VfobFrequency4] = v; }
    quint8 emitYayin() const { return m_bytes[EmitYayin]; }
    void setEmitYayin(quint8 v) { m_bytes[EmitYayin] = v; }
    quint8 receiveYayin() const { return m_bytes[ReceiveYayin]; }
    void setReceiveYayin(quint8 v) { m_bytes[ReceiveYayin] = v; }
    QByteArray channelName() const { return m_channelName; }
    void setChannelName(const QByteArray &name) { m_channelName = name; }
    quint8 crcHigh() const { return m_bytes[CrcHigh]; }
    void setCrcHigh(quint8 v) { m_bytes[CrcHigh] = v; }
    quint8 crcLow() const { return m_bytes[CrcLow]; }
    void setCrcLow(quint8 v) { m_bytes[CrcLow] = v; }

    quint16 channelNumber() const;
    quint32 vfoaFrequency() const;
    quint32 vfobFrequency() const;

    // The bytes from size through the name, as both builders send them.
    QByteArray body() const;
    // The bytes from size through the channel number, as both read builders send them.
    QByteArray readBody() const;
    QByteArray toWriteFrame() const;
    QByteArray toReadFrame() const;
    void fromFrame(const QByteArray &frame);

private:
    QByteArray bytes(Field from, Field to) const;

    std::array<quint8, FieldCount> m_bytes{0xA5, 0xA5, 0xA5, 0xA5};
    QByteArray m_channelName = QByteArrayLiteral("RENAME");
};
