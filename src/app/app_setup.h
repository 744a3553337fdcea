#pragma once
// The program's start: command line, console actions, and the start-up of the menu.

#include <QString>

namespace mirte {

struct CommandLine {
    enum Action { Run, Version, Help, InitDb, Error } action = Run;
    QString dbPath;   // --db PATH / --init-db PATH
    QString message;  // what went wrong, for Error
};

CommandLine parseCommandLine(int argc, char *argv[]);
QString usageText();

// --version, --help, --init-db and errors; returns the exit status.
int runConsoleAction(const CommandLine &cmd);

class F_Menu01;

// Installs Qt's own Japanese texts (file and print dialogs); false when they are not installed.
bool loadQtTranslations();

// Everything up to the visible menu. Returns nullptr when the program must end, with the exit
// status in *status (0 for a second copy, non-zero after a start-up error).
// At a start refused for a damaged file: offers the newest sound daily copy (listing them with
// their dates), sets the damaged file aside and opens the copy. False when nothing was restored.
bool offerDailyCopy(const QString &dbPath, const QString &seedPath, const QString &problem);
F_Menu01 *startProgram(const CommandLine &cmd, int *status);

// startProgram + the event loop.
int runProgram(const CommandLine &cmd);

} // namespace mirte
