#pragma once
// The program's start: the splash window while the reference data load, then the
// main window, then the project named on the command line.

#include <QString>
#include <QStringList>

class QApplication;

// Application-wide settings every window relies on: names used by QSettings, the
// widget style and the interface font.
void ConfigurerApplication(QApplication& application);

// The project path given on the command line: the arguments after the program's
// name, joined by blanks as the shell split them; empty when there are none.
QString ProjetEnArgument(const QStringList& arguments);
