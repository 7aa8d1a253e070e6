#pragma once
// The report page of a project, drawn with QPainter as text and vector shapes: the
// same drawing serves the preview window, the printer and the PDF file, so that it is
// sharp at any resolution and reads the same everywhere.

#include "project/ContenuRapport.h"
#include "report/DocumentRapport.h"

#include <string>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class clsprojet;

// The page is laid out on an A4 sheet in portrait.
inline constexpr double LargeurFeuilleMm = 210;
inline constexpr double HauteurFeuilleMm = 297;

// Draws the summary page into `feuille`, the whole sheet in the painter's coordinates;
// the A4 layout is scaled to fit it, centred, keeping its proportions. Its footer
// numbers it `numero` of `total`. The monthly chart comes from the study's figures.
void DessinerRapport(QPainter& p, const QRectF& feuille, const DocumentRapport& document,
                     int numero = 1, int total = 1);

// Every page of the report, one per sheet of a printer or PDF writer, drawn from the
// paper's edge (the layout keeps its own margins) on the paper the device has. False
// when the device cannot be painted on (a file that cannot be opened, a printer that
// refuses).
bool ImprimerRapport(QPagedPaintDevice& support, const DocumentRapport& document);

// Writes the project's report as an A4 PDF: the summary, then the study. The file is
// replaced only once it has been written whole; throws ErreurFichier when it cannot be.
void EcrirePdf(clsprojet& projet, const std::string& chemin);

// Today's date as the program writes a short date (day/month/year, French).
std::string DateCourteDuJour();
