#include "engine/modCalculBallon.h"

#include "data/modMessages.h"
#include "engine/modCalcul.h"
#include "engine/modCalculAppoint.h"

void CalculerVs(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    if (!EstIndetermine(c.EtatVs))
        return;
    if (EstIndetermine(c.EtatVn)) {
        AfficherMessage(135);
        succes = false;
    } else if (IsAppointIntegre(c.Categorie_Systeme)) {
        if (EstIndetermine(c.EtatVcElec) || EstIndetermine(c.EtatXElec)) {
            succes = false;
            return;
        }
        c.Vs = VersSimple(c.Vn - static_cast<double>(c.VcElec) * c.XElec, "Vs");
        c.EtatVs = "V";
    } else {
        c.Vs = VersSimple(c.Vn * 0.85, "Vs");
        c.EtatVs = "V";
    }
}

void CalculerDs(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    if (c.VarDs.TypeDeCalcul == 0)
        c.Ds = VersSimple(c.Vs * 0.01, "Ds");
}
