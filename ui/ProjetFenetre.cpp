#include "ui/ProjetFenetre.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"
#include "project/modSimulation.h"
#include "report/frmImpression.h"
#include "ui/frmProjet.h"

namespace {
// Keeps CalculPermis off while the project is being created, and puts it back on
// even when the creation fails.
class CreationEnCours {
public:
    CreationEnCours() { CalculPermis = false; }
    ~CreationEnCours() { CalculPermis = true; }
    CreationEnCours(const CreationEnCours&) = delete;
    CreationEnCours& operator=(const CreationEnCours&) = delete;
};

void Informer(const std::string& texte) {
    notificateur().Message(texte, TitreApplication);
}

// The menu commands run from Qt's event loop, which no error may cross.
template <typename Action> void Proteger(Action action) {
    try {
        action();
    } catch (const std::exception& e) {
        Informer(e.what());
    }
}
} // namespace

ProjetFenetre::ProjetFenetre() : projet_(std::make_unique<clsprojet>()), fenetre_(new frmProjet) {
    {
        CreationEnCours creation;
        InitJoursParMois();
        fenetre_->projet = projet_.get();
        try {
            projet_->Activer(fenetre_);
        } catch (...) {
            delete fenetre_;
            throw;
        }
    }
    projet_->SimulerORIN(false);
    fenetre_->Init();
}

ProjetFenetre::~ProjetFenetre() {
    if (fenetre_)
        fenetre_->projet = nullptr;
    projet_->Desactiver();
    // A window never handed to the main window has no owner but this object.
    if (fenetre_ && fenetre_->parent() == nullptr)
        delete fenetre_;
}

QWidget* ProjetFenetre::Fenetre() {
    return fenetre_;
}

void ProjetFenetre::Activee() {
    ProjetActif = projet_.get();
}

void ProjetFenetre::Ouvrir(const QString& chemin) {
    ProjetActif = projet_.get();
    const std::string ancien = projet_->Fichier;
    projet_->Fichier = chemin.toStdString();
    try {
        projet_->WithDataDo(1);
    } catch (const ErreurExecution& e) {
        // The project stays the new, empty one, under its own name: saving it must not
        // overwrite the file that could not be read.
        projet_->Fichier = ancien;
        Informer(std::string("Le projet n'a pas pu être ouvert.\n") + e.what() +
                 "\nUn projet vide est ouvert à sa place.");
    }
    if (fenetre_)
        Proteger([this] { fenetre_->AfficherProjet(); });
}

void ProjetFenetre::OuvrirExemple(const QString& chemin) {
    const std::string nouveau = projet_->Fichier; // the name "&Nouveau" gave it
    Ouvrir(chemin);
    projet_->Fichier = nouveau;
    if (fenetre_)
        fenetre_->DefinirLegende(nouveau);
}

bool ProjetFenetre::Ecrire() {
    try {
        projet_->WithDataDo(2);
        return true;
    } catch (const ErreurExecution& e) {
        Informer(std::string("Le projet n'a pas été enregistré.\n") + e.what());
        return false;
    }
}

void ProjetFenetre::Enregistrer() {
    Ecrire();
}

void ProjetFenetre::EnregistrerSous(const QString& chemin) {
    const std::string ancien = projet_->Fichier;
    projet_->Fichier = chemin.toStdString();
    // A project that could not be written under its new name keeps its old one.
    if (!Ecrire())
        projet_->Fichier = ancien;
    if (fenetre_)
        fenetre_->DefinirLegende(projet_->Fichier);
}

void ProjetFenetre::Annuler() {
    Proteger([this] { projet_->SimulerORIN(true); });
}

void ProjetFenetre::Calculer() {
    ProjetActif = projet_.get();
    Proteger([] { CalculerProjetActif(); });
}

void ProjetFenetre::ApercuAvantImpression(QWidget* cadre) {
    MontrerApercu(*projet_, cadre);
}

void ProjetFenetre::Imprimer(QWidget* cadre) {
    ::Imprimer(*projet_, cadre);
}

std::unique_ptr<ProjetUI> FabriqueProjetsFenetres::NouveauProjet() {
    return std::make_unique<ProjetFenetre>();
}

frmProjet* ProjetFenetre::Formulaire() const {
    return fenetre_;
}
