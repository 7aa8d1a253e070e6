#pragma once
// "Dimensionnement": the sizing study of a collector-and-tank project beside its
// window. The annual coverage and the productivity per m² against the collectors'
// area, one curve per tank volume around the project's, the project's point ringed,
// the points where a month reaches the stagnation threshold marked, and the coverage
// the person aims at as a line. A click on a point gives the project that collector
// count and that tank through its lifecycle, so that the project window shows the
// results at once; the curves follow every change of the project.

#include "project/modBalayage.h"

#include <QDialog>
#include <functional>
#include <optional>

class ChampSaisie;
class GraphiqueDimensionnement;
class QLabel;
class clsprojet;

class frmDimensionnement : public QDialog {
    Q_OBJECT
public:
    // `projet` gives the project shown, or nullptr once it is released.
    explicit frmDimensionnement(std::function<clsprojet*()> projet, QWidget* parent = nullptr);

    // The study again on the project as it is now, and the charts redrawn.
    void Actualiser();
    // Gives the project the count and the tank of point `indice` of the study shown,
    // then recalculates it (its window redisplays).
    void Appliquer(std::size_t indice);
    // The coverage aimed at [%].
    void DefinirCible(double cible);

    const std::optional<Balayage>& Etude() const { return balayage_; }
    GraphiqueDimensionnement* Couverture() const { return couverture_; }
    GraphiqueDimensionnement* Productivite() const { return productivite_; }
    ChampSaisie* Cible() const { return txtCible_; }
    QLabel* Resume() const { return lblResume_; }

private:
    void AfficherResume();

    std::function<clsprojet*()> projet_;
    std::optional<Balayage> balayage_;
    double cible_ = 60;
    int actualisations_ = 0;
    ChampSaisie* txtCible_ = nullptr;
    QLabel* lblResume_ = nullptr;
    GraphiqueDimensionnement* couverture_ = nullptr;
    GraphiqueDimensionnement* productivite_ = nullptr;
};
