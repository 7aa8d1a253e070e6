#pragma once
// The screenshots the tool writes, each a PNG file named after what it shows.

#include <QString>
#include <string>

class QWidget;

// Saves what the widget shows as `sortie`/`nom`; false when it could not be written.
bool Capturer(QWidget& fenetre, const QString& sortie, const char* nom);

// Lets the windows shown lay themselves out and paint; always true.
bool Attendre();

// The main window at 1280 x 800 with a project of each system type and its results,
// the whole sheet of each project window, the File menu, the about box, the options
// and the choice popup.
bool CapturerFenetres(const QString& sortie);

// The project window's dialogs, on the data folder `donnees` (a scratch copy: the
// certified collectors' import writes into it).
bool CapturerDialogues(const QString& sortie, const std::string& donnees);
