#pragma once

#include <QIcon>

// The pictures of the picture buttons: SVG files of the program's resources, drawn by Qt's SVG
// icon engine at whatever size and screen density a button needs, and greyed by the style when
// the button is disabled.
namespace ButtonIcons {
QIcon printer();
QIcon help();
QIcon back();
QIcon forward();
QIcon close();
QIcon calculate();
QIcon arrowLeft();
QIcon arrowRight();
// The menu bar's arrow to the menus that do not fit.
QIcon overflow();

// The program's own icon, for its windows.
QIcon program();
}
