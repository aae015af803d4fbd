// The window on a line to its own simulated radio, and what a person sees of its transfers.
#pragma once

#include "enginerig.h"
#include "person.h"
#include "seams.h"
#include "tablecolumns.h"
#include "termial.h"
#include "ui_termial.h"

#include <QLineEdit>
#include <QStandardItemModel>
#include <QtTest>

// The window, in Chinese so that what it shows reads as its sources, on a line to its own simulated radio.
class WindowRig
{
public:
    explicit WindowRig(const RadioSimOptions &options = {}) : sim(options)
    {
        seams::setWarning(
            [this](QWidget *, const QString &title, const QString &text) { boxes << title + '|' + text; });
        if (!sim.open())
            qFatal("radio-sim did not open");
        w.addPortPath(sim.slavePath());
        w.form()->language_comboBox->setCurrentIndex(1);
        waitUntil([this] { return w.findChildren<QFutureWatcherBase *>().isEmpty(); }, 5000);
        QObject::connect(w.form()->status_bar, &QStatusBar::messageChanged, &sim,
                         [this](const QString &m) { status << m; });
        QObject::connect(w.transferEngine(), &TransferEngine::finished, &sim,
                         [this](const TransferEngine::Report &r) {
                             seconds = QString::number(r.elapsedMs / 1000.0, 'f', 1);
                         });
        QObject::connect(w.transferEngine(), &TransferEngine::lineLost, &sim,
                         [this](const QString &why) { lostReason = why; });
    }
    ~WindowRig() { seams::setWarning({}); }

    bool connectLink() { return w.serialportLinkBtn_clicked(), w.serialport().isOpen(); }
    // Fills rows 0..n-1 with random channels the table holds unchanged and ticks exactly those rows.
    QList<QByteArray> fillRows(int n, quint32 seed)
    {
        randomChannels(seed, 0, n, [this](int r, const channel &c, const DMR &d) {
            w.viewUpdate(r, c), w.viewUpdateDmr(r, d);
        });
        w.setNumCheckedState(n);
        return rows(n);
    }
    QList<QByteArray> rows(int n) // what rows 0..n-1 hold
    {
        QList<QByteArray> out;
        for (int r = 0; r < n; ++r)
            out << stored(w.rowToChannel(r)) + stored(w.rowToDmr(r));
        return out;
    }
    // Waits until neither a write nor a read is under way, then lets a box the end brings up be shown.
    bool waitIdle(int timeoutMs)
    {
        const bool idle = waitUntil([this] { return !w.isSending() && !w.isReading(); }, timeoutMs);
        runEventLoop(20);
        return idle;
    }
    // What a person sees of transfers, a line each: status, progress, controls ("off" when disabled), the
    // marks of rows 0..n-1 (tool tip, and whether the colour is missing), the boxes shown.
    QString seen(int n)
    {
        const Ui::termial *ui = w.form();
        QStringList out{ui->status_bar->currentMessage(), QStringLiteral("progress %1 of %2")
                                                              .arg(ui->load_progressBar->value())
                                                              .arg(ui->load_progressBar->maximum())};
        QStringList controls;
        for (const QAbstractButton *b :
             std::initializer_list<QAbstractButton *>{ui->send_btn, ui->read_btn, ui->compare_btn, ui->verify_checkBox,
                                                      ui->backup_checkBox, ui->serialportLink_pushButton,
                                                      ui->checkAll_pushButton})
            controls << b->text() + (b->isCheckable() ? (b->isChecked() ? " [x]" : " [ ]") : "") +
                            (b->isEnabled() ? "" : " off");
        out << controls.join(QStringLiteral(", ")) +
                   (ui->serialport_comboBox->isEnabled() ? ", port box" : ", port box off");
        for (int r = 0; r < n; ++r) {
            const QModelIndex cell = w.tableModel()->index(r, ColChannel);
            if (cell.data(Qt::ToolTipRole).isValid() || cell.data(Qt::BackgroundRole).isValid())
                out << QStringLiteral("%1: %2%3")
                           .arg(r)
                           .arg(cell.data(Qt::ToolTipRole).toString(),
                                cell.data(Qt::BackgroundRole).isValid() ? "" : " (no colour)");
        }
        return (out + boxes).join(QLatin1Char('\n'));
    }

    LogCapture log;
    RadioSim sim;
    termial w;
    QStringList boxes;
    QStringList status; // every status line shown, in order
    QString seconds;    // how long the last transfer took, as the status line says it
    QString lostReason; // why the line was lost, as the system said it
};

