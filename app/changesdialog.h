// The dialog that lists what differs between the radio and the table: a comparison, or a write's preview.
#pragma once

#include "recordfields.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QTableWidget;

class ChangesDialog : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(termial)

public:
    // A comparison ("comparison") offers to take the radio's values for the selected channels (accept);
    // a write's preview ("writePreview") offers to write, optionally only the changed channels (accept),
    // or to cancel (reject).
    enum class Kind { Comparison, WritePreview };
    struct Channel {
        quint16 number;
        QList<recordfields::Difference> differences; // first: the radio's value, second: the table's
    };
    ChangesDialog(Kind kind, const QList<Channel> &channels, int unchanged, QWidget *parent = nullptr);

    QList<quint16> selectedChannels() const;
    bool onlyChanged() const;

private:
    QTableWidget *table;
    QCheckBox *onlyChangedBox = nullptr;
    QList<Channel> channels;
};
