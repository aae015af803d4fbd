// Test helper: the window wired to an in-process simulated radio, and the records the transfer tests use.
#pragma once

#include "logcapture.h"
#include "radiosim.h"
#include "seams.h"
#include "termial.h"
#include "ui_termial.h"
#include "waituntil.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QStringList>

inline QString warningCaption()
{
    return QCoreApplication::translate("termial", "警告");
}

inline QString failureText(int count, const QString &list)
{
    return QCoreApplication::translate("termial", "%1 个信道传输失败：%2").arg(count).arg(list);
}

// A channel the table can hold unchanged: codes inside their lists, names of at most 11 bytes,
// IDs below 16777215.
inline void randomRecords(QRandomGenerator &rng, int number, channel &c, DMR &d)
{
    auto byte = [&rng](int bound) { return quint8(rng.bounded(bound)); };
    c.setChannelHigh(quint8(number >> 8));
    c.setChannelLow(quint8(number));
    c.setVfoaMode(byte(10));
    c.setVfobMode(byte(10));
    const quint32 fa = rng.generate(), fb = rng.generate();
    c.setVfoaFrequency1(quint8(fa >> 24));
    c.setVfoaFrequency2(quint8(fa >> 16));
    c.setVfoaFrequency3(quint8(fa >> 8));
    c.setVfoaFrequency4(quint8(fa));
    c.setVfobFrequency1(quint8(fb >> 24));
    c.setVfobFrequency2(quint8(fb >> 16));
    c.setVfobFrequency3(quint8(fb >> 8));
    c.setVfobFrequency4(quint8(fb));
    c.setEmitYayin(byte(56));
    c.setReceiveYayin(byte(56));
    c.setChannelName(QByteArray("CH") + QByteArray::number(number) + QByteArray(12, '\0'));
    c.setChannelName(c.channelName().left(12));

    d.setChannelHigh(c.channelHigh());
    d.setChannelLow(c.channelLow());
    d.setCallFormat(byte(3));
    d.setTxCc(byte(16));
    d.setRxCc(byte(16));
    d.setSlot(quint8(1 + rng.bounded(2)));
    d.setCallId(rng.bounded(16777215u));
    d.setOwnId(rng.bounded(16777215u));
    d.setChType(byte(2));
    d.setRxCtcss(byte(52));
    d.setTxCtcss(byte(52));
    d.setSqlevel(byte(10));
    d.setSpkgain(byte(256));
    d.setDmodGain(byte(256));
    d.setScrEn(byte(2));
    d.setScrSeed1(byte(256));
    d.setScrSeed2(byte(256));
    d.setChBsMode(byte(4));
}

// What the radio stores of a channel: everything after the size and command bytes.
inline QByteArray stored(const channel &c)
{
    return c.body().mid(2);
}
inline QByteArray stored(const DMR &d)
{
    return d.body().mid(2);
}

inline int channelOf(const QByteArray &frame)
{
    return frame.size() >= 8 ? quint8(frame.at(6)) * 256 + quint8(frame.at(7)) : -1;
}

// The window, the radio and everything the test watches.
class Rig
{
public:
    explicit Rig(const RadioSimOptions &options = {}) : sim(options)
    {
        seams::setWarning([this](QWidget *, const QString &title, const QString &text) {
            boxes << title + QLatin1Char('|') + text;
        });
        QString error;
        if (!sim.open(&error))
            qFatal("radio-sim did not open: %s", qPrintable(error));
        w.addPortPath(sim.slavePath());
        // The English catalogue loads in the background at start-up; let it land before any
        // button text is compared.
        for (int i = 0; i < 200 && w.windowTitle() == QStringLiteral("控制终端"); ++i)
            runEventLoop(10);
        QObject::connect(&sim, &RadioSim::frameReceived, &sim, [this](const QByteArray &f) {
            events << QStringLiteral("rx %1 %2").arg(quint8(f.at(5)), 2, 16).arg(channelOf(f));
            ++outstanding;
            maxOutstanding = qMax(maxOutstanding, outstanding);
        });
        QObject::connect(&sim, &RadioSim::frameSent, &sim, [this](const QByteArray &f) {
            events << QStringLiteral("tx %1 %2").arg(quint8(f.at(5)), 2, 16).arg(channelOf(f));
            outstanding = qMax(0, outstanding - 1);
        });
        QObject::connect(w.form()->load_progressBar, &QProgressBar::valueChanged, &sim,
                         [this](int v) { progress << v; });
    }
    ~Rig() { seams::setWarning({}); }

    bool connectLink()
    {
        w.serialportLinkBtn_clicked();
        return !w.form()->serialport_comboBox->isEnabled();
    }

    // Fills rows 0..n-1 with random channels and checks exactly those rows.
    void fillRows(int n, quint32 seed)
    {
        QRandomGenerator rng(seed);
        for (int r = 0; r < n; ++r) {
            channel c;
            DMR d;
            randomRecords(rng, r, c, d);
            w.viewUpdate(r, c);
            w.viewUpdateDmr(r, d);
        }
        w.setNumCheckedState(n);
    }

    // Empties the data cells of rows 0..n-1 (the channel number stays).
    void clearRows(int n)
    {
        for (int r = 0; r < n; ++r) {
            channel c;
            c.setChannelLow(quint8(r));
            c.setChannelHigh(quint8(r >> 8));
            c.setChannelName(QByteArray());
            c.setVfoaMode(0xFF);
            c.setVfobMode(0xFF);
            w.viewUpdate(r, c);
            DMR d;
            d.setChannelLow(quint8(r));
            d.setChannelHigh(quint8(r >> 8));
            w.viewUpdateDmr(r, d);
        }
    }

    bool waitForLog(const QString &message, int timeoutMs)
    {
        return waitUntil([&] { return log.messages().contains(message); }, timeoutMs);
    }

    QList<QByteArray> received(quint8 command) const
    {
        QList<QByteArray> out;
        for (const QByteArray &f : sim.received())
            if (quint8(f.at(5)) == command)
                out << f;
        return out;
    }

    LogCapture log;
    RadioSim sim;
    termial w;
    QStringList boxes;
    QStringList events;
    QList<int> progress;
    int outstanding = 0;
    int maxOutstanding = 0;
};

inline const QString kWriteDone = QStringLiteral("0x43 写操作命令全部发送完成");
inline const QString kReadDone = QStringLiteral("0x44 读操作命令全部发送完成");
