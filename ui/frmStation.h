#pragma once
// A user weather station (its name ends with "*"): name, site data, latitude,
// hemisphere, zone and the three monthly series. "Ok" saves it into the station
// files under the name typed ("*" appended) and selects it for the project; the
// series can also be taken from an EnergyPlus weather file, for the person to review
// before saving.

#include <QDialog>
#include <array>

class ChampSaisie;
class QPushButton;
class QToolButton;
class clsprojet;

class frmStation : public QDialog {
    Q_OBJECT
public:
    explicit frmStation(clsprojet& projet, QWidget* parent = nullptr);

    ChampSaisie* txtStation() const { return txtStation_; }
    ChampSaisie* txtAltitude() const { return txtAltitude_; }
    ChampSaisie* txtDistanceMer() const { return txtDistanceMer_; }
    ChampSaisie* txtNbHabitant() const { return txtNbHabitant_; }
    ChampSaisie* txtlatitude() const { return txtlatitude_; }
    ChampSaisie* txtHemisphere() const { return txtHemisphere_; }
    ChampSaisie* txtZone() const { return txtZone_; }
    // Month m from 1 to 12.
    ChampSaisie* txtGh(int mois) const { return gh_.at(mois - 1); }
    ChampSaisie* txtText(int mois) const { return text_.at(mois - 1); }
    ChampSaisie* txtTef(int mois) const { return tef_.at(mois - 1); }
    QToolButton* Bouton(int numero) const; // the choice buttons 3, 4, 33 and 34
    QPushButton* cmdImporter() const { return importer_; }

    // Fills the dialog from the weather file. False, with the reason shown and
    // nothing changed, when the file cannot be read as one hourly year.
    bool ImporterFichier(const QString& chemin);

    void accept() override;

protected:
    // The weather file to import, "" when the person cancels.
    virtual QString DemanderFichierMeteo();

private:
    using Serie = std::array<ChampSaisie*, 12>;
    void Afficher();
    void ChoisirDistance();
    void ChoisirPopulation();
    void ChoisirZone();
    void Importer();
    bool VerifierNombres();
    bool Enregistrer(const std::string& nom);

    clsprojet& projet_;
    ChampSaisie* txtStation_;
    ChampSaisie* txtAltitude_;
    ChampSaisie* txtDistanceMer_;
    ChampSaisie* txtNbHabitant_;
    ChampSaisie* txtlatitude_;
    ChampSaisie* txtHemisphere_;
    ChampSaisie* txtZone_;
    Serie gh_{}, text_{}, tef_{};
    std::array<QToolButton*, 4> boutons_{};
    QPushButton* importer_;
    // After an import the zone follows the distance class, until the person picks a
    // zone of their own.
    bool zoneSelonDistance_ = false;
};
