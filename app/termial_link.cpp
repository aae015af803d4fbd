// The serial link: port list, device paths and the connect/disconnect toggle.
#include "termial.h"
#include "ui_termial.h"

#include "log.h"
#include "seams.h"

#include <QTimer>

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
    if (!currentPortPath.isEmpty())
        currentSerialport.setPortName(currentPortPath);

    if (!currentSerialport.open(QIODevice::ReadWrite)) {
        const QString reason = currentSerialport.errorString();
        WLOG() << "没有成功打开串口" << reason;
        seams::warning(this, tr("警告"), tr("没有成功打开串口,") + reason);
        return;
    }
    // Bytes the system queued before the open belong to no request of ours.
    currentSerialport.clear();

    // A pseudo-terminal has no modem lines: both report false with UnsupportedOperationError,
    // which is no reason to give up the link.
    WLOG() << "连接 DTR: " << (currentSerialport.isDataTerminalReady() ? "true" : "false");
    WLOG() << "连接 RTS: " << (currentSerialport.isRequestToSend() ? "true" : "false");

    ui->save_pushButton->setEnabled(true);
    ui->open_pushButton->setEnabled(true);
    ui->checkAll_pushButton->setEnabled(true);
    ui->checkNotAll_pushButton->setEnabled(true);
    ui->serialport_comboBox->setEnabled(false);
    ui->serialportFlash_pushButton->setEnabled(false);
    ui->serialportLink_pushButton->setText(tr("断开"));
    ui->language_comboBox->setEnabled(false);
    isConnected = true;
}

void termial::closeLink()
{
    if (currentSerialport.isOpen()) {
        linkClosing = true;
        currentSerialport.close();
        linkClosing = false;
    }
    for (QTimer *timer : {timer0x40, timer0x41, timer0x43, timer0x44}) {
        if (timer->isActive())
            timer->stop();
    }

    ui->save_pushButton->setEnabled(false);
    ui->open_pushButton->setEnabled(false);
    ui->checkAll_pushButton->setEnabled(false);
    ui->checkNotAll_pushButton->setEnabled(false);
    ui->serialport_comboBox->setEnabled(true);
    ui->serialportFlash_pushButton->setEnabled(true);
    ui->serialportLink_pushButton->setText(tr("连接"));
    ui->send_btn->setText(tr("发送"));
    ui->language_comboBox->setEnabled(true);
    isConnected = false;
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
    closeLink();

    // Shown from the event loop, once the port's own notification has returned: the modal box
    // then never runs inside QSerialPort's code.
    QMetaObject::invokeMethod(
        this, [this, reason] { seams::warning(this, tr("警告"), tr("与串口的连接已断开：%1").arg(reason)); },
        Qt::QueuedConnection);
}
