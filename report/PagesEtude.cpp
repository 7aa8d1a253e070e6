#include "report/PagesEtude.h"

#include "project/modBalayage.h"
#include "report/DessinRapport.h"
#include "report/GraphiqueMensuel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
using namespace dessin;

constexpr double PointsTables = 9.5;

// The page's title and the date, the project's title and client under them.
double DessinerEntete(QPainter& p, const ContenuEtude& c, const QString& titre) {
    p.setPen(Bleu);
    p.setFont(PoliceRapport(13, true));
    p.drawText(QRectF(MargeGauche, MargeHaut, Mm(120), Mm(7)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VARQUIN — ") + titre);
    p.setPen(Encre);
    p.setFont(PoliceRapport(9.5));
    p.drawText(QRectF(MargeGauche, MargeHaut + Mm(7.5), LargeurUtile - Mm(45), Mm(5)),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(p.font(), p.device())
                   .elidedText(Q(c.projet), Qt::ElideMiddle, LargeurUtile - Mm(45)));
    p.setPen(Encre);
    p.setFont(PoliceRapport(10));
    p.drawText(QRectF(MargeGauche + LargeurUtile - Mm(45), MargeHaut, Mm(45), Mm(7)),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Date : ") + Q(c.date));
    p.setPen(Plume(Bleu, 0.5));
    const double y = MargeHaut + Mm(15);
    p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
    return y + Mm(5);
}

double DessinerSections(QPainter& p, double y, const std::vector<SectionEtude>& sections) {
    for (const SectionEtude& s : sections) {
        y = DessinerTitre(p, y, Q(s.titre));
        y = DessinerCaracteristiques(p, y, s.lignes, PointsTables) + Mm(5);
    }
    return y;
}

// The monthly table: headings wrapped on a shaded row, the year in bold under a rule.
double DessinerMensuel(QPainter& p, double y, const std::vector<LigneMensuelle>& lignes) {
    const double marge = Mm(1.5);
    const double premiere = Mm(24);
    const double autre = (LargeurUtile - premiere) / (ColonnesMensuelles - 1);
    const auto largeur = [&](std::size_t c) { return c == 0 ? premiere : autre; };
    for (std::size_t r = 0; r < lignes.size(); ++r) {
        const bool entete = r == 0, annee = r + 1 == lignes.size();
        p.setFont(PoliceRapport(PointsTables, entete || annee));
        double h = QFontMetricsF(p.font(), p.device()).height();
        for (std::size_t c = 0; c < ColonnesMensuelles && entete; ++c)
            h = std::max(h, HauteurTexte(p, largeur(c) - 2 * marge, Q(lignes[r][c])));
        h += Mm(2);
        if (entete)
            p.fillRect(QRectF(MargeGauche, y, LargeurUtile, h), FondEntete);
        p.setPen(Encre);
        double x = MargeGauche;
        for (std::size_t c = 0; c < ColonnesMensuelles; ++c) {
            const Qt::Alignment a = c == 0   ? Qt::AlignLeft
                                    : entete ? Qt::AlignHCenter
                                             : Qt::AlignRight;
            p.drawText(QRectF(x + marge, y, largeur(c) - 2 * marge, h), Q(lignes[r][c]),
                       Option(a | Qt::AlignVCenter));
            x += largeur(c);
        }
        y += h;
        p.setPen(Plume(Trait, entete || r + 2 == lignes.size() ? 0.3 : 0.12));
        p.drawLine(QPointF(MargeGauche, y), QPointF(MargeGauche + LargeurUtile, y));
    }
    return y;
}

const QColor CouleursBallons[] = {QColor(91, 125, 177), QColor(240, 160, 48), QColor(64, 160, 144),
                                  QColor(144, 96, 176), QColor(128, 128, 128)};
const QColor CouleurSurchauffe(208, 32, 32);

void Triangle(QPainter& p, const QPointF& c, double r) {
    const QPointF sommets[] = {c + QPointF(0, -r), c + QPointF(r * 0.87, r * 0.5),
                               c + QPointF(-r * 0.87, r * 0.5)};
    p.drawPolygon(sommets, 3);
}

// One line per tank volume, the project's point ringed, the stagnation marks; an entry
// that would pass the right margin starts a new line. Returns where the chart starts.
double LegendeDimensionnement(QPainter& p, double y, const CourbesDimensionnement& d) {
    p.setFont(PoliceRapport(8.5));
    const QFontMetricsF mesure(p.font(), p.device());
    const double debut = MargeGauche + Mm(16), droite = MargeGauche + LargeurUtile;
    double x = debut;
    // An entry: its mark `marque` wide, then its text.
    const auto entree = [&](double marque, const QString& t, const auto& dessinerMarque) {
        const double l = mesure.horizontalAdvance(t);
        if (x > debut && x + marque + l > droite) {
            x = debut;
            y += Mm(5);
        }
        dessinerMarque(x);
        x += marque;
        p.setPen(Encre);
        p.drawText(QRectF(x, y, l + Mm(1), Mm(5)), Qt::AlignLeft | Qt::AlignVCenter, t);
        x += l + Mm(5);
    };
    for (std::size_t j = 0; j < d.courbes.size(); ++j) {
        entree(Mm(6.5),
               Q(d.courbes[j].ballon) +
                   (j == d.courbeProjet ? QStringLiteral(" (projet)") : QString()),
               [&](double xm) {
                   p.setPen(Plume(CouleursBallons[j % std::size(CouleursBallons)], 0.5));
                   p.drawLine(QPointF(xm, y + Mm(2.5)), QPointF(xm + Mm(5), y + Mm(2.5)));
               });
    }
    entree(Mm(4.5), QStringLiteral("Projet"), [&](double xm) {
        p.setPen(Plume(Encre, 0.4));
        p.drawEllipse(QPointF(xm + Mm(1.5), y + Mm(2.5)), Mm(1.5), Mm(1.5));
    });
    entree(Mm(4.5),
           QStringLiteral("Un mois couvert à ") + Q(FormatFrancais(SeuilSurchauffe, 0)) +
               QStringLiteral(" % ou plus"),
           [&](double xm) {
               p.setPen(Plume(CouleurSurchauffe, 0.3));
               Triangle(p, QPointF(xm + Mm(1.5), y + Mm(2.7)), Mm(1.6));
           });
    return y + Mm(7);
}

void GraduerDimensionnement(QPainter& p, const QRectF& zone, double xMax, double xPas) {
    p.setFont(PoliceRapport(8.5));
    for (double v = 0; v <= 100; v += 20) {
        const double yv = zone.bottom() - zone.height() * v / 100;
        p.setPen(Plume(Trait, v == 0 ? 0.3 : 0.1));
        p.drawLine(QPointF(zone.left(), yv), QPointF(zone.right(), yv));
        p.setPen(Gris);
        p.drawText(QRectF(MargeGauche, yv - Mm(2.5), Mm(14), Mm(5)),
                   Qt::AlignRight | Qt::AlignVCenter, Q(FormatFrancais(v, 0)));
    }
    for (double v = 0; v <= xMax + xPas / 2; v += xPas) {
        const double xv = zone.left() + zone.width() * v / xMax;
        p.setPen(Plume(Trait, v == 0 ? 0.3 : 0.1));
        p.drawLine(QPointF(xv, zone.top()), QPointF(xv, zone.bottom()));
        p.setPen(Gris);
        // The last graduation ends on the chart's edge, within the margin.
        const bool derniere = v + xPas / 2 > xMax;
        p.drawText(
            QRectF(derniere ? xv - Mm(16) : xv - Mm(8), zone.bottom() + Mm(1), Mm(16), Mm(4.5)),
            (derniere ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop,
            Q(FormatFrancais(v, xPas < 1 ? 1 : 0)));
    }
    p.drawText(QRectF(zone.left(), zone.bottom() + Mm(5.5), zone.width(), Mm(4.5)),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Surface de capteurs [m²]"));
    p.drawText(QRectF(MargeGauche, zone.top() - Mm(7), Mm(60), Mm(5)),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Couverture solaire [%]"));
}

// The annual coverage against the collectors' area for the tanks around the
// project's (nothing when the study was not made). Returns where the text that follows
// starts.
double DessinerDimensionnement(QPainter& p, double y, const ContenuEtude& c) {
    if (!c.dimensionnement || c.dimensionnement->courbes.empty())
        return y;
    const CourbesDimensionnement& d = *c.dimensionnement;
    const double hauteur = Mm(140);
    y = DessinerTitre(p, y, QStringLiteral("Couverture solaire selon la surface de capteurs"));
    y = LegendeDimensionnement(p, y, d);
    double xMax = d.surfaceProjet;
    for (const CourbeDimensionnement& k : d.courbes)
        for (const double s : k.surfaces)
            xMax = std::max(xMax, s);
    const double xPas = PasGraduation(xMax);
    xMax = std::max(1.0, std::ceil(xMax / xPas)) * xPas;
    const QRectF zone(MargeGauche + Mm(16), y + Mm(8), LargeurUtile - Mm(16), hauteur);
    GraduerDimensionnement(p, zone, xMax, xPas);
    const auto point = [&](double s, double f) {
        return QPointF(zone.left() + zone.width() * s / xMax,
                       zone.bottom() - zone.height() * std::clamp(f, 0.0, 100.0) / 100);
    };
    for (std::size_t j = 0; j < d.courbes.size(); ++j) {
        const CourbeDimensionnement& k = d.courbes[j];
        QPolygonF ligne;
        for (std::size_t i = 0; i < k.surfaces.size(); ++i)
            ligne << point(k.surfaces[i], k.couvertures[i]);
        // The project's tank stands out.
        p.setPen(Plume(CouleursBallons[j % std::size(CouleursBallons)],
                       j == d.courbeProjet ? 0.8 : 0.4));
        p.drawPolyline(ligne);
        p.setPen(Plume(CouleurSurchauffe, 0.3));
        for (std::size_t i = 0; i < k.surfaces.size(); ++i)
            if (k.surchauffes[i])
                Triangle(p, ligne[static_cast<int>(i)], Mm(1.6));
    }
    const QPointF projet = point(d.surfaceProjet, d.couvertureProjet);
    p.setPen(Plume(Encre, 0.45));
    p.drawEllipse(projet, Mm(2), Mm(2));
    p.setFont(PoliceRapport(8.5, true));
    const QString etiquette = QStringLiteral("Projet : ") + Q(FormatFrancais(d.surfaceProjet, 2)) +
                              QStringLiteral(" m², ") + Q(FormatFrancais(d.couvertureProjet, 0)) +
                              QStringLiteral(" %");
    // Beside the point, on the side where it stays within the chart.
    const double l = QFontMetricsF(p.font(), p.device()).horizontalAdvance(etiquette) + Mm(1);
    const double x =
        projet.x() + Mm(3) + l <= zone.right() ? projet.x() + Mm(3) : projet.x() - Mm(3) - l;
    p.drawText(QRectF(x, projet.y() + Mm(1.5), l, Mm(5)), Qt::AlignLeft | Qt::AlignVCenter,
               etiquette);
    return zone.bottom() + Mm(13);
}

void DessinerNote(QPainter& p, double y, const QString& texte) {
    p.setPen(Gris);
    p.setFont(PoliceRapport(8.5));
    p.drawText(QRectF(MargeGauche, y, LargeurUtile, BasUtile - y - Mm(2)), texte,
               Option(Qt::AlignLeft | Qt::AlignTop));
}

void PageDonnees(QPainter& p, double y, const ContenuEtude& c) {
    DessinerSections(p, y, c.donnees);
}

void PageMensuelle(QPainter& p, double y, const ContenuEtude& c) {
    y = DessinerTitre(p, y, QStringLiteral("Besoins et énergie solaire, mois par mois"));
    y = DessinerMensuel(p, y, c.mensuel) + Mm(8);
    y = DessinerTitre(p, y, QStringLiteral("Besoins et énergie solaire [kWh]"));
    DessinerGraphiqueMensuel(p, QRectF(MargeGauche, y, LargeurUtile, Mm(86)), c.besoins, c.solaire);
}

void PageEconomie(QPainter& p, double y, const ContenuEtude& c) {
    if (c.bilan.empty()) {
        y = DessinerTitre(p, y, QStringLiteral("Économie et CO2"));
        y = DessinerCaracteristiques(p, y, {{"Étude économique non faite", c.erreurEconomie}},
                                     PointsTables) +
            Mm(5);
    } else {
        y = DessinerSections(
            p, y,
            {{"Hypothèses économiques", c.hypotheses}, {"Économie, CO2 et rentabilité", c.bilan}});
    }
    y = DessinerSections(p, y, {{"Productivité solaire", c.productivite}});
    // The tables' sources after the method: how old the prices and aids are.
    QString note = QStringLiteral(
        "Économie d'énergie : énergie solaire fournie divisée par le rendement de l'énergie "
        "remplacée. Flux de l'année k : économie au prix augmenté k − 1 fois de la hausse "
        "indiquée, moins l'entretien. Temps de retour simple : première année où les flux "
        "cumulés couvrent l'investissement net ; « — » s'il n'est pas atteint sur la durée de "
        "vie. Coût du kWh solaire : investissement net et entretien actualisés, divisés par "
        "l'énergie solaire actualisée sur la durée de vie. Gain net cumulé : somme des flux "
        "moins l'investissement net. Valeur actuelle nette : somme des flux actualisés moins "
        "l'investissement net. Taux de rentabilité interne : taux d'actualisation qui annule "
        "cette valeur, cherché entre −99 et 100 % ; « — » s'il n'y en a pas ou si les flux "
        "changent de signe plus d'une fois.");
    if (!c.sourcesEconomie.empty())
        note += QStringLiteral("\n");
    for (const LigneCaracteristique& source : c.sourcesEconomie)
        note += QStringLiteral("\nSource de la table ") + Q(source.libelle) +
                QStringLiteral(" : ") + Q(source.valeur);
    DessinerNote(p, y, note);
}
// The sizing study, on its own page: the chart needs the room.
void PageDimensionnement(QPainter& p, double y, const ContenuEtude& c) {
    y = DessinerDimensionnement(p, y, c);
    DessinerNote(
        p, y,
        QStringLiteral("Chaque point est le projet calculé avec ce nombre de capteurs et ce "
                       "ballon, toutes ses autres données inchangées ; le point cerclé est le "
                       "projet lui-même. Un triangle marque un point dont au moins un mois est "
                       "couvert à ") +
            Q(FormatFrancais(SeuilSurchauffe, 0)) +
            QStringLiteral(" % ou plus : les capteurs risquent alors la stagnation en été "
                           "(surchauffe), à prévenir par une surface plus faible, un ballon plus "
                           "grand ou une décharge de chaleur."));
}
} // namespace

int NbPagesEtude(const ContenuEtude& contenu) {
    return contenu.dimensionnement ? 4 : 3;
}

void DessinerPageEtude(QPainter& p, const QRectF& feuille, const ContenuEtude& contenu, int page,
                       int numero, int total) {
    static const QString titres[] = {
        QStringLiteral("Données de l'étude"), QStringLiteral("Résultats mensuels détaillés"),
        QStringLiteral("Économie et CO2"), QStringLiteral("Dimensionnement")};
    if (page < 0 || page >= NbPagesEtude(contenu))
        return;
    PlacerPage(p, feuille);
    const double y = DessinerEntete(p, contenu, titres[page]);
    if (page == 0)
        PageDonnees(p, y, contenu);
    else if (page == 1)
        PageMensuelle(p, y, contenu);
    else if (page == 2)
        PageEconomie(p, y, contenu);
    else
        PageDimensionnement(p, y, contenu);
    DessinerPied(p, numero, total);
    p.restore();
}
