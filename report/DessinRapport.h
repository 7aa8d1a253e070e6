#pragma once
// What every page of the report shares: the page drawn in hundredths of a millimetre
// on an A4 sheet, its margins, inks and fonts, the section titles, the tables of
// labels beside values, and the footer with the page's number.

#include "project/ContenuRapport.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>
#include <QTextOption>
#include <vector>

class QPainter;

namespace dessin {
// The page is drawn in hundredths of a millimetre: fine enough for whole-number font
// pixel sizes, which keep the text metrics the same on every device.
inline constexpr double ParMm = 100;
constexpr double Mm(double mm) {
    return mm * ParMm;
}

inline constexpr double LargeurPage = Mm(210);
inline constexpr double HauteurPage = Mm(297);
inline constexpr double MargeGauche = Mm(18);
inline constexpr double MargeHaut = Mm(14);
inline constexpr double LargeurUtile = LargeurPage - 2 * MargeGauche;
// Where the footer's rule lies; nothing is drawn below it but the footer.
inline constexpr double BasUtile = HauteurPage - Mm(16);

inline const QColor Encre(25, 25, 30);
inline const QColor Bleu(30, 60, 120);
inline const QColor Gris(100, 100, 110);
inline const QColor Trait(150, 155, 165);
inline const QColor FondEntete(222, 230, 242);
inline const QColor FondLibelle(244, 246, 249);

QFont PoliceRapport(double points, bool gras = false);
QString Q(const std::string& texte);
QPen Plume(const QColor& couleur, double epaisseurMm);
QTextOption Option(Qt::Alignment alignement);
// Height of a text wrapped into the width, with the painter's font.
double HauteurTexte(QPainter& p, double largeur, const QString& texte);

// Maps the page's coordinates onto `feuille`, the whole sheet in the painter's
// coordinates, scaled to fit it, centred, keeping its proportions; the painter is
// saved, to be restored by the caller.
void PlacerPage(QPainter& p, const QRectF& feuille);

// A round step for about five graduations from 0 up to `maximum`.
double PasGraduation(double maximum);

// A section title over its table; returns where the table starts.
double DessinerTitre(QPainter& p, double y, const QString& titre);
// Labels beside values, each cell wrapped when its text is longer than its column.
// Returns the bottom of the table.
double DessinerCaracteristiques(QPainter& p, double y,
                                const std::vector<LigneCaracteristique>& lignes,
                                double points = 10);
// The same in a column from `x` over `largeur`, each row `espacement` taller than its
// text (in page units).
double DessinerCaracteristiques(QPainter& p, double x, double y, double largeur,
                                const std::vector<LigneCaracteristique>& lignes, double points,
                                double espacement);
// The rule, the program's name and version, and "Page n / total".
void DessinerPied(QPainter& p, int numero, int total);
} // namespace dessin
