#include "project/clsprojet.h"

#include "common/Erreurs.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/EtatApplication.h"
#include "project/ReglesSaisie.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {
std::string DossierCourant() {
    std::error_code ec;
    const auto dossier = std::filesystem::current_path(ec);
    return ec ? std::string(".") : dossier.string();
}

std::string NomDuNumero(int numero) {
    char tampon[16];
    std::snprintf(tampon, sizeof tampon, "Projet%04d", numero);
    return tampon;
}
} // namespace

clsprojet* ProjetActif() {
    return Etat().ProjetActif();
}

clsprojet::~clsprojet() {
    if (Actif())
        Desactiver();
}

EnregistrementProjet& clsprojet::Enregistrement() const {
    return Projet(NumEnregistrement);
}

void clsprojet::CreerComposants() {
    Besoin = std::make_unique<clsBesoin>();
    Boucle = std::make_unique<clsBoucle>();
    Ballon = std::make_unique<clsBallon>();
    Ballon->TypeBallon(Libelles[Liste::Ballons][0]);
    Capteurs = std::make_unique<clsCapteurs>();
    Meteo = std::make_unique<clsMeteo>();
    Masque = std::make_unique<clsMasque>();
    Echangeur = std::make_unique<clsEchangeur>();
    Echangeur->TypeEchangeur(Libelles[Liste::TypesEchangeur][0]);
    Appoint = std::make_unique<clsAppoint>();
    Systeme = std::make_unique<clsOrin>();
    Economie = clsEconomie{};
    Dossier = clsDossier{};
    Besoin->Projet = Boucle->Projet = Ballon->Projet = Capteurs->Projet = Meteo->Projet =
        Masque->Projet = Echangeur->Projet = Appoint->Projet = Systeme->Projet = this;
}

void clsprojet::Activer(FenetreProjet* fenetre) {
    if (Etat().TableTenue())
        throw ErreurExecution("Un calcul est en cours : aucun projet ne peut être créé.");
    CreerComposants();
    Fenetre = fenetre;
    NumEnregistrement = ChoisirEnregistrement();
    Nom = NomDuNumero(NumEnregistrement);
    Fichier = (std::filesystem::path(DossierCourant()) / (Nom + ".vqp")).string();
    Enregistrement().Calcul.NomProjet = Nom;
    Etat().projetActif_ = this;
}

RapportCalcul clsprojet::Nouveau(FenetreProjet* fenetre) {
    {
        CalculSuspendu creation;
        Activer(fenetre);
    }
    jamaisEnregistre_ = true;
    referenceApresCalcul_ = true;
    return SimulerORIN(false);
}

void clsprojet::DevenirActif() {
    Etat().projetActif_ = this;
}

AffichageSysteme clsprojet::Afficher() {
    AffichageSysteme a;
    a.TypeSysteme = Systeme->TypeSysteme();
    a.ElementsSepares = !Systeme->IsChauffeEau();
    a.ChauffeEau = Systeme->IsChauffeEau();
    a.EfficaciteDetaillee = Boucle->TypeDeCalculEfficacite == "Calc. détaillé";
    a.Appoint = Appoint->IsAppoint();
    if (Fenetre)
        Fenetre->DefinirLegende(Fichier);
    return a;
}

void clsprojet::Fermer() {
    Desactiver();
}

void clsprojet::Desactiver() {
    if (Actif())
        LibererEnregistrement(NumEnregistrement);
    NumEnregistrement = 0;
    Fenetre = nullptr;
    if (Besoin) {
        for (auto* projet :
             {&Besoin->Projet, &Boucle->Projet, &Ballon->Projet, &Capteurs->Projet, &Meteo->Projet,
              &Masque->Projet, &Echangeur->Projet, &Appoint->Projet, &Systeme->Projet})
            *projet = nullptr;
    }
    Besoin.reset();
    Boucle.reset();
    Ballon.reset();
    Capteurs.reset();
    Meteo.reset();
    Masque.reset();
    Echangeur.reset();
    Appoint.reset();
    Systeme.reset();
    resultatsCalcules_ = false;
    if (Etat().projetActif_ == this)
        Etat().projetActif_ = nullptr;
}

void clsprojet::Appliquer(const std::string& cle, const std::string& valeur) {
    if (!Actif())
        throw ErreurParametre("Aucun projet n'est ouvert.");
    const RegleSaisie& regle = TrouverRegle(cle, this);
    if (const auto refus = VerifierValeur(regle, valeur, this))
        throw ErreurParametre(*refus);
    if (regle.stockage == Stockage::Aucun)
        throw ErreurParametre(std::string(regle.libelle) +
                              " : cette valeur sert au calcul des besoins d'un foyer et n'est "
                              "pas conservée dans le projet.");
    if (!regle.definir)
        throw ErreurParametre(std::string(regle.libelle) + " : cette valeur se choisit dans la "
                                                           "fenêtre du projet.");
    try {
        regle.definir(*this, valeur);
    } catch (const ErreurParametre&) {
        throw;
    } catch (const ErreurExecution& e) {
        throw ErreurParametre(MessageRefus(regle, e.what()));
    }
}

RapportCalcul clsprojet::Modifier(const std::string& cle, const std::string& valeur) {
    Appliquer(cle, valeur);
    return SimulerORIN(true);
}

std::string clsprojet::TexteFichier() const {
    return TexteFichier(Fichier);
}

std::string clsprojet::TexteFichier(const std::string& chemin) const {
    return TexteProjet(Enregistrement(), chemin, ValeursExtension());
}

bool clsprojet::Modifie() const {
    return Actif() && TexteFichier() != texteReference_;
}
