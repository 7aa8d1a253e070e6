#include "engine/modCalculBesoins.h"

#include "engine/modCalcul.h"

void CalculerTLocal(EnregistrementCalcul& c, const EnregistrementEntrees& e) {
    // Temperature around the tank [°C]: outdoors, halfway between outdoors and 19 °C
    // in an unheated room, the room's own temperature in a heated one.
    switch (c.B_Situation.Indice) {
    case SituationBallon::Indefinie:
    case SituationBallon::Exterieur:
        c.TLocal = c.Text;
        break;
    case SituationBallon::LocalNonChauffe:
        for (int m = 1; m <= 12; ++m)
            c.TLocal[m] = VersSimple((c.Text[m] + 19.0) / 2, "TLocal");
        break;
    case SituationBallon::LocalChauffe:
        for (int m = 1; m <= 12; ++m)
            c.TLocal[m] = e.TLocalChauffe;
        break;
    default:
        break;
    }
}

void CalculerBecs(EnregistrementCalcul& c) {
    for (int m = 1; m <= 12; ++m)
        c.Becs[m] = VersSimple(c.DT[m] * 0.00116 * c.Conso[m] * c.Nj[m], "Becs");
}
