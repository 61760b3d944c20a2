#pragma once

class QWidget;

// The design colours the window's containers (pages, panels, group boxes) and texts; the
// controls inside them (edits, buttons, scroll bars, the menu bar, the cell editors) are drawn
// in the desktop's colours. Qt hands a container's colours down to everything inside it, so
// each control of the window, and of the windows it opens, takes the desktop's own palette,
// now and when the desktop's palette changes.
namespace ControlColours {

// Again for the same window: the controls added to it since.
void keepDesktopColours(QWidget *window);

}
