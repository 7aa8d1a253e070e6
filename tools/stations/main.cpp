// varquin_stations: writes the five files of the Pays folder of the reference data from
// the climate tables and the fact tables of this folder.
//   varquin_stations <climate folder> <fact tables folder> <output folder>

#include "EcritureStations.h"
#include "Stations.h"
#include "common/Fichiers.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "Usage : varquin_stations <dossier climat> <dossier des faits> "
                     "<dossier de sortie>\n";
        return 2;
    }
    try {
        const stations::Referentiel r = stations::Construire(argv[1], argv[2], std::cout);
        const std::filesystem::path sortie = argv[3];
        std::filesystem::create_directories(sortie);
        const auto ecrire = [&](const char* nom, const std::string& texte) {
            EcrireFichierTexte((sortie / nom).string(), texte);
        };
        ecrire("Pays.TXT", stations::TextePays());
        ecrire("Depar_Fr.TXT", stations::TexteDepartements(r));
        ecrire("Ville_Fr.TXT", stations::TexteVilles(r));
        ecrire("Stati_Fr.TXT", stations::TexteStations(r));
        ecrire("Stati_Fr2.TXT", stations::TexteStations2(r));
        std::cout << r.stations.size() << " stations, " << r.departements.size()
                  << " départements\n";
    } catch (const std::exception& e) {
        std::cerr << "varquin_stations : " << e.what() << '\n';
        return 1;
    }
    return 0;
}
