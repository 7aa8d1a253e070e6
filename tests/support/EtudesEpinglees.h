#pragma once
// The pinned studies: whole projects on the reference data whose monthly coverages and
// annual productivity are written in tests/fixtures/etudes/epingles.txt, the same for
// every door (the core, the command line, the window).

#include "common/Nombres.h"

#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace essai {
struct EtudeEpinglee {
    std::string fichier;          // in the studies' folder
    std::array<float, 13> Fecs{}; // months 1..12 [%]
    float Productivite_an = 0;    // [kWh]
};

inline std::string DossierEtudes() {
    return VARQUIN_FIXTURES_DIR "/etudes";
}

inline float LireFlottant(const std::string& texte) {
    return static_cast<float>(LireNombre(texte).value_or(0.0));
}

inline std::vector<EtudeEpinglee> EtudesEpinglees() {
    std::vector<EtudeEpinglee> etudes;
    std::ifstream f(DossierEtudes() + "/epingles.txt");
    for (std::string ligne; std::getline(f, ligne);) {
        if (ligne.empty() || ligne[0] == '#')
            continue;
        std::istringstream champs(ligne);
        std::vector<std::string> valeurs;
        for (std::string v; std::getline(champs, v, ';');)
            valeurs.push_back(v);
        if (valeurs.size() != 14)
            continue;
        EtudeEpinglee e;
        e.fichier = valeurs[0];
        for (std::size_t m = 1; m <= 12; ++m)
            e.Fecs[m] = LireFlottant(valeurs[m]);
        e.Productivite_an = LireFlottant(valeurs[13]);
        etudes.push_back(e);
    }
    return etudes;
}
} // namespace essai
