#pragma once
// What the desktop suites share: the set-up that keeps them away from the person's own
// settings and data, a data folder loaded as at start-up with a project on it, the main
// window with its dialogs answered, and the person's gestures.

#include "../core/DonneesTest.h"
#include "project/clsprojet.h"
#include "ui/ProjetUI.h"
#include "ui/frmMain.h"

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// The main window, shown at 1280 x 800 and active, its dialogs answered by the test.
class PrincipaleEssai : public frmMain {
public:
    explicit PrincipaleEssai(FabriqueProjets& fabrique);
    void Commande(const char* nom) const;
    QAction* Action(const char* nom) const;

    QString reponseOuvrir, reponseEnregistrer; // "" for a cancelled file dialog
    int optionsMontrees = 0;
    // The answers to « Enregistrer les modifications de ... ? », in turn (then "Annuler"),
    // and the names asked about.
    std::vector<Reponse> reponses;
    QStringList questions;

protected:
    QString DialogueOuvrir() override { return reponseOuvrir; }
    QString DialogueEnregistrerSous() override { return reponseEnregistrer; }
    void MontrerOptions() override { ++optionsMontrees; }
    Reponse DemanderEnregistrement(const QString& nom) override;
};

// Settings and the user's data copy go to scratch folders; the application gets the program's style
// and font.
void PreparerEnvironnementTest();

// The data folder (the source tree's reference folder by default) loaded as at
// start-up, with a fresh table of projects; fails the test on any message.
void ChargerDossier(const std::string& dossier = VARQUIN_REFERENCE_DIR);

// A data folder loaded as at start-up and one new project on it, calculated without
// display: the fixture folder read in place, or a scratch copy of the reference folder
// for the tests that write into it.
class ProjetEssai {
public:
    enum class Donnees { Fixture, CopieReference };
    explicit ProjetEssai(Donnees donnees = Donnees::Fixture);
    ~ProjetEssai();
    ProjetEssai(const ProjetEssai&) = delete;
    ProjetEssai& operator=(const ProjetEssai&) = delete;
    // The scratch data folder ("" for the fixture folder, which is never written).
    std::string Dossier() const { return copie_ ? copie_->chemin() : std::string(); }

    clsprojet projet;

private:
    std::unique_ptr<essai::DossierTemporaire> copie_;
};

// Gives the field the focus, replaces its text by typing `texte` key by key and, when
// asked, presses Enter.
void Saisir(QWidget* champ, const QString& texte, bool entree = true);

// Picks the entry `texte` with the mouse in the choice popup about to open (Escape
// when the popup has no such entry, or `texte` is empty). Set it up before the click
// that opens the popup; `vus` receives the entries the popup offered.
void ChoisirDansLePopup(const QString& texte, QStringList* vus = nullptr);

// Runs `action` on the next pass of the event loop, for a modal window about to open.
void PlusTard(std::function<void()> action, int delaiMs = 0);
// The modal window the application shows now (a dialog opened with exec()).
QWidget* FenetreModale();
// Shows the window without entering its event loop and gives it the focus.
bool Montrer(QWidget& fenetre);
// Every label, button, list and field of the window, shown, holds its whole text in the
// space it was given.
void VerifierTextesEntiers(QWidget& fenetre);
