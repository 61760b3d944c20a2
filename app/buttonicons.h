#pragma once

#include <QIcon>

// The pictures of the picture buttons, painted in code so the program ships no image files.
// Each icon is 16 x 16 (with a sharper copy for high-density screens) and has its own greyed
// picture for the disabled state.
namespace ButtonIcons {
QIcon printer();
QIcon help();
QIcon back();
QIcon forward();
QIcon close();
QIcon calculate();
QIcon arrowLeft();
QIcon arrowRight();
}
