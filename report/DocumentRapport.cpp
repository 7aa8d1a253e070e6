#include "report/DocumentRapport.h"

#include "report/PageRapport.h"
#include "report/PagesEtude.h"
#include "report/ReglagesRapport.h"

DocumentRapport LireDocumentRapport(const clsprojet& projet, const std::string& dateCourte) {
    return {LireContenuRapport(projet, dateCourte), LireContenuEtude(projet, dateCourte),
            LireLogoDossier()};
}

int NbPages(const DocumentRapport& document) {
    return 1 + NbPagesEtude(document.etude);
}

void DessinerPage(QPainter& p, const QRectF& feuille, const DocumentRapport& document, int index) {
    const int total = NbPages(document);
    if (index == 0)
        DessinerRapport(p, feuille, document, 1, total);
    else
        DessinerPageEtude(p, feuille, document.etude, index - 1, index + 1, total);
}
