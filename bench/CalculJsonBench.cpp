// The web page's calculation natively: the Lyon example's bytes opened into a new
// project, calculated and written as JSON, as `varquin-cli calc --format json` and the
// WebAssembly module's calculer() do it; the module's figure is compared with this one
// (web/bench/calculer.mjs).

#include "bench/Silencieux.h"
#include "common/Fichiers.h"
#include "engine/RapportCalcul.h"
#include "project/Reglages.h"
#include "project/SortieJson.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"

#include <benchmark/benchmark.h>
#include <sstream>

namespace {
void BM_CalculerJsonLyon(benchmark::State& state) {
    Silencieux silencieux;
    DefinirNotificateur(&silencieux);
    ChargementInitial(VARQUIN_REFERENCE_DIR);
    const std::string nom =
        std::string(VARQUIN_REFERENCE_DIR) + "/../examples/lyon-maison-4-personnes.vqp";
    const std::string octets = LireOctetsFichier(nom, GenreFichier::Projet);
    for (auto _ : state) {
        clsprojet projet;
        const OuvertureProjet o =
            OuvrirProjet(projet, [&](clsprojet& p) { p.OuvrirOctets(octets, nom); }, {});
        const RapportCalcul rapport = projet.Calculer();
        std::ostringstream json;
        EcrireEtudeJson(json, projet, o, nom, rapport);
        benchmark::DoNotOptimize(json.str());
        projet.Fermer();
        if (!rapport.Complet())
            state.SkipWithError("the run did not go through");
    }
    DefinirNotificateur(nullptr);
}
BENCHMARK(BM_CalculerJsonLyon)->Unit(benchmark::kMillisecond);
} // namespace
