#pragma once
// The results grid: one column per month and one for the year, four result rows
// (coverage, needs, productivity, productivity per m²), every number as a whole
// number. In on-demand calculation mode the result cells are empty. Ctrl+C (or
// "Copier" in its menu) copies the selected cells, or the whole grid, for a
// spreadsheet.

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

    // The selected cells, or every result when none is, under their month headings and
    // beside their row headings: tab-separated lines as spreadsheets paste them.
    QString TexteCopie() const;
    // That text onto the clipboard.
    void Copier() const;

protected:
    bool event(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Ecrire(int ligne, int colonne, const QString& texte);
    void EcrireEnTetes();
};

// The sum of the twelve monthly productivities, each first brought to two decimals;
// not finite when one of them is not.
double ProductiviteAnnuelle(const DonneesResultats& r);
