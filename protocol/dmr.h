// The DMR channel record: the bytes of a 0x43 frame, in frame order.
#pragma once

#include "tools.h"

#include <QByteArray>
#include <QObject>

#include <array>

class DMR : public QObject
{
    Q_OBJECT
public:
    // The byte fields, each at its offset in the frame, header to CRC.
    enum Field {
        StartBit1,
        StartBit2,
        StartBit3,
        StartBit4,
        Size,
        Command,
        ChannelHigh,
        ChannelLow,
        CallFormat,
        TxCc,
        RxCc,
        Slot,
        CallId1,
        CallId2,
        CallId3,
        CallId4,
        OwnId1,
        OwnId2,
        OwnId3,
        OwnId4,
        ChType,
        RxCtcss,
        TxCtcss,
        Sqlevel,
        Spkgain,
        Dmrexist,
        DmodGain,
        ScrEn,
        ScrSeed1,
        ScrSeed2,
        ChBsMode,
        Validat,
        CrcHigh,
        CrcLow,
        FieldCount
    };

    explicit DMR(QObject *parent = nullptr);
    // Records travel through the send queues by value; a copy shares its source's parent
    // and builds its own Tools.
    DMR(const DMR &other);
    DMR &operator=(const DMR &other);

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
    quint8 callFormat() const { return m_bytes[CallFormat]; }
    void setCallFormat(quint8 v) { m_bytes[CallFormat] = v; }
    quint8 txCc() const { return m_bytes[TxCc]; }
    void setTxCc(quint8 v) { m_bytes[TxCc] = v; }
    quint8 rxCc() const { return m_bytes[RxCc]; }
    void setRxCc(quint8 v) { m_bytes[RxCc] = v; }
    quint8 slot() const { return m_bytes[Slot]; }
    void setSlot(quint8 v) { m_bytes[Slot] = v; }
    quint8 callId1() const { return m_bytes[CallId1]; }
    void setCallId1(quint8 v) { m_bytes[CallId1] = v; }
    quint8 callId2() const { return m_bytes[CallId2]; }
    void setCallId2(quint8 v) { m_bytes[CallId2] = v; }
    quint8 callId3() const { return m_bytes[CallId3]; }
    void setCallId3(quint8 v) { m_bytes[CallId3] = v; }
    quint8 callId4() const { return m_bytes[CallId4]; }
    void setCallId4(quint8 v) { m_bytes[CallId4] = v; }
    quint8 ownId1() const { return m_bytes[OwnId1]; }
    void setOwnId1(quint8 v) { m_bytes[OwnId1] = v; }
    quint8 ownId2() const { return m_bytes[OwnId2]; }
    void setOwnId2(quint8 v) { m_bytes[OwnId2] = v; }
    quint8 ownId3() const { return m_bytes[OwnId3]; }
    void setOwnId3(quint8 v) { m_bytes[OwnId3] = v; }
    quint8 ownId4() const { return m_bytes[OwnId4]; }
    void setOwnId4(quint8 v) { m_bytes[OwnId4] = v; }
    quint8 chType() const { return m_bytes[ChType]; }
    void setChType(quint8 v) { m_bytes[ChType] = v; }
    quint8 rxCtcss() const { return m_bytes[RxCtcss]; }
    void setRxCtcss(quint8 v) { m_bytes[RxCtcss] = v; }
    quint8 txCtcss() const { return m_bytes[TxCtcss]; }
    void setTxCtcss(quint8 v) { m_bytes[TxCtcss] = v; }
    quint8 sqlevel() const { return m_bytes[Sqlevel]; }
    void setSqlevel(quint8 v) { m_bytes[Sqlevel] = v; }
    quint8 spkgain() const { return m_bytes[Spkgain]; }
    void setSpkgain(quint8 v) { m_bytes[Spkgain] = v; }
    quint8 dmrexist() const { return m_bytes[Dmrexist]; }
    void setDmrexist(quint8 v) { m_bytes[Dmrexist] = v; }
    quint8 dmodGain() const { return m_bytes[DmodGain]; }
    void setDmodGain(quint8 v) { m_bytes[DmodGain] = v; }
    quint8 scrEn() const { return m_bytes[ScrEn]; }
    void setScrEn(quint8 v) { m_bytes[ScrEn] = v; }
    quint8 scrSeed1() const { return m_bytes[ScrSeed1]; }
    void setScrSeed1(quint8 v) { m_bytes[ScrSeed1] = v; }
    quint8 scrSeed2() const { return m_bytes[ScrSeed2]; }
    void setScrSeed2(quint8 v) { m_bytes[ScrSeed2] = v; }
    quint8 chBsMode() const { return m_bytes[ChBsMode]; }
    void setChBsMode(quint8 v) { m_bytes[ChBsMode] = v; }
    quint8 validat() const { return m_bytes[Validat]; }
    void setValidat(quint8 v) { m_bytes[Validat] = v; }
    quint8 crcHigh() const { return m_bytes[CrcHigh]; }
    void setCrcHigh(quint8 v) { m_bytes[CrcHigh] = v; }
    quint8 crcLow() const { return m_bytes[CrcLow]; }
    void setCrcLow(quint8 v) { m_bytes[CrcLow] = v; }

    quint16 channelNumber() const;
    quint32 callId() const;
    void setCallId(quint32 id);
    quint32 ownId() const;
    void setOwnId(quint32 id);

    // The 28 bytes from size through validat, as both builders send them.
    QByteArray body() const;
    // The bytes from size through the channel number, as both read builders send them.
    QByteArray readBody() const;
    QByteArray toWriteFrame() const;
    QByteArray toReadFrame() const;
    void fromFrame(const QByteArray &frame);

private:
    QByteArray bytes(Field from, Field to) const;
    void setBe32(Field first, quint32 value);

    Tools tools;
    std::array<quint8, FieldCount> m_bytes{0xA5, 0xA5, 0xA5, 0xA5};
};
