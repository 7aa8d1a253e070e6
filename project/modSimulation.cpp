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

void clsprojet::SimulerORIN(bool afficher) {
    if (!CalculPermis)
        return;
    SablierActif sablier;
    ConvertObj2Struct();
    {
        TenueTable tenue;
        EnregistrementProjet& p = Enregistrement();
        ExecuterCalcul(p.Calcul, p.Entrees); // shows its own message when a stage fails
    }
    ConvertStruct2Obj();
    if (afficher && Fenetre)
        Fenetre->AfficherProjet();
}

void CalculerProjetActif() {
    if (!ProjetActif)
        return;
    ModeAutomatique automatique;
    ProjetActif->SimulerORIN(true);
}
