#include "report/PageRapport.h"

#include "report/DessinRapport.h"
#include "report/GraphiqueMensuel.h"
#include "report/Illustration.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace {
using namespace dessin;

// Point sizes of the summary's tables: what lets the dossier, the characteristics,
// the results, the chart and the signature share one page.
constexpr double PointsDossier = 9;
constexpr double PointsCaracteristiques = 9;

// The program's picture and name, the project's title and client beside the date, and
// the installer's logo at the top right when there is one.
double DessinerEntete(QPainter& p, const ContenuRapport& c, const QImage& logo) {
    DessinerIllustration(p, QRectF(MargeGauche, MargeHaut, Mm(30), Mm(22.5)));
    const double x = MargeGauche + Mm(35), droite = MargeGauche + LargeurUtile;
    p.setPen(Bleu);
    p.setFont(PoliceRapport(20, true));
    p.drawText(QRectF(x, MargeHaut, Mm(70), Mm(10)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VARQUIN"));
    p.setPen(Gris);
    p.setFont(PoliceRapport(9));
    p.drawText(QRectF(x, MargeHaut + Mm(10), Mm(80), Mm(5)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Dimensionnement des chauffe-eau solaires"));
    if (!logo.isNull()) {
        const QSizeF taille =
            QSizeF(logo.size()).scaled(QSizeF(Mm(55), Mm(16)), Qt::KeepAspectRatio);
        p.drawImage(QRectF(QPointF(droite - taille.width(), MargeHaut), taille), logo);
    }
    const double y = MargeHaut + Mm(17.5);
    p.setPen(Encre);
    p.setFont(PoliceRapport(9.5));
    const QString date = Q(c.date);
    const double largeurDate = QFontMetricsF(p.font(), p.device()).horizontalAdvance(date) + Mm(1);
    p.drawText(QRectF(droite - largeurDate, y, largeurDate, Mm(6)),
               Qt::AlignRight | Qt::AlignVCenter, date);
    p.setPen(Bleu);
    p.setFont(PoliceRapport(11, true));
    const double largeurProjet = droite - largeurDate - Mm(6) - x;
    p.drawText(QRectF(x, y, largeurProjet, Mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(p.font(), p.device())
                   .elidedText(Q(c.projet), Qt::ElideMiddle, largeurProjet));
    const double regle = MargeHaut + Mm(26);
    p.setPen(Plume(Bleu, 0.6));
    p.drawLine(QPointF(MargeGauche, regle), QPointF(droite, regle));
    return regle + Mm(4);
}

// Who the study is for beside who made it; nothing when the dossier is empty.
double DessinerDossier(QPainter& p, double y, const ContenuRapport& c) {
    if (c.client.empty() && c.installateur.empty())
        return y;
    y = DessinerTitre(p, y, QStringLiteral("Dossier"));
    const double espacement = Mm(1.4);
    if (c.client.empty() || c.installateur.empty()) {
        return DessinerCaracteristiques(p, MargeGauche, y, LargeurUtile,
                                        c.client.empty() ? c.installateur : c.client, PointsDossier,
                                        espacement);
    }
    const double ecart = Mm(6), moitie = (LargeurUtile - ecart) / 2;
    const double gauche =
        DessinerCaracteristiques(p, MargeGauche, y, moitie, c.client, PointsDossier, espacement);
    const double droite = DessinerCaracteristiques(p, MargeGauche + moitie + ecart, y, moitie,
                                                   c.installateur, PointsDossier, espacement);
    return std::max(gauche, droite);
}

// « Établi par », « Date » and « Signature » over the room to sign in, at the foot of
// the page.
constexpr double HauteurSignature = Mm(23);

void DessinerSignature(QPainter& p, double y, const ContenuRapport& c) {
    const struct {
        QString titre, texte;
        double part;
    } cases[] = {{QStringLiteral("Établi par"), Q(c.etabliPar), 0.42},
                 {QStringLiteral("Date"), Q(c.dateSignature), 0.2},
                 {QStringLiteral("Signature"), QString(), 0.38}};
    const double titre = Mm(6), marge = Mm(2);
    double x = MargeGauche;
    for (const auto& k : cases) {
        const double largeur = LargeurUtile * k.part;
        p.fillRect(QRectF(x, y, largeur, titre), FondLibelle);
        p.setPen(Gris);
        p.setFont(PoliceRapport(8.5, true));
        p.drawText(QRectF(x + marge, y, largeur - 2 * marge, titre),
                   Qt::AlignLeft | Qt::AlignVCenter, k.titre);
        p.setPen(Encre);
        p.setFont(PoliceRapport(9.5));
        p.drawText(QRectF(x + marge, y + titre + Mm(1.5), largeur - 2 * marge,
                          HauteurSignature - titre - Mm(3)),
                   k.texte, Option(Qt::AlignLeft | Qt::AlignTop));
        p.setPen(Plume(Trait, 0.25));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x, y, largeur, HauteurSignature));
        p.drawLine(QPointF(x, y + titre), QPointF(x + largeur, y + titre));
        x += largeur;
    }
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
    const double h = QFontMetricsF(PoliceRapport(m.points), p.device()).height() + Mm(2.8);
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

void DessinerRapport(QPainter& p, const QRectF& feuille, const DocumentRapport& document,
                     int numero, int total) {
    const ContenuRapport& c = document.resume;
    PlacerPage(p, feuille);
    double y = DessinerEntete(p, c, document.logo);
    y = DessinerDossier(p, y, c);
    y = DessinerTitre(p, y + Mm(4), QStringLiteral("Caractéristiques du projet"));
    y = DessinerCaracteristiques(p, MargeGauche, y, LargeurUtile, c.caracteristiques,
                                 PointsCaracteristiques, Mm(1.6));
    y = DessinerTitre(p, y + Mm(4), QStringLiteral("Résultats mensuels"));
    y = DessinerResultats(p, y, c.resultats) + Mm(6);
    // The chart takes the room left above the signature, when there is enough to read it.
    const double signature = BasUtile - Mm(5) - HauteurSignature;
    const double hauteur = std::min(signature - Mm(5) - y, Mm(100));
    if (hauteur >= Mm(36))
        DessinerGraphiqueMensuel(p, QRectF(MargeGauche, y, LargeurUtile, hauteur),
                                 document.etude.besoins, document.etude.solaire);
    DessinerSignature(p, signature, c);
    DessinerPied(p, numero, total);
    p.restore();
}
