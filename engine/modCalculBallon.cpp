#include "engine/modCalculBallon.h"

#include "engine/modCalcul.h"
#include "engine/modCalculAppoint.h"

bool CalculerVs(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerVs");
    if (!EstIndetermine(c.EtatVs))
        return true;
    if (EstIndetermine(c.EtatVn)) {
        refus(NumeroMessage::VsSansVn);
    } else if (IsAppointIntegre(c.Categorie_Systeme)) {
        if (EstIndetermine(c.EtatVcElec) || EstIndetermine(c.EtatXElec))
            return false;
        c.Vs = VersSimple(c.Vn - static_cast<double>(c.VcElec) * c.XElec, "Vs");
        c.EtatVs = "V";
    } else {
        c.Vs = VersSimple(c.Vn * 0.85, "Vs");
        c.EtatVs = "V";
    }
    return refus.Reussi();
}

bool CalculerDs(EnregistrementCalcul& c, RapportCalcul&) {
    if (c.VarDs.TypeDeCalcul == ChoixCalcul::Simple)
        c.Ds = VersSimple(c.Vs * 0.01, "Ds");
    return true;
}
