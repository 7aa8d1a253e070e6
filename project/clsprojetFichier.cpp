// Opening a project file into an open project. The file is read into a scratch
// record first (ProjetFichier); then the record is copied into the components and the
// station's reference data are reloaded. Should that fail too (a station the
// reference data do not know), the record, the components and the shared choice
// lists are put back as they were, so that a failed open changes nothing.

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "project/ProjetFichier.h"
#include "project/clsprojet.h"

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

void clsprojet::LireFichier() {
    EnregistrementProjet& enregistrement = Enregistrement();
    const EnregistrementProjet avant = enregistrement;
    const std::string fichierAvant = Fichier;
    const std::string chemin = Fichier;
    LireFichierProjet(chemin, enregistrement, Fichier); // changes nothing when it throws

    const EtatComposants etat{*Besoin,     *Boucle,      *Ballon,          *Capteurs, *Meteo,
                              *Masque,     *Echangeur,   *Appoint,         *Systeme,  Libelles[1],
                              Libelles[2], Libelles[17], TableOrientations};
    try {
        ConvertStruct2Obj();
        RetablirSysteme();
        // The station set to itself reloads its reference data.
        Meteo->station(Meteo->station());
    } catch (const ErreurExecution& e) {
        enregistrement = avant;
        Fichier = fichierAvant;
        *Besoin = etat.besoin;
        *Boucle = etat.boucle;
        *Ballon = etat.ballon;
        *Capteurs = etat.capteurs;
        *Meteo = etat.meteo;
        *Masque = etat.masque;
        *Echangeur = etat.echangeur;
        *Appoint = etat.appoint;
        *Systeme = etat.systeme;
        Libelles[1] = etat.departements;
        Libelles[2] = etat.stations;
        Libelles[17] = etat.orientations;
        TableOrientations = etat.tableOrientations;
        throw ErreurFichier("Le fichier " + CiterChemin(chemin) + " n'a pas pu être ouvert : " +
                            e.what() + " Le projet n'a pas été modifié.");
    }
}

// The system type, the exchanger and the auxiliary have no field of their own in the
// file; their saved class and code say what they were, and without this a reopened
// collector-and-tank project would come back as a one-piece water heater.
void clsprojet::RetablirSysteme() {
    const EnregistrementCalcul& c = Enregistrement().Calcul;
    const int classe = c.Classe_Systeme;
    if (classe < 0 || classe > 3)
        return;
    const std::string categorie = Rogner(c.Categorie_Systeme.str());
    if (classe == 3) {
        Systeme->RestaurerTypeSysteme(ChauffeEauMonobloc);
        Appoint->TypeAppoint = "Sans appoint";
        Echangeur->PresenceEchangeur = "Sans échangeur";
        return;
    }
    Systeme->RestaurerTypeSysteme(SystemeCapteurBallon);
    Echangeur->PresenceEchangeur = classe == 2 ? "Sans échangeur" : "Echangeur";
    Echangeur->PositionEchangeur = classe == 1 ? "Incorporé" : "Séparé";
    Appoint->TypeAppoint = AppointIntegre(categorie) ? "Appoint intégré" : "Sans appoint";
}
