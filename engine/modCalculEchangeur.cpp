#include "engine/modCalculEchangeur.h"

#include "data/modMessages.h"
#include "engine/modCalcul.h"

void CalculerKEch(EnregistrementCalcul& c, bool& succes) {
    succes = true;
    GroupeEchangeur& e = c.Echangeur;
    if (e.TypeDeCalcul == 0) {
        if (c.a == 0) {
            AfficherMessage(162);
            succes = false;
            return;
        }
        e.KEch = VersSimple(c.a * 50.0, "KEch");
    } else if (e.TypeDeCalcul == 1) {
        if (e.Kech_Type == 0 || e.Kech_A == 0) {
            AfficherMessage(163);
            succes = false;
            return;
        }
        e.KEch = VersSimple(static_cast<double>(e.Kech_A) * e.Kech_Type, "KEch");
    }
    e.Ch_KEch = "V";
}
