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
const char* const Simple = "Calc. simple";
const char* const Detaille = "Calc. détaillé";
const char* const Forcee = "Val. forcée";
// The calculation-choice list.
constexpr int ListeCalcul = 28;
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

void frmProjet::ChoisirStationDeCommune(const std::string& departement) {
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
        clsMeteo& m = *projet->Meteo;
        const std::string pays = PaysDuDepartement(departement, m.Pays());
        if (!pays.empty() && pays != m.Pays())
            m.Pays(pays);
        if (departement != m.Departement())
            m.Departement(departement);
        m.station(choix);
    });
    Recalculer();
}

void frmProjet::ChoisirCategorie() {
    std::string categorie;
    if (!Choisir(32, 32, categorie))
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
    switch (index) {
    case 0:
        if (Choisir(0, index, choix))
            p.Meteo->Pays(choix);
        break;
    case 1:
        if (Choisir(1, index, choix))
            p.Meteo->Departement(choix);
        break;
    case 2:
        if (Choisir(2, index, choix))
            p.Meteo->station(choix);
        break;
    case 3:
        if (Choisir(3, index, choix, &position))
            p.Meteo->Distance_Mer = static_cast<int16_t>(position + 1);
        break;
    case 4:
        if (Choisir(4, index, choix, &position))
            p.Meteo->Nb_Habitant_Ville = static_cast<int16_t>(position + 1);
        break;
    case 5:
        if (Choisir(5, index, choix))
            p.Capteurs->strTypeCE(choix);
        break;
    case 6:
        if (Choisir(ListeCalcul, index, choix))
            p.Appoint->TypeCalculVcElec = choix;
        break;
    case 7:
    case 16:
        if (Choisir(16, index, choix))
            p.Capteurs->inclinaison(choix);
        break;
    case 8:
    case 17:
        if (Choisir(17, index, choix))
            p.Capteurs->Orientation(choix);
        break;
    case 9:
    case 24:
        if (Choisir(24, index, choix, &position))
            p.Ballon->IndiceSituation = static_cast<int16_t>(position + 1);
        break;
    case 10:
        p.Masque->Masque_Existe = p.Masque->IsMasque() ? 0 : 1;
        break;
    case 11:
        p.Echangeur->PresenceEchangeur = LibelleSuivant(p.Echangeur->PresenceEchangeur, 11);
        break;
    case 12:
        p.Echangeur->TypeEchangeur(LibelleSuivant(p.Echangeur->TypeEchangeur(), 12));
        break;
    case 13:
        if (Choisir(ListeCalcul, index, choix))
            p.Echangeur->TypeDeCalcul = choix == Forcee ? Forcee : Simple;
        break;
    case 14:
        p.Systeme->TypeSysteme(LibelleSuivant(p.Systeme->TypeSysteme(), 14));
        break;
    case 15:
        if (Choisir(15, index, choix))
            p.Capteurs->strType(choix);
        break;
    case 18:
        if (Choisir(ListeCalcul, index, choix)) {
            p.Boucle->TypeDeCalculDeperdition = choix;
            if (choix == Detaille)
                OuvrirDeperdition(p, this);
        }
        break;
    case 19:
        p.Boucle->Calorifugeage = p.Boucle->Calorifugeage == 0 ? 1 : 0;
        break;
    case 20:
        if (Choisir(ListeCalcul, index, choix)) {
            p.Boucle->TypeDeCalcul1(choix);
            if (choix == Detaille)
                OuvrirDebitEnergetique(p, 1, this);
        }
        break;
    case 21:
        if (Choisir(ListeCalcul, index, choix)) {
            p.Boucle->TypeDeCalcul2(choix);
            if (choix == Detaille)
                OuvrirDebitEnergetique(p, 2, this);
        }
        break;
    case 22:
        if (Choisir(ListeCalcul, index, choix))
            p.Boucle->TypeDeCalculEfficacite = choix;
        break;
    case 23:
        if (Choisir(23, index, choix))
            p.Ballon->TypeBallon(choix);
        break;
    case 25:
        if (Choisir(ListeCalcul, index, choix))
            p.Ballon->TypeDeCalcul_D = choix;
        break;
    case 26:
        p.Appoint->TypeAppoint = LibelleSuivant(p.Appoint->TypeAppoint, 26);
        break;
    case 27:
        p.Echangeur->PositionEchangeur = LibelleSuivant(p.Echangeur->PositionEchangeur, 27);
        break;
    case 30:
        if (Choisir(ListeCalcul, index, choix))
            p.Ballon->TypeDeCalculVs = choix;
        break;
    case 31:
        p.Appoint->ModeAppoint = LibelleSuivant(p.Appoint->ModeAppoint, 31);
        break;
    case 32:
        ChoisirCategorie();
        break;
    default:
        break;
    }
}
