#pragma once

#include <QString>

#include <memory>

class QApplication;
class TMainForm;

// Application-wide set-up that comes before any window: title, help file, fonts, the language
// of the program's texts and of Qt's own. Tests call it too, so that they see the program as a person does.
void prepareApplication(QApplication &app);

// The window as the program starts it: the set-up above (whatever it reports, the window still
// comes up), the main window shown, then the file opened, or a crashed session offered back as
// soon as the event loop runs.
std::unique_ptr<TMainForm> startWindow(QApplication &app, const QString &file);

// The whole program: set-up, the main window and the hidden report page, the event loop.
// Anything that escapes start-up is shown through the standard error display.
int runApplication(int argc, char *argv[]);
