// Tests of the channel file format without a window: every member under its own name.
#include "channelfile.h"
#include "records.h"

#include <QtTest>

class tst_channelfile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip();
};

void tst_channelfile::roundTrip()
{
    // Every byte distinct and non-zero, a name cut inside a character, and a channel above 255 (999).
    QByteArray analogFrame(34, '\0'), dmrFrame(34, '\0');
    for (int i = 8; i < 32; ++i)
        analogFrame[i] = char(i - 7), dmrFrame[i] = char(i * 9);
    analogFrame.replace(20, 12, QByteArray("abcdefghij\xE4") + QByteArray(1, '\0'));
    analogFrame[6] = dmrFrame[6] = 3;
    analogFrame[7] = dmrFrame[7] = char(0xE7);
    channel c;
    DMR d;
    c.fromFrame(analogFrame);
    d.fromFrame(dmrFrame);

    // Every member under its own name, the name as text with its filling zero bytes: distinct bytes show
    // a member written under another's name even when the reader makes the same mistake.
    const QJsonObject entry = channelFileObject({c}, {d}).value(QStringLiteral("999")).toObject();
    QMap<QString, QString> written;
    for (auto it = entry.constBegin(); it != entry.constEnd(); ++it)
        written.insert(it.key(), it.value().isString()
                                     ? QString::fromLatin1(it.value().toString().toUtf8().toHex())
                                     : QString::number(it.value().toInt()));
    channel shown = c;
    shown.setChannelName(QByteArray("abcdefghij\xEF\xBF\xBD") + QByteArray(1, '\0'));
    QCOMPARE(written, records::fields(shown, d));

    // The cut character comes back as U+FFFD; the two flag bytes no file holds keep the record's defaults.
    const ChannelFileRecords back = parseChannelFile(channelFileText({c}, {d}));
    QCOMPARE(back.channels.size(), 1);
    QCOMPARE(back.dmrs.size(), 1);
    d.setDmrexist(1), d.setValidat(1);
    QCOMPARE(back.channels[0].body().mid(2).toHex(' ') + " | " + back.dmrs[0].body().mid(2).toHex(' '),
             shown.body().mid(2).toHex(' ') + " | " + d.body().mid(2).toHex(' '));
}

QTEST_GUILESS_MAIN(tst_channelfile)
#include "tst_channelfile.moc"
