#include "report/wrappedcell.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace WrappedCell {

namespace {

// Lays the text out in lines of the width; returns the height of all its lines.
qreal layOut(QTextLayout &layout, qreal width)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax<qreal>(1, width));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

QRect textRect(const QRect &cell, const QFont &font)
{
    const int h = horizontalPadding(font);
    const int v = verticalPadding(font);
    return cell.adjusted(h, v, -h, -v);
}

}

int horizontalPadding(const QFont &font)
{
    return qMax(1, font.pixelSize() / 4);
}

int verticalPadding(const QFont &font)
{
    return qMax(1, font.pixelSize() / 8);
}

int heightFor(const QFont &font, const QString &text, int cellWidth)
{
    QTextLayout layout(text, font);
    const QRect room = textRect(QRect(0, 0, cellWidth, 0), font);
    return int(std::ceil(layOut(layout, room.width()))) + 2 * verticalPadding(font);
}

void draw(QPainter &painter, const QRect &cell, const QFont &font, const QString &text)
{
    const QRect room = textRect(cell, font);
    QTextLayout layout(text, font);
    const qreal height = layOut(layout, room.width());
    painter.save();
    painter.setClipRect(cell);
    layout.draw(&painter, QPointF(room.left(), room.top() + qMax<qreal>(0, (room.height() - height) / 2)));
    painter.restore();
}

}
