// The sizing study on the engine benchmark's record (collector and tank, 4 m², 300 l,
// 200 l/day) with its 20-point horizon mask: a grid of 20 collector counts by 20 tanks,
// and one of 10,000 points (100 by 100). The monthly stages run once per study; each
// point runs the system parameters and the balance on its own copy of the record.

#include "common/Chemins.h"
#include "project/modBalayage.h"
#include "tests/support/EnregistrementExemple.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {
// The project's own tank (300 l) and ballons - 1 others.
GrilleBalayage Grille(const EnregistrementCalcul& c, int nombres, int ballons) {
    GrilleBalayage g;
    for (int n = 1; n <= nombres; ++n)
        g.nombres.push_back(n);
    g.ballons.push_back({c.Type_ballon, c.Vn, c.Vs, c.cr, true});
    for (int j = 1; j < ballons; ++j) {
        const float vn = 100.0f + 10.0f * static_cast<float>(j);
        g.ballons.push_back({"Ballon " + std::to_string(j), vn, 0.85f * vn, 0.2f});
    }
    return g;
}

void BM_Balayage(benchmark::State& state) {
    const std::string reference = VARQUIN_REFERENCE_DIR;
    InstallDir =
        std::filesystem::exists(reference + "/Soleil/Cs.Don")
            ? reference
            : (std::filesystem::path(reference).parent_path() / "tests/fixtures/soleil").string();
    EnregistrementProjet p;
    RemplirEnregistrementExemple(p, ClimatExemple());
    AjouterMasqueExemple(p.Entrees);
    const GrilleBalayage g =
        Grille(p.Calcul, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::size_t calcules = 0;
    for (auto _ : state) {
        const Balayage b = Balayer(p, g);
        calcules = 0;
        for (const PointBalayage& point : b.points)
            calcules += point.calcule ? 1 : 0;
        benchmark::DoNotOptimize(b.points.back().Fecs_an);
    }
    if (calcules != g.nombres.size() * g.ballons.size())
        state.SkipWithError("a point was not calculated");
    state.counters["points"] = static_cast<double>(calcules);
}
} // namespace

BENCHMARK(BM_Balayage)->Args({20, 20})->Args({100, 100})->Unit(benchmark::kMillisecond);
