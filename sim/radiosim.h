// A simulated radio on a pseudo-terminal: channel memory, answers to the four commands, line faults.
#pragma once

#include "channel.h"
#include "dmr.h"
#include "simframecutter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <QString>

class QSocketNotifier;
class QTimer;

// Faults and pacing of the line. Every random choice comes from one generator seeded with `seed`,
// so the same options and the same requests give the same answers, byte for byte.
struct RadioSimOptions {
    double drop = 0, corrupt = 0, garbage = 0; // probability per answer
    double strayA5 = 0;                        // probability of a lone 0xA5 right in front of an answer
    int delayMs = 0;                           // each answer leaves this long after its request
    int chunk = 0 /*0 = whole*/;               // answers written in pieces of this many bytes
    bool randomChunk = false;                  // pieces of 1..16 bytes instead
    int baud = 0;                              // 0: as fast as the pty takes it; else 10 bits per byte
    int dieAfter = -1;                         // hang up once this many answers are out; -1: never
    bool shortAck = false;                     // acknowledge writes with a bare 8-byte frame
    bool shortRead = false;                    // answer reads with a bare 8-byte frame, no record
    quint32 seed = 1;
    bool verbose = false; // every frame seen and sent, in hex, on the debug log
};

// The radio's memory holds kChannelCount analog and DMR channels. An empty channel is a record at
// its defaults (name "RENAME", frequencies and codes 0; DMR flags 1) with its channel number set:
// that is what a fresh radio answers, and such channels are left out of a saved memory file.
class RadioSim : public QObject
{
    Q_OBJECT
public:
    static constexpr int kChannelCount = 1000;

    explicit RadioSim(const RadioSimOptions &options = {}, QObject *parent = nullptr);
    ~RadioSim() override;

    bool open(QString *error = nullptr); // creates the pty; slavePath() is valid afterwards
    QString slavePath() const;
    bool isOpen() const { return m_master >= 0; }
    void close(); // hang up (like --die-after)

    channel analog(int number) const;
    DMR dmr(int number) const;
    // The record is stored under `number`, whatever channel number it carries itself.
    void setAnalog(int number, const channel &c);
    void setDmr(int number, const DMR &d);
    // Every channel back to empty.
    void clearMemory();
    bool isEmptyChannel(int number) const;

    // A channel file in the terminal's format. Loading empties the memory first; entries whose
    // channel number is 1000 or more are skipped. Saving writes only the channels that are not empty.
    bool loadMemory(const QString &path, QString *error = nullptr);
    bool saveMemory(const QString &path, QString *error = nullptr) const;

    // Puts a frame on the line unasked (a late or repeated answer), subject to the line's faults.
    void sendUnasked(const QByteArray &frame) { queueAnswer(frame); }

    QList<QByteArray> received() const; // every valid frame received, in order
    void clearReceived();
    int answersSent() const;
    RadioSimOptions options() const { return m_options; }
    void setOptions(const RadioSimOptions &options); // change faults between runs (reseeds)

signals:
    void frameReceived(const QByteArray &frame);
    // An answer whose last byte has been written, as it went out (corrupted if so), noise excluded.
    void frameSent(const QByteArray &frame);
    void hungUp();

private:
    struct Answer {
        QByteArray wire;  // noise + frame
        QByteArray frame; // the frame as sent
        QList<int> pieces;
        int piece = 0;
        int pieceWritten = 0;
        qint64 dueNs = 0;
    };

    void readMaster();
    void handleFrame(const QByteArray &frame);
    QByteArray answerFor(const QByteArray &frame);
    void queueAnswer(QByteArray frame);
    void pump();
    void schedulePump(qint64 delayNs);
    void checkDrained();
    void shutdown(bool notify);
    bool chance(double probability);
    void log(const char *what, const QByteArray &bytes) const;

    RadioSimOptions m_options;
    QRandomGenerator m_rng;
    int m_master = -1;
    int m_slave = -1; // held open so the master never reads EIO while no one else has the line
    QString m_slavePath;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_pumpTimer = nullptr;
    QTimer *m_retryTimer = nullptr;
    QTimer *m_drainTimer = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lineFreeNs = 0;
    qint64 m_drainStartNs = 0;
    int m_drainQuietChecks = 0;
    SimFrameCutter m_cutter;
    QList<Answer> m_out;
    QList<channel> m_analog;
    QList<DMR> m_dmr;
    QList<QByteArray> m_received;
    int m_answersSent = 0;
    int m_answersQueued = 0;
    bool m_dying = false;
};
