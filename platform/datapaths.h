#pragma once

#include <QString>

// Where the program's own data files of one kind ("help", "translations") live: under the
// installation prefix (<prefix>/share/analyze/<kind>) when the program runs installed, in the
// build tree when it runs from there. Empty when neither holds that folder.
QString dataDirectory(const QString &kind);

// The same for a program in programDirectory: what dataDirectory() finds for a program
// installed elsewhere.
QString dataDirectoryOf(const QString &programDirectory, const QString &kind);
