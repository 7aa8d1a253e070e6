#include "report/PagesEtude.h"

#include "report/DessinRapport.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
using namespace dessin;

constexpr double PointsTables = 9.5;

// The project and the date on every page, under the program's name.
double DessinerEntete(QPainter& p, const ContenuEtude& c, const QString& titre) {
    p.setPen(Bleu);
    p.setFont(PoliceRapport(13, true));
    p.drawText(QRectF(MargeGauche, MargeHaut, Mm(120), Mm(7)), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VARQUIN — ") + titre);
    p.setPen(Gris);
    p.setFont(PoliceRapport(9));
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

// A round step for about five graduations up to `maximum`.
double Pas(double maximum) {
    const double brut = std::max(maximum, 1.0) / 5;
    const double decade = std::pow(10, std::floor(std::log10(brut)));
    for (double f : {1.0, 2.0, 2.5, 5.0}) {
        if (f * decade >= brut)
            return f * decade;
    }
    return 10 * decade;
}

void DessinerLegende(QPainter& p, double x, double y, const QColor& couleur, const QString& texte) {
    p.fillRect(QRectF(x, y + Mm(1), Mm(4), Mm(3)), couleur);
    p.setPen(Encre);
    p.drawText(QRectF(x + Mm(5.5), y, Mm(60), Mm(5)), Qt::AlignLeft | Qt::AlignVCenter, texte);
}

// Needs beside solar energy, month by month, on graduated kilowatt-hours.
double DessinerGraphique(QPainter& p, double y, const ContenuEtude& c) {
    const QColor couleurBesoins(120, 145, 190), couleurSolaire(240, 160, 40);
    p.setFont(PoliceRapport(8.5));
    DessinerLegende(p, MargeGauche + Mm(16), y, couleurBesoins, QStringLiteral("Besoins"));
    DessinerLegende(p, MargeGauche + Mm(50), y, couleurSolaire, QStringLiteral("Énergie solaire"));
    const auto fini = [](double v) { return std::isfinite(v) ? std::max(v, 0.0) : 0.0; };
    double maximum = 0;
    for (std::size_t m = 0; m < 12; ++m)
        maximum = std::max({maximum, fini(c.besoins[m]), fini(c.solaire[m])});
    const double pas = Pas(maximum);
    const double haut = std::ceil(std::max(maximum, 1.0) / pas) * pas;
    const QRectF zone(MargeGauche + Mm(16), y + Mm(9), LargeurUtile - Mm(16), Mm(70));
    for (double v = 0; v <= haut + pas / 2; v += pas) {
        const double yv = zone.bottom() - zone.height() * v / haut;
        p.setPen(Plume(Trait, v == 0 ? 0.3 : 0.1));
        p.drawLine(QPointF(zone.left(), yv), QPointF(zone.right(), yv));
        p.setPen(Gris);
        p.drawText(QRectF(MargeGauche, yv - Mm(2.5), Mm(14), Mm(5)),
                   Qt::AlignRight | Qt::AlignVCenter, Q(FormatFrancais(v, 0)));
    }
    const double colonne = zone.width() / 12, barre = colonne * 0.34;
    for (std::size_t m = 0; m < 12; ++m) {
        const double x = zone.left() + colonne * static_cast<double>(m) + colonne * 0.14;
        const double hb = zone.height() * fini(c.besoins[m]) / haut;
        const double hs = zone.height() * fini(c.solaire[m]) / haut;
        p.fillRect(QRectF(x, zone.bottom() - hb, barre, hb), couleurBesoins);
        p.fillRect(QRectF(x + barre, zone.bottom() - hs, barre, hs), couleurSolaire);
        p.setPen(Encre);
        p.drawText(QRectF(x - colonne * 0.1, zone.bottom() + Mm(1), colonne, Mm(5)),
                   Qt::AlignHCenter | Qt::AlignTop,
                   Q(c.mensuel.size() > m + 1 ? c.mensuel[m + 1][0] : std::string()));
    }
    p.setPen(Gris);
    p.drawText(QRectF(MargeGauche, zone.top() - Mm(8), Mm(14), Mm(5)),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("kWh"));
    return zone.bottom() + Mm(7);
}

// Where the sizing curves go once the sizing study exists and fills the content's
// curves; until then nothing is drawn and no room is taken. Returns where the text
// that follows starts.
double DessinerDimensionnement(QPainter&, double y, const ContenuEtude&) {
    return y;
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
    DessinerGraphique(p, y, c);
}

void PageEconomie(QPainter& p, double y, const ContenuEtude& c) {
    if (c.bilan.empty()) {
        y = DessinerTitre(p, y, QStringLiteral("Économie et CO2"));
        y = DessinerCaracteristiques(p, y, {{"Étude économique non faite", c.erreurEconomie}},
                                     PointsTables) +
            Mm(5);
    } else {
        y = DessinerSections(p, y,
                             {{"Hypothèses économiques", c.hypotheses},
                              {"Économie, CO2 et temps de retour", c.bilan}});
    }
    y = DessinerSections(p, y, {{"Productivité solaire", c.productivite}});
    y = DessinerDimensionnement(p, y, c);
    DessinerNote(
        p, y,
        QStringLiteral("Économie d'énergie : énergie solaire fournie divisée par le rendement de "
                       "l'énergie remplacée. Temps de retour simple : première année où les "
                       "économies cumulées (prix augmenté chaque année de la hausse indiquée), "
                       "moins l'entretien, couvrent l'investissement net ; « — » s'il n'est pas "
                       "atteint sur la durée de vie. Coût du kWh solaire : investissement net et "
                       "entretien actualisés, divisés par l'énergie solaire actualisée sur la "
                       "durée de vie."));
}
} // namespace

int NbPagesEtude(const ContenuEtude&) {
    return 3;
}

void DessinerPageEtude(QPainter& p, const QRectF& feuille, const ContenuEtude& contenu, int page,
                       int numero, int total) {
    static const QString titres[] = {QStringLiteral("Données de l'étude"),
                                     QStringLiteral("Résultats mensuels détaillés"),
                                     QStringLiteral("Économie et CO2")};
    if (page < 0 || page >= NbPagesEtude(contenu))
        return;
    PlacerPage(p, feuille);
    const double y = DessinerEntete(p, contenu, titres[page]);
    if (page == 0)
        PageDonnees(p, y, contenu);
    else if (page == 1)
        PageMensuelle(p, y, contenu);
    else
        PageEconomie(p, y, contenu);
    DessinerPied(p, numero, total);
    p.restore();
}
