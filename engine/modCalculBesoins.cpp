#include "engine/modCalculBesoins.h"

#include "engine/modCalcul.h"

void CalculerTLocal(EnregistrementCalcul& c, const EnregistrementEntrees& e) {
    switch (c.B_Situation.Indice) {
    case 0:
    case 1:
        c.TLocal = c.Text;
        break;
    case 2:
        for (int m = 1; m <= 12; ++m)
            c.TLocal[m] = VersSimple((c.Text[m] + 19.0) / 2, "TLocal");
        break;
    case 3:
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
