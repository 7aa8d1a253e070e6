// The desktop program on the offscreen platform, with the reference data folder:
// one validated edit in the project window as the person makes it (the value typed,
// Enter, the component updated, the whole run, the whole window redisplayed and
// painted), and the start-up to a usable main window.

#include "bench/Silencieux.h"
#include "common/Notificateur.h"
#include "data/ModCollection.h"
#include "engine/modCalculORIN.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"
#include "ui/ChampSaisie.h"
#include "ui/Demarrage.h"
#include "ui/ProjetFenetre.h"
#include "ui/frmMain.h"
#include "ui/frmProjet.h"
#include "ui/frmSplash.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {
// The main window at 1280 x 800 with a collector-and-tank project of 4 m² for 200 l a
// day, an auxiliary and a detailed loop efficiency, calculated and shown.
struct Bureau {
    Silencieux silencieux;
    FabriqueProjetsFenetres fabrique;
    frmMain principal{fabrique};
    ProjetFenetre* projet = nullptr;

    Bureau() {
        DefinirNotificateur(&silencieux);
        ChargementInitial(VARQUIN_REFERENCE_DIR);
        InitialiserProjets();
        principal.setGeometry(0, 0, 1280, 800);
        principal.show();
        projet = static_cast<ProjetFenetre*>(principal.LoadNewDoc());
        clsprojet& p = projet->Projet();
        p.Systeme->TypeSysteme(SystemeCapteurBallon);
        p.Capteurs->surface_totale(4);
        p.Appoint->TypeAppoint = "Appoint intégré";
        p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
        RemplirCollection(p.Besoin->Conso, 200.0, 12);
        (void)p.SimulerORIN(true);
        QCoreApplication::processEvents();
    }
    ~Bureau() { DefinirNotificateur(nullptr); }
};

// Alternates two collector counts so that every edit changes the results.
void Valider(ChampSaisie* champ, bool pair) {
    champ->setText(pair ? QStringLiteral("2") : QStringLiteral("3"));
    QTest::keyClick(champ, Qt::Key_Return);
}

void BM_EditionValidee(benchmark::State& state) {
    Bureau b;
    ChampSaisie* nombre = b.projet->Formulaire()->Champ("txtNbCapteurs");
    bool pair = false;
    for (auto _ : state) {
        Valider(nombre, pair = !pair);
        // The redisplay reaches the screen: layouts and painting of the window.
        b.projet->Formulaire()->window()->repaint();
    }
    if (b.silencieux.messages != 0)
        state.SkipWithError("the edit showed a message");
    if (b.projet->Projet().Capteurs->nombre() != (pair ? 2 : 3))
        state.SkipWithError("the edit did not reach the collectors");
}
BENCHMARK(BM_EditionValidee)->Unit(benchmark::kMillisecond);

void BM_AfficherProjet(benchmark::State& state) {
    Bureau b;
    for (auto _ : state)
        b.projet->Formulaire()->AfficherProjet();
}
BENCHMARK(BM_AfficherProjet)->Unit(benchmark::kMillisecond);

// From the data load to the main window shown, painted and taking commands; the
// splash is created and shown as at start-up. The application object itself is made
// once per process (its cost is printed by main).
void BM_DemarrageFenetrePrincipale(benchmark::State& state) {
    Silencieux silencieux;
    DefinirNotificateur(&silencieux);
    FabriqueProjetsFenetres fabrique;
    for (auto _ : state) {
        frmSplash splash;
        splash.MontrerChargement();
        ChargementInitial(VARQUIN_REFERENCE_DIR);
        frmMain principal(fabrique);
        principal.show();
        splash.hide();
        principal.setmenu(false);
        QCoreApplication::processEvents();
        principal.repaint();
    }
    DefinirNotificateur(nullptr);
}
BENCHMARK(BM_DemarrageFenetrePrincipale)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto debut = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    ConfigurerApplication(application);
    const std::chrono::duration<double, std::milli> duree =
        std::chrono::steady_clock::now() - debut;
    std::fprintf(stderr, "Application object and platform: %.1f ms\n", duree.count());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
