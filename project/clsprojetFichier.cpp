// Opening a project file into an open project. The file is read into a scratch
// record first (ProjetFichier); then the record is copied into the components and the
// station's reference data are reloaded. Should that fail too (a station the
// reference data do not know), the record, the components and the shared choice
// lists are put back as they were, so that a failed open changes nothing.

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Texte.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/ProjetFichier.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"

#include <algorithm>
#include <filesystem>

namespace {
struct EtatComposants {
    clsBesoin besoin;
    clsBoucle boucle;
    clsBallon ballon;
    clsCapteurs capteurs;
    clsMeteo meteo;
    clsMasque masque;
    clsEchangeur echangeur;
    clsAppoint appoint;
    clsOrin systeme;
    ListeLibelles departements, stations, orientations;
    Table tableOrientations;
};

bool AppointIntegre(const std::string& categorie) {
    return categorie == "CA_EC_BA_AELECI" || categorie == "CA_BA_EC_AINC" ||
           categorie == "CA_BA_AELECISEC";
}
} // namespace

void clsprojet::Ouvrir(const std::string& chemin) {
    std::error_code ec;
    const std::filesystem::path absolu = std::filesystem::absolute(chemin, ec);
    LireFichier(ec ? chemin : absolu.string());
}

void clsprojet::OuvrirCommeNouveau(const std::string& chemin) {
    const std::string nouveau = Fichier;
    Ouvrir(chemin);
    Fichier = nouveau;
    jamaisEnregistre_ = true;
    if (Fenetre)
        Fenetre->DefinirLegende(Fichier);
}

void clsprojet::LireFichier(const std::string& chemin) {
    LireTexte(LireFichierTexte(chemin, GenreFichier::Projet), chemin);
    Fichier = chemin;
    jamaisEnregistre_ = false;
    texteReference_ = TexteFichier();
    referenceApresCalcul_ = true;
}

void clsprojet::OuvrirOctets(const std::string& octets, const std::string& nom) {
    LireTexte(DecoderTexte(octets), nom);
    Fichier = nom;
    jamaisEnregistre_ = false;
    texteReference_ = TexteFichier();
    referenceApresCalcul_ = true;
}

RapportCalcul clsprojet::RevenirA(const std::string& texte) {
    LireTexte(texte, Fichier);
    return SimulerORIN(true);
}

void clsprojet::ExtensionParDefaut() {
    for (const RegleSaisie& r : ReglesSaisie()) {
        if (r.stockage != Stockage::Extension || !r.definir)
            continue;
        std::string defaut(r.defaut);
        if (defaut.empty() && r.genre == GenreSaisie::Catalogue && r.liste >= 0)
            defaut = Libelles[static_cast<std::size_t>(r.liste)][0];
        (r.restaurer ? r.restaurer : r.definir)(*this, defaut);
    }
}

void clsprojet::LireTexte(const std::string& contenu, const std::string& chemin) {
    EnregistrementProjet& enregistrement = Enregistrement();
    const EnregistrementProjet avant = enregistrement;
    // The path the file holds is where it was written, perhaps on another machine: the
    // project keeps the path it was opened from, so that saving writes there.
    std::string fichierEcrit = Fichier;
    Extension extension;
    LireTexteProjet(contenu, chemin, enregistrement, fichierEcrit, extension); // all or nothing
    const clsEconomie economie = Economie;
    const clsDossier dossier = Dossier;

    const EtatComposants etat{*Besoin,
                              *Boucle,
                              *Ballon,
                              *Capteurs,
                              *Meteo,
                              *Masque,
                              *Echangeur,
                              *Appoint,
                              *Systeme,
                              Libelles[Liste::Departements],
                              Libelles[Liste::Stations],
                              Libelles[Liste::Orientations],
                              TableOrientations};
    try {
        ConvertStruct2Obj();
        RetablirSysteme();
        // The station set to itself reloads its reference data.
        Meteo->station(Meteo->station());
        // What the text does not say is at its default, whatever the project held.
        ExtensionParDefaut();
        AppliquerExtension(extension);
    } catch (const ErreurExecution& e) {
        enregistrement = avant;
        Economie = economie;
        Dossier = dossier;
        *Besoin = etat.besoin;
        *Boucle = etat.boucle;
        *Ballon = etat.ballon;
        *Capteurs = etat.capteurs;
        *Meteo = etat.meteo;
        *Masque = etat.masque;
        *Echangeur = etat.echangeur;
        *Appoint = etat.appoint;
        *Systeme = etat.systeme;
        Libelles[Liste::Departements] = etat.departements;
        Libelles[Liste::Stations] = etat.stations;
        Libelles[Liste::Orientations] = etat.orientations;
        TableOrientations = etat.tableOrientations;
        throw ErreurFichier("Le fichier " + CiterChemin(chemin) + " n'a pas pu être ouvert : " +
                            e.what() + " Le projet n'a pas été modifié.");
    }
    resultatsCalcules_ = false;
}

