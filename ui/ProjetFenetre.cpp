#include "ui/ProjetFenetre.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "project/clsprojet.h"
#include "report/frmImpression.h"
#include "ui/HistoriqueProjet.h"
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

ProjetFenetre::ProjetFenetre()
    : projet_(std::make_unique<clsprojet>()), fenetre_(new frmProjet),
      historique_(std::make_unique<HistoriqueProjet>([this] { return projet_.get(); })) {
    fenetre_->projet = projet_.get();
    try {
        (void)projet_->Nouveau(fenetre_);
    } catch (...) {
        delete fenetre_;
        throw;
    }
    fenetre_->Init();
    QObject::connect(fenetre_, &frmProjet::projetAffiche, historique_.get(),
                     &HistoriqueProjet::Noter);
    historique_->Commencer();
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

bool ProjetFenetre::Ouvrir(const QString& chemin) {
    return Lire(chemin, "Le projet n'a pas pu être ouvert.\n",
                [this](const std::string& c) { projet_->Ouvrir(c); });
}

bool ProjetFenetre::OuvrirExemple(const QString& chemin) {
    return Lire(chemin, "L'exemple n'a pas pu être ouvert.\n",
                [this](const std::string& c) { projet_->OuvrirCommeNouveau(c); });
}

bool ProjetFenetre::Lire(const QString& chemin, const std::string& echec,
                         const std::function<void(const std::string&)>& lecture) {
    projet_->DevenirActif();
    // A file that cannot be read leaves no project behind: the caller drops this one.
    if (!Proteger([&] { lecture(chemin.toStdString()); }, echec))
        return false;
    // The results shown are those of a run of the opened inputs, not the ones the
    // file carries from the program that wrote it.
    Proteger([this] { (void)projet_->SimulerORIN(true); });
    historique_->Commencer();
    return true;
}

bool ProjetFenetre::Enregistrer() {
    if (!Proteger([this] { projet_->Enregistrer(); }, "Le projet n'a pas été enregistré.\n"))
        return false;
    historique_->Enregistre();
    return true;
}

bool ProjetFenetre::EnregistrerSous(const QString& chemin) {
    // A project that could not be written under its new name keeps its old one.
    if (!Proteger([&] { projet_->EnregistrerSous(chemin.toStdString()); },
                  "Le projet n'a pas été enregistré.\n"))
        return false;
    historique_->Enregistre();
    return true;
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
    // A text typed and not validated is what « Annuler » throws away first.
    if (fenetre_ && !fenetre_->SaisieEnCours() && historique_->Pile().canUndo()) {
        historique_->Pile().undo();
        return;
    }
    Proteger([this] { (void)projet_->SimulerORIN(true); });
}

void ProjetFenetre::Retablir() {
    historique_->Pile().redo();
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
