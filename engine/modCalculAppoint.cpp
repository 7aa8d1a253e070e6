#include "engine/modCalculAppoint.h"

#include "common/Texte.h"
#include "data/modMessages.h"
#include "engine/modCalcul.h"

bool IsAppointIntegre(const std::string& categorie) {
    const std::string code = EnMajuscules(Rogner(categorie));
    return code == "CA_BA_EC_AINC" || code == "CA_EC_BA_AELECI" || code == "CA_BA_AELECISEC";
}

bool EstIndetermine(const Marque& marque) {
    return marque == "?" || marque == "*";
}

void CalculerAppoint(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    if (c.TypeCalculVcElec == 2)
        return;
    if (!IsAppointIntegre(c.Categorie_Systeme)) {
        succes = false;
    } else if (EstIndetermine(c.EtatVn)) {
        AfficherMessage(139);
        succes = false;
    } else {
        c.VcElec = VersSimple(c.Vn * 0.3, "VcElec");
        c.EtatVcElec = "V";
    }
}
