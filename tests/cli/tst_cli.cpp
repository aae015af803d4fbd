// control-terminal-cli run as a program against the simulated radio: outputs, files, reports, exit statuses.
#include "anyformat.h"
#include "channelfile.h"
#include "chirpcsv.h"
#include "radiosim.h"
#include "records.h"
#include "testfiles.h"
#include "waituntil.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The program's answer as a person at a terminal gets it; the radio is served while it runs.
Run cli(const QString &dir, const QStringList &arguments, int timeoutMs = 20000)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral(CLI_PROGRAM), arguments);
    waitUntil([&p] { return p.state() == QProcess::NotRunning; }, timeoutMs);
    if (p.state() != QProcess::NotRunning)
        p.kill(), p.waitForFinished();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The channel a frame names.
int channelOf(const QByteArray &frame)
{
    return quint8(frame.at(6)) * 256 + quint8(frame.at(7));
}

// Which commands went to which channels, "40:0 40:1 43:0 ...", in order.
QString wire(const RadioSim &sim)
{
    QStringList frames;
    for (const QByteArray &f : sim.received())
        frames << QString::number(quint8(f.at(5)), 16) + ':' + QString::number(channelOf(f));
    return frames.join(QLatin1Char(' '));
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readSavesTheRadiosChannels();
    void writeAndItsOptions();
    void diffAndVerifyCompareWithTheFile();
    void lineFaultsEndWithStatus3();
    void usageAndFiles();

private:
    // Channels 0-3 of a plan: random but valid, channel 1 an NFM channel (both VFOs) with receive colour code 3.
    void makePlan();
    void radioHoldsPlan();
    QByteArray radioFile(const QList<int> &numbers) const;
    QString path(const char *name) const { return dir->filePath(QLatin1String(name)); }
    QStringList onPort(QStringList arguments) const { return arguments << QStringLiteral("--port") << sim->slavePath(); }

    std::unique_ptr<RadioSim> sim;
    std::unique_ptr<QTemporaryDir> dir;
    QList<channel> plan;
    QList<DMR> planDmr;
};

void TestCli::init()
{
    sim = std::make_unique<RadioSim>();
    QVERIFY(sim->open());
    dir = std::make_unique<QTemporaryDir>();
    makePlan();
    QVERIFY(writeAll(path("plan.json"), channelFileText(plan, planDmr)));
}

void TestCli::cleanup()
{
    sim.reset();
    dir.reset();
}

void TestCli::makePlan()
{
    plan.clear(), planDmr.clear();
    QRandomGenerator rng(23);
    for (int n = 0; n < 4; ++n) {
        channel c;
        DMR d;
        records::randomValidChannel(rng, n, c, d);
        c.setChannelName(c.channelName().leftJustified(12, '\0', true));
        plan << c, planDmr << d;
    }
    plan[1].setVfoaMode(6), plan[1].setVfobMode(6), planDmr[1].setRxCc(3);
}

void TestCli::radioHoldsPlan()
{
    for (int n = 0; n < plan.size(); ++n)
        sim->setAnalog(n, plan[n]), sim->setDmr(n, planDmr[n]);
}

// What a channel file of these channels of the radio holds, as the window saves it.
QByteArray TestCli::radioFile(const QList<int> &numbers) const
{
    QList<channel> analog;
    QList<DMR> dmr;
    for (int n : numbers) {
        channel c = sim->analog(n);
        c.setChannelName(c.channelName().leftJustified(12, '\0', true));
        analog << c, dmr << sim->dmr(n);
    }
    return channelFileText(analog, dmr);
}

