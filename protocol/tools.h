// Frame building helpers (CRC, header) and the receive buffer that cuts frames from a byte stream.
#pragma once

#include <QByteArray>
#include <QObject>

class Tools : public QObject
{
    Q_OBJECT
public:
    explicit Tools(QObject *parent = nullptr);

    // CRC-16/CCITT-FALSE (poly 0x1021, init 0xFFFF, no reflection, no final xor).
    static quint16 crc16(const quint8 *data, quint8 length);

    // Appends crc16 of the whole array, high byte first.
    static void appendCrc(QByteArray &frame);
    // Puts the four 0xA5 header bytes in front.
    static void prependHeader(QByteArray &frame);

    // Receive path: appends bytes to the buffer and returns the first complete, valid frame
    // (or an empty array). Defined with the serial receive code.
    //
    // One frame per call; bytes behind it wait for the next call. A candidate that fails its
    // checks costs only its first header byte, so a frame inside it is still found, and while the
    // first candidate is incomplete a complete valid frame at a later header is taken at once.
    // Between calls the buffer starts with a header, or holds at most three trailing 0xA5 bytes.
    QByteArray extractFrame(const QByteArray &bytes);
    bool checkFrame(const QByteArray &frame);

    const QByteArray &buffer() const { return m_buffer; }

private:
    void dropUnusable();
    void consume(qsizetype count);

    QByteArray m_buffer;
    // The look-ahead for a later frame has already checked every candidate ending before this.
    qsizetype m_searchedEnd = 0;
};
