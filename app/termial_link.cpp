// The serial link: port list, device paths and the connect/disconnect toggle.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"

#include <QComboBox>

void termial::addPortPath(const QString &path)
{
    if (path.isEmpty() || portPaths.contains(path))
        return;
    portPaths.append(path);
    // Refilled as a refresh does, so the combo box and the port a connect opens follow.
    serialportFlashBtn_clicked();
}

void termial::fillPortList()
{
    ui->serialport_comboBox->clear();
    portInfoList.clear();

    // The system neither lists nor describes these (pseudo-terminals, say): a null info keeps
    // portInfoList one entry per item, and the path itself is what a connect opens.
    for (const QString &path : std::as_const(portPaths)) {
        ui->serialport_comboBox->addItem(path);
        portInfoList.append(QSerialPortInfo());
    }

    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports) {
        ui->serialport_comboBox->addItem(info.portName());
        portInfoList.append(info);
    }
    fitPortBox();

    if (!portPaths.isEmpty()) {
        currentPortInfo = QSerialPortInfo();
        currentPortPath = portPaths.first();
        return;
    }
    for (const QSerialPortInfo &info : ports) {
        if (!info.isNull()) {
            currentPortInfo = info;
            break;
        }
    }
}

void termial::serialportFlashBtn_clicked()
{
    disconnect(ui->serialport_comboBox, &QComboBox::currentIndexChanged, this,
               &termial::serialportComboBox_currentIndexChanged);
    fillPortList();
    connect(ui->serialport_comboBox, &QComboBox::currentIndexChanged, this,
            &termial::serialportComboBox_currentIndexChanged);
}

void termial::serialportComboBox_currentIndexChanged(int index)
{
    if (index < 0 || index >= portInfoList.size())
        return;
    currentPortInfo = portInfoList.at(index);
    currentPortPath = index < portPaths.size() ? portPaths.at(index) : QString();
    WLOG() << (currentPortPath.isEmpty() ? currentPortInfo.portName() : currentPortPath);
}

void termial::serialportLinkBtn_clicked()
{
    if (isConnected)
        closeLink();
    else
        openLink();
}

void termial::openLink()
{
    serialPort.configurePort(currentPortInfo, currentSerialport);
    QString path = currentPortPath;
    // A path typed into the box, not one of its items, is opened as it stands.
    QComboBox *box = ui->serialport_comboBox;
    const QString typed = box->currentText().trimmed();
    if (!typed.isEmpty() && (box->currentIndex() < 0 || box->itemText(box->currentIndex()) != typed))
        path = typed;
    if (!path.isEmpty())
        currentSerialport.setPortName(path);

    if (!currentSerialport.open(QIODevice::ReadWrite)) {
        const QString reason = currentSerialport.errorString();
        WLOG() << "没有成功打开串口" << reason;
        QString text = tr("没有成功打开串口,") + reason;
        if (currentSerialport.error() == QSerialPort::PermissionError) {
            const QString hint = permissionHint(path.isEmpty() ? currentPortInfo.systemLocation() : path);
            if (!hint.isEmpty())
                text += QLatin1Char('\n') + hint;
        }
        seams::warning(this, tr("警告"), text);
        return;
    }
    // Bytes the system queued before the open belong to no request of ours.
    currentSerialport.clear();

    // A pseudo-terminal has no modem lines: both report false with UnsupportedOperationError,
    // which is no reason to give up the link.
    WLOG() << "连接 DTR: " << (currentSerialport.isDataTerminalReady() ? "true" : "false");
    WLOG() << "连接 RTS: " << (currentSerialport.isRequestToSend() ? "true" : "false");

    isConnected = true;
    updateControls();
    linkPath = path.isEmpty() ? currentPortInfo.systemLocation() : path;
    showStatus([this, opened = linkPath] { return tr("已连接到 %1").arg(opened); });
}

QList<quint16> termial::closeLink(bool lost)
{
    // The port is closed first, so that its lock file and descriptor are gone whatever follows;
    // close() gives up both even when the device has already vanished.
    if (currentSerialport.isOpen()) {
        linkClosing = true;
        currentSerialport.close();
        linkClosing = false;
    }
    silentSkips = 0;
    // A transfer cannot outlive its line. Closing by hand is the person's own stop; a lost line
    // leaves the channels it did not get through named in the box that reports the loss.
    QList<quint16> notTransferred;
    const char *why = QT_TR_NOOP("与串口的连接已断开");
    bool ended = false;
    for (const Direction direction : {Direction::Write, Direction::Read}) {
        if (direction == Direction::Write ? isSending : isReading) {
            notTransferred +=
                finishTransfer(direction, lost ? TransferEnd::Stopped : TransferEnd::Cancelled, why);
            ended = true;
        }
    }
    // A transfer that ended with the link has said so; otherwise the line says the link is gone.
    if (!ended) {
        showStatus([this, lost, why, closed = linkPath] { return lost ? tr(why) : tr("已断开 %1").arg(closed); });
    }
    isConnected = false;
    updateControls();
    return notTransferred;
}

void termial::currentSerialport_errorOccurred(QSerialPort::SerialPortError error)
{
    // A hung-up line repeats ReadError for as long as the port stays open, so the link is
    // dropped at the first one; later errors find it disconnected and are ignored.
    if (error != QSerialPort::ResourceError && error != QSerialPort::ReadError)
        return;
    if (!isConnected || linkClosing)
        return;

    const QString reason = currentSerialport.errorString();
    WLOG() << "与串口的连接已断开" << reason;
    const QList<quint16> notTransferred = closeLink(true);
    QString text = tr("与串口的连接已断开：%1").arg(reason);
    if (!notTransferred.isEmpty())
        text += QLatin1Char('\n') + tr("未传输的信道：%1").arg(compactChannelList(notTransferred));

    // Shown from the event loop, once the port's own notification has returned: the modal box
    // then never runs inside QSerialPort's code.
    QMetaObject::invokeMethod(
        this, [this, text] { seams::warning(this, tr("警告"), text); }, Qt::QueuedConnection);
}
