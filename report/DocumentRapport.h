#pragma once
// The whole printed report of a project: the one-page summary, then the pages of the
// study. The preview window, the printer and the PDF files all go through it, page by
// page, so that they show the same pages.

#include "project/ContenuEtude.h"
#include "project/ContenuRapport.h"

#include <QImage>
#include <string>

class QPainter;
class QRectF;
class clsprojet;

struct DocumentRapport {
    ContenuRapport resume;
    ContenuEtude etude;
    QImage logo; // the installer's, on the summary; null for none
};

// The project's report as it stands, with the installer's logo named in the settings.
DocumentRapport LireDocumentRapport(const clsprojet& projet, const std::string& dateCourte);

int NbPages(const DocumentRapport& document);

// Page `index` (0 the summary) into `feuille`, the whole sheet in the painter's
// coordinates.
void DessinerPage(QPainter& p, const QRectF& feuille, const DocumentRapport& document, int index);
