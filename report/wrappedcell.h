#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// The text of a printed grid cell. Nothing printed may be cut or elided: a text breaks its lines
// at blanks where it can and anywhere inside a word where it must, and the row grows to hold
// every line. Measuring and drawing lay the text out the same way.
namespace WrappedCell {

// Blank between the cell's edges and its text, in proportion to the font.
int horizontalPadding(const QFont &font);
int verticalPadding(const QFont &font);

// Height a cell of this width needs for the whole text, padding included.
int heightFor(const QFont &font, const QString &text, int cellWidth);

// Draws the text left-aligned and centred vertically in the cell.
void draw(QPainter &painter, const QRect &cell, const QFont &font, const QString &text);

}
