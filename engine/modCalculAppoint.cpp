#include "engine/modCalculAppoint.h"

#include "common/Texte.h"
#include "engine/modCalcul.h"

bool IsAppointIntegre(const std::string& categorie) {
    const std::string code = EnMajuscules(Rogner(categorie));
    return code == "CA_BA_EC_AINC" || code == "CA_EC_BA_AELECI" || code == "CA_BA_AELECISEC";
}

bool EstIndetermine(const Marque& marque) {
    return marque == "?" || marque == "*";
}

bool CalculerAppoint(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerAppoint");
    if (c.TypeCalculVcElec == ChoixCalcul::ValeurForcee)
        return true;
    if (!IsAppointIntegre(c.Categorie_Systeme)) {
        refus.Echec();
    } else if (EstIndetermine(c.EtatVn)) {
        refus(NumeroMessage::VcElecSansVn);
    } else {
        c.VcElec = VersSimple(c.Vn * 0.3, "VcElec");
        c.EtatVcElec = "V";
    }
    return refus.Reussi();
}
