// Column numbers of the channel table and the item roles that carry DMR bytes without a column.
#pragma once

#include <Qt>

enum TableColumn {
    ColCheck = 0,
    ColChannel = 1,
    ColName = 2,
    ColVfoaFreq = 3,
    ColVfobFreq = 4,
    ColVfoaMode = 5,
    ColVfobMode = 6,
    ColEmitYayin = 7,
    ColReceiveYayin = 8,
    ColCallType = 9,
    ColTxCc = 10,
    ColRxCc = 11,
    ColSlot = 12,
    ColCallId = 13,
    ColOwnId = 14,
    ColChType = 15,
    ColRxCtcss = 16,
    ColTxCtcss = 17,
    ColSqlevel = 18,
    ColumnCount = 19,
};

// DMR bytes without a column of their own ride along on the channel-number item, so that a channel
// read from the radio or a file goes back out with the radio's own settings. Rows never filled from
// a record have none of these roles set and send the record defaults.
enum KeptRole {
    RoleSpkgain = Qt::UserRole + 1,
    RoleDmodGain,
    RoleScrEn,
    RoleScrSeed1,
    RoleScrSeed2,
    RoleChBsMode,
};
