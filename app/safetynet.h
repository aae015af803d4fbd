// The safety net around writes: compare the ticked channels with the radio, back them up and preview a
// write before it overwrites them, and open the latest backup again.
#pragma once

#include "changesdialog.h"
#include "transferengine.h"

#include <QCoreApplication>
#include <QMap>
#include <QObject>

class termial;
class QAction;

class SafetyNet : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(termial)

public:
    // What a read is for: the table's rows, a comparison, or the backup before a write.
    enum Purpose { IntoTable = 0, Compare = 1, Backup = 2 };

    explicit SafetyNet(termial *window);

    // The compare button: starts a comparison of the ticked channels, or cancels the one under way.
    void compare();
    // A write with the backup box ticked: reads the ticked channels first, saves them, shows the preview.
    void writeWithBackup();
    void openLatestBackup();
    // A record read for a comparison or a backup is kept here, not put into the table.
    void keep(const channel &record) { radioAnalog.insert(record.channelNumber(), record); }
    void keep(const DMR &record) { radioDmr.insert(record.channelNumber(), record); }
    void retranslate();
    bool comparing() const;

private:
    void finished(const TransferEngine::Report &report);
    bool startRead(Purpose purpose);
    void showComparison(const QList<quint16> &numbers);
    void backUpAndPreview(const QList<quint16> &numbers);
    // The channels among `numbers` that the radio (as just read) holds differently from the given records,
    // with every field that differs; the others are counted.
    QList<ChangesDialog::Channel> changes(const QList<quint16> &numbers, const QList<channel> &analog,
                                          const QList<DMR> &dmrs, int *unchanged) const;

    termial *w;
    TransferEngine *engine;
    QAction *openLatestAction;
    QMap<quint16, channel> radioAnalog;
    QMap<quint16, DMR> radioDmr;
    // What a write with backup would send, taken when it was asked for.
    QList<channel> plannedChannels;
    QList<DMR> plannedDmrs;
};
