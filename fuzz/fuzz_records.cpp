// Fuzz target for the record decoders: channel::fromFrame and DMR::fromFrame on input of any length.
#include "channel.h"
#include "dmr.h"
#include "fuzz_common.h"
#include "tools.h"

#include <cstddef>
#include <cstdint>

namespace
{

using ChannelGetter = quint8 (channel::*)() const;
using DmrGetter = quint8 (DMR::*)() const;

// Frame offsets 0..19 of an analog frame; the name starts at 20.
constexpr ChannelGetter kChannelFields[] = {
    &channel::startBit1,      &channel::startBit2,      &channel::startBit3,      &channel::startBit4,
    &channel::size,           &channel::command,        &channel::channelHigh,    &channel::channelLow,
    &channel::vfoaMode,       &channel::vfobMode,       &channel::vfoaFrequency1, &channel::vfoaFrequency2,
    &channel::vfoaFrequency3, &channel::vfoaFrequency4, &channel::vfobFrequency1, &channel::vfobFrequency2,
    &channel::vfobFrequency3, &channel::vfobFrequency4, &channel::emitYayin,      &channel::receiveYayin};
constexpr int kChannelFieldCount = int(sizeof(kChannelFields) / sizeof(kChannelFields[0]));

// Frame offsets 0..31 of a DMR frame; the CRC follows at 32 and 33.
constexpr DmrGetter kDmrFields[] = {
    &DMR::startBit1,   &DMR::startBit2,  &DMR::startBit3,  &DMR::startBit4, &DMR::size,     &DMR::command,
    &DMR::channelHigh, &DMR::channelLow, &DMR::callFormat, &DMR::txCc,      &DMR::rxCc,     &DMR::slot,
    &DMR::callId1,     &DMR::callId2,    &DMR::callId3,    &DMR::callId4,   &DMR::ownId1,   &DMR::ownId2,
    &DMR::ownId3,      &DMR::ownId4,     &DMR::chType,     &DMR::rxCtcss,   &DMR::txCtcss,  &DMR::sqlevel,
    &DMR::spkgain,     &DMR::dmrexist,   &DMR::dmodGain,   &DMR::scrEn,     &DMR::scrSeed1, &DMR::scrSeed2,
    &DMR::chBsMode,    &DMR::validat};
constexpr int kDmrFieldCount = int(sizeof(kDmrFields) / sizeof(kDmrFields[0]));

quint8 at(const QByteArray &bytes, qsizetype i)
{
    return quint8(bytes.at(i));
}

bool crcHolds(const QByteArray &frame)
{
    // The CRC covers offset 4 up to the two CRC bytes.
    const QByteArray covered = frame.mid(4, frame.size() - 6);
    QByteArray expected = covered;
    Tools::appendCrc(expected);
    return frame.right(2) == expected.right(2);
}

// Frames shorter than a CRC-checked minimum (7 bytes) carry no CRC; from 7 bytes on the last two are it.
constexpr int kMinFrame = 7;

void checkChannel(const QByteArray &frame)
{
    const channel fresh;
    channel c;
    c.fromFrame(frame);
    const qsizetype len = frame.size();
    const bool hasCrc = len >= kMinFrame;
    const qsizetype reached = qMin<qsizetype>(kChannelFieldCount, hasCrc ? len - 2 : len);
    for (int i = 0; i < kChannelFieldCount; ++i) {
        const quint8 expected = i < reached ? at(frame, i) : (fresh.*kChannelFields[i])();
        FUZZ_CHECK((c.*kChannelFields[i])() == expected, frame);
    }
    FUZZ_CHECK(c.channelName() == (len >= 22 ? frame.mid(20, len - 22) : fresh.channelName()), frame);
    FUZZ_CHECK(c.crcHigh() == (hasCrc ? at(frame, len - 2) : fresh.crcHigh()), frame);
    FUZZ_CHECK(c.crcLow() == (hasCrc ? at(frame, len - 1) : fresh.crcLow()), frame);

    const QByteArray write = c.toWriteFrame();
    const QByteArray name = c.channelName();
    FUZZ_CHECK(write.size() == 4 + kChannelFieldCount - 4 + name.size() + 2, frame);
    FUZZ_CHECK(write.startsWith(QByteArray(4, char(0xA5))), frame);
    for (int i = 4; i < kChannelFieldCount; ++i)
        FUZZ_CHECK(at(write, i) == (c.*kChannelFields[i])(), frame);
    FUZZ_CHECK(write.mid(kChannelFieldCount, name.size()) == name, frame);
    FUZZ_CHECK(crcHolds(write), frame);
    // A complete frame comes back byte for byte apart from its header and a fresh CRC.
    if (len >= 22)
        FUZZ_CHECK(write.size() == len && write.mid(4, len - 6) == frame.mid(4, len - 6), frame);

    const QByteArray read = c.toReadFrame();
    FUZZ_CHECK(read.size() == 10, frame);
    for (int i = 0; i < 8; ++i)
        FUZZ_CHECK(at(read, i) == (c.*kChannelFields[i])(), frame);
    FUZZ_CHECK(crcHolds(read), frame);

    // A copy decodes nothing new and builds the same frames.
    const channel copy(c);
    FUZZ_CHECK(copy.toWriteFrame() == write && copy.toReadFrame() == read, frame);
}

void checkDmr(const QByteArray &frame)
{
    const DMR fresh;
    DMR d;
    d.fromFrame(frame);
    const qsizetype len = frame.size();
    const bool full = len >= kDmrFieldCount + 2;
    const bool hasCrc = len >= kMinFrame;
    const qsizetype reached = full ? kDmrFieldCount : (hasCrc ? len - 2 : len);
    for (int i = 0; i < kDmrFieldCount; ++i) {
        const quint8 expected = i < reached ? at(frame, i) : (fresh.*kDmrFields[i])();
        FUZZ_CHECK((d.*kDmrFields[i])() == expected, frame);
    }
    const qsizetype crcAt = full ? kDmrFieldCount : len - 2;
    FUZZ_CHECK(d.crcHigh() == (hasCrc ? at(frame, crcAt) : fresh.crcHigh()), frame);
    FUZZ_CHECK(d.crcLow() == (hasCrc ? at(frame, crcAt + 1) : fresh.crcLow()), frame);

    const QByteArray write = d.toWriteFrame();
    FUZZ_CHECK(write.size() == 34, frame);
    FUZZ_CHECK(write.startsWith(QByteArray(4, char(0xA5))), frame);
    for (int i = 4; i < kDmrFieldCount; ++i)
        FUZZ_CHECK(at(write, i) == (d.*kDmrFields[i])(), frame);
    FUZZ_CHECK(crcHolds(write), frame);
    if (full)
        FUZZ_CHECK(write.mid(4, 28) == frame.mid(4, 28), frame);

    const QByteArray read = d.toReadFrame();
    FUZZ_CHECK(read.size() == 10, frame);
    FUZZ_CHECK(read.startsWith(QByteArray(4, char(0xA5))), frame);
    for (int i = 4; i < 8; ++i)
        FUZZ_CHECK(at(read, i) == (d.*kDmrFields[i])(), frame);
    FUZZ_CHECK(crcHolds(read), frame);

    DMR assigned;
    assigned = d;
    FUZZ_CHECK(assigned.toWriteFrame() == write && assigned.toReadFrame() == read, frame);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::quietLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray frame(reinterpret_cast<const char *>(data), qsizetype(size));
    checkChannel(frame);
    checkDmr(frame);
    return 0;
}
