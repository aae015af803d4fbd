// radio-sim: the simulated radio as a program; prints its line's path and answers until stopped.
#include "radiosim.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGINT, SIGTERM and SIGHUP end the event loop normally, so the memory is saved and the link removed.
bool catchStopSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(qintptr(signalPipe[0]), QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [notifier] {
        notifier->setEnabled(false);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(sig, &action, nullptr);
    return true;
}

void complain(const QString &text)
{
    std::fprintf(stderr, "radio-sim: %s\n", qPrintable(text));
}

bool parseProbability(const QCommandLineParser &parser, const QString &name, double *out)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const double value = parser.value(name).toDouble(&ok);
    if (!ok || value < 0 || value > 1) {
        complain(QStringLiteral("--%1 wants a probability from 0 to 1").arg(name));
        return false;
    }
    *out = value;
    return true;
}

bool parseCount(const QCommandLineParser &parser, const QString &name, int minimum, int *out)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        complain(QStringLiteral("--%1 wants a whole number of at least %2").arg(name).arg(minimum));
        return false;
    }
    *out = value;
    return true;
}

// A stale link from a simulator that was killed is replaced; anything else at that path is kept.
bool makeLink(const QString &link, const QString &target)
{
    const QFileInfo info(link);
    if (info.isSymLink()) {
        QFile::remove(link);
    } else if (info.exists()) {
        complain(QStringLiteral("%1 exists and is not a symbolic link").arg(link));
        return false;
    }
    if (!QFile::link(target, link)) {
        complain(QStringLiteral("cannot create the link %1").arg(link));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("radio-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TERMIAL_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated radio on a pseudo-terminal. Prints the line's path as the first line of its\n"
        "output, answers read and write requests from its channel memory, and runs until it is\n"
        "stopped (Ctrl-C, SIGTERM) or hangs up (--die-after)."));
    parser.addHelpOption();
    // Only the long form: -v is --verbose here, older than the version option.
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Displays version information."));
    parser.addOption(version);
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Also reach the line through a symbolic link at <path>."),
         QStringLiteral("path")},
        {QStringLiteral("memory"),
         QStringLiteral("Load the channel memory from this channel file (if it exists) and save it "
                        "there on exit."),
         QStringLiteral("file")},
        {QStringLiteral("short-ack"),
         QStringLiteral("Acknowledge writes with a minimal frame instead of the echo.")},
        {QStringLiteral("short-read"),
         QStringLiteral("Answer reads with a frame that names the channel but stops short of the record.")},
        {QStringLiteral("seed"), QStringLiteral("Seed of every random fault (default 1)."),
         QStringLiteral("n")},
        {QStringLiteral("drop"), QStringLiteral("Leave an answer out with probability <p>."),
         QStringLiteral("p")},
        {QStringLiteral("corrupt"), QStringLiteral("Flip a byte of an answer with probability <p>."),
         QStringLiteral("p")},
        {QStringLiteral("garbage"),
         QStringLiteral("Send 1 to 8 noise bytes (never 0xA5) before an answer with probability <p>."),
         QStringLiteral("p")},
        {QStringLiteral("stray-a5"),
         QStringLiteral(
             "Send a lone 0xA5 byte (a false header start) before an answer with probability <p>."),
         QStringLiteral("p")},
        {QStringLiteral("delay"), QStringLiteral("Answer <ms> milliseconds after the request."),
         QStringLiteral("ms")},
        {QStringLiteral("chunk"),
         QStringLiteral("Write answers in pieces of <n> bytes, or of 1 to 16 bytes with 'random'."),
         QStringLiteral("n|random")},
        {QStringLiteral("baud"), QStringLiteral("Pace the answers to <n> bit/s (10 bits per byte)."),
         QStringLiteral("n")},
        {QStringLiteral("die-after"), QStringLiteral("Hang up after <n> answers, then exit."),
         QStringLiteral("n")},
        {{QStringLiteral("v"), QStringLiteral("verbose")},
         QStringLiteral("Log every frame received and sent, in hex, on stderr.")},
    });
    parser.process(app);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty()) {
        complain(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return 2;
    }

    RadioSimOptions options;
    options.shortAck = parser.isSet(QStringLiteral("short-ack"));
    options.shortRead = parser.isSet(QStringLiteral("short-read"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    int seed = int(options.seed);
    int chunk = 0;
    if (!parseProbability(parser, QStringLiteral("drop"), &options.drop) ||
        !parseProbability(parser, QStringLiteral("corrupt"), &options.corrupt) ||
        !parseProbability(parser, QStringLiteral("garbage"), &options.garbage) ||
        !parseProbability(parser, QStringLiteral("stray-a5"), &options.strayA5) ||
        !parseCount(parser, QStringLiteral("seed"), 0, &seed) ||
        !parseCount(parser, QStringLiteral("delay"), 0, &options.delayMs) ||
        !parseCount(parser, QStringLiteral("baud"), 1, &options.baud) ||
        !parseCount(parser, QStringLiteral("die-after"), 0, &options.dieAfter))
        return 2;
    options.seed = quint32(seed);
    if (parser.value(QStringLiteral("chunk")) == QLatin1String("random"))
        options.randomChunk = true;
    else if (!parseCount(parser, QStringLiteral("chunk"), 1, &chunk))
        return 2;
    options.chunk = chunk;

    RadioSim sim(options);
    const QString memory = parser.value(QStringLiteral("memory"));
    QString error;
    // A file that exists but cannot be read is never overwritten: the run stops instead.
    if (!memory.isEmpty() && QFileInfo::exists(memory) && !sim.loadMemory(memory, &error)) {
        complain(QStringLiteral("cannot load %1: %2").arg(memory, error));
        return 1;
    }
    if (!catchStopSignals(app)) {
        complain(QStringLiteral("cannot watch for signals"));
        return 1;
    }
    if (!sim.open(&error)) {
        complain(error);
        return 1;
    }
    // The link comes first: whoever reads the path may use the link at once.
    const QString link = parser.value(QStringLiteral("link"));
    if (!link.isEmpty() && !makeLink(link, sim.slavePath()))
        return 1;
    std::printf("%s\n", qPrintable(sim.slavePath()));
    std::fflush(stdout);

    QObject::connect(&sim, &RadioSim::hungUp, &app, &QCoreApplication::quit);
    int status = app.exec();

    sim.close();
    if (!link.isEmpty() && QFileInfo(link).symLinkTarget() == sim.slavePath())
        QFile::remove(link);
    if (!memory.isEmpty() && !sim.saveMemory(memory, &error)) {
        complain(QStringLiteral("cannot save %1: %2").arg(memory, error));
        status = 1;
    }
    return status;
}
