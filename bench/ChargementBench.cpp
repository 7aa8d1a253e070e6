// Reading the reference data: a station file of realistic size (one station per
// department and the measured stations, about 600 stations of five lines) through
// the station collection and the table reader.

#include "data/ModCollection.h"
#include "data/modDonnees.h"
#include "data/modTables.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {
std::string FichierStations(int stations) {
    std::string texte = "Stations\r\nValeur, puis nom\r\n";
    const std::string serie = "1,35 2,2 3,5 4,6 5,4 6,1 6,3 5,5 4,2 2,6 1,5 1,1";
    for (int i = 0; i < stations; ++i) {
        const std::string nom = " #Station numéro " + std::to_string(i) + "\r\n";
        texte += "45,7°N" + nom + "H1c" + nom;
        for (int s = 0; s < 3; ++s)
            texte += serie + nom;
    }
    return texte;
}

void BM_ChargerCollectionStations(benchmark::State& etat) {
    const std::string texte = FichierStations(static_cast<int>(etat.range(0)));
    Collection<clsDonnees> stations;
    for (auto _ : etat) {
        ChargerCollectionDepuisTexte(texte, "Stati_Fr.TXT", stations, ColonnesStation);
        benchmark::DoNotOptimize(stations.Count());
    }
    etat.SetBytesProcessed(static_cast<int64_t>(etat.iterations() * texte.size()));
}
BENCHMARK(BM_ChargerCollectionStations)->Arg(100)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_LireTableStations(benchmark::State& etat) {
    const std::string texte = FichierStations(static_cast<int>(etat.range(0)));
    Table table;
    for (auto _ : etat) {
        LireTableDepuisTexte(texte, "Stati_Fr.TXT", table);
        benchmark::DoNotOptimize(table.size());
    }
    etat.SetBytesProcessed(static_cast<int64_t>(etat.iterations() * texte.size()));
}
BENCHMARK(BM_LireTableStations)->Arg(100)->Arg(600)->Unit(benchmark::kMillisecond);
} // namespace
