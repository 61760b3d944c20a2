#pragma once

class QApplication;

// Application-wide set-up that comes before any window: title, help file, fonts, the language
// of the program's texts and of Qt's own. Tests call it too, so that they see the program as a person does.
void prepareApplication(QApplication &app);

// The whole program: set-up, the main window and the hidden report page, the event loop.
// Anything that escapes start-up is shown through the standard error display.
int runApplication(int argc, char *argv[]);
