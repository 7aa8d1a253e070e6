#pragma once
// "Économie": what the study is worth to the client. The heating the solar system
// relieves, with its efficiency, price and CO2 factor, the investment and the aids
// deducted, the upkeep, the lifetime and the discount rate; beside them the savings,
// the CO2 avoided, the payback and the cost of the solar kWh, recomputed on the
// project's results as the values are typed. Ok keeps the values in the project.

#include "project/DonneesEconomie.h"
#include "project/clsEconomie.h"

#include <QDialog>
#include <map>
#include <optional>
#include <string>

class ChampSaisie;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class clsprojet;

class frmEconomie : public QDialog {
    Q_OBJECT
public:
    explicit frmEconomie(clsprojet& projet, QWidget* parent = nullptr);

    // The inputs as typed; std::nullopt, with the reason in `erreur`, when a field is
    // not a number. A value equal to the table's default is left to the table.
    std::optional<clsEconomie> LireSaisie(std::string& erreur) const;

    ChampSaisie* Champ(const std::string& cle) const { return champs_.at(cle); }
    QComboBox* cmbEnergie() const { return cmbEnergie_; }
    QTableWidget* tblAides() const { return tblAides_; }
    // The result shown for a key of LignesEconomie ("temps_retour_ans"...).
    QString Resultat(const std::string& cle) const;
    QLabel* lblErreur() const { return lblErreur_; }

    // Adds an aid of the table (its position in it), or an empty one for -1.
    void AjouterAide(int position);
    // The energy's efficiency, price and CO2 factor put back to its table values.
    void ChoisirEnergie(int position);

    void accept() override;

private:
    QWidget* CreerHypotheses();
    QWidget* CreerAides();
    QWidget* CreerResultats();
    void Afficher(const clsEconomie& e);
    // The results of the values as typed, or why there are none.
    void Actualiser();
    double Defaut(const std::string& cle) const;

    clsprojet& projet_;
    DonneesEconomie donnees_;
    std::string erreurDonnees_;
    std::map<std::string, ChampSaisie*> champs_;
    std::map<std::string, QLabel*> resultats_;
    QComboBox* cmbEnergie_ = nullptr;
    QTableWidget* tblAides_ = nullptr;
    QLabel* lblEstimation_ = nullptr;
    QLabel* lblProductivite_ = nullptr;
    QLabel* lblErreur_ = nullptr;
    bool ecriture_ = false; // fields written by the program, not typed
};

// Opens the dialog on the project, modally.
void OuvrirEconomie(clsprojet& projet, QWidget* parent);
