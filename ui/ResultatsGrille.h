#pragma once
// The results grid: one column per month and one for the year, four result rows
// (coverage, needs, productivity, productivity per m²), every number as a whole
// number. In on-demand calculation mode the result cells are empty.

#include "ui/DonneesResultats.h"

#include <QTableWidget>

class ResultatsGrille : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int NbLignes = 5;
    static constexpr int NbColonnes = 14;

    explicit ResultatsGrille(QWidget* parent = nullptr);

    // Refills the grid; `calculAuto` false (on demand) leaves every result cell empty.
    void AfficherResultats(const DonneesResultats& r, bool calculAuto);

    // The text of one cell (row 0 and column 0 are the headings).
    QString Texte(int ligne, int colonne) const;

private:
    void Ecrire(int ligne, int colonne, const QString& texte);
    void EcrireEnTetes();
};

// The sum of the twelve monthly productivities, each first brought to two decimals;
// not finite when one of them is not.
double ProductiviteAnnuelle(const DonneesResultats& r);
