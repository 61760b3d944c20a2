#pragma once

#include <QIcon>
#include <QList>
#include <QPair>
#include <QString>

// The pictures of the picture buttons: SVG files of the program's resources, greyed by the style
// when the button is disabled. At the sizes a button's picture takes at one and two device pixels
// to the pixel, they come drawn beforehand (resources/icons/<name>-<size>.rgba: the SVG icon
// engine's pixels row by row, four bytes each, red, green, blue and alpha, premultiplied), so that
// no SVG is drawn before the window's first picture; any other size is drawn from the SVG.
// scripts/render_icons draws the files again; tests/app/tst_buttonicons checks them.
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

// The buttons' pictures drawn beforehand: their SVG names and sizes.
inline constexpr const char *ReadyNames[] = {"printer", "help", "back", "forward", "close",
                                             "calculate", "arrowleft", "arrowright", "overflow"};
inline constexpr int ReadySizes[] = {16, 32};
bool isReadySize(int size);

// The program's own icon, for its windows, drawn beforehand at these sizes: a window shown with
// a scalable icon draws it at four sizes before its first picture.
inline constexpr int ProgramIconSizes[] = {16, 32, 48, 64};
QIcon program();

// resources/icons/<name>.svg drawn at size x size by the SVG icon engine, as the files hold it.
QImage drawnFromSvg(const QString &name, int size);
// Every picture drawn beforehand, the program icon's sizes first: its SVG name and its size.
QList<QPair<QString, int>> readyPictures();
}
