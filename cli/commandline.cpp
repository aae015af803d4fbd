// The command-line tool: argument parsing, the subcommands on the transfer engine, their output and report.
#include "commandline.h"

#include "anyformat.h"
#include "channellist.h"
#include "recordfields.h"
#include "transferengine.h"
#include "vocabulary.h"
#include "wire.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSerialPortInfo>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace cli
{
namespace
{

const QString kProgram = QStringLiteral("control-terminal-cli");

// The window's own words, in the catalogue the program loaded (English for this tool).
QString windowText(const char *source)
{
    return QCoreApplication::translate("termial", source);
}

struct Command {
    const char *name;
    const char *synopsis;
    const char *description;
};
const Command kCommands[] = {
    {"ports", "ports", "Lists the serial ports the system knows, one a line: path, a tab, description."},
    {"read", "read --port PATH [--channels LIST] --output FILE",
     "Reads channels from the radio (all 1000 by default) and saves those read to FILE: CHIRP CSV when "
     "it ends in .csv, JSON otherwise."},
    {"write", "write --port PATH --input FILE [--channels LIST] [--verify] [--backup FILE] [--only-changed] [--dry-run]",
     "Writes the channels FILE holds (or those of LIST, which FILE must hold) to the radio."},
    {"verify", "verify --port PATH --input FILE [--channels LIST]",
     "Reads the file's channels from the radio and names, per channel, the fields stored differently."},
    {"diff", "diff --port PATH --input FILE [--channels LIST]",
     "Reads the file's channels from the radio and prints, per channel, each differing field as radio -> file."},
    {"convert", "convert INPUT OUTPUT",
     "Converts a channel file between JSON and CHIRP CSV, by the names' extensions."},
};

const Command *findCommand(const QString &name)
{
    for (const Command &c : kCommands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

// What became of one channel.
struct Outcome {
    enum Status { Done, Same, Differs, Failed } status = Done;
    QString reason;                               // of a failure
    QList<recordfields::Difference> differences;  // radio first, file second
    QStringList fields;                           // differing fields whose values are not known
};

class Session
{
public:
    Session(QTextStream &out, QTextStream &err, bool bar) : out(out), err(err), bar(bar)
    {
        // Said right after the stopped transfer's report, before its event loop is left.
        QObject::connect(&engine, &TransferEngine::lineLost, &engine,
                         [this](const QString &reason) { lostReason = reason; });
    }

    int exec(const QStringList &arguments);

private:
    int usage(const QString &message, const QString &command = QString());
    bool parse(const QStringList &arguments);
    int dispatch(const QString &name);

    int ports();
    int read();
    int write();
    int compare(bool showValues);
    int convert();

    // File in and out.
    bool openInput(const QString &fileName, QList<channel> *analog, QList<DMR> *dmr);
    bool selectChannels(const QString &fileName, QList<channel> *analog, QList<DMR> *dmr);
    bool save(const QString &fileName, const QList<channel> &analog, const QList<DMR> &dmr, bool quietly = false);

    // The radio.
    bool openPort();
    TransferEngine::Report transfer(TransferEngine::Direction direction, int frames, const QString &verb,
                                    const std::function<bool()> &start);
    // Reads numbers; the records of the channels read completely land in the maps.
    TransferEngine::Report readRadio(const QList<quint16> &numbers, QMap<quint16, channel> *analog,
                                     QMap<quint16, DMR> *dmr);
    // Reads the channels of the file's records, and notes what became of each.
    TransferEngine::Report readChannelsOf(const QList<channel> &records, QMap<quint16, channel> *analog,
                                          QMap<quint16, DMR> *dmr);
    bool stopped(const TransferEngine::Report &report);
    void noteTransfer(const TransferEngine::Report &report);
    void compareWithRadio(const QList<channel> &analog, const QList<DMR> &dmr, const QMap<quint16, channel> &radioAnalog,
                          const QMap<quint16, DMR> &radioDmr);

    // Output.
    void progress(const QString &verb, int done, int total);
    void printOutcomes(const QString &summaryVerb, bool showValues);
    int finish(int status);
    bool writeReport(int status);

    QTextStream &out;
    QTextStream &err;
    const bool bar;
    QString command;
    QCommandLineParser parser;
    TransferEngine engine;
    QMap<quint16, Outcome> outcomes;
    QString stopText;
    QString lostReason;
    int lastShown = -1;
};

// Each subcommand's options; the usage line and the help text name only those it takes.
struct Option {
    const char *name;
    const char *value; // nullptr for a switch
    const char *help;
    const char *commands;
};
const Option kOptions[] = {
    {"port", "PATH", "The serial device of the radio, e.g. /dev/ttyUSB0.", "read write verify diff"},
    {"channels", "LIST", "Channels such as 0-99,120,200-205 (default: all 1000 for read, the file's otherwise).",
     "read write verify diff"},
    {"output", "FILE", "The channel file to save: CHIRP CSV when it ends in .csv, JSON otherwise.", "read"},
    {"input", "FILE", "The channel file (JSON, or CHIRP CSV when it ends in .csv).", "write verify diff"},
    {"verify", nullptr, "Read every written channel back and compare it with what was sent.", "write"},
    {"backup", "FILE", "Read the channels from the radio first and save them to FILE; write only when all were read.",
     "write"},
    {"only-changed", nullptr, "Read first and write only the channels that differ from the file.", "write"},
    {"dry-run", nullptr, "Read first and print what a write would change; write nothing.", "write"},
    {"report", "FILE", "Write a JSON report: per channel done, same, failed with the reason, or differs with fields.",
     "read write verify diff"},
    {"quiet", nullptr, "No progress on standard error.", "read write verify diff"},
};

bool takes(const Option &option, const QString &command)
{
    return QString::fromLatin1(option.commands).split(QLatin1Char(' ')).contains(command);
}

QString generalHelp()
{
    QString text = QStringLiteral("Usage: %1 <command> [options]\n\n"
                                  "Programs the channel memory of a two-way radio over a serial line.\n\n"
                                  "Commands:\n")
                       .arg(kProgram);
    for (const Command &c : kCommands)
        text += QStringLiteral("  %1\n      %2\n").arg(QLatin1String(c.synopsis), QLatin1String(c.description));
    text += QStringLiteral("\nOptions:\n  -h, --help     This help; '<command> --help' for a command's own.\n"
                           "  -v, --version  The program's version.\n\n"
                           "Exit status: 0 all done or no difference, 1 some channels failed or differ,\n"
                           "2 bad usage or a file that cannot be read or written, 3 the port cannot be opened,\n"
                           "the line is lost or the radio does not answer.\n");
    return text;
}

QString statusName(Outcome::Status status)
{
    static const char *const names[] = {"done", "same", "differs", "failed"};
    return QLatin1String(names[status]);
}

// A name as the radio keeps it and answers it: at most 11 bytes of whole characters, zero-filled to the
// field, the way a row of the window's table goes to the radio.
QByteArray radioName(const QByteArray &name)
{
    QByteArray bytes = vocabulary::fitName(vocabulary::nameText(name)).toUtf8();
    bytes.append(wire::kNameLength - bytes.size(), '\0');
    return bytes;
}

} // namespace

int Session::exec(const QStringList &arguments)
{
    QCommandLineParser top;
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    top.addOptions({help, version});
    if (!top.parse(arguments))
        return usage(top.errorText());
    if (top.isSet(version)) {
        out << kProgram << ' ' << QCoreApplication::applicationVersion() << '\n';
        return Done;
    }
    const QStringList rest = top.positionalArguments();
    if (top.isSet(help) || rest.isEmpty()) {
        if (rest.isEmpty() && !top.isSet(help))
            return usage(QStringLiteral("no command given"));
        out << generalHelp();
        return Done;
    }
    const Command *found = findCommand(rest.first());
    if (!found)
        return usage(QStringLiteral("unknown command '%1'").arg(rest.first()));
    command = rest.first();
    if (!parse(QStringList{kProgram} + rest.mid(1)))
        return Usage;
    if (parser.isSet(QStringLiteral("help"))) {
        out << QStringLiteral("Usage: %1 %2\n\n%3\n\n").arg(kProgram, QLatin1String(found->synopsis),
                                                        QLatin1String(found->description));
        // Qt's text after its own usage line: the options.
        out << parser.helpText().section(QLatin1Char('\n'), 2);
        return Done;
    }
    return dispatch(command);
}

int Session::usage(const QString &message, const QString &commandName)
{
    err << kProgram << ": " << message << '\n'
        << "Try '" << kProgram << ' ' << (commandName.isEmpty() ? QString() : commandName + ' ') << "--help'.\n";
    return Usage;
}

bool Session::parse(const QStringList &arguments)
{
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("This help.")));
    for (const Option &o : kOptions) {
        if (!takes(o, command))
            continue;
        parser.addOption(o.value ? QCommandLineOption(QLatin1String(o.name), QLatin1String(o.help), QLatin1String(o.value))
                                 : QCommandLineOption(QLatin1String(o.name), QLatin1String(o.help)));
    }
    if (command == QLatin1String("convert")) {
        parser.addPositionalArgument(QStringLiteral("INPUT"), QStringLiteral("The channel file to read."));
        parser.addPositionalArgument(QStringLiteral("OUTPUT"), QStringLiteral("The channel file to write."));
    }
    if (!parser.parse(arguments)) {
        usage(parser.errorText(), command);
        return false;
    }
    if (parser.isSet(QStringLiteral("help")))
        return true;
    const qsizetype positionals = command == QLatin1String("convert") ? 2 : 0;
    if (parser.positionalArguments().size() != positionals) {
        usage(positionals ? QStringLiteral("convert takes an INPUT and an OUTPUT file")
                          : QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().value(0)),
              command);
        return false;
    }
    const QStringList needed = command == QLatin1String("read")    ? QStringList{QStringLiteral("port"), QStringLiteral("output")}
                               : command == QLatin1String("ports") ? QStringList()
                               : command == QLatin1String("convert") ? QStringList()
                                                                     : QStringList{QStringLiteral("port"), QStringLiteral("input")};
    for (const QString &name : needed) {
        if (parser.value(name).isEmpty()) {
            usage(QStringLiteral("--%1 is missing").arg(name), command);
            return false;
        }
    }
    const QStringList exclusive{QStringLiteral("dry-run"), QStringLiteral("verify")};
    if (command == QLatin1String("write") && parser.isSet(exclusive[0]) && parser.isSet(exclusive[1])) {
        usage(QStringLiteral("--dry-run writes nothing, so there is nothing to --verify"), command);
        return false;
    }
    return true;
}

