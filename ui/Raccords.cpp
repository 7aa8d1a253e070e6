#include "ui/Raccords.h"

#include "data/modLibelles.h"
#include "project/EtatApplication.h"
#include "startup/Modgeneral.h"

void ChargementDemarrage() {
    ChargementInitial();
}

std::vector<std::string> ListeDeChoix(int k) {
    std::vector<std::string> liste;
    if (k < 0 || k > LibelleListeMax)
        return liste;
    for (const std::string& item : Libelles[static_cast<std::size_t>(k)]) {
        if (item.empty())
            break;
        liste.push_back(item);
    }
    return liste;
}

bool ModeCalculAuto() {
    return Etat().CalculAuto();
}

void DefinirModeCalculAuto(bool automatique) {
    Etat().DefinirCalculAuto(automatique);
}
