#pragma once

#include <QRect>

class QWidget;

// The hand-placed panels of the form keep the positions of its design. These keep their
// controls whole when the window is small: every label at least as wide as its text, and each
// panel no smaller than the box around its controls, so that the window's minimum size, which
// the layouts derive from their items, never cuts a control.
namespace WholeControls {

// Room left after the last control of a panel.
constexpr int Gap = 4;

// Widens (and heightens) each label among the direct children of panel to what its text needs.
void widenLabels(QWidget *panel);
// The box around the direct children of panel, hidden ones included, in panel coordinates.
QRect childrenBounds(const QWidget *panel);
// Makes panel no smaller than its children need in the given directions.
void keepWhole(QWidget *panel, Qt::Orientations directions = Qt::Horizontal | Qt::Vertical);

}