int Session::dispatch(const QString &name)
{
    if (name == QLatin1String("ports"))
        return ports();
    if (name == QLatin1String("convert"))
        return convert();
    int status = Usage;
    if (name == QLatin1String("read"))
        status = read();
    else if (name == QLatin1String("write"))
        status = write();
    else
        status = compare(name == QLatin1String("diff"));
    return finish(status);
}

int Session::ports()
{
    const QList<QSerialPortInfo> found = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : found)
        out << info.systemLocation() << '\t' << info.description() << '\n';
    if (found.isEmpty())
        err << "No serial ports found.\n";
    return Done;
}

int Session::convert()
{
    const QStringList files = parser.positionalArguments();
    QList<channel> analog;
    QList<DMR> dmr;
    if (!openInput(files.at(0), &analog, &dmr))
        return Usage;
    if (analog.isEmpty()) {
        err << QStringLiteral("%1 holds no channels; %2 was not written.\n").arg(files.at(0), files.at(1));
        return Usage;
    }
    return save(files.at(1), analog, dmr) ? Done : Usage;
}

bool Session::openInput(const QString &fileName, QList<channel> *analog, QList<DMR> *dmr)
{
    ChannelFileRecords records;
    QString reason, notes;
    if (!openChannelFile(fileName, &records, &reason, &notes)) {
        err << windowText("无法打开 %1：%2").arg(fileName, reason) << '\n';
        return false;
    }
    if (!notes.isEmpty())
        err << "warning: " << notes << '\n';
    // A CSV file has no DMR columns: its channels get a fresh radio's DMR settings, which is what a JSON
    // file made from it holds, and a write leaves the radio's DMR records alone.
    *analog = records.channels;
    *dmr = records.dmrs;
    if (dmr->isEmpty() && !isCsvFileName(fileName))
        return true;
    for (qsizetype i = dmr->size(); i < analog->size(); ++i) {
        DMR fresh;
        fresh.setChannelHigh(analog->at(i).channelHigh());
        fresh.setChannelLow(analog->at(i).channelLow());
        dmr->append(fresh);
    }
    return true;
}

