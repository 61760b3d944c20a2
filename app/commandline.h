#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// The command line. Besides "analyze [FILE]", which opens the window (with the file, through
// TMainForm::openDecisionFile), four commands work on decision files without a window or a
// display:
//   analyze --results FILE                 the computed decision as JSON on standard output
//   analyze --report OUT.pdf FILE          the result page's printed report as a PDF
//   analyze --export OUT.xlsx|OUT.csv FILE the results as a spreadsheet
//   analyze --merge OUT.ahp A.ahp B.ahp…   a group's files merged into one
// Exit status: 0 done, 1 a file cannot be read, is refused or cannot be written (or the command
// line is wrong), 2 a judgement keeps the decision from being computed. On 1 and 2 a message
// goes to standard error and nothing to standard output or to the output file.
struct CommandRequest
{
    enum class Mode { Window, Results, Report, Export, Merge, Help, Version, Error };
    Mode mode = Mode::Window;
    QString output;     // the PDF, the spreadsheet or the merged file
    QStringList inputs; // the decision file(s)
    QString text;       // help or version text, or what is wrong with the command line
};

enum CommandStatus { CommandDone = 0, CommandRefused = 1, CommandNotComputable = 2 };

// True when the arguments are not the window's: a command, the help, the version, or a wrong
// command line (refused with its message, exit status 1). None of them needs a window or a
// display. Qt's own options (-platform, -style, ...) belong to the window.
bool isCommand(const QStringList &arguments);
// Arguments as the program gets them, the program's own name first.
CommandRequest parseCommandLine(const QStringList &arguments);

// Runs a parsed command inside an existing application object (a QApplication for --report):
// results on out, messages on err. Returns the exit status.
int executeCommand(const CommandRequest &request, QIODevice &out, QIODevice &err);

// The window's hook: the decision file that "analyze [FILE]" names, to be handed to
// TMainForm::openDecisionFile once the window is up; empty when none is named (or the command
// line asks for a command).
QString windowFileArgument(const QStringList &arguments);

// For main: a command is parsed and run in an application object of its own (offscreen for the
// report) and its exit status returned; std::nullopt means the window is wanted.
std::optional<int> runCommandLine(int argc, char *argv[]);
