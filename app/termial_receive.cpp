// The receive path: cut replies from the port's bytes and hand each to its command's handler.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "wire.h"

void termial::currentSerialport_readyRead()
{
    const QByteArray bytes = currentSerialport.readAll();
    if (bytes.isEmpty()) {
        WLOG() << "没有读取到任何数据，但触发了串口有数据可读?";
        return;
    }
    const QByteArray frame = rxTools.extractFrame(bytes);
    if (frame.isEmpty())
        return;
    handleReply(frame);
    // One reply per pass, as always; but a second reply the same chunk completed must not sit in
    // the buffer until unrelated bytes arrive (read and write under way together, answers held up
    // on the line): it would run into its command's time-out though it came in time. Only a buffer
    // that can hold a whole frame is worth the extra pass of the event loop.
    if (rxTools.buffer().size() >= wire::kMinFrameLength)
        QMetaObject::invokeMethod(this, &termial::takeBufferedReply, Qt::QueuedConnection);
}

void termial::takeBufferedReply()
{
    const QByteArray frame = rxTools.extractFrame(QByteArray());
    if (frame.isEmpty())
        return;
    handleReply(frame);
    if (rxTools.buffer().size() >= wire::kMinFrameLength)
        QMetaObject::invokeMethod(this, &termial::takeBufferedReply, Qt::QueuedConnection);
}

void termial::handleReply(const QByteArray &frame)
{
    // Any valid frame shows that something answers on the line.
    silentSkips = 0;
    // Fresh decode targets for every reply, so nothing of an earlier reply leaks into this one.
    channel analog;
    DMR dmr;
    const quint8 command = quint8(frame.at(wire::kCommandOffset));
    if (command != wire::kStatus)
        WLOG() << "判断数据合法性结束"
               << "\n\t" + tlog::hex(frame);

    switch (command) {
    case wire::kWriteAnalog:
        analog.fromFrame(frame);
        serialHandleCommand0x40(analog);
        break;
    case wire::kReadAnalog:
        analog.fromFrame(frame);
        serialHandleCommand0x41(analog);
        break;
    case wire::kWriteDmr:
        dmr.fromFrame(frame);
        serialHandleCommand0x43(dmr);
        break;
    case wire::kReadDmr:
        dmr.fromFrame(frame);
        // A reply too short to hold chType shows the record's default.
        WLOG() << "0x44chTypes - "
               << int(qint8(frame.size() > DMR::ChType ? quint8(frame.at(DMR::ChType)) : dmr.chType()));
        serialHandleCommand0x44(dmr);
        break;
    default:
        break;
    }
}
