#include "project/modSimulation.h"

#include "common/Notificateur.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"

namespace {
int gTenue = 0;

// Holds the table of open projects fixed while the stages work on one of its records.
class TenueTable {
public:
    TenueTable() { ++gTenue; }
    ~TenueTable() { --gTenue; }
    TenueTable(const TenueTable&) = delete;
    TenueTable& operator=(const TenueTable&) = delete;
};

class ModeAutomatique {
public:
    ModeAutomatique() : avant_(CalculAuto) { CalculAuto = true; }
    ~ModeAutomatique() { CalculAuto = avant_; }
    ModeAutomatique(const ModeAutomatique&) = delete;
    ModeAutomatique& operator=(const ModeAutomatique&) = delete;

private:
    bool avant_;
};
} // namespace

bool TableProjetsTenue() {
    return gTenue > 0;
}

bool clsprojet::SimulerORIN(bool afficher) {
    if (!CalculPermis)
        return true;
    if (!Actif())
        return false; // released: no record, no components
    SablierActif sablier;
    ConvertObj2Struct();
    bool reussi;
    {
        TenueTable tenue;
        EnregistrementProjet& p = Enregistrement();
        reussi = ExecuterCalcul(p.Calcul, p.Entrees); // shows its own message on failure
    }
    ConvertStruct2Obj();
    if (afficher && Fenetre)
        Fenetre->AfficherProjet();
    return reussi;
}

bool CalculerProjetActif() {
    if (!ProjetActif)
        return false;
    ModeAutomatique automatique;
    return ProjetActif->SimulerORIN(true);
}
