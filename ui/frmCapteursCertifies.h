#pragma once
// « Capteurs certifiés »: the person's library of certified collectors, searched by
// name (case and accents ignored), each datasheet shown beside the Bc, Kc and Ac the
// method takes from it. Choosing one writes its values and its name over one of the
// person's own collector entries of the catalogue (a name ending with "*", the one
// the person picks) and gives it to the project, which then uses the catalogue as
// for any other collector. A CSV file of datasheets is imported from here.

#include "data/FicheCapteur.h"

#include <QDialog>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class clsprojet;

class frmCapteursCertifies : public QDialog {
    Q_OBJECT
public:
    explicit frmCapteursCertifies(clsprojet& projet, QWidget* parent = nullptr);

    QLineEdit* txtRecherche() const { return recherche_; }
    QTableView* lstCapteurs() const { return liste_; }
    QComboBox* cmbTypeMethode() const { return typeMethode_; }
    QComboBox* cmbEntree() const { return entree_; }
    QPushButton* cmdChoisir() const { return choisir_; }

    // Imports the CSV file into the library and lists it again; a bad file is told
    // to the person and changes nothing. False when nothing was imported.
    bool Importer(const QString& chemin);

    // Writes the datasheet selected over the entry chosen in cmbEntree and gives it to
    // the project; a refusal is told and keeps the dialog open.
    void accept() override;

private:
    class QLayout* CreerRecherche();
    QWidget* CreerListe();
    QWidget* CreerCopie();
    void Remplir();
    void SurSelection();
    const FicheCapteur* FicheChoisie() const;
    bool Copier(const FicheCapteur& fiche);

    clsprojet& projet_;
    std::vector<FicheCapteur> fiches_;
    QStandardItemModel* modele_ = nullptr;
    QSortFilterProxyModel* filtre_ = nullptr;
    QLineEdit* recherche_ = nullptr;
    QTableView* liste_ = nullptr;
    QComboBox* typeMethode_ = nullptr;
    QComboBox* entree_ = nullptr;
    QLabel* etat_ = nullptr;
    QPushButton* choisir_ = nullptr;
};

// Opens the dialog on the project, modally.
void OuvrirCapteursCertifies(clsprojet& projet, QWidget* parent);
