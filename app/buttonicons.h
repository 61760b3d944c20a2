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

// The program's own icon, for its windows: analyze.svg drawn beforehand at these sizes, because
// a window shown with a scalable icon draws it at four sizes before its first picture. The files
// (resources/icons/analyze-<size>.rgba) hold the pixels row by row, four bytes each: red, green,
// blue and alpha, premultiplied. scripts/render_program_icon makes them again.
inline constexpr int ProgramIconSizes[] = {16, 32, 48, 64, 128};
QIcon program();
// analyze.svg drawn at size x size by the SVG icon engine, in the files' pixel format.
QImage drawnProgramIcon(int size);
}
