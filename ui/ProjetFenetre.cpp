#include "ui/ProjetFenetre.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "project/clsprojet.h"
#include "report/frmImpression.h"
#include "ui/frmProjet.h"

#include <QFileInfo>

namespace {
void Informer(const std::string& texte) {
    notificateur().Message(texte, TitreApplication);
}

// The menu commands run from Qt's event loop, which no error may cross.
template <typename Action> bool Proteger(Action action, const std::string& avant = {}) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        Informer(avant + TexteException(e));
        return false;
    }
}
} // namespace

ProjetFenetre::ProjetFenetre() : projet_(std::make_unique<clsprojet>()), fenetre_(new frmProjet) {
    fenetre_->projet = projet_.get();
    try {
        (void)projet_->Nouveau(fenetre_);
    } catch (...) {
        delete fenetre_;
        throw;
    }
    fenetre_->Init();
}

ProjetFenetre::~ProjetFenetre() {
    if (fenetre_)
        fenetre_->projet = nullptr;
    projet_->Fermer();
    // A window never handed to the main window has no owner but this object.
    if (fenetre_ && fenetre_->parent() == nullptr)
        delete fenetre_;
}

QWidget* ProjetFenetre::Fenetre() {
    return fenetre_;
}

void ProjetFenetre::Activee() {
    projet_->DevenirActif();
}

void ProjetFenetre::Ouvrir(const QString& chemin) {
    projet_->DevenirActif();
    try {
        projet_->Ouvrir(chemin.toStdString());
    } catch (const ErreurExecution& e) {
        // The project stays the new, empty one, under its own name: saving it must not
        // overwrite the file that could not be read.
        Informer(std::string("Le projet n'a pas pu être ouvert.\n") + e.what() +
                 "\nUn projet vide est ouvert à sa place.");
    }
    // The results shown are those of a run of the opened inputs, not the ones the
    // file carries from the program that wrote it.
    Proteger([this] { (void)projet_->SimulerORIN(true); });
}

void ProjetFenetre::OuvrirExemple(const QString& chemin) {
    projet_->DevenirActif();
    try {
        projet_->OuvrirCommeNouveau(chemin.toStdString());
    } catch (const ErreurExecution& e) {
        Informer(std::string("L'exemple n'a pas pu être ouvert.\n") + e.what());
    }
    Proteger([this] { (void)projet_->SimulerORIN(true); });
}

bool ProjetFenetre::Enregistrer() {
    return Proteger([this] { projet_->Enregistrer(); }, "Le projet n'a pas été enregistré.\n");
}

bool ProjetFenetre::EnregistrerSous(const QString& chemin) {
    // A project that could not be written under its new name keeps its old one.
    return Proteger([&] { projet_->EnregistrerSous(chemin.toStdString()); },
                    "Le projet n'a pas été enregistré.\n");
}

bool ProjetFenetre::Modifie() const {
    return projet_->Modifie();
}

bool ProjetFenetre::JamaisEnregistre() const {
    return projet_->JamaisEnregistre();
}

QString ProjetFenetre::NomAffiche() const {
    if (projet_->JamaisEnregistre())
        return QString::fromStdString(projet_->Nom);
    return QFileInfo(QString::fromStdString(projet_->Fichier)).completeBaseName();
}

QString ProjetFenetre::Chemin() const {
    return QString::fromStdString(projet_->Fichier);
}

void ProjetFenetre::Annuler() {
    Proteger([this] { (void)projet_->SimulerORIN(true); });
}

void ProjetFenetre::Calculer() {
    projet_->DevenirActif();
    Proteger([this] { (void)projet_->Calculer(); });
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
