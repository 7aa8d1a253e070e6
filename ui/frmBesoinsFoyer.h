#pragma once
// « Besoins d'un foyer », opened from the needs dialog: the household's occupants
// (typed, or the adult-equivalents of its living area), the litres each draws per
// day at 40 °C and the share of each month the home is occupied give the twelve
// daily consumptions at the hot-water temperature of each month (modBesoinsFoyer.h).
// They go into the needs dialog's fields, which the person still confirms there.

#include "ui/ControleSaisie.h"

#include <QDialog>
#include <array>
#include <vector>

class ChampSaisie;
class QComboBox;
class QLabel;
class QRadioButton;
class clsBesoin;
class frmBesoins;

class frmBesoinsFoyer : public QDialog {
    Q_OBJECT
public:
    // tref and tef: months 1..12 of the hot-water and cold-water temperatures [°C].
    frmBesoinsFoyer(const std::array<float, 13>& tref, const std::array<float, 13>& tef,
                    QWidget* parent = nullptr);

    QRadioButton* optOccupants() const { return optOccupants_; }
    QRadioButton* optSurface() const { return optSurface_; }
    ChampSaisie* txtOccupants() const { return occupants_; }
    ChampSaisie* txtSurface() const { return surface_; }
    QComboBox* cmbLogement() const { return logement_; }
    ChampSaisie* txtLitres() const { return litres_; }
    ChampSaisie* txtOccupation(int mois) const { return occupation_.at(mois - 1); }
    QLabel* lblResultat(int mois) const { return resultats_.at(mois - 1); }

    // Months 1..12 [l/j] as last computed.
    const std::array<float, 13>& Consommations() const { return conso_; }

    // Computes once more; a refusal (a month whose Tref is not above its Tef) is told
    // and keeps the dialog open.
    void accept() override;

private:
    QWidget* CreerFoyer();
    QWidget* CreerMois();
    void Calculer(bool informer);
    // Each field with the key of its input rule (and its month).
    std::vector<ControleChamp> Controles() const;

    std::array<float, 13> tref_;
    std::array<float, 13> tef_;
    std::array<float, 13> conso_{};
    QRadioButton* optOccupants_ = nullptr;
    QRadioButton* optSurface_ = nullptr;
    ChampSaisie* occupants_ = nullptr;
    ChampSaisie* surface_ = nullptr;
    QComboBox* logement_ = nullptr;
    QLabel* nadeq_ = nullptr;
    ChampSaisie* litres_ = nullptr;
    std::array<ChampSaisie*, 12> occupation_{};
    std::array<QLabel*, 12> resultats_{};
    QLabel* erreur_ = nullptr;
};

// Opens the assistant on the needs dialog's temperatures and the project's cold
// water; Appliquer writes its consumptions into the dialog's month fields.
void OuvrirBesoinsFoyer(frmBesoins& besoins, const clsBesoin& besoin);
