// Greyed painting of the DMR cells the column-enabling rule has closed, and the look of a row mark.
#include "celldelegate.h"

#include "tablecolumns.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

CellDelegate::CellDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

// A closed DMR cell is drawn as disabled (the table's style sheet gives ::item:disabled its grey), so a
// double-click that opens nothing is no surprise. The channel-number column is never editable but is
// not a setting, so it keeps its normal look.
void CellDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.column() >= ColCallType && !index.flags().testFlag(Qt::ItemIsEditable))
        option->state &= ~QStyle::State_Enabled;
}

// The table's style sheet paints every item's background itself and ignores the model's, so a marked
// channel-number cell (its background role holds the warning colour) is painted here: the colour over
// the whole cell, and a warning sign at its start so that the mark does not rest on colour alone.
void CellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant mark = index.column() == ColChannel ? index.data(Qt::BackgroundRole) : QVariant();
    if (!mark.canConvert<QBrush>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    painter->save();
    painter->fillRect(opt.rect, mark.value<QBrush>());
    if (opt.state & QStyle::State_Selected) {
        // A selected marked cell keeps its colour, framed in the selection's.
        painter->setPen(QPen(opt.palette.highlight(), 2));
        painter->drawRect(opt.rect.adjusted(1, 1, -1, -1));
    }

    // The sign: a light triangle with a dark exclamation mark, the height of the text.
    const int side = qMin(opt.rect.height() - 4, opt.fontMetrics.height() + 2);
    const QRectF sign(opt.rect.left() + 4, opt.rect.top() + (opt.rect.height() - side) / 2.0, side, side);
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(sign.center().x(), sign.top());
    triangle.lineTo(sign.right(), sign.bottom());
    triangle.lineTo(sign.left(), sign.bottom());
    triangle.closeSubpath();
    painter->fillPath(triangle, QColor(0xFF, 0xD2, 0x4D));
    const qreal stroke = qMax<qreal>(1.5, side / 8.0);
    painter->setPen(QPen(QColor(0x1E, 0x1F, 0x22), stroke, Qt::SolidLine, Qt::RoundCap));
    const qreal x = sign.center().x();
    painter->drawLine(QPointF(x, sign.top() + side * 0.35), QPointF(x, sign.top() + side * 0.68));
    painter->drawPoint(QPointF(x, sign.top() + side * 0.84));

    // The number, as the other cells draw their text; white reads on the warning colour.
    painter->setPen(QColor(0xFF, 0xFF, 0xFF));
    painter->setFont(opt.font);
    painter->drawText(opt.rect, int(opt.displayAlignment), opt.text);
    painter->restore();
}