void TestCli::readSavesTheRadiosChannels()
{
    radioHoldsPlan();
    const QString report = path("report.json");
    Run r = cli(dir->path(), onPort({"read", "--channels", "0-3", "--output", "read.json", "--report", report}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "read: 4 channels, 4 done\nSaved 4 channels to read.json\n");
    // Eight frames: a progress line at each tenth passed, as a log gets it.
    QCOMPARE(r.err, "reading: 0%\nreading: 10%\nreading: 20%\nreading: 30%\nreading: 50%\nreading: 60%\n"
                    "reading: 70%\nreading: 80%\nreading: 100%\n");
    QCOMPARE(readAll(path("read.json")), radioFile({0, 1, 2, 3}));
    QCOMPARE(readAll(report), QJsonDocument(QJsonObject{
                                                {"command", "read"},
                                                {"port", sim->slavePath()},
                                                {"exitStatus", 0},
                                                {"stopped", ""},
                                                {"channels", QJsonArray{QJsonObject{{"channel", 0}, {"status", "done"}},
                                                                        QJsonObject{{"channel", 1}, {"status", "done"}},
                                                                        QJsonObject{{"channel", 2}, {"status", "done"}},
                                                                        QJsonObject{{"channel", 3}, {"status", "done"}}}},
                                            })
                                  .toJson());

    // CSV by the extension, the same text as the window's Save.
    r = cli(dir->path(), onPort({"read", "--channels", "1,3", "--output", "read.csv", "--quiet"}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, "");
    QCOMPARE(readAll(path("read.csv")), chirpCsvText({csvChannel(sim->analog(1)), csvChannel(sim->analog(3))}));

    // A channel the radio leaves unanswered is named and missing from the file; the others are saved.
    QObject::connect(sim.get(), &RadioSim::frameReceived, sim.get(), [this](const QByteArray &f) {
        RadioSimOptions o = sim->options();
        o.drop = channelOf(f) == 2 ? 1 : 0;
        sim->setOptions(o);
    });
    r = cli(dir->path(), onPort({"read", "--channels", "0-3", "--output", "read.json", "--quiet", "--report", report}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "2: no answer\nread: 4 channels, 3 done, 1 failed\nSaved 3 channels to read.json\n");
    QCOMPARE(readAll(path("read.json")), radioFile({0, 1, 3}));
    const QJsonArray channels = QJsonDocument::fromJson(readAll(report))["channels"].toArray();
    QCOMPARE(channels.at(2).toObject(), (QJsonObject{{"channel", 2}, {"status", "failed"}, {"reason", "no answer"}}));
}

void TestCli::writeAndItsOptions()
{
    // A plain write with verify puts the whole plan into the radio.
    Run r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--verify", "--quiet"}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "write and verify: 4 channels, 4 done\n");
    QCOMPARE(readAll(path("plan.json")), radioFile({0, 1, 2, 3}));

    // The radio keeps channel 1 its own way: only the read-back shows it.
    const QMetaObject::Connection keepsItsOwn =
        QObject::connect(sim.get(), &RadioSim::frameReceived, sim.get(), [this](const QByteArray &f) {
            if (quint8(f.at(5)) == 0x43 && channelOf(f) == 1) {
                channel c = sim->analog(1);
                DMR d = sim->dmr(1);
                c.setVfoaMode(7), d.setRxCc(4);
                sim->setAnalog(1, c), sim->setDmr(1, d);
            }
        });
    r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--channels", "1-2", "--verify", "--quiet",
                                 "--report", "report.json"}));
    QObject::disconnect(keepsItsOwn);
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "1: stored differently: VFA_MODE, Rx_cc\nwrite and verify: 2 channels, 1 done, 1 differs\n");
    QCOMPARE(QJsonDocument::fromJson(readAll(path("report.json")))["channels"].toArray().at(0).toObject(),
             (QJsonObject{{"channel", 1},
                          {"status", "differs"},
                          {"fields", QJsonArray{QJsonObject{{"field", "VFA_MODE"}}, QJsonObject{{"field", "Rx_cc"}}}}}));

    // A dry run reads, says what a write would change (radio -> file), and writes nothing.
    sim->clearReceived();
    const QByteArray before = radioFile({0, 1, 2, 3});
    r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--dry-run", "--quiet"}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "1: VFA_MODE: DIGI -> NFM; Rx_cc: 4 -> 3\ndry run, nothing written: 4 channels, 3 same, 1 differs\n");
    QCOMPARE(wire(*sim), "41:0 41:1 41:2 41:3 44:0 44:1 44:2 44:3");

    // Only the changed channel is written, after a backup of what the radio held.
    sim->clearReceived();
    r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--only-changed", "--backup", "backup.csv", "--quiet"}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "Saved 4 channels to backup.csv\nwrite: 4 channels, 1 done, 3 same\n");
    QCOMPARE(wire(*sim), "41:0 41:1 41:2 41:3 44:0 44:1 44:2 44:3 40:1 43:1");
    ChannelFileRecords backup;
    QString reason, notes;
    QVERIFY(openChannelFile(path("backup.csv"), &backup, &reason, &notes));
    QCOMPARE(backup.channels.at(1).vfoaMode(), 7);
    QCOMPARE(readAll(path("plan.json")), radioFile({0, 1, 2, 3}));

    // Nothing left to change: nothing written.
    sim->clearReceived();
    r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--only-changed", "--quiet"}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "write: 4 channels, 4 same\n");
    QCOMPARE(wire(*sim), "41:0 41:1 41:2 41:3 44:0 44:1 44:2 44:3");
}

