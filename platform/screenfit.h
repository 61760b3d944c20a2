#pragma once

class QWidget;

// Keeps a top-level window on its screen: no larger than the screen's available area (frame
// included, as far as the window's minimum allows) and moved inside it. `near` is the window it
// belongs to, whose screen it goes to; without one, the primary screen.
namespace ScreenFit {
void fitOnScreen(QWidget *window, const QWidget *near = nullptr);
}
