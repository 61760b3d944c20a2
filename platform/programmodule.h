#pragma once

#include <QFunctionPointer>
#include <QString>

// Parts of the program that start-up does without (the sensitivity window with Qt Charts, the
// spreadsheet writer) are shared libraries of its own, opened at their first use: in the
// installed tree beside the libraries (lib/analyze, relative to the program), else in the
// build tree.
namespace ProgramModule {

// The module's file, the installed tree ahead of the build tree; empty when neither holds it.
QString locate(const QString &fileName);
QString locateFrom(const QString &programDirectory, const QString &fileName);

// The module opened if need be (it stays open for the program's life: what it made uses its
// code) and symbol resolved in it; nullptr with the reason in *reason when the module is missing,
// does not fit this program or lacks the symbol.
QFunctionPointer resolve(const QString &fileName, const char *symbol, QString *reason);

} // namespace ProgramModule
