// Builds the first transmission of analog channel frames (0x40 write, 0x41 read).
#pragma once

#include "channel.h"
#include "tools.h"

class Channel_Service : public QObject
{
    Q_OBJECT
public:
    explicit Channel_Service(QObject *parent = nullptr);

    QByteArray buildWriteFrame(const channel &record);
    QByteArray buildReadFrame(const channel &record);

private:
    Tools tools;
};