void TestCli::diffAndVerifyCompareWithTheFile()
{
    radioHoldsPlan();
    Run r = cli(dir->path(), onPort({"diff", "--input", "plan.json", "--quiet"}));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "diff: 4 channels, 4 same\n");

    channel c = sim->analog(1);
    DMR d = sim->dmr(1);
    c.setVfoaMode(7), d.setRxCc(4);
    sim->setAnalog(1, c), sim->setDmr(1, d);
    r = cli(dir->path(), onPort({"diff", "--input", "plan.json", "--quiet", "--report", "report.json"}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "1: VFA_MODE: DIGI -> NFM; Rx_cc: 4 -> 3\ndiff: 4 channels, 3 same, 1 differs\n");
    QCOMPARE(QJsonDocument::fromJson(readAll(path("report.json")))["channels"].toArray().at(1).toObject(),
             (QJsonObject{{"channel", 1},
                          {"status", "differs"},
                          {"fields", QJsonArray{QJsonObject{{"field", "VFA_MODE"}, {"radio", "DIGI"}, {"file", "NFM"}},
                                                QJsonObject{{"field", "Rx_cc"}, {"radio", "4"}, {"file", "3"}}}}}));
    r = cli(dir->path(), onPort({"verify", "--input", "plan.json", "--channels", "0-1", "--quiet"}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "1: stored differently: VFA_MODE, Rx_cc\nverify: 2 channels, 1 same, 1 differs\n");

    // A CSV file has no DMR columns: only the analog fields count.
    QVERIFY(writeAll(path("plan.csv"), chirpCsvText({csvChannel(plan[1])})));
    r = cli(dir->path(), onPort({"diff", "--input", "plan.csv", "--quiet"}));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, "1: VFA_MODE: DIGI -> NFM\ndiff: 1 channels, 1 differs\n");
}

void TestCli::lineFaultsEndWithStatus3()
{
    radioHoldsPlan();
    // A silent radio: five frames given up in a row stop the read; no file replaces an earlier one.
    QVERIFY(writeAll(path("earlier.json"), "{}"));
    RadioSimOptions silent;
    silent.drop = 1;
    sim->setOptions(silent);
    Run r = cli(dir->path(), onPort({"read", "--channels", "0-3", "--output", "earlier.json", "--quiet", "--report",
                                     "report.json"}));
    QCOMPARE(r.status, 3);
    QCOMPARE(r.out, "");
    QCOMPARE(r.err, "The radio does not answer; the transfer was stopped. Channels not transferred: 0-3\n");
    QCOMPARE(readAll(path("earlier.json")), "{}");
    QCOMPARE(QJsonDocument::fromJson(readAll(path("report.json")))["stopped"].toString(), r.err.trimmed());

    // The line hangs up after three answers of a write.
    RadioSimOptions dying;
    dying.dieAfter = 3;
    sim->setOptions(dying);
    r = cli(dir->path(), onPort({"write", "--input", "plan.json", "--quiet"}));
    QCOMPARE(r.status, 3);
    QCOMPARE(r.out, "");
    QVERIFY2(r.err.startsWith("The connection to the serial port was lost: "), qPrintable(r.err));
    QVERIFY2(r.err.endsWith("\nChannels not transferred: 0-3\n"), qPrintable(r.err));

    // A port that cannot be opened.
    r = cli(dir->path(), {"diff", "--input", "plan.json", "--port", path("no-such-port"), "--quiet"});
    QCOMPARE(r.status, 3);
    QCOMPARE(r.err, "The serial port was not successfully opened, " + path("no-such-port") +
                        ": No such file or directory\n");
}

