#include "report/GraphiqueMensuel.h"

#include "project/ContenuEtude.h"
#include "project/TableauResultats.h"
#include "report/DessinRapport.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
using namespace dessin;

void DessinerLegende(QPainter& p, double x, double y, const QColor& couleur, const QString& texte) {
    p.fillRect(QRectF(x, y + Mm(1), Mm(4), Mm(3)), couleur);
    p.setPen(Encre);
    p.drawText(QRectF(x + Mm(5.5), y, Mm(60), Mm(5)), Qt::AlignLeft | Qt::AlignVCenter, texte);
}
} // namespace

void DessinerGraphiqueMensuel(QPainter& p, const QRectF& cadre,
                              const std::array<double, 12>& besoins,
                              const std::array<double, 12>& solaire) {
    const QColor couleurBesoins(120, 145, 190), couleurSolaire(240, 160, 40);
    const double gauche = cadre.left() + Mm(16);
    p.setFont(PoliceRapport(8.5));
    DessinerLegende(p, gauche, cadre.top(), couleurBesoins, QStringLiteral("Besoins"));
    DessinerLegende(p, gauche + Mm(34), cadre.top(), couleurSolaire,
                    QStringLiteral("Énergie solaire"));
    const auto fini = [](double v) { return std::isfinite(v) ? std::max(v, 0.0) : 0.0; };
    double maximum = 0;
    for (std::size_t m = 0; m < 12; ++m)
        maximum = std::max({maximum, fini(besoins[m]), fini(solaire[m])});
    const double pas = PasGraduation(maximum);
    const double haut = std::ceil(std::max(maximum, 1.0) / pas) * pas;
    const QRectF zone(gauche, cadre.top() + Mm(9), cadre.right() - gauche, cadre.height() - Mm(16));
    for (double v = 0; v <= haut + pas / 2; v += pas) {
        const double yv = zone.bottom() - zone.height() * v / haut;
        p.setPen(Plume(Trait, v == 0 ? 0.3 : 0.1));
        p.drawLine(QPointF(zone.left(), yv), QPointF(zone.right(), yv));
        p.setPen(Gris);
        p.drawText(QRectF(cadre.left(), yv - Mm(2.5), Mm(14), Mm(5)),
                   Qt::AlignRight | Qt::AlignVCenter, Q(FormatFrancais(v, 0)));
    }
    const double colonne = zone.width() / 12, barre = colonne * 0.34;
    for (std::size_t m = 0; m < 12; ++m) {
        const double x = zone.left() + colonne * static_cast<double>(m) + colonne * 0.14;
        const double hb = zone.height() * fini(besoins[m]) / haut;
        const double hs = zone.height() * fini(solaire[m]) / haut;
        p.fillRect(QRectF(x, zone.bottom() - hb, barre, hb), couleurBesoins);
        p.fillRect(QRectF(x + barre, zone.bottom() - hs, barre, hs), couleurSolaire);
        p.setPen(Encre);
        p.drawText(QRectF(x - colonne * 0.1, zone.bottom() + Mm(1), colonne, Mm(5)),
                   Qt::AlignHCenter | Qt::AlignTop, Q(NomsMoisAbreges[m + 1]));
    }
    p.setPen(Gris);
    p.drawText(QRectF(cadre.left(), cadre.top(), Mm(14), Mm(5)), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("kWh"));
}
