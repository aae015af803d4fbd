// The analog channel record: the bytes of a 0x40 frame, in frame order.
#pragma once

#include <QByteArray>
#include <QObject>

class channel : public QObject
{
    Q_OBJECT
public:
    explicit channel(QObject *parent = nullptr);
    // Records travel through the send queues by value; a copy shares its source's parent.
    channel(const channel &other);
    channel &operator=(const channel &other);

    quint8 startBit1() const { return m_startBit1; }
    void setStartBit1(quint8 v) { m_startBit1 = v; }
    quint8 startBit2() const { return m_startBit2; }
    void setStartBit2(quint8 v) { m_startBit2 = v; }
    quint8 startBit3() const { return m_startBit3; }
    void setStartBit3(quint8 v) { m_startBit3 = v; }
    quint8 startBit4() const { return m_startBit4; }
    void setStartBit4(quint8 v) { m_startBit4 = v; }
    quint8 size() const { return m_size; }
    void setSize(quint8 v) { m_size = v; }
    quint8 command() const { return m_command; }
    void setCommand(quint8 v) { m_command = v; }
    quint8 channelHigh() const { return m_channelHigh; }
    void setChannelHigh(quint8 v) { m_channelHigh = v; }
    quint8 channelLow() const { return m_channelLow; }
    void setChannelLow(quint8 v) { m_channelLow = v; }
    quint8 vfoaMode() const { return m_vfoaMode; }
    void setVfoaMode(quint8 v) { m_vfoaMode = v; }
    quint8 vfobMode() const { return m_vfobMode; }
    void setVfobMode(quint8 v) { m_vfobMode = v; }
    quint8 vfoaFrequency1() const { return m_vfoaFrequency1; }
    void setVfoaFrequency1(quint8 v) { m_vfoaFrequency1 = v; }
    quint8 vfoaFrequency2() const { return m_vfoaFrequency2; }
    void setVfoaFrequency2(quint8 v) { m_vfoaFrequency2 = v; }
    quint8 vfoaFrequency3() const { return m_vfoaFrequency3; }
    void setVfoaFrequency3(quint8 v) { m_vfoaFrequency3 = v; }
    quint8 vfoaFrequency4() const { return m_vfoaFrequency4; }
    void setVfoaFrequency4(quint8 v) { m_vfoaFrequency4 = v; }
    quint8 vfobFrequency1() const { return m_vfobFrequency1; }
    void setVfobFrequency1(quint8 v) { m_vfobFrequency1 = v; }
    quint8 vfobFrequency2() const { return m_vfobFrequency2; }
    void setVfobFrequency2(quint8 v) { m_vfobFrequency2 = v; }
    quint8 vfobFrequency3() const { return m_vfobFrequency3; }
    void setVfobFrequency3(quint8 v) { m_vfobFrequency3 = v; }
    quint8 vfobFrequency4() const { return m_vfobFrequency4; }
    void setVfobFrequency4(quint8 v) { m_vfobFrequency4 = v; }
    quint8 emitYayin() const { return m_emitYayin; }
    void setEmitYayin(quint8 v) { m_emitYayin = v; }
    quint8 receiveYayin() const { return m_receiveYayin; }
    void setReceiveYayin(quint8 v) { m_receiveYayin = v; }
    QByteArray channelName() const { return m_channelName; }
    void setChannelName(const QByteArray &name) { m_channelName = name; }
    quint8 crcHigh() const { return m_crcHigh; }
    void setCrcHigh(quint8 v) { m_crcHigh = v; }
    quint8 crcLow() const { return m_crcLow; }
    void setCrcLow(quint8 v) { m_crcLow = v; }

    quint16 channelNumber() const;
    quint32 vfoaFrequency() const;
    quint32 vfobFrequency() const;

    // The bytes from size through the name, as both builders send them.
    QByteArray body() const;
    QByteArray toWriteFrame() const;
    QByteArray toReadFrame() const;
    void fromFrame(const QByteArray &frame);

private:
    void copyFields(const channel &other);

    quint8 m_startBit1 = 0xA5;
    quint8 m_startBit2 = 0xA5;
    quint8 m_startBit3 = 0xA5;
    quint8 m_startBit4 = 0xA5;
    quint8 m_size = 0;
    quint8 m_command = 0;
    quint8 m_channelHigh = 0;
    quint8 m_channelLow = 0;
    quint8 m_vfoaMode = 0;
    quint8 m_vfobMode = 0;
    quint8 m_vfoaFrequency1 = 0;
    quint8 m_vfoaFrequency2 = 0;
    quint8 m_vfoaFrequency3 = 0;
    quint8 m_vfoaFrequency4 = 0;
    quint8 m_vfobFrequency1 = 0;
    quint8 m_vfobFrequency2 = 0;
    quint8 m_vfobFrequency3 = 0;
    quint8 m_vfobFrequency4 = 0;
    quint8 m_emitYayin = 0;
    quint8 m_receiveYayin = 0;
    QByteArray m_channelName = QByteArrayLiteral("RENAME");
    quint8 m_crcHigh = 0;
    quint8 m_crcLow = 0;
};
