#include "project/clsprojet.h"

#include "common/Erreurs.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/ProjetFichier.h"
#include "project/modSimulation.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

clsprojet* ProjetActif = nullptr;

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
    Ballon->TypeBallon(Libelles[23][0]);
    Capteurs = std::make_unique<clsCapteurs>();
    Meteo = std::make_unique<clsMeteo>();
    Masque = std::make_unique<clsMasque>();
    Echangeur = std::make_unique<clsEchangeur>();
    Echangeur->TypeEchangeur(Libelles[12][0]);
    Appoint = std::make_unique<clsAppoint>();
    Systeme = std::make_unique<clsOrin>();
    Economie = clsEconomie{};
    Besoin->Projet = Boucle->Projet = Ballon->Projet = Capteurs->Projet = Meteo->Projet =
        Masque->Projet = Echangeur->Projet = Appoint->Projet = Systeme->Projet = this;
}

void clsprojet::Activer(FenetreProjet* fenetre) {
    if (TableProjetsTenue())
        throw ErreurExecution("Un calcul est en cours : aucun projet ne peut être créé.");
    CreerComposants();
    Fenetre = fenetre;
    NumEnregistrement = ChoisirEnregistrement();
    Nom = NomDuNumero(NumEnregistrement);
    Fichier = (std::filesystem::path(DossierCourant()) / (Nom + ".vqp")).string();
    Enregistrement().Calcul.NomProjet = Nom;
    ProjetActif = this;
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

void clsprojet::Desactiver() {
    if (Actif())
        LibererEnregistrement(NumEnregistrement);
    NumEnregistrement = 0;
    Fenetre = nullptr;
    if (Besoin) {
        Besoin->Projet = nullptr;
        Boucle->Projet = nullptr;
        Ballon->Projet = nullptr;
        Capteurs->Projet = nullptr;
        Meteo->Projet = nullptr;
        Masque->Projet = nullptr;
        Echangeur->Projet = nullptr;
        Appoint->Projet = nullptr;
        Systeme->Projet = nullptr;
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
    if (ProjetActif == this)
        ProjetActif = nullptr;
}

void clsprojet::WithDataDo(int mode) {
    if (mode == 1)
        LireFichier();
    else if (mode == 2)
        EcrireFichier();
}

void clsprojet::EcrireFichier() {
    EcrireFichierProjet(Fichier, Enregistrement());
    ConvertStruct2Obj();
}