bool Session::save(const QString &fileName, const QList<channel> &analog, const QList<DMR> &dmr, bool quietly)
{
    qsizetype saved = 0;
    QString reason;
    if (!saveChannelFile(fileName, analog, dmr, &saved, &reason)) {
        err << windowText("文件没有保存：%1").arg(reason) << '\n';
        return false;
    }
    if (!quietly)
        out << windowText("已将 %1 个信道保存到 %2").arg(saved).arg(fileName) << '\n';
    return true;
}

// The file's channels, or those of --channels among them, with names as the radio keeps them.
bool Session::selectChannels(const QString &fileName, QList<channel> *analog, QList<DMR> *dmr)
{
    QList<channel> fileAnalog;
    QList<DMR> fileDmr;
    if (!openInput(fileName, &fileAnalog, &fileDmr))
        return false;
    QMap<quint16, qsizetype> at;
    for (qsizetype i = 0; i < fileAnalog.size(); ++i)
        at.insert(fileAnalog.at(i).channelNumber(), i);
    QList<quint16> wanted = at.keys();
    if (parser.isSet(QStringLiteral("channels"))) {
        QString reason;
        if (!parseChannelList(parser.value(QStringLiteral("channels")), &wanted, &reason)) {
            usage(QStringLiteral("--channels: %1").arg(reason), command);
            return false;
        }
        QList<quint16> missing;
        for (const quint16 n : std::as_const(wanted))
            if (!at.contains(n))
                missing << n;
        // Naming a channel the file lacks is a mistake worth stopping for before the radio is touched.
        if (!missing.isEmpty()) {
            err << QStringLiteral("%1 holds no channel %2; nothing was done.\n").arg(fileName, compactChannelList(missing));
            return false;
        }
    }
    if (wanted.isEmpty()) {
        err << QStringLiteral("%1 holds no channels; nothing was done.\n").arg(fileName);
        return false;
    }
    const bool csv = isCsvFileName(fileName);
    for (const quint16 n : std::as_const(wanted)) {
        channel a = fileAnalog.at(at.value(n));
        a.setChannelName(radioName(a.channelName()));
        analog->append(a);
        if (csv)
            continue;
        DMR d = fileDmr.value(at.value(n));
        d.setChannelHigh(a.channelHigh());
        d.setChannelLow(a.channelLow());
        dmr->append(d);
    }
    return true;
}

