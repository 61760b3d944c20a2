#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// The text of a printed grid cell. Nothing printed may be cut, elided or broken inside a word:
// a text breaks its lines only at blanks and after hyphens, and the row grows to hold every
// line. A word wider than its cell, which a crowded table cannot avoid at the smallest type,
// turns to run upwards instead, so that the cell needs only the height of its lines across.
// Numbers never turn: they are kept narrower than their columns. Measuring and drawing lay the
// text out the same way.
namespace WrappedCell {

// Blank between the cell's edges and its text, in proportion to the font.
int horizontalPadding(const QFont &font);
int verticalPadding(const QFont &font);

// Whether the text reads as a number or a judgement ("0,11623491", "1/9", "+36,4").
bool isNumber(const QString &text);

// Width the text needs on one line, and width its widest unbreakable piece needs; both
// padding included.
int oneLineWidth(const QFont &font, const QString &text);
int widestWordWidth(const QFont &font, const QString &text);

// Whether the text runs upwards in a cell of this width: a word of it does not fit across.
bool runsUpwards(const QFont &font, const QString &text, int cellWidth);
// Width a cell needs for the text running upwards, padding included.
int upwardsWidth(const QFont &font, const QString &text);

// Height a cell of this width needs for the whole text, padding included.
int heightFor(const QFont &font, const QString &text, int cellWidth);

// Draws the text left-aligned and centred vertically in the cell (upwards: from the bottom,
// centred across).
void draw(QPainter &painter, const QRect &cell, const QFont &font, const QString &text);

}
