// The comparison and write-preview dialog: one row per channel that differs, its columns and both values.
#include "changesdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ChangesDialog::ChangesDialog(Kind kind, const QList<Channel> &channels, int unchanged, QWidget *parent)
    : QDialog(parent), table(new QTableWidget(int(channels.size()), 4, this)), channels(channels)
{
    const bool preview = kind == Kind::WritePreview;
    setObjectName(preview ? QStringLiteral("writePreview") : QStringLiteral("comparison"));
    setWindowTitle(preview ? tr("写入前的预览") : tr("与电台比较"));
    auto *layout = new QVBoxLayout(this);
    auto *summary = new QLabel(
        (preview ? tr("写入将改变 %1 个信道，%2 个信道不变。") : tr("%1 个信道与电台不同，%2 个信道相同。"))
            .arg(channels.size())
            .arg(unchanged),
        this);
    summary->setObjectName(QStringLiteral("summary"));
    layout->addWidget(summary);

    table->setObjectName(QStringLiteral("changes"));
    table->setHorizontalHeaderLabels({tr("信道"), tr("列"), tr("电台的值"), preview ? tr("新的值") : tr("表格的值")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    for (int i = 0; i < channels.size(); ++i) {
        QStringList fields, radio, other;
        for (const recordfields::Difference &d : channels.at(i).differences)
            fields << d.field, radio << d.first, other << d.second;
        const QStringList cells{QString::number(channels.at(i).number), fields.join(u'\n'), radio.join(u'\n'),
                                other.join(u'\n')};
        for (int column = 0; column < 4; ++column)
            table->setItem(i, column, new QTableWidgetItem(cells.at(column)));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);

    auto *buttons = new QDialogButtonBox(this);
    if (preview) {
        onlyChangedBox = new QCheckBox(tr("只写入改变的信道"), this);
        onlyChangedBox->setObjectName(QStringLiteral("onlyChanged"));
        layout->addWidget(onlyChangedBox);
        QPushButton *write = buttons->addButton(tr("写入"), QDialogButtonBox::AcceptRole);
        write->setObjectName(QStringLiteral("write"));
        buttons->addButton(QDialogButtonBox::Cancel);
    } else {
        QPushButton *take = buttons->addButton(tr("取电台的值"), QDialogButtonBox::AcceptRole);
        take->setObjectName(QStringLiteral("take"));
        take->setToolTip(tr("把所选信道的电台的值放进表格"));
        take->setEnabled(false);
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, take,
                [this, take] { take->setEnabled(!selectedChannels().isEmpty()); });
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}

QList<quint16> ChangesDialog::selectedChannels() const
{
    QList<quint16> out;
    for (const QModelIndex &row : table->selectionModel()->selectedRows())
        out << channels.at(row.row()).number;
    std::sort(out.begin(), out.end());
    return out;
}

bool ChangesDialog::onlyChanged() const
{
    return onlyChangedBox && onlyChangedBox->isChecked();
}
