#pragma once

#include <QCommandLineOption>
#include <QList>

// The options Qt itself takes from the command line of a window program (-platform, -style,
// -reverse, the X11 ones, ...). The program's parser knows them, so that they reach Qt rather than
// being refused, and --help-all lists them; --help does not.
QList<QCommandLineOption> qtOwnOptions(bool listedInHelp);
