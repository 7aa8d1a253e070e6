#include "cli/Commandes.h"
#include "common/Chemins.h"
#include "common/Citation.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modMessages.h"
#include "startup/Modgeneral.h"

#include <algorithm>
#include <iomanip>
#include <iostream>

namespace {
// Number of items of a choice list (up to its first empty item).
int TailleListe(int liste) {
    const ListeLibelles& items = Libelles[static_cast<std::size_t>(liste)];
    return static_cast<int>(std::find(items.begin(), items.end(), std::string()) - items.begin());
}

int EntreesTable(const Table& table) {
    return table.empty() ? 0 : static_cast<int>(table.size()) - 1;
}

void AfficherChargement() {
    const auto messages = std::count_if(Messages.begin(), Messages.end(),
                                        [](const std::string& m) { return !m.empty(); });
    std::cout << "Dossier d'installation : " << InstallDir << '\n'
              << "Messages chargés : " << messages << '\n'
              << "Pays : " << TailleListe(0) << '\n'
              << "Départements : " << EntreesTable(TableDepartements) << '\n'
              << "Stations : " << Stations.Count() << '\n'
              << "Tables :\n";
    for (const FichierReference& f : FichiersReference()) {
        std::cout << "  " << std::left << std::setw(42) << f.chemin << std::right << std::setw(5)
                  << EntreesTable(*f.table) << " entrées\n";
    }
}
} // namespace

int CommandeInfo(const Arguments& arguments) {
    std::string dossier;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--data" && i + 1 < arguments.size()) {
            dossier = arguments[++i];
        } else if (arguments[i] == "--data") {
            std::cerr << "varquin-cli info : --data attend un dossier.\n";
            return 2;
        } else {
            std::cerr << "varquin-cli info : argument inattendu " << Citer(arguments[i]) << ".\n";
            return 2;
        }
    }
    const bool reussi = ChargementInitial(dossier);
    AfficherChargement();
    return reussi ? 0 : 1;
}