Extension clsprojet::ValeursExtension() const {
    Extension extension;
    for (const RegleSaisie& r : ReglesSaisie()) {
        if (r.stockage != Stockage::Extension || !r.lire)
            continue;
        const std::string valeur = r.lire(*this);
        std::string defaut(r.defaut);
        if (defaut.empty() && r.genre == GenreSaisie::Catalogue && r.liste >= 0)
            defaut = Libelles[static_cast<std::size_t>(r.liste)][0];
        if (valeur != defaut)
            extension.push_back({r.Nom(), valeur, 0});
    }
    return extension;
}

void clsprojet::AppliquerExtension(const Extension& extension) {
    for (const ValeurExtension& v : extension) {
        const auto& regles = ReglesSaisie();
        const auto regle = std::find_if(regles.begin(), regles.end(), [&](const RegleSaisie& r) {
            return r.stockage == Stockage::Extension && r.Nom() == v.cle;
        });
        // The caller names the file; the key is the file's text, quoted.
        const std::string ligne = "ligne " + std::to_string(v.ligne);
        if (regle == regles.end())
            throw ErreurFichier("clé " + Citer(v.cle) + " inconnue (" + ligne + ").");
        try {
            (regle->restaurer ? regle->restaurer : regle->definir)(*this, v.valeur);
        } catch (const ErreurExecution& e) {
            throw ErreurFichier(std::string(e.what()) + " (" + ligne + ").");
        }
    }
}

void clsprojet::Enregistrer() {
    EcrireFichier(Fichier);
}

void clsprojet::EnregistrerSous(const std::string& chemin) {
    if (Rogner(chemin).empty())
        throw ErreurFichier("Aucun nom de fichier n'est donné.");
    EcrireFichier(chemin); // a failed write keeps the old name
    Fichier = chemin;
    if (Fenetre)
        Fenetre->DefinirLegende(Fichier);
}

void clsprojet::EcrireFichier(const std::string& chemin) {
    const std::string texte = TexteProjet(Enregistrement(), chemin, ValeursExtension());
    EcrireFichierTexte(chemin, texte);
    ConvertStruct2Obj();
    jamaisEnregistre_ = false;
    texteReference_ = texte;
    referenceApresCalcul_ = false;
}

// The system type, the exchanger and the auxiliary have no field of their own in the
// file; their saved class and code say what they were, and without this a reopened
// collector-and-tank project would come back as a one-piece water heater.
void clsprojet::RetablirSysteme() {
    using enum ClasseSysteme;
    const EnregistrementCalcul& c = Enregistrement().Calcul;
    const ClasseSysteme classe = c.Classe_Systeme;
    if (classe != EchangeurSepare && classe != EchangeurIncorpore && classe != SansEchangeur &&
        classe != ChauffeEauMonobloc)
        return;
    const std::string categorie = Rogner(c.Categorie_Systeme.str());
    if (classe == ChauffeEauMonobloc) {
        Systeme->RestaurerTypeSysteme(::ChauffeEauMonobloc);
        Appoint->TypeAppoint = "Sans appoint";
        Echangeur->PresenceEchangeur = "Sans échangeur";
        return;
    }
    Systeme->RestaurerTypeSysteme(SystemeCapteurBallon);
    Echangeur->PresenceEchangeur = classe == SansEchangeur ? "Sans échangeur" : "Echangeur";
    Echangeur->PositionEchangeur = classe == EchangeurIncorpore ? "Incorporé" : "Séparé";
    Appoint->TypeAppoint = AppointIntegre(categorie) ? "Appoint intégré" : "Sans appoint";
}
