#include "report/DessinRapport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace dessin {
QFont PoliceRapport(double points, bool gras) {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(points * 25.4 / 72 * ParMm + 0.5));
    f.setBold(gras);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

QPen Plume(const QColor& couleur, double epaisseurMm) {
    QPen plume(couleur, Mm(epaisseurMm));
    plume.setCapStyle(Qt::FlatCap);
    return plume;
}

QTextOption Option(Qt::Alignment alignement) {
    QTextOption option(alignement);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

double HauteurTexte(QPainter& p, double largeur, const QString& texte) {
    return p.boundingRect(QRectF(0, 0, largeur, Mm(1000)), texte, Option(Qt::AlignLeft)).height();
}

void PlacerPage(QPainter& p, const QRectF& feuille) {
    const double echelle = std::min(feuille.width() / LargeurPage, feuille.height() / HauteurPage);
    p.save();
    p.translate(feuille.center());
    p.scale(echelle, echelle);
    p.translate(-LargeurPage / 2, -HauteurPage / 2);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

double PasGraduation(double maximum) {
    const double brut = std::max(maximum, 1.0) / 5;
    const double decade = std::pow(10, std::floor(std::log10(brut)));
    for (double f : {1.0, 2.0, 2.5, 5.0}) {
        if (f * decade >= brut)
            return f * decade;
    }
    return 10 * decade;
}

double DessinerTitre(QPainter& p, double y, const QString& titre) {
    p.setPen(Bleu);
    p.setFont(PoliceRapport(11, true));
    p.drawText(QRectF(MargeGauche, y, LargeurUtile, Mm(7)), Qt::AlignLeft | Qt::AlignVCenter,
               titre);
    return y + Mm(8.5);
}

double DessinerCaracteristiques(QPainter& p, double y,
                                const std::vector<LigneCaracteristique>& lignes, double points) {
    return DessinerCaracteristiques(p, MargeGauche, y, LargeurUtile, lignes, points,
                                    Mm(2.6 * points / 10));
}

double DessinerCaracteristiques(QPainter& p, double x, double y, double largeur,
                                const std::vector<LigneCaracteristique>& lignes, double points,
                                double espacement) {
    p.setFont(PoliceRapport(points));
    const QFontMetricsF mesure(p.font(), p.device());
    const double marge = Mm(2);
    double largeurLibelles = 0;
    for (const LigneCaracteristique& l : lignes)
        largeurLibelles = std::max(largeurLibelles, mesure.horizontalAdvance(Q(l.libelle)));
    largeurLibelles = std::clamp(largeurLibelles + 2 * marge, largeur * 0.45, largeur * 0.65);
    const double largeurValeurs = largeur - largeurLibelles;
    std::vector<double> hauteurs;
    double total = 0;
    for (const LigneCaracteristique& l : lignes) {
        hauteurs.push_back(
            std::max({mesure.height(), HauteurTexte(p, largeurLibelles - 2 * marge, Q(l.libelle)),
                      HauteurTexte(p, largeurValeurs - 2 * marge, Q(l.valeur))}) +
            espacement);
        total += hauteurs.back();
    }
    // The shading first, then the texts, then the rules, so that no fill hides a rule.
    p.fillRect(QRectF(x, y, largeurLibelles, total), FondLibelle);
    p.setPen(Encre);
    double bas = y;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const double h = hauteurs[i];
        p.drawText(QRectF(x + marge, bas, largeurLibelles - 2 * marge, h), Q(lignes[i].libelle),
                   Option(Qt::AlignLeft | Qt::AlignVCenter));
        p.drawText(QRectF(x + largeurLibelles + marge, bas, largeurValeurs - 2 * marge, h),
                   Q(lignes[i].valeur), Option(Qt::AlignLeft | Qt::AlignVCenter));
        bas += h;
    }
    p.setPen(Plume(Trait, 0.15));
    bas = y;
    for (std::size_t i = 0; i + 1 < lignes.size(); ++i) {
        bas += hauteurs[i];
        p.drawLine(QPointF(x, bas), QPointF(x + largeur, bas));
    }
    p.setPen(Plume(Trait, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x, y, largeur, total));
    p.drawLine(QPointF(x + largeurLibelles, y), QPointF(x + largeurLibelles, y + total));
    return y + total;
}

void DessinerPied(QPainter& p, int numero, int total) {
    const double y = BasUtile;
    p.setPen(Plume(Trait, 0.2));
    p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
    p.setPen(Gris);
    p.setFont(PoliceRapport(8));
    const QRectF cadre(MargeGauche, y + Mm(1), LargeurUtile, Mm(5));
    p.drawText(cadre, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VARQUIN " VARQUIN_VERSION));
    p.drawText(cadre, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Page %1 / %2").arg(numero).arg(total));
}
} // namespace dessin
