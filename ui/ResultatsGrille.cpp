#include "ui/ResultatsGrille.h"

#include "data/modTexte.h"
#include "ui/modAffichages.h"

#include <QHeaderView>
#include <algorithm>
#include <cmath>

namespace {
// The French abbreviated month names, as the program's culture writes them.
const char* const NomsMois[13] = {"",      "janv.", "févr.", "mars", "avr.", "mai", "juin",
                                  "juil.", "août",  "sept.", "oct.", "nov.", "déc."};

const char* const EnTetesLignes[ResultatsGrille::NbLignes] = {
    "", "Couverture [%]", "Besoins [kWh]", "Productivité [kWh]", "Productivité /m²"};

QString Entier(double v) {
    return TexteFormate(v, FormatAffichage::Entier);
}
} // namespace

double ProductiviteAnnuelle(const DonneesResultats& r) {
    double somme = 0;
    for (int m = 1; m <= 12; ++m) {
        if (!std::isfinite(r.Prod[m]))
            return std::nan("");
        somme += ValeurEnTete(FormatDeuxDecimales(r.Prod[m]));
    }
    return somme;
}

ResultatsGrille::ResultatsGrille(QWidget* parent) : QTableWidget(NbLignes, NbColonnes, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(Police(8));
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);

    // The widths of the grid's design, widened where this font needs more room for a
    // heading or a five-digit value.
    const QFontMetrics fm(font());
    const int marge = 8;
    int titres = 0;
    for (int l = 1; l < NbLignes; ++l)
        titres = std::max(titres, fm.horizontalAdvance(QString::fromUtf8(EnTetesLignes[l])));
    const int chiffres = fm.horizontalAdvance(QStringLiteral("88888"));
    setColumnWidth(0, std::max(PixelsX(1500), titres + marge));
    for (int c = 1; c <= 12; ++c)
        setColumnWidth(c, std::max(PixelsX(600), chiffres + marge));
    setColumnWidth(13,
                   std::max(PixelsX(700), fm.horizontalAdvance(QStringLiteral("888888")) + marge));
    const int hauteurLigne = fontMetrics().height() + 4;
    int largeur = 2 * frameWidth();
    for (int c = 0; c < NbColonnes; ++c)
        largeur += columnWidth(c);
    for (int l = 0; l < NbLignes; ++l)
        setRowHeight(l, hauteurLigne);
    setFixedSize(largeur, NbLignes * hauteurLigne + 2 * frameWidth());

    for (int l = 0; l < NbLignes; ++l) {
        for (int c = 0; c < NbColonnes; ++c) {
            auto* cellule = new QTableWidgetItem;
            const bool enTete = l == 0 || c == 0;
            cellule->setTextAlignment(enTete && c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                      : enTete         ? Qt::AlignCenter
                                                       : (Qt::AlignRight | Qt::AlignVCenter));
            if (enTete)
                cellule->setBackground(CouleurCadre);
            setItem(l, c, cellule);
        }
    }
    for (int m = 1; m <= 12; ++m)
        Ecrire(0, m, QString::fromUtf8(NomsMois[m]));
    Ecrire(0, 13, QStringLiteral("Annuel"));
}

QString ResultatsGrille::Texte(int ligne, int colonne) const {
    const QTableWidgetItem* cellule = item(ligne, colonne);
    return cellule ? cellule->text() : QString();
}

void ResultatsGrille::Ecrire(int ligne, int colonne, const QString& texte) {
    item(ligne, colonne)->setText(texte);
}

void ResultatsGrille::EcrireEnTetes() {
    for (int l = 1; l < NbLignes; ++l)
        Ecrire(l, 0, QString::fromUtf8(EnTetesLignes[l]));
}

void ResultatsGrille::AfficherResultats(const DonneesResultats& r, bool calculAuto) {
    EcrireEnTetes();
    if (!calculAuto) {
        for (int l = 1; l < NbLignes; ++l)
            for (int c = 1; c < NbColonnes; ++c)
                Ecrire(l, c, QString());
        return;
    }
    // The per-m² cells of a one-piece water heater have no collector area to mean.
    const bool sansParM2 = r.ChauffeEau && r.Ac > 0;
    for (int m = 1; m <= 12; ++m) {
        Ecrire(1, m, Entier(r.Fecs[m]));
        Ecrire(2, m, Entier(r.Becs[m]));
        Ecrire(3, m, Entier(r.Prod[m]));
        // A total area of 0 gives no quotient: the cell stays empty.
        const bool quotient = !sansParM2 && r.surface_totale != 0;
        Ecrire(4, m,
               quotient ? Entier(static_cast<double>(r.Prod[m]) / r.surface_totale) : QString());
    }
    Ecrire(1, 13, Entier(r.Fecs_an));
    Ecrire(2, 13, Entier(r.Becs_an));
    Ecrire(3, 13, Entier(ProductiviteAnnuelle(r)));
    Ecrire(4, 13, r.ChauffeEau ? QString() : Entier(r.Productivite_par_m2));
}
