#include "report/wrappedcell.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <cmath>

namespace WrappedCell {

namespace {

// An upright text longer than this many ems breaks into lines side by side rather than make its
// row as tall as the whole text.
constexpr qreal UprightLineEms = 12.0;

// Lays the text out in lines of the width; returns the height of all its lines. Lines break at
// blanks and after hyphens only: a word or a number wider than the width stays whole.
qreal layOut(QTextLayout &layout, qreal width, int *lines = nullptr)
{
    QTextOption option;
    // The line-breaking rules would let "0,11623491" break after its comma.
    option.setWrapMode(isNumber(layout.text()) ? QTextOption::ManualWrap : QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    int count = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax<qreal>(1, width));
        line.setPosition(QPointF(0, height));
        height += line.height();
        ++count;
    }
    layout.endLayout();
    if (lines)
        *lines = count;
    return height;
}

QRect textRect(const QRect &cell, const QFont &font)
{
    const int h = horizontalPadding(font);
    const int v = verticalPadding(font);
    return cell.adjusted(h, v, -h, -v);
}

int padded(const QFont &font, qreal width)
{
    // One pixel more than measured, so that rounding never pushes a word onto the next line.
    return int(std::ceil(width)) + 1 + 2 * horizontalPadding(font);
}

qreal widestWord(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    if (isNumber(text))
        return metrics.horizontalAdvance(text);
    qreal widest = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end != -1; end = finder.toNextBoundary()) {
        if (end > start)
            widest = qMax(widest, metrics.horizontalAdvance(text.mid(start, end - start).trimmed()));
        start = end;
    }
    return widest;
}

// The length of an upright text's lines: its widest word, and no less than a line of some ems
// or half the text, so that a long name takes two lines at most.
qreal uprightLength(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    const qreal whole = metrics.horizontalAdvance(text);
    const qreal wanted = qMin(whole, qMax(UprightLineEms * metrics.height(), whole / 2 + metrics.height()));
    return qMax(widestWord(font, text) + 1, wanted + 1);
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

bool isNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+\u2212]?[\\d.,/%eE+\u2212\\s]*\\d[\\d.,/%\\s]*$"));
    return number.match(text).hasMatch();
}

int oneLineWidth(const QFont &font, const QString &text)
{
    return padded(font, QFontMetricsF(font).horizontalAdvance(text));
}

int widestWordWidth(const QFont &font, const QString &text)
{
    return padded(font, widestWord(font, text));
}

bool runsUpwards(const QFont &font, const QString &text, int cellWidth)
{
    return !isNumber(text) && widestWordWidth(font, text) > cellWidth;
}

int upwardsWidth(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    return int(std::ceil(layOut(layout, uprightLength(font, text)))) + 2 * horizontalPadding(font) + 1;
}

int heightFor(const QFont &font, const QString &text, int cellWidth)
{
    if (runsUpwards(font, text, cellWidth))
        return int(std::ceil(uprightLength(font, text))) + 2 * verticalPadding(font);
    QTextLayout layout(text, font);
    const QRect room = textRect(QRect(0, 0, cellWidth, 0), font);
    return int(std::ceil(layOut(layout, room.width()))) + 2 * verticalPadding(font);
}

void draw(QPainter &painter, const QRect &cell, const QFont &font, const QString &text)
{
    painter.save();
    painter.setClipRect(cell);
    QTextLayout layout(text, font);
    if (runsUpwards(font, text, cell.width())) {
        const qreal thickness = layOut(layout, uprightLength(font, text));
        const QRect room = textRect(cell, font);
        // Turned a quarter to the left, the lines' left edge lies on the cell's bottom.
        painter.translate(room.left() + qMax<qreal>(0, (room.width() - thickness) / 2), room.bottom() + 1);
        painter.rotate(-90);
        layout.draw(&painter, QPointF(0, 0));
    } else {
        const QRect room = textRect(cell, font);
        const qreal height = layOut(layout, room.width());
        layout.draw(&painter, QPointF(room.left(), room.top() + qMax<qreal>(0, (room.height() - height) / 2)));
    }
    painter.restore();
}

}