bool Session::openPort()
{
    const QString path = parser.value(QStringLiteral("port"));
    if (engine.open(QSerialPortInfo(), path))
        return true;
    stopText = windowText("没有成功打开串口,") + QLatin1Char(' ') + path + QStringLiteral(": ") +
               engine.link().port().errorString();
    err << stopText << '\n';
    return false;
}

void Session::progress(const QString &verb, int done, int total)
{
    if (parser.isSet(QStringLiteral("quiet")) || total <= 0)
        return;
    const int percent = int(qint64(done) * 100 / total);
    if (bar) {
        if (percent == lastShown)
            return;
        constexpr int width = 30;
        const int filled = percent * width / 100;
        err << '\r' << verb.leftJustified(10) << '[' << QString(filled, QLatin1Char('#'))
            << QString(width - filled, QLatin1Char(' ')) << "] " << QString::number(percent).rightJustified(3)
            << '%' << (done == total ? "\n" : "");
    } else {
        // A log gets a line at each tenth.
        if (lastShown >= 0 && percent / 10 == lastShown / 10)
            return;
        err << verb << ": " << (percent / 10 * 10) << "%\n";
    }
    lastShown = percent;
    err.flush();
}

TransferEngine::Report Session::transfer(TransferEngine::Direction direction, int frames, const QString &verb,
                                         const std::function<bool()> &start)
{
    TransferEngine::Report report;
    QEventLoop loop;
    lastShown = -1;
    const QMetaObject::Connection answered = QObject::connect(&engine, &TransferEngine::frameAnswered, &loop,
        [&](TransferEngine::Direction d) {
            if (d == direction)
                progress(verb, engine.framesHandled(direction), frames);
        });
    const QMetaObject::Connection finished = QObject::connect(&engine, &TransferEngine::finished, &loop,
        [&](const TransferEngine::Report &r) {
            report = r;
            loop.quit();
        });
    progress(verb, 0, frames);
    if (start())
        loop.exec();
    QObject::disconnect(answered);
    QObject::disconnect(finished);
    // A bar cut short by a stop still ends its line.
    if (bar && lastShown >= 0 && lastShown < 100 && !parser.isSet(QStringLiteral("quiet")))
        err << '\n';
    return report;
}

