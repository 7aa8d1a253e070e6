// A project's run as the window starts it (components into the record, the engine,
// the record back into the components with the site cascade), and the project file
// written and read, on the reference data folder.

#include "bench/Silencieux.h"
#include "common/Notificateur.h"
#include "engine/modCalculORIN.h"
#include "project/ProjetFichier.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"

#include <benchmark/benchmark.h>

namespace {
// A collector-and-tank project of the reference data, calculated once.
struct ProjetChauffe {
    Silencieux silencieux;
    clsprojet projet;

    ProjetChauffe() {
        DefinirNotificateur(&silencieux);
        ChargementInitial(VARQUIN_REFERENCE_DIR);
        (void)projet.Nouveau();
        projet.Appliquer("TypeSysteme", SystemeCapteurBallon);
        projet.Appliquer("a", "4");
        projet.Appliquer("Conso", "200");
        (void)projet.SimulerORIN(false);
    }
    ~ProjetChauffe() { DefinirNotificateur(nullptr); }
};

void BM_SimulerORIN(benchmark::State& state) {
    ProjetChauffe p;
    for (auto _ : state)
        benchmark::DoNotOptimize(p.projet.SimulerORIN(false));
    if (p.silencieux.messages)
        state.SkipWithError("the run showed a message");
}
BENCHMARK(BM_SimulerORIN);

void BM_EcrireTexteProjet(benchmark::State& state) {
    ProjetChauffe p;
    for (auto _ : state)
        benchmark::DoNotOptimize(TexteProjet(p.projet.Enregistrement(), p.projet.Fichier));
}
BENCHMARK(BM_EcrireTexteProjet);

void BM_LireTexteProjet(benchmark::State& state) {
    ProjetChauffe p;
    const std::string texte = TexteProjet(p.projet.Enregistrement(), p.projet.Fichier);
    EnregistrementProjet lu;
    std::string fichier;
    Extension extension;
    for (auto _ : state)
        LireTexteProjet(texte, "bench.vqp", lu, fichier, extension);
}
BENCHMARK(BM_LireTexteProjet);
} // namespace
