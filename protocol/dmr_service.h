// Builds the first transmission of DMR channel frames (0x43 write, 0x44 read).
#pragma once

#include "dmr.h"
#include "tools.h"

class Dmr_Service : public QObject
{
    Q_OBJECT
public:
    explicit Dmr_Service(QObject *parent = nullptr);

    QByteArray buildWriteFrame(const DMR &record);
    QByteArray buildReadFrame(const DMR &record);

private:
    Tools tools;
};
