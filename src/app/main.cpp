// ミルテ: start-up. Finds or creates the household database, refuses a second copy,
// fills the vocabulary tables and shows the main menu.

#include "app_setup.h"
#include "sharedfiles.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    const mirte::CommandLine cmd = mirte::parseCommandLine(argc, argv);
    if (cmd.action != mirte::CommandLine::Run) {
        QCoreApplication app(argc, argv);
        mirte::nameApplication();
        return mirte::runConsoleAction(cmd);
    }
    QApplication app(argc, argv);
    return mirte::runProgram(cmd);
}