TransferEngine::Report Session::readRadio(const QList<quint16> &numbers, QMap<quint16, channel> *analog,
                                          QMap<quint16, DMR> *dmr)
{
    QMap<quint16, channel> gotAnalog;
    QMap<quint16, DMR> gotDmr;
    const QMetaObject::Connection a = QObject::connect(&engine, &TransferEngine::analogRead, &engine,
                                                       [&](const channel &c) { gotAnalog.insert(c.channelNumber(), c); });
    const QMetaObject::Connection d = QObject::connect(&engine, &TransferEngine::dmrRead, &engine,
                                                       [&](const DMR &r) { gotDmr.insert(r.channelNumber(), r); });
    const TransferEngine::Report report = transfer(TransferEngine::Direction::Read, int(numbers.size()) * 2,
                                                   QStringLiteral("reading"), [&] { return engine.startRead(numbers); });
    QObject::disconnect(a);
    QObject::disconnect(d);
    for (const quint16 n : report.through) {
        analog->insert(n, gotAnalog.value(n));
        dmr->insert(n, gotDmr.value(n));
    }
    return report;
}

// A lost line or a silent radio ends the run; the channels not done are named as the window names them.
bool Session::stopped(const TransferEngine::Report &report)
{
    if (report.end != TransferEngine::End::Stopped)
        return false;
    const QString left = compactChannelList(report.notTransferred);
    if (report.why == TransferEngine::Stop::Silent) {
        stopText = windowText("电台没有应答，传输已停止。未传输的信道：%1").arg(left);
    } else {
        stopText = windowText("与串口的连接已断开：%1").arg(lostReason);
        if (!report.notTransferred.isEmpty())
            stopText += QLatin1Char('\n') + windowText("未传输的信道：%1").arg(left);
    }
    err << stopText << '\n';
    return true;
}

void Session::noteTransfer(const TransferEngine::Report &report)
{
    for (const quint16 n : report.channels) {
        Outcome o;
        const auto failure = report.failed.constFind(n);
        if (failure != report.failed.cend() && failure->kind == TransferEngine::Failure::StoredDifferently) {
            o.status = Outcome::Differs;
            o.fields = failure->fields;
        } else if (failure != report.failed.cend()) {
            o.status = Outcome::Failed;
            o.reason = windowText("无应答");
        } else if (report.notTransferred.contains(n)) {
            o.status = Outcome::Failed;
            o.reason = windowText("未传输");
        }
        outcomes.insert(n, o);
    }
}

void Session::compareWithRadio(const QList<channel> &analog, const QList<DMR> &dmr,
                               const QMap<quint16, channel> &radioAnalog, const QMap<quint16, DMR> &radioDmr)
{
    for (qsizetype i = 0; i < analog.size(); ++i) {
        const quint16 n = analog.at(i).channelNumber();
        if (!radioAnalog.contains(n))
            continue;
        // Without a DMR record from the file (CSV) the radio's own stands on both sides.
        const DMR radio = radioDmr.value(n);
        const QList<recordfields::Difference> found =
            recordfields::differences(radioAnalog.value(n), radio, analog.at(i), dmr.isEmpty() ? radio : dmr.at(i));
        Outcome o;
        o.status = found.isEmpty() ? Outcome::Same : Outcome::Differs;
        o.differences = found;
        outcomes.insert(n, o);
    }
}

