// varquin_soleil: writes the files of the Soleil folder of the reference data.
//   varquin_soleil <output folder>

#include "TablesSoleil.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {
void Ecrire(const std::filesystem::path& dossier, const std::string& nom,
            const std::string& texte) {
    EcrireFichierTexte((dossier / nom).string(), texte);
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage : varquin_soleil <dossier de sortie>\n";
        return 2;
    }
    try {
        const std::filesystem::path dossier = argv[1];
        std::filesystem::create_directories(dossier);
        const soleil::SeriesSoleil series = soleil::CalculerSeries();
        Ecrire(dossier, "Cs.Don", soleil::TexteCs(series));
        Ecrire(dossier, "alphaG.don", soleil::TexteAlphaG());
        Ecrire(dossier, "delta.don", soleil::TexteDelta(series));
        Ecrire(dossier, "Nj.don", soleil::TexteNj());
        for (int bande = -90; bande <= 90; bande += 5) {
            for (int inclinaison : {30, 60}) {
                const std::string nom =
                    "G_" + std::to_string(bande) + "_" + std::to_string(inclinaison) + ".don";
                Ecrire(dossier, nom, soleil::TexteTableG(bande, inclinaison, series));
            }
        }
        Ecrire(dossier, "MatAlpha.don", soleil::TexteMatAlpha(series));
    } catch (const std::exception& e) {
        std::cerr << "varquin_soleil : " << e.what() << '\n';
        return 1;
    }
    return 0;
}
