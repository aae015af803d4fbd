// The wire protocol's fixed numbers: command bytes, frame sizes and the offsets every frame shares.
#pragma once

#include <QtGlobal>

namespace wire
{

// Commands of the terminal; a reply carries the command byte of the request it answers.
constexpr quint8 kWriteAnalog = 0x40;
constexpr quint8 kReadAnalog = 0x41;
constexpr quint8 kWriteDmr = 0x43;
constexpr quint8 kReadDmr = 0x44;
// A valid frame of command 0x47 may arrive as well. The terminal sends no such command, so it
// answers nothing in flight and carries nothing the terminal keeps: it is consumed like any valid
// frame, then dropped without a handler and without the log lines of a reply.
constexpr quint8 kStatus = 0x47;

// Every frame starts with four header bytes, then its size byte and its command byte.
constexpr quint8 kHeaderByte = 0xA5;
constexpr int kHeaderLength = 4;
constexpr int kSizeOffset = 4;
constexpr int kCommandOffset = 5;
// The size byte counts the bytes after itself; the header and the size byte make up the rest.
constexpr int kSizeToLength = 5;
// The size of a write frame and of a whole answer to a read (34 bytes on the wire), and that of a
// read request (10 bytes).
constexpr quint8 kRecordSize = 29;
constexpr quint8 kRequestSize = 5;
// The shortest frame with a CRC to check: header, size, command, one payload byte, two CRC bytes.
constexpr int kMinFrameLength = 7;
constexpr int kMaxFrameLength = 255 + kSizeToLength;
// The analog name, zero-filled to its full length in every frame the terminal sends.
constexpr int kNameOffset = 20;
constexpr int kNameLength = 12;

// Numbers of several bytes go most significant byte first.
inline quint32 be32(const quint8 *bytes)
{
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8) |
           quint32(bytes[3]);
}

} // namespace wire