TransferEngine::Report Session::readChannelsOf(const QList<channel> &records, QMap<quint16, channel> *analog,
                                               QMap<quint16, DMR> *dmr)
{
    QList<quint16> numbers;
    for (const channel &c : records)
        numbers << c.channelNumber();
    const TransferEngine::Report report = readRadio(numbers, analog, dmr);
    noteTransfer(report);
    return report;
}

int Session::read()
{
    QList<quint16> numbers;
    QString reason;
    const QString list = parser.isSet(QStringLiteral("channels")) ? parser.value(QStringLiteral("channels"))
                                                                  : QStringLiteral("0-999");
    if (!parseChannelList(list, &numbers, &reason))
        return usage(QStringLiteral("--channels: %1").arg(reason), command);
    if (!openPort())
        return LineDown;
    QMap<quint16, channel> analog;
    QMap<quint16, DMR> dmr;
    const TransferEngine::Report report = readRadio(numbers, &analog, &dmr);
    noteTransfer(report);
    // A stopped read saves nothing: a partial file must not replace an earlier, whole one.
    if (stopped(report))
        return LineDown;
    printOutcomes(QStringLiteral("read"), false);
    if (!analog.isEmpty() && !save(parser.value(QStringLiteral("output")), analog.values(), dmr.values()))
        return Usage;
    return report.notTransferred.isEmpty() ? Done : Failed;
}

int Session::write()
{
    QList<channel> analog;
    QList<DMR> dmr;
    if (!selectChannels(parser.value(QStringLiteral("input")), &analog, &dmr))
        return Usage;
    const bool dryRun = parser.isSet(QStringLiteral("dry-run"));
    const bool onlyChanged = parser.isSet(QStringLiteral("only-changed"));
    const QString backup = parser.value(QStringLiteral("backup"));
    if (!openPort())
        return LineDown;

    if (dryRun || onlyChanged || !backup.isEmpty()) {
        QMap<quint16, channel> radioAnalog;
        QMap<quint16, DMR> radioDmr;
        const TransferEngine::Report before = readChannelsOf(analog, &radioAnalog, &radioDmr);
        if (stopped(before))
            return LineDown;
        if (!backup.isEmpty()) {
            // A backup without every channel is none: nothing is written then.
            if (!before.notTransferred.isEmpty()) {
                printOutcomes(QStringLiteral("backup read"), false);
                err << QStringLiteral("The backup is incomplete; it was not saved and nothing was written.\n");
                return Failed;
            }
            if (!save(backup, radioAnalog.values(), radioDmr.values()))
                return Usage;
        }
        compareWithRadio(analog, dmr, radioAnalog, radioDmr);
        if (dryRun) {
            printOutcomes(QStringLiteral("dry run, nothing written"), true);
            return std::all_of(outcomes.cbegin(), outcomes.cend(), [](const Outcome &o) { return o.status == Outcome::Same; })
                       ? Done
                       : Failed;
        }
        if (onlyChanged) {
            // Channels the read did not get are written too: nothing shows they are as in the file.
            const auto same = [this](quint16 n) { return outcomes.value(n).status == Outcome::Same; };
            analog.erase(std::remove_if(analog.begin(), analog.end(),
                                        [&](const channel &c) { return same(c.channelNumber()); }),
                         analog.end());
            dmr.erase(std::remove_if(dmr.begin(), dmr.end(), [&](const DMR &d) { return same(d.channelNumber()); }),
                      dmr.end());
            if (analog.isEmpty()) {
                printOutcomes(QStringLiteral("write"), false);
                return Done;
            }
        }
    }

    const bool verify = parser.isSet(QStringLiteral("verify"));
    const int frames = int(analog.size() + dmr.size()) * (verify ? 2 : 1);
    const TransferEngine::Report report = transfer(TransferEngine::Direction::Write, frames, QStringLiteral("writing"),
                                                   [&] { return engine.startWrite(analog, dmr, verify); });
    noteTransfer(report);
    if (stopped(report))
        return LineDown;
    printOutcomes(verify ? QStringLiteral("write and verify") : QStringLiteral("write"), false);
    return report.failed.isEmpty() && report.notTransferred.isEmpty() ? Done : Failed;
}

