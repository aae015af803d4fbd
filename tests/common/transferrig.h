// Test helper: the window wired to an in-process simulated radio, and what the transfer tests watch.
#pragma once

#include "logcapture.h"
#include "person.h"
#include "radiosim.h"
#include "records.h"
#include "seams.h"
#include "tablecolumns.h"
#include "termial.h"
#include "ui_termial.h"
#include "waituntil.h"

#include <QCoreApplication>
#include <QMap>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStringList>

// A warning box as the rig records it: caption and text.
inline QString warningBox(const QString &text)
{
    return windowText("警告") + QLatin1Char('|') + text;
}

inline QString failureBox(int count, const QString &list)
{
    return warningBox(windowText("%1 个信道传输失败：%2").arg(count).arg(list));
}

// A row's mark: the tool tip of its channel-number cell, which then also has a warning colour.
inline QString markOf(termial &w, int row)
{
    const QModelIndex cell = w.tableModel()->index(row, ColChannel);
    const QString tip = cell.data(Qt::ToolTipRole).toString();
    return tip.isEmpty() == cell.data(Qt::BackgroundRole).isValid() ? QStringLiteral("half a mark") : tip;
}

// A status bar line of the given source text with its numbers; %2 may stand for seconds.
inline bool isStatusLine(const QString &line, const char *text, int channels, int failed)
{
    QString pattern = QRegularExpression::escape(windowText(text));
    pattern.replace(QStringLiteral("\\%1"), QString::number(channels))
        .replace(QStringLiteral("\\%2"), QStringLiteral("[0-9]+\\.[0-9]"))
        .replace(QStringLiteral("\\%3"), QString::number(failed));
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(line).hasMatch();
}

// What the radio stores of a channel: everything after the size and command bytes.
template <typename Record> QByteArray stored(const Record &record)
{
    return record.body().mid(2);
}
inline QByteArray stored(const RadioSim &sim, int number)
{
    return stored(sim.analog(number)) + stored(sim.dmr(number));
}
inline QByteArray stored(termial &w, int row)
{
    return stored(w.rowToChannel(row)) + stored(w.rowToDmr(row));
}

// The channel a frame names; -1 for a short acknowledgement, which names none.
inline int channelOf(const QByteArray &frame)
{
    return quint8(frame.at(4)) >= 5 ? quint8(frame.at(6)) * 256 + quint8(frame.at(7)) : -1;
}

inline const QString kWriteDone = QStringLiteral("0x43 写操作命令全部发送完成");
inline const QString kReadDone = QStringLiteral("0x44 读操作命令全部发送完成");

// The window on a line to its own simulated radio, with the boxes and progress the tests watch.
class Rig
{
public:
    explicit Rig(const RadioSimOptions &options = {}) : sim(options)
    {
        seams::setWarning(
            [this](QWidget *, const QString &title, const QString &text) { boxes << title + '|' + text; });
        QString error;
        if (!sim.open(&error))
            qFatal("radio-sim did not open: %s", qPrintable(error));
        w.addPortPath(sim.slavePath());
        // The English catalogue loads in the background at start-up; let it land before any
        // button text is compared.
        waitUntil([this] { return w.windowTitle() != QStringLiteral("控制终端"); }, 2000);
        QObject::connect(w.form()->load_progressBar, &QProgressBar::valueChanged, &sim,
                         [this](int v) { progress << v; });
        QObject::connect(w.form()->status_bar, &QStatusBar::messageChanged, &sim,
                         [this](const QString &m) { status << m; });
    }
    ~Rig() { seams::setWarning({}); }

    bool connectLink()
    {
        w.serialportLinkBtn_clicked();
        return !w.form()->serialport_comboBox->isEnabled();
    }

    // Fills rows 0..n-1 with random channels the table holds unchanged (and the radio's channels with the
    // same when inRadio), checks exactly those rows and returns what each row holds.
    QList<QByteArray> fillRows(int n, quint32 seed, bool inRadio = false)
    {
        QRandomGenerator rng(seed);
        QList<QByteArray> rows;
        for (int r = 0; r < n; ++r) {
            channel c;
            DMR d;
            records::randomValidChannel(rng, r, c, d);
            w.viewUpdate(r, c);
            w.viewUpdateDmr(r, d);
            if (inRadio)
                sim.setAnalog(r, w.rowToChannel(r)), sim.setDmr(r, w.rowToDmr(r));
            rows << stored(c) + stored(d);
        }
        w.setNumCheckedState(n);
        return rows;
    }

    // Waits until neither a write nor a read is under way, then lets a failure report be shown.
    bool waitIdle(int timeoutMs)
    {
        const bool idle = waitUntil(
            [this] {
                return w.form()->send_btn->text() == windowText("发送") &&
                       w.form()->read_btn->text() == windowText("读取");
            },
            timeoutMs);
        runEventLoop(20);
        return idle;
    }

    // The channels of the frames the radio received, by command, in order.
    QMap<int, QList<int>> wire() const
    {
        QMap<int, QList<int>> out;
        for (const QByteArray &f : sim.received())
            out[quint8(f.at(5))] << channelOf(f);
        return out;
    }

    LogCapture log;
    RadioSim sim;
    termial w;
    QStringList boxes;
    QList<int> progress;
    QStringList status; // every status bar message, in order
};
