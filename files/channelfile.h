// The JSON channel file format: one entry per channel, joining its analog and DMR records.
#pragma once

#include "channel.h"
#include "dmr.h"

#include <QJsonObject>
#include <QList>
