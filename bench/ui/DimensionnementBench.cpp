// The sizing dialog open beside a project window of the reference data (collector and
// tank, 4 m², 200 l a day): what follows a change of the project, the study again on
// the project as it is now and the two charts repainted; and a validated edit in the
// project window with the dialog open, from Enter to both windows painted.

#include "bench/Silencieux.h"
#include "common/Notificateur.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"
#include "ui/ChampSaisie.h"
#include "ui/ProjetFenetre.h"
#include "ui/frmDimensionnement.h"
#include "ui/frmMain.h"
#include "ui/frmProjet.h"

#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
struct BureauDimensionnement {
    Silencieux silencieux;
    FabriqueProjetsFenetres fabrique;
    frmMain principal{fabrique};
    ProjetFenetre* projet = nullptr;
    frmDimensionnement* dialogue = nullptr;

    BureauDimensionnement() {
        DefinirNotificateur(&silencieux);
        ChargementInitial(VARQUIN_REFERENCE_DIR);
        InitialiserProjets();
        principal.setGeometry(0, 0, 1280, 800);
        principal.show();
        projet = static_cast<ProjetFenetre*>(principal.LoadNewDoc());
        clsprojet& p = projet->Projet();
        p.Appliquer("TypeSysteme", SystemeCapteurBallon);
        p.Appliquer("a", "4");
        (void)p.Modifier("Conso", "200");
        frmProjet& f = *projet->Formulaire();
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdDimensionnement")),
                          Qt::LeftButton);
        dialogue = f.findChild<frmDimensionnement*>();
        QCoreApplication::processEvents();
    }
    ~BureauDimensionnement() { DefinirNotificateur(nullptr); }
};

void BM_DimensionnementApresChangement(benchmark::State& state) {
    BureauDimensionnement b;
    for (auto _ : state) {
        b.dialogue->Actualiser();
        b.dialogue->repaint();
    }
    if (b.silencieux.messages != 0 || !b.dialogue->Etude())
        state.SkipWithError("the study failed");
    state.counters["points"] = static_cast<double>(b.dialogue->Etude()->points.size());
}
BENCHMARK(BM_DimensionnementApresChangement)->Unit(benchmark::kMillisecond);

void BM_EditionAvecDimensionnement(benchmark::State& state) {
    BureauDimensionnement b;
    ChampSaisie* nombre = b.projet->Formulaire()->Champ("txtNbCapteurs");
    bool pair = false;
    for (auto _ : state) {
        nombre->setText((pair = !pair) ? QStringLiteral("2") : QStringLiteral("3"));
        QTest::keyClick(nombre, Qt::Key_Return);
        b.projet->Formulaire()->window()->repaint();
        b.dialogue->repaint();
    }
    const Balayage* etude = b.dialogue->Etude() ? &*b.dialogue->Etude() : nullptr;
    if (etude == nullptr || etude->points[etude->projet].nombre != (pair ? 2 : 3))
        state.SkipWithError("the curves did not follow the edit");
}
BENCHMARK(BM_EditionAvecDimensionnement)->Unit(benchmark::kMillisecond);
} // namespace
