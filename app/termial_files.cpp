// Saving the checked rows to a JSON channel file and opening such files into the table.
#include "termial.h"
#include "ui_termial.h"

#include "channelfile.h"
#include "log.h"
#include "seams.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonParseError>

void termial::saveBtn_clicked()
{
    WLOG() << "取所有勾选的channel对象开始";
    QList<channel> channels;
    QList<DMR> dmrs;
    checkedChannels(&channels);
    checkedDmrs(&dmrs);
    WLOG() << "获取所有勾选的channel对象结束";

    const QString fileName = chooseSaveFileName(this, QStringLiteral("JSON Files (*.json)"));
    WLOG() << QStringLiteral("选择保存的位置:") + fileName;
    // A cancelled dialog is the operator's choice, not a failure worth a box.
    if (fileName.isEmpty()) {
        WLOG() << "保存失败";
        return;
    }

    QString reason;
    if (!writeJsonFile(channelFileObject(channels, dmrs), fileName, &reason)) {
        WLOG() << "保存失败";
        seams::warning(this, tr("警告"), tr("文件没有保存：%1").arg(reason));
    }
}

void termial::openBtn_clicked()
{
    const QString fileName =
        seams::getOpenFileName(this, tr("Open JSON File"), QString(), tr("JSON Files (*.json)"));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        WLOG() << "文件打开失败";
        return;
    }
    const QByteArray text = file.readAll();
    file.close();

    QJsonParseError error;
    const ChannelFileRecords records = parseChannelFile(text, &error);
    if (error.error != QJsonParseError::NoError) {
        WLOG() << "json转化失败\n\t" << error.errorString();
        return;
    }

    const int channelCount = int(records.channels.size());
    ui->load_progressBar->setMaximum(channelCount + int(records.dmrs.size()));
    ui->load_progressBar->setValue(0);
    // The event loop runs after every record so the table and the bar repaint during a long load.
    int done = 0;
    for (const channel &record : records.channels) {
        viewUpdate(record.channelNumber(), record);
        ui->load_progressBar->setValue(++done);
        QCoreApplication::processEvents();
    }
    for (const DMR &record : records.dmrs) {
        viewUpdateDmr(record.channelNumber(), record);
        ui->load_progressBar->setValue(++done);
        QCoreApplication::processEvents();
    }
}

QString termial::chooseSaveFileName(QWidget *parent, const QString &filter)
{
    return seams::getSaveFileName(parent, tr("保存文件"), QString(), filter);
}

bool termial::writeJsonFile(const QJsonObject &object, const QString &fileName, QString *errorString)
{
    return writeChannelFile(fileName, channelFileText(object), errorString);
}
