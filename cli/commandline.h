// The command-line tool's subcommands (ports, read, write, verify, diff, convert) as one callable run.
#pragma once

#include <QStringList>

class QTextStream;

namespace cli
{

// How a run ends, as the process's exit status.
enum Exit {
    Done = 0,      // everything done, or no difference
    Failed = 1,    // some channels failed or differ
    Usage = 2,     // bad usage, or a file that cannot be read or written
    LineDown = 3,  // the port cannot be opened, the line is lost, or the radio does not answer
};

// Runs one command line (arguments[0] is the program) to its end, with an event loop of its own while the
// radio is talked to. Results go to out, progress and errors to err; progressBar draws a bar in place of
// the lines a log gets. Needs a QCoreApplication.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err, bool progressBar);

} // namespace cli
