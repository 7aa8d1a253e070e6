// Reading long generated text files line by line: the time per line must not grow
// with the number of lines. A text table holds at most 32,767 entries (its index is a
// 16-bit integer), so the 200,000-line runs read a table file to its refusal, and a
// station file (no such limit) in full.

#include "common/Erreurs.h"
#include "data/ModCollection.h"
#include "data/modDonnees.h"
#include "data/modTables.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {
std::string FichierTable(int lignes) {
    std::string texte = "Capteurs solaires\r\nBc Kc Ac Type #Modèle\r\n";
    for (int i = 2; i < lignes; ++i)
        texte += "0,78 4,2 2 1 #Capteur numéro " + std::to_string(i) + "\r\n";
    return texte;
}

std::string FichierStations(int lignes) {
    std::string texte = "Stations\r\nValeur, puis nom\r\n";
    const char* const colonnes[] = {"45,7°N", "H1c",
                                    "1,35 2,2 3,5 4,6 5,4 6,1 6,3 5,5 4,2 2,6 1,5 1,1",
                                    "1,6 3,2 7,1 10,2 14,6 18,2 20,8 20,2 16,5 12,1 6,2 2,5",
                                    "8 8,5 10 11,5 13 14,5 15 15 14 12,5 10,5 9"};
    for (int i = 2; i < lignes; ++i)
        texte += std::string(colonnes[(i - 2) % 5]) + " #Station " + std::to_string((i - 2) / 5) +
                 "\r\n";
    return texte;
}

void BM_LireTableLignes(benchmark::State& etat) {
    const auto lignes = static_cast<int>(etat.range(0));
    const std::string texte = FichierTable(lignes);
    Table table;
    for (auto _ : etat) {
        try {
            LireTableDepuisTexte(texte, "Capteurs.txt", table);
        } catch (const ErreurIndice&) {
            // Entry 32,768: the rest of the file is not read.
        }
        benchmark::DoNotOptimize(table.size());
    }
    etat.SetItemsProcessed(etat.iterations() * std::min(lignes, 32769));
}
BENCHMARK(BM_LireTableLignes)->Arg(10000)->Arg(30000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_ChargerStationsLignes(benchmark::State& etat) {
    const auto lignes = static_cast<int>(etat.range(0));
    const std::string texte = FichierStations(lignes);
    Collection<clsDonnees> stations;
    for (auto _ : etat) {
        ChargerCollectionDepuisTexte(texte, "Stati_Fr.TXT", stations, ColonnesStation);
        benchmark::DoNotOptimize(stations.Count());
    }
    etat.SetItemsProcessed(etat.iterations() * lignes);
}
BENCHMARK(BM_ChargerStationsLignes)
    ->Arg(10000)
    ->Arg(50000)
    ->Arg(200000)
    ->Unit(benchmark::kMillisecond);
} // namespace
