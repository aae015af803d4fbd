// The DMR channel record: the bytes of a 0x43 frame, in frame order.
#pragma once

#include "tools.h"

#include <QByteArray>
#include <QObject>

class DMR : public QObject
{
    Q_OBJECT
public:
    explicit DMR(QObject *parent = nullptr);
    // Records travel through the send queues by value; a copy shares its source's parent
    // and builds its own Tools.
    DMR(const DMR &other);
    DMR &operator=(const DMR &other);

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
    quint8 callFormat() const { return m_callFormat; }
    void setCallFormat(quint8 v) { m_callFormat = v; }
    quint8 txCc() const { return m_txCc; }
    void setTxCc(quint8 v) { m_txCc = v; }
    quint8 rxCc() const { return m_rxCc; }
    void setRxCc(quint8 v) { m_rxCc = v; }
    quint8 slot() const { return m_slot; }
    void setSlot(quint8 v) { m_slot = v; }
    quint8 callId1() const { return m_callId1; }
    void setCallId1(quint8 v) { m_callId1 = v; }
    quint8 callId2() const { return m_callId2; }
    void setCallId2(quint8 v) { m_callId2 = v; }
    quint8 callId3() const { return m_callId3; }
    void setCallId3(quint8 v) { m_callId3 = v; }
    quint8 callId4() const { return m_callId4; }
    void setCallId4(quint8 v) { m_callId4 = v; }
    quint8 ownId1() const { return m_ownId1; }
    void setOwnId1(quint8 v) { m_ownId1 = v; }
    quint8 ownId2() const { return m_ownId2; }
    void setOwnId2(quint8 v) { m_ownId2 = v; }
    quint8 ownId3() const { return m_ownId3; }
    void setOwnId3(quint8 v) { m_ownId3 = v; }
    quint8 ownId4() const { return m_ownId4; }
    void setOwnId4(quint8 v) { m_ownId4 = v; }
    quint8 chType() const { return m_chType; }
    void setChType(quint8 v) { m_chType = v; }
    quint8 rxCtcss() const { return m_rxCtcss; }
    void setRxCtcss(quint8 v) { m_rxCtcss = v; }
    quint8 txCtcss() const { return m_txCtcss; }
    void setTxCtcss(quint8 v) { m_txCtcss = v; }
    quint8 sqlevel() const { return m_sqlevel; }
    void setSqlevel(quint8 v) { m_sqlevel = v; }
    quint8 spkgain() const { return m_spkgain; }
    void setSpkgain(quint8 v) { m_spkgain = v; }
    quint8 dmrexist() const { return m_dmrexist; }
    void setDmrexist(quint8 v) { m_dmrexist = v; }
    quint8 dmodGain() const { return m_dmodGain; }
    void setDmodGain(quint8 v) { m_dmodGain = v; }
    quint8 scrEn() const { return m_scrEn; }
    void setScrEn(quint8 v) { m_scrEn = v; }
    quint8 scrSeed1() const { return m_scrSeed1; }
    void setScrSeed1(quint8 v) { m_scrSeed1 = v; }
    quint8 scrSeed2() const { return m_scrSeed2; }
    void setScrSeed2(quint8 v) { m_scrSeed2 = v; }
    quint8 chBsMode() const { return m_chBsMode; }
    void setChBsMode(quint8 v) { m_chBsMode = v; }
    quint8 validat() const { return m_validat; }
    void setValidat(quint8 v) { m_validat = v; }
    quint8 crcHigh() const { return m_crcHigh; }
    void setCrcHigh(quint8 v) { m_crcHigh = v; }
    quint8 crcLow() const { return m_crcLow; }
    void setCrcLow(quint8 v) { m_crcLow = v; }

    quint16 channelNumber() const;
    quint32 callId() const;
    void setCallId(quint32 id);
    quint32 ownId() const;
    void setOwnId(quint32 id);

    // The 28 bytes from size through validat, as both builders send them.
    QByteArray body() const;
    QByteArray toWriteFrame() const;
    QByteArray toReadFrame() const;
    void fromFrame(const QByteArray &frame);

private:
    void copyFields(const DMR &other);

    Tools tools;
    quint8 m_startBit1 = 0xA5;
    quint8 m_startBit2 = 0xA5;
    quint8 m_startBit3 = 0xA5;
    quint8 m_startBit4 = 0xA5;
    quint8 m_size = 0;
    quint8 m_command = 0;
    quint8 m_channelHigh = 0;
    quint8 m_channelLow = 0;
    quint8 m_callFormat = 0;
    quint8 m_txCc = 0;
    quint8 m_rxCc = 0;
    quint8 m_slot = 0;
    quint8 m_callId1 = 0;
    quint8 m_callId2 = 0;
    quint8 m_callId3 = 0;
    quint8 m_callId4 = 0;
    quint8 m_ownId1 = 0;
    quint8 m_ownId2 = 0;
    quint8 m_ownId3 = 0;
    quint8 m_ownId4 = 0;
    quint8 m_chType = 0;
    quint8 m_rxCtcss = 0;
    quint8 m_txCtcss = 0;
    quint8 m_sqlevel = 0;
    quint8 m_spkgain = 0;
    quint8 m_dmrexist = 1;
    quint8 m_dmodGain = 0;
    quint8 m_scrEn = 0;
    quint8 m_scrSeed1 = 0;
    quint8 m_scrSeed2 = 0;
    quint8 m_chBsMode = 0;
    quint8 m_validat = 1;
    quint8 m_crcHigh = 0;
    quint8 m_crcLow = 0;
};
