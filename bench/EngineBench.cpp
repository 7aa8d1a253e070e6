// One calculation run (system parameters, monthly data with the Soleil files, balance)
// on a realistic record, without and with a 20-point horizon mask, and the masked
// irradiation summation alone. The Soleil files are checked on disk at every run.

#include "common/Chemins.h"
#include "engine/modCalculCapteurs.h"
#include "engine/modCalculORIN.h"
#include "tests/support/EnregistrementExemple.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>

namespace {
// The reference data folder when its Soleil tables are there, else the test fixture.
void ChoisirDossier() {
    const std::string reference = VARQUIN_REFERENCE_DIR;
    InstallDir =
        std::filesystem::exists(reference + "/Soleil/Cs.Don")
            ? reference
            : (std::filesystem::path(reference).parent_path() / "tests/fixtures/soleil").string();
}

EnregistrementProjet Modele(bool masque) {
    EnregistrementProjet p;
    RemplirEnregistrementExemple(p, ClimatExemple());
    if (masque)
        AjouterMasqueExemple(p.Entrees);
    return p;
}

void Executer(benchmark::State& state, bool masque) {
    ChoisirDossier();
    const EnregistrementProjet modele = Modele(masque);
    EnregistrementProjet p = modele;
    if (!ExecuterCalcul(p.Calcul, p.Entrees).Complet())
        throw std::runtime_error("calculation failed");
    for (auto _ : state) {
        p = modele; // the status marks are reset before every run, as a project does
        benchmark::DoNotOptimize(ExecuterCalcul(p.Calcul, p.Entrees));
        benchmark::DoNotOptimize(p.Calcul.Fecs_an);
    }
}

void BM_CalculSansMasque(benchmark::State& state) {
    Executer(state, false);
}
void BM_CalculMasque20Points(benchmark::State& state) {
    Executer(state, true);
}

void BM_SommeMasquee12Mois(benchmark::State& state) {
    const EnregistrementProjet p = Modele(true);
    GeometrieCapteur g;
    g.latitude = p.Calcul.Latitude;
    g.inclinaison = p.Calcul.inclinaison;
    g.orientation = p.Calcul.Orientation;
    g.NbPoints = p.Entrees.NB_points;
    g.hauteurs = p.Entrees.Masque_Hauteur;
    g.angles = p.Entrees.Masque_Angle;
    TableauMois alpha;
    alpha.fill(1);
    TableauMois sortie{};
    for (auto _ : state) {
        CalculerFacteurMois(p.Entrees, p.Calcul.Gh, g, 1, sortie, alpha);
        benchmark::DoNotOptimize(sortie);
    }
}
} // namespace

BENCHMARK(BM_CalculSansMasque)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculMasque20Points)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SommeMasquee12Mois)->Unit(benchmark::kMicrosecond);
