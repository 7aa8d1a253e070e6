#include "report/PageRapport.h"

#include "report/DessinRapport.h"
#include "report/Illustration.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace {
using namespace dessin;

void DessinerEntete(QPainter& p, const std::string& date) {
    DessinerIllustration(p, QRectF(MargeGauche, MargeHaut, Mm(32), Mm(24)));
    const double x = MargeGauche + Mm(37);
    p.setPen(Bleu);
    p.setFont(PoliceRapport(22, true));
    p.drawText(QRectF(x, MargeHaut + Mm(2), Mm(80), Mm(11)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VARQUIN"));
    p.setPen(Gris);
    p.setFont(PoliceRapport(9.5));
    p.drawText(QRectF(x, MargeHaut + Mm(13), Mm(100), Mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Dimensionnement des chauffe-eau solaires"));
    p.setPen(Encre);
    p.setFont(PoliceRapport(10));
    p.drawText(QRectF(MargeGauche + LargeurUtile - Mm(70), MargeHaut + Mm(2), Mm(70), Mm(11)),
               Qt::AlignRight | Qt::AlignVCenter, Q(date));
    p.setPen(Plume(Bleu, 0.6));
    const double y = MargeHaut + Mm(28);
    p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
}

// The results table keeps the proportions of the project window's grid (1500, twelve
// times 600 and 700 twips); its font is the largest that lets every cell's text fit
// its column, so that a large figure is never cut.
struct MiseEnPageResultats {
    double colonnes[14];
    double points;
};

MiseEnPageResultats MettreEnPageResultats(QPainter& p, const GrilleRapport& g, double marge) {
    MiseEnPageResultats m{};
    const double total = 1500 + 12 * 600 + 700;
    for (std::size_t c = 0; c < 14; ++c)
        m.colonnes[c] = LargeurUtile * (c == 0 ? 1500 : c == 13 ? 700 : 600) / total;
    for (m.points = 9; m.points > 5; m.points -= 0.5) {
        const QFontMetricsF normale(PoliceRapport(m.points), p.device());
        const QFontMetricsF grasse(PoliceRapport(m.points, true), p.device());
        bool tient = true;
        for (std::size_t r = 0; r < g.size() && tient; ++r) {
            for (std::size_t c = 0; c < 14 && tient; ++c) {
                const QFontMetricsF& f = (r == 0 || c == 13) ? grasse : normale;
                tient = f.horizontalAdvance(Q(g[r][c])) + 2 * marge <= m.colonnes[c];
            }
        }
        if (tient)
            break;
    }
    return m;
}

double DessinerResultats(QPainter& p, double y, const GrilleRapport& g) {
    const double marge = Mm(1.2);
    const MiseEnPageResultats m = MettreEnPageResultats(p, g, marge);
    const double h = QFontMetricsF(PoliceRapport(m.points), p.device()).height() + Mm(3.2);
    p.fillRect(QRectF(MargeGauche, y, LargeurUtile, h), FondEntete);
    for (std::size_t r = 0; r < g.size(); ++r) {
        double x = MargeGauche;
        for (std::size_t c = 0; c < 14; ++c) {
            const Qt::Alignment alignement = c == 0   ? Qt::AlignLeft
                                             : r == 0 ? Qt::AlignHCenter
                                                      : Qt::AlignRight;
            p.setFont(PoliceRapport(m.points, r == 0 || c == 13));
            p.setPen(Encre);
            p.drawText(QRectF(x + marge, y, m.colonnes[c] - 2 * marge, h),
                       alignement | Qt::AlignVCenter, Q(g[r][c]));
            x += m.colonnes[c];
            p.setPen(Plume(Trait, 0.15));
            if (c < 13)
                p.drawLine(QPointF(x, y), QPointF(x, y + h));
        }
        y += h;
        p.setPen(Plume(Trait, r == 0 ? 0.25 : 0.15));
        p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
    }
    p.setPen(Plume(Trait, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(MargeGauche, y - h * static_cast<double>(g.size()), LargeurUtile,
                      h * static_cast<double>(g.size())));
    return y;
}

} // namespace

void DessinerRapport(QPainter& p, const QRectF& feuille, const ContenuRapport& contenu, int numero,
                     int total) {
    PlacerPage(p, feuille);
    DessinerEntete(p, contenu.date);
    double y = DessinerTitre(p, MargeHaut + Mm(34), QStringLiteral("Caractéristiques du projet"));
    y = DessinerCaracteristiques(p, y, contenu.caracteristiques);
    y = DessinerTitre(p, y + Mm(10), QStringLiteral("Résultats mensuels"));
    DessinerResultats(p, y, contenu.resultats);
    DessinerPied(p, numero, total);
    p.restore();
}
