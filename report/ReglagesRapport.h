#pragma once
// The report's user settings: the installer's logo printed on the first page. The
// window and the command line read them from the same place, the program's settings
// under its organisation and application names.

#include <QImage>
#include <QString>

// The key of the logo's file path in the settings.
inline const QString CleLogoDossier = QStringLiteral("Dossier/Logo");

// Names the program's settings (organisation "NORDAVE", application "VARQUIN"), as the
// window does at start-up, so that QSettings() reads the same file from any front end.
void NommerReglages();

// The installer's logo named in the settings, brought down to a size that prints
// sharp in its place without weighing on the PDF; a null image when none is set or the
// file cannot be read as an image (the report then goes without it, silently).
QImage LireLogoDossier();
