#pragma once

#include <QColor>

// Text on a background the design fixes must stay readable whatever the desktop's palette.
namespace ReadableColours {

// WCAG contrast ratio of two colours, 1 (same) to 21 (black on white).
double contrast(const QColor &a, const QColor &b);
// Black or white, whichever reads better on background.
QColor textOn(const QColor &background);
// The reddest colour that still reads at 4.5:1 on background: pure red where it does, a darker
// red on a light field, a lighter one on a dark field.
QColor alarmOn(const QColor &background);

}
