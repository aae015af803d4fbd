// The serial link: port list, device paths and the connect/disconnect toggle.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"
#include "windowmemory.h"

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
    QString path = currentPortPath;
    // A path typed into the box, not one of its items, is opened as it stands.
    QComboBox *box = ui->serialport_comboBox;
    const QString typed = box->currentText().trimmed();
    if (!typed.isEmpty() && (box->currentIndex() < 0 || box->itemText(box->currentIndex()) != typed))
        path = typed;

    if (!engine->open(currentPortInfo, path)) {
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

    // A pseudo-terminal has no modem lines: both report false with UnsupportedOperationError,
    // which is no reason to give up the link.
    WLOG() << "连接 DTR: " << (currentSerialport.isDataTerminalReady() ? "true" : "false");
    WLOG() << "连接 RTS: " << (currentSerialport.isRequestToSend() ? "true" : "false");

    isConnected = true;
    updateControls();
    memory->linkOpened(box->currentText().trimmed());
    linkPath = engine->link().path();
    showStatus([this, opened = linkPath] { return tr("已连接到 %1").arg(opened); });
}

void termial::closeLink()
{
    // Closing by hand is the person's own stop: a transfer under way ends cancelled and says so;
    // otherwise the line says the link is gone.
    const bool running = isSending() || isReading();
    engine->close();
    if (!running)
        showStatus([this, closed = linkPath] { return tr("已断开 %1").arg(closed); });
    isConnected = false;
    updateControls();
}

void termial::lineLost(const QString &reason, const QList<quint16> &notTransferred, bool transferEnded)
{
    // A transfer that ended with the line has said so; otherwise the line says the link is gone.
    if (!transferEnded)
        showStatus([] { return tr("与串口的连接已断开"); });
    isConnected = false;
    updateControls();
    QString text = tr("与串口的连接已断开：%1").arg(reason);
    if (!notTransferred.isEmpty())
        text += QLatin1Char('\n') + tr("未传输的信道：%1").arg(compactChannelList(notTransferred));
    // Shown from the event loop, once the port's own notification has returned: the modal box
    // then never runs inside QSerialPort's code.
    QMetaObject::invokeMethod(
        this, [this, text] { seams::warning(this, tr("警告"), text); }, Qt::QueuedConnection);
}
