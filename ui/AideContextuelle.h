#pragma once
// Help where the person is. F1 opens the help page at the section that describes what
// is in front: the dialog, else the part of the project window holding the focus, else
// the project window or the main window. The first time one of the program's dialogs
// is shown it gets an « Aide » button beside its own buttons that does the same, so
// that no dialog has to make one, and a dialog added later only needs its line in the
// table below.

#include <QString>
#include <span>

class QApplication;
class QWidget;

// A window or dialog class (or a part of the project window, by its object name) and
// the id of its section in the help page.
struct AncreAide {
    const char* nom;
    const char* ancre;
};

// Every window and dialog of the program, by class name.
std::span<const AncreAide> AncresFenetres();
// The parts of the project window, by object name.
std::span<const AncreAide> AncresSections();

// The section of the help for `widget`: the nearest window or dialog of the table
// among it and its parents, refined to the nearest part when that is the project
// window; "" when none.
QString AncreAideDe(const QWidget* widget);

// Opens the help window at `ancre` (the top of the page when empty). The window
// belongs to the main window holding `depuis`, and stays usable beside a modal dialog.
// False, the person told why, when the page cannot be read.
bool OuvrirAide(const QString& ancre, const QWidget* depuis = nullptr);

// F1 and the dialogs' « Aide » buttons, for the whole application (once).
void InstallerAideContextuelle(QApplication& application);
