// The picture buttons of the project window: each one opens a choice list beside
// itself, steps to the next value of a list, or switches a flag, and the project is
// then recalculated and redisplayed.

#include "common/Notificateur.h"
#include "data/modCommunes.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "ui/BoutonImage.h"
#include "ui/Dialogues.h"
#include "ui/RechercheCommune.h"
#include "ui/frmChoix.h"
#include "ui/frmProjet.h"

#include <QPointer>

namespace {
const std::string Simple = "Calc. simple";
const std::string Detaille = "Calc. détaillé";
const std::string Forcee = "Val. forcée";
} // namespace

void frmProjet::pic_Click(int index) {
    QPointer<BoutonImage> bouton = Bouton(index);
    if (bouton == nullptr || projet == nullptr || !projet->Actif())
        return;
    bouton->DefinirEnfonce(true);
    Proteger([&] { Agir(index); });
    // A cancelled list still recalculates.
    Recalculer();
    if (bouton)
        bouton->DefinirEnfonce(false);
}

bool frmProjet::Choisir(int liste, int index, std::string& choix, int* position) {
    choix = ChoisirDansListe(liste, Bouton(index));
    if (choix == "-1")
        return false;
    if (position != nullptr)
        *position = ChoixIndex;
    return true;
}

void frmProjet::ChoisirStationDeCommune(const std::string& departement,
                                        const std::string& commune) {
    if (projet == nullptr || !projet->Actif())
        return;
    Proteger([&] {
        const std::vector<std::string> stations = StationsDuDepartement(departement);
        if (stations.empty()) {
            notificateur().Message("Aucune station n'est proposée pour le département « " +
                                       departement + " ».",
                                   TitreApplication);
            return;
        }
        const std::string choix = ChoisirDansListe(stations, rechercheCommune_);
        if (choix == "-1")
            return;
        const clsMeteo& m = *projet->Meteo;
        const std::string pays = PaysDuDepartement(departement, m.Pays());
        if (!pays.empty() && pays != m.Pays())
            projet->Appliquer("Pays", pays);
        if (departement != m.Departement())
            projet->Appliquer("Département", departement);
        projet->Appliquer("Station", choix);
        // The site the person looked for is the dossier's commune, for the report.
        projet->Appliquer("Dossier:Commune", commune);
    });
    Recalculer();
}

void frmProjet::ChoisirCategorie() {
    std::string categorie;
    if (!Choisir(Liste::CategoriesCapteurs, 32, categorie))
        return;
    ModifierElement(ElementCatalogue::Capteur, [&] {
        clsCapteurs& c = *projet->Capteurs;
        float ac = 0;
        LireValeursTable(TableCategorieCapteurs, categorie, {&c.Bc, &c.Kc, &ac, &c.Type_Capteur});
        c.Ac(ac);
    });
}

void frmProjet::Agir(int index) {
    clsprojet& p = *projet;
    std::string choix;
    int position = 0;
    // Every value goes through its input rule, as a typed value or a --set does.
    const auto appliquer = [&p](const char* cle, const std::string& valeur) {
        p.Appliquer(cle, valeur);
    };
    const auto numero = [&] { return std::to_string(position + 1); };
    switch (index) {
    case 0:
        if (Choisir(Liste::Pays, index, choix))
            appliquer("Météo:Pays", choix);
        break;
    case 1:
        if (Choisir(Liste::Departements, index, choix))
            appliquer("Météo:Département", choix);
        break;
    case 2:
        if (Choisir(Liste::Stations, index, choix))
            appliquer("Météo:Station", choix);
        break;
    case 3:
        if (Choisir(Liste::DistanceMer, index, choix, &position))
            appliquer("Situation.Distance_Mer", numero());
        break;
    case 4:
        if (Choisir(Liste::Population, index, choix, &position))
            appliquer("Situation.Nb_Habitant_Ville", numero());
        break;
    case 5:
        if (Choisir(Liste::ChauffeEau, index, choix))
            appliquer("Type_chauffe-eau", choix);
        break;
    case 6:
        if (Choisir(Liste::ChoixCalcul, index, choix))
            appliquer("TypeCalculVcElec", choix);
        break;
    case 7:
    case 16:
        if (Choisir(Liste::Inclinaisons, index, choix))
            appliquer("inclinaison", choix);
        break;
    case 8:
    case 17:
        if (Choisir(Liste::Orientations, index, choix))
            appliquer("Orientation", choix);
        break;
    case 9:
    case 24:
        if (Choisir(Liste::Situations, index, choix, &position))
            appliquer("B_Situation.Indice", numero());
        break;
    case 10:
        appliquer("Masque_Existe", p.Masque->IsMasque() ? "0" : "1");
        break;
    case 11:
        appliquer("PresenceEchangeur",
                  LibelleSuivant(p.Echangeur->PresenceEchangeur, Liste::PresenceEchangeur));
        break;
    case 12:
        appliquer("TypeEchangeur",
                  LibelleSuivant(p.Echangeur->TypeEchangeur(), Liste::TypesEchangeur));
        break;
    case 13:
        if (Choisir(Liste::ChoixCalcul, index, choix))
            appliquer("Echangeur:TypeDeCalcul", choix == Forcee ? Forcee : Simple);
        break;
    case 14:
        appliquer("TypeSysteme", LibelleSuivant(p.Systeme->TypeSysteme(), Liste::TypesSysteme));
        break;
    case 15:
        if (Choisir(Liste::Capteurs, index, choix))
            appliquer("Type_capteur", choix);
        break;
    case 18:
        if (Choisir(Liste::ChoixCalcul, index, choix)) {
            appliquer("Déperdition:TypeDeCalcul", choix);
            if (choix == Detaille)
                OuvrirDeperdition(p, this);
        }
        break;
    case 19:
        appliquer("Calorifugeage", p.Boucle->Calorifugeage == 0 ? "1" : "0");
        break;
    case 20:
    case 21:
        if (Choisir(Liste::ChoixCalcul, index, choix)) {
            const int circuit = index == 20 ? 1 : 2;
            appliquer(circuit == 1 ? "Débit énergétique 1:TypeDeCalcul"
                                   : "Débit énergétique 2:TypeDeCalcul",
                      choix);
            if (choix == Detaille)
                OuvrirDebitEnergetique(p, circuit, this);
        }
        break;
    case 22:
        if (Choisir(Liste::ChoixCalcul, index, choix))
            appliquer("Efficacité:TypeDeCalcul", choix);
        break;
    case 23:
        if (Choisir(Liste::Ballons, index, choix))
            appliquer("Type_ballon", choix);
        break;
    case 25:
        if (Choisir(Liste::ChoixCalcul, index, choix))
            appliquer("VarDs.TypeDeCalcul", choix);
        break;
    case 26:
        appliquer("TypeAppoint", LibelleSuivant(p.Appoint->TypeAppoint, Liste::Appoint));
        break;
    case 27:
        appliquer("PositionEchangeur",
                  LibelleSuivant(p.Echangeur->PositionEchangeur, Liste::PositionEchangeur));
        break;
    case 30:
        if (Choisir(Liste::ChoixCalcul, index, choix))
            appliquer("TypeDeCalculVs", choix);
        break;
    case 31:
        appliquer("ModeAppoint", LibelleSuivant(p.Appoint->ModeAppoint, Liste::Alimentation));
        break;
    case 32:
        ChoisirCategorie();
        break;
    default:
        break;
    }
}
