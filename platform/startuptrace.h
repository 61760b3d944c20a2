#pragma once

#include <QStringList>

class QWidget;

// Where start-up spends its time. With ANALYZE_STARTUP_TRACE set in the environment, every step
// goes to standard error with the milliseconds since main() and since the step before and the
// resident memory; at the first paint of a window, also the number of shared libraries loaded by
// then (ANALYZE_STARTUP_TRACE=libraries lists them). Without it, each call costs one flag test.
namespace StartupTrace {

// Called first thing in main(): the clock starts here.
void start();
bool enabled();
void mark(const char *step);
// Marks the window's first paint as that step, then lets it be.
void watchFirstPaint(QWidget *window, const char *step);

// The shared libraries mapped into this process, one path each, in the order of their addresses.
QStringList loadedLibraries();

} // namespace StartupTrace
