// The program's one way of writing debug log lines and of rendering bytes as hex.
#pragma once

#include <QByteArray>
#include <QDebug>
#include <QString>

namespace tlog
{

// Bytes as space-separated lower-case hex pairs: "a5 a5 05 41".
QString hex(const QByteArray &bytes);

// A line of the main window: "hh:mm:ss.zzz termial:[<line>]<method>()", then the items.
QDebug window(int line, const char *method);
// A line of the frame sender: "channel:[<line>]<method>()", then the items, no time.
QDebug channel(int line, const char *method);
// A line without prefix (the frame cutter and checker write these).
QDebug plain();

} // namespace tlog

// Items streamed after these are separated by single spaces and strings stay unquoted.
#define WLOG() tlog::window(__LINE__, __func__)
#define CLOG() tlog::channel(__LINE__, __func__)
#define PLOG() tlog::plain()
