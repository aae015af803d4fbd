// The transfer engine: writes, reads and verifies channels over the link, one frame per command in flight.
#pragma once

#include "channel.h"
#include "channellist.h"
#include "dmr.h"
#include "link.h"
#include "serialport.h"
#include "tools.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

// One command's queue: the records still to be sent, the one whose frame is in flight, and the timer that
// resends that frame every 200 ms.
template <typename Record> struct CommandQueue {
    CommandQueue(quint8 command, void (SerialPort::*takeFirst)(QList<Record> &, Record &, QSerialPort &))
        : command(command), takeFirst(takeFirst)
    {
    }
    const quint8 command;
    void (SerialPort::*const takeFirst)(QList<Record> &, Record &, QSerialPort &);
    QList<Record> list;
    Record current;
    QTimer timer;
    int retry = 0; // resends already made of the frame in flight
};

class TransferEngine : public QObject
{
    Q_OBJECT
public:
    enum class Direction { Write, Read };
    enum class End { Completed, Cancelled, Stopped };
    // Why a transfer stopped before its end.
    enum class Stop { None, LineLost, Silent };

    struct Failure {
        enum Kind { NoAnswer, StoredDifferently } kind = NoAnswer;
        QStringList fields; // what the radio stores differently, by column header
    };
    // How a write, read or verifying write ended.
    struct Report {
        Direction direction = Direction::Write;
        End end = End::Completed;
        Stop why = Stop::None;
        bool verified = false;
        QList<quint16> channels;         // every channel of the transfer, in row order
        QMap<quint16, Failure> failed;   // channels that had frames given up, or verified different
        QList<quint16> through;          // channels all of whose frames were answered (and matched)
        QList<quint16> notTransferred;   // failed ones, and those a stop left unfinished
        qint64 elapsedMs = 0;
        int purpose = 0; // what the caller started a read for (startRead's purpose); 0 for a write
    };

    explicit TransferEngine(QObject *parent = nullptr);
    ~TransferEngine() override;

    Link &link() { return line; }
    const Link &link() const { return line; }
    bool open(const QSerialPortInfo &info, const QString &path = QString()) { return line.open(info, path); }
    // Closed by hand: a transfer under way is cancelled.
    void close();

    // False when a write is under way, or a read while verify is asked for (the read-back needs the read
    // commands), or there is nothing to send. Analog records go first, then DMR ones.
    bool startWrite(const QList<channel> &channels, const QList<DMR> &dmrs, bool verify);
    // False when a read or a verifying write is under way, or no channel is named. The purpose is the
    // caller's (into the table, for a comparison, ...): the engine hands it back with the records and report.
    bool startRead(const QList<quint16> &channelNumbers, int purpose = 0);
    int readPurpose() const { return purpose; }
    void cancel(Direction direction);

    bool isWriting() const { return writing; }
    bool isReading() const { return reading; }
    bool isVerifying() const { return writing && verifyPhase; }
    bool writeVerifies() const { return writing && verifies; }
    // What a direction's transfer has done so far: its channels and the frames answered or given up.
    int channelCount(Direction direction) const { return int(run(direction).channels.size()); }
    int framesHandled(Direction direction) const { return run(direction).handled; }

    // The receive path and the reply handlers; the serial port's readyRead drives the first.
    void receive();
    void handleReply(const QByteArray &frame);
    void takeAnalogReply(const channel &record);
    void takeDmrReply(const DMR &record);
    // A tick of a command's timer: resend its frame in flight, or give it up after three resends.
    void timeout(quint8 command);

    static constexpr int kReplyTimeoutMs = 200;
    static constexpr int kResends = 3;
    // This many frames given up in a row, with no valid frame from the radio between them, stop a transfer.
    static constexpr int kSilentSkipsToStop = 5;

signals:
    void analogRead(const channel &record);
    void dmrRead(const DMR &record);
    void frameAnswered(TransferEngine::Direction direction);
    void verifyStarted();
    void finished(const TransferEngine::Report &report);
    // The line went away; every transfer under way has ended (stopped) before this is said.
    void lineLost(const QString &reason, const QList<quint16> &notTransferred, bool transferEnded);
    // Nothing answers: every transfer under way has been stopped.
    void lineSilent(const QList<quint16> &notTransferred);

private:
    struct Run {
        QList<quint16> channels;
        QHash<quint16, int> framesDue;  // frames to be answered per channel for it to be through
        QHash<quint16, int> framesDone; // answered (or compared) frames per channel
        QMap<quint16, Failure> failed;
        QElapsedTimer clock;
        int handled = 0;
    };
    Run &run(Direction direction) { return direction == Direction::Write ? writeRun : readRun; }
    const Run &run(Direction direction) const { return direction == Direction::Write ? writeRun : readRun; }
    void beginRun(Run &r, const QList<quint16> &channels, const QHash<quint16, int> &framesDue);
    void takeBufferedReply();
    // 0x41 and 0x44 belong to a read, or to the read-back of a verifying write.
    Direction readCommandsOwner() const;

    template <typename Record> bool sendNext(CommandQueue<Record> &queue);
    template <typename Record> void takeReply(CommandQueue<Record> &queue, const Record &reply);
    template <typename Record> void onTimeout(CommandQueue<Record> &queue);
    void endOfQueue(quint8 command);
    void startVerify();
    void compareWritten(quint16 number, const QByteArray &sent, const QByteArray &answer, bool dmr);
    QList<quint16> finish(Direction direction, End how, Stop why = Stop::None);
    void stopSilentLine();
    void onLineLost(const QString &reason);

    Link line;
    SerialPort serialPort;
    Tools rxTools;
    CommandQueue<channel> queue0x40;
    CommandQueue<channel> queue0x41;
    CommandQueue<DMR> queue0x43;
    CommandQueue<DMR> queue0x44;
    bool writing = false;
    bool reading = false;
    bool verifies = false;
    bool verifyPhase = false;
    Run writeRun;
    Run readRun;
    QHash<quint16, QByteArray> sentAnalog; // what the write sent, by channel, for the read-back
    QHash<quint16, QByteArray> sentDmr;
    QList<quint16> writtenAnalog; // the channels of the records written, in the order sent
    QList<quint16> writtenDmr;
    int silentSkips = 0;
    int purpose = 0;
};

Q_DECLARE_METATYPE(TransferEngine::Report)
