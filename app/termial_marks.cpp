// What a person sees of transfers: the controls' state, the status bar and row marks.
#include "termial.h"
#include "ui_termial.h"

#include "tablecolumns.h"

#include <QBrush>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QFile>
#include <QStandardItemModel>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The warning colour of a marked channel-number cell: readable under the table's light text.
const QColor kMarkColour(0x8A, 0x5A, 0x12);

} // namespace

void termial::initTransferUi()
{
    // A typed path (/dev/ttyUSB0) is opened as it stands; it is not added to the list.
    ui->serialport_comboBox->setEditable(true);
    ui->serialport_comboBox->setInsertPolicy(QComboBox::NoInsert);
    fitPortBox();
    ui->status_bar->setSizeGripEnabled(false);
    connect(ui->verify_checkBox, &QCheckBox::toggled, this, &termial::updateControls);
    connect(model, &QStandardItemModel::itemChanged, this, &termial::rowEdited);
    updateControls();
}

// The whole path of every port shows: cut, /dev/pts/1 and /dev/pts/11 look alike. The box's own size
// hint leaves out the edit field's margins and the cursor, so its width is worked out from the field the
// style gives it.
void termial::fitPortBox()
{
    QComboBox *box = ui->serialport_comboBox;
    const QLineEdit *edit = box->lineEdit();
    if (!edit)
        return;
    int widest = 0;
    for (int i = 0; i < box->count(); ++i)
        widest = qMax(widest, edit->fontMetrics().horizontalAdvance(box->itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    option.frame = box->hasFrame();
    option.subControls = QStyle::SC_All;
    option.rect = QRect(0, 0, 1000, qMax(box->height(), box->sizeHint().height()));
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    const QMargins text = edit->textMargins();
    // QLineEdit keeps two pixels either side of its text, and one for the cursor.
    constexpr int lineEditRoom = 2 * 2 + 1;
    // A path longer than sixty characters (a /dev/serial/by-id/ name) shows its end, which names the device.
    widest = qMin(widest, 60 * edit->fontMetrics().averageCharWidth());
    box->setMinimumWidth(widest + (option.rect.width() - field.width()) + text.left() + text.right() + lineEditRoom);
}

void termial::updateControls()
{
    const bool programPage = currentTab == 0;
    ui->serialport_comboBox->setEnabled(!isConnected);
    ui->serialportFlash_pushButton->setEnabled(!isConnected);
    ui->language_comboBox->setEnabled(!isConnected);
    ui->serialportLink_pushButton->setText(isConnected ? tr("断开") : tr("连接"));
    // Bulk checking runs the event loop; the buttons stay off so a click cannot start another inside it.
    const bool checkable = isConnected && !isSending() && !checkingAll;
    ui->checkAll_pushButton->setEnabled(checkable);
    ui->checkNotAll_pushButton->setEnabled(checkable);
    ui->save_pushButton->setEnabled(programPage);
    ui->open_pushButton->setEnabled(programPage);
    // A verifying write reads back with the read commands: it and a read exclude each other. While a
    // direction runs its button stays on, as the way to cancel it.
    // A comparison and the backup before a write are reads too, each cancelled by its own button.
    const int purpose = isReading() ? engine->readPurpose() : -1;
    ui->read_btn->setEnabled(programPage && !engine->writeVerifies() && purpose <= SafetyNet::IntoTable);
    ui->read_btn->setText(purpose == SafetyNet::IntoTable ? tr("正在读取..") : tr("读取"));
    ui->compare_btn->setEnabled(programPage && !engine->writeVerifies() && (purpose < 0 || purpose == SafetyNet::Compare));
    ui->compare_btn->setText(purpose == SafetyNet::Compare ? tr("正在比较..") : tr("比较"));
    ui->send_btn->setEnabled(programPage && (isSending() || purpose == SafetyNet::Backup ||
                                             (purpose < 0 || !(ui->verify_checkBox->isChecked() ||
                                                               ui->backup_checkBox->isChecked()))));
    ui->send_btn->setText(isSending() ? tr("发送中...") : purpose == SafetyNet::Backup ? tr("正在备份..") : tr("发送"));
    ui->verify_checkBox->setEnabled(programPage && !isSending());
    ui->backup_checkBox->setEnabled(programPage && !isSending() && purpose != SafetyNet::Backup);
}

void termial::showProgress()
{
    // The direction that moved last speaks; with both under way that alternates, which is honest.
    using Direction = TransferEngine::Direction;
    const bool verifying = engine->isVerifying();
    const bool writing = isSending() && (!isReading() || verifying ||
                                         engine->framesHandled(Direction::Write) >= engine->framesHandled(Direction::Read));
    const Direction direction = writing ? Direction::Write : Direction::Read;
    const int total = engine->channelCount(direction);
    const int handled = engine->framesHandled(direction);
    if (verifying) {
        const int done = (handled - 2 * total) / 2;
        showStatus([=] { return tr("正在校验 %1 / %2").arg(done).arg(total); });
    } else if (writing) {
        const int done = handled / 2;
        showStatus([=] { return tr("正在写入 %1 / %2").arg(done).arg(total); });
    } else if (isReading()) {
        const int done = handled / 2;
        showStatus([=] { return tr("正在读取 %1 / %2").arg(done).arg(total); });
    }
}

void termial::showStatus(std::function<QString()> text)
{
    statusText = std::move(text);
    ui->status_bar->showMessage(statusText());
}

void termial::markRow(quint16 number, const QString &why)
{
    if (number >= model->rowCount())
        return;
    QStandardItem *item = model->item(number, ColChannel);
    if (!item)
        return;
    item->setData(QBrush(kMarkColour), Qt::BackgroundRole);
    item->setData(why, Qt::ToolTipRole);
    // A screen reader reads the description, not the tool tip.
    item->setData(why, Qt::AccessibleDescriptionRole);
}

void termial::clearMark(quint16 number)
{
    if (number >= model->rowCount())
        return;
    QStandardItem *item = model->item(number, ColChannel);
    if (!item || !item->data(Qt::ToolTipRole).isValid())
        return;
    item->setData(QVariant(), Qt::BackgroundRole);
    item->setData(QVariant(), Qt::ToolTipRole);
    item->setData(QVariant(), Qt::AccessibleDescriptionRole);
}

void termial::rowEdited(QStandardItem *item)
{
    // Ticks are no edit of the channel, and the marks are written into column 1 themselves.
    if (item->column() > ColChannel)
        clearMark(quint16(item->row()));
}

QString termial::permissionHint(const QString &path) const
{
    // Only a device the user may not open calls for a group; a lock held elsewhere is another matter.
    const QByteArray native = QFile::encodeName(path);
    struct stat info {
    };
    if (::stat(native.constData(), &info) != 0 || ::access(native.constData(), R_OK | W_OK) == 0)
        return QString();
    const group *owner = ::getgrgid(info.st_gid);
    const QString name =
        owner && owner->gr_gid != 0 ? QString::fromLocal8Bit(owner->gr_name) : QStringLiteral("dialout");
    return tr("没有权限打开该设备。在 Linux 上，请把用户加入设备所属的组（例如 %1）后重新登录：sudo usermod "
              "-aG %1 $USER")
        .arg(name);
}
