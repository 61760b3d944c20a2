#pragma once

#include <QFont>

class QWidget;

// The design draws the window in an 11 px sans-serif face, with a few bold title lines. The
// face is the application's font rather than a style sheet, so that controls keep the plain
// style, and a desktop font larger than the toolkit's default is honoured the same way.
namespace WindowFont {

// The desktop font's size in pixels where the person chose it larger than the toolkit's
// default, else 0 (the design's own size).
int honouredPixels(const QFont &desktop, double dotsPerInch);
int honouredPixels(const QFont &desktop);

// The design's face, at its own 11 px or at the size honoured.
QFont face(int honoured);

// The face becomes the application's font, so that the window, its menus, its dialogs and its
// tooltips take it alike.
void applyToApplication();

// The window at the application's font: its bold title lines at their sizes, grown with a
// honoured size together with the hand-placed controls. Call before the form settles its sizes.
void fit(QWidget *form);
// The same for a page built after the window was fitted.
void fitPage(QWidget *page);

}
