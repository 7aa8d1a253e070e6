#include "engine/modCalculEchangeur.h"

#include "engine/modCalcul.h"

bool CalculerKEch(EnregistrementCalcul& c, RapportCalcul& rapport) {
    RefusProcedure refus(rapport, "CalculerKEch");
    GroupeEchangeur& e = c.Echangeur;
    if (e.TypeDeCalcul == ChoixCalcul::Simple) {
        if (c.a == 0) {
            refus(NumeroMessage::KEchSansSurface);
            return false;
        }
        e.KEch = VersSimple(c.a * 50.0, "KEch");
    } else if (e.TypeDeCalcul == ChoixCalcul::Detaille) {
        if (e.Kech_Type == 0 || e.Kech_A == 0) {
            refus(NumeroMessage::KEchSansModele);
            return false;
        }
        e.KEch = VersSimple(static_cast<double>(e.Kech_A) * e.Kech_Type, "KEch");
    }
    e.Ch_KEch = "V";
    return true;
}