int Session::compare(bool showValues)
{
    QList<channel> analog;
    QList<DMR> dmr;
    if (!selectChannels(parser.value(QStringLiteral("input")), &analog, &dmr))
        return Usage;
    if (!openPort())
        return LineDown;
    QMap<quint16, channel> radioAnalog;
    QMap<quint16, DMR> radioDmr;
    if (stopped(readChannelsOf(analog, &radioAnalog, &radioDmr)))
        return LineDown;
    compareWithRadio(analog, dmr, radioAnalog, radioDmr);
    printOutcomes(showValues ? QStringLiteral("diff") : QStringLiteral("verify"), showValues);
    return std::all_of(outcomes.cbegin(), outcomes.cend(), [](const Outcome &o) { return o.status == Outcome::Same; })
               ? Done
               : Failed;
}

// One line per channel not done or the same, in channel order, then a count of each kind.
void Session::printOutcomes(const QString &summaryVerb, bool showValues)
{
    int counts[4] = {0, 0, 0, 0};
    for (auto it = outcomes.cbegin(); it != outcomes.cend(); ++it) {
        ++counts[it->status];
        if (it->status == Outcome::Failed) {
            out << it.key() << ": " << it->reason << '\n';
        } else if (it->status == Outcome::Differs && showValues) {
            QStringList parts;
            for (const recordfields::Difference &d : it->differences)
                parts << QStringLiteral("%1: %2 -> %3").arg(d.field, d.first, d.second);
            out << it.key() << ": " << parts.join(QStringLiteral("; ")) << '\n';
        } else if (it->status == Outcome::Differs) {
            QStringList fields = it->fields;
            for (const recordfields::Difference &d : it->differences)
                fields << d.field;
            out << it.key() << ": " << windowText("存储内容不同：%1").arg(fields.join(QStringLiteral(", "))) << '\n';
        }
    }
    QStringList parts;
    for (int s = 0; s < 4; ++s)
        if (counts[s] || s == Outcome::Done)
            parts << QStringLiteral("%1 %2").arg(counts[s]).arg(statusName(Outcome::Status(s)));
    if (!counts[Outcome::Done] && (counts[Outcome::Same] || counts[Outcome::Differs]))
        parts.removeFirst();
    out << summaryVerb << ": " << outcomes.size() << " channels, " << parts.join(QStringLiteral(", ")) << '\n';
}

int Session::finish(int status)
{
    out.flush();
    if (parser.isSet(QStringLiteral("report")) && !writeReport(status))
        return std::max(status, int(Usage));
    return status;
}

bool Session::writeReport(int status)
{
    QJsonArray channels;
    for (auto it = outcomes.cbegin(); it != outcomes.cend(); ++it) {
        QJsonObject entry{{QStringLiteral("channel"), it.key()}, {QStringLiteral("status"), statusName(it->status)}};
        if (it->status == Outcome::Failed)
            entry.insert(QStringLiteral("reason"), it->reason);
        if (it->status == Outcome::Differs) {
            QJsonArray fields;
            for (const QString &f : it->fields)
                fields.append(QJsonObject{{QStringLiteral("field"), f}});
            for (const recordfields::Difference &d : it->differences)
                fields.append(QJsonObject{{QStringLiteral("field"), d.field},
                                          {QStringLiteral("radio"), d.first},
                                          {QStringLiteral("file"), d.second}});
            entry.insert(QStringLiteral("fields"), fields);
        }
        channels.append(entry);
    }
    QJsonObject report{{QStringLiteral("command"), command},
                       {QStringLiteral("port"), parser.value(QStringLiteral("port"))},
                       {QStringLiteral("exitStatus"), status},
                       {QStringLiteral("stopped"), stopText},
                       {QStringLiteral("channels"), channels}};
    QString reason;
    const QString fileName = parser.value(QStringLiteral("report"));
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(QJsonDocument(report).toJson(QJsonDocument::Indented)) < 0) {
        err << QStringLiteral("The report was not written to %1: %2\n").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err, bool progressBar)
{
    Session session(out, err, progressBar);
    const int status = session.exec(arguments);
    out.flush();
    err.flush();
    return status;
}

} // namespace cli
