#include "report/PageRapport.h"

#include "ui/Illustration.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace {
// The page is drawn in hundredths of a millimetre: fine enough for whole-number font
// pixel sizes, which keep the text metrics the same on every device.
constexpr double ParMm = 100;
constexpr double Mm(double mm) {
    return mm * ParMm;
}

constexpr double MargeGauche = Mm(18);
constexpr double MargeHaut = Mm(14);
constexpr double LargeurUtile = Mm(LargeurFeuilleMm) - 2 * MargeGauche;

const QColor Encre(25, 25, 30);
const QColor Bleu(30, 60, 120);
const QColor Gris(100, 100, 110);
const QColor Trait(150, 155, 165);
const QColor FondEntete(222, 230, 242);
const QColor FondLibelle(244, 246, 249);

QFont PoliceRapport(double points, bool gras = false) {
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

// Height of a text wrapped into the width, with the painter's font.
double HauteurTexte(QPainter& p, double largeur, const QString& texte) {
    return p.boundingRect(QRectF(0, 0, largeur, Mm(1000)), texte, Option(Qt::AlignLeft)).height();
}

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

// A section title over its table; returns where the table starts.
double DessinerTitre(QPainter& p, double y, const QString& titre) {
    p.setPen(Bleu);
    p.setFont(PoliceRapport(11, true));
    p.drawText(QRectF(MargeGauche, y, LargeurUtile, Mm(7)), Qt::AlignLeft | Qt::AlignVCenter,
               titre);
    return y + Mm(8.5);
}

// The characteristics, label beside value, each cell wrapped when its text is longer
// than its column. Returns the bottom of the table.
double DessinerCaracteristiques(QPainter& p, double y,
                                const std::vector<LigneCaracteristique>& lignes) {
    p.setFont(PoliceRapport(10));
    const QFontMetricsF mesure(p.font(), p.device());
    const double marge = Mm(2);
    double largeurLibelles = 0;
    for (const LigneCaracteristique& l : lignes)
        largeurLibelles = std::max(largeurLibelles, mesure.horizontalAdvance(Q(l.libelle)));
    largeurLibelles =
        std::clamp(largeurLibelles + 2 * marge, LargeurUtile * 0.45, LargeurUtile * 0.65);
    const double largeurValeurs = LargeurUtile - largeurLibelles;
    std::vector<double> hauteurs;
    double total = 0;
    for (const LigneCaracteristique& l : lignes) {
        hauteurs.push_back(
            std::max({mesure.height(), HauteurTexte(p, largeurLibelles - 2 * marge, Q(l.libelle)),
                      HauteurTexte(p, largeurValeurs - 2 * marge, Q(l.valeur))}) +
            Mm(2.6));
        total += hauteurs.back();
    }
    // The shading first, then the texts, then the rules, so that no fill hides a rule.
    p.fillRect(QRectF(MargeGauche, y, largeurLibelles, total), FondLibelle);
    p.setPen(Encre);
    double bas = y;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const double h = hauteurs[i];
        p.drawText(QRectF(MargeGauche + marge, bas, largeurLibelles - 2 * marge, h),
                   Q(lignes[i].libelle), Option(Qt::AlignLeft | Qt::AlignVCenter));
        p.drawText(
            QRectF(MargeGauche + largeurLibelles + marge, bas, largeurValeurs - 2 * marge, h),
            Q(lignes[i].valeur), Option(Qt::AlignLeft | Qt::AlignVCenter));
        bas += h;
    }
    p.setPen(Plume(Trait, 0.15));
    bas = y;
    for (std::size_t i = 0; i + 1 < lignes.size(); ++i) {
        bas += hauteurs[i];
        p.drawLine(QPointF(MargeGauche, bas), QPointF(MargeGauche + LargeurUtile, bas));
    }
    p.setPen(Plume(Trait, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(MargeGauche, y, LargeurUtile, total));
    p.drawLine(QPointF(MargeGauche + largeurLibelles, y),
               QPointF(MargeGauche + largeurLibelles, y + total));
    return y + total;
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

void DessinerPied(QPainter& p) {
    const double y = Mm(HauteurFeuilleMm) - Mm(16);
    p.setPen(Plume(Trait, 0.2));
    p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
    p.setPen(Gris);
    p.setFont(PoliceRapport(8));
    const QRectF cadre(MargeGauche, y + Mm(1), LargeurUtile, Mm(5));
    p.drawText(cadre, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VARQUIN " VARQUIN_VERSION));
    p.drawText(cadre, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page 1 / 1"));
}
} // namespace

void DessinerRapport(QPainter& p, const QRectF& feuille, const ContenuRapport& contenu) {
    const double echelle =
        std::min(feuille.width() / Mm(LargeurFeuilleMm), feuille.height() / Mm(HauteurFeuilleMm));
    p.save();
    p.translate(feuille.center());
    p.scale(echelle, echelle);
    p.translate(-Mm(LargeurFeuilleMm) / 2, -Mm(HauteurFeuilleMm) / 2);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    DessinerEntete(p, contenu.date);
    double y = DessinerTitre(p, MargeHaut + Mm(34), QStringLiteral("Caractéristiques du projet"));
    y = DessinerCaracteristiques(p, y, contenu.caracteristiques);
    y = DessinerTitre(p, y + Mm(10), QStringLiteral("Résultats mensuels"));
    DessinerResultats(p, y, contenu.resultats);
    DessinerPied(p);
    p.restore();
}