void TestCli::usageAndFiles()
{
    const QString port = sim->slavePath();
    const struct {
        QStringList arguments;
        QString err;
    } bad[] = {
        {{}, "control-terminal-cli: no command given\nTry 'control-terminal-cli --help'.\n"},
        {{"erase"}, "control-terminal-cli: unknown command 'erase'\nTry 'control-terminal-cli --help'.\n"},
        {{"read", "--output", "x.json"}, "control-terminal-cli: --port is missing\nTry 'control-terminal-cli read --help'.\n"},
        {{"read", "--port", port, "--output", "x.json", "--channels", "5-3"},
         "control-terminal-cli: --channels: the range '5-3' runs backwards\nTry 'control-terminal-cli read --help'.\n"},
        {{"read", "--port", port, "--output", "x.json", "--channels", "998-1000"},
         "control-terminal-cli: --channels: channel 1000 is out of range (0-999)\nTry 'control-terminal-cli read --help'.\n"},
        {{"write", "--port", port, "--input", "plan.json", "--channels", "2-7"},
         "plan.json holds no channel 4-7; nothing was done.\n"},
        {{"write", "--port", port, "--input", "plan.json", "--dry-run", "--verify"},
         "control-terminal-cli: --dry-run writes nothing, so there is nothing to --verify\n"
         "Try 'control-terminal-cli write --help'.\n"},
        {{"write", "--port", port, "--input", "missing.json"}, "Cannot open missing.json: No such file or directory\n"},
        {{"convert", "plan.json"},
         "control-terminal-cli: convert takes an INPUT and an OUTPUT file\nTry 'control-terminal-cli convert --help'.\n"},
        {{"convert", "plan.json", "no-such-folder/x.csv"}, ""},
    };
    for (const auto &b : bad) {
        const Run r = cli(dir->path(), b.arguments);
        QCOMPARE(r.status, 2);
        if (!b.err.isEmpty())
            QCOMPARE(r.err, b.err);
        QCOMPARE(r.out, "");
    }
    QVERIFY(sim->received().isEmpty());

    // convert: JSON to CSV and back; CSV carries no DMR settings, so a fresh radio's come with it.
    Run r = cli(dir->path(), {"convert", "plan.json", "plan.csv"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, "Saved 4 channels to plan.csv\n");
    QList<CsvChannel> lines;
    for (const channel &c : std::as_const(plan))
        lines << csvChannel(c);
    QCOMPARE(readAll(path("plan.csv")), chirpCsvText(lines));
    r = cli(dir->path(), {"convert", "plan.csv", "again.json"});
    QCOMPARE(r.status, 0);
    QList<DMR> fresh;
    for (const channel &c : std::as_const(plan)) {
        DMR d;
        d.setChannelHigh(c.channelHigh()), d.setChannelLow(c.channelLow());
        fresh << d;
    }
    QList<channel> fromCsv;
    for (const CsvChannel &line : std::as_const(lines)) {
        fromCsv << csvRecord(line); // one Mode column for both VFOs
        fromCsv.last().setVfobMode(fromCsv.last().vfoaMode());
    }
    QCOMPARE(readAll(path("again.json")), channelFileText(fromCsv, fresh));

    // The window's notes on Open, on standard error.
    QVERIFY(writeAll(path("odd.csv"), "Location,Name,Frequency,Mode\r\n5,A very long name,145.5,XYZ\r\n"));
    r = cli(dir->path(), {"convert", "odd.csv", "odd.json"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, "warning: odd.csv\nUnknown mode, set to NFM (channels: 5)\nName over 11 bytes, shortened (channels: 5)\n");
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
