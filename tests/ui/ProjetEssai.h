#pragma once
// What the dialog suites share: a data folder loaded as at start-up (the fixture
// folder, read in place, or a scratch copy of the reference folder for the suites
// that write into it) and one new project on it, calculated without display.

#include "../core/DonneesTest.h"
#include "engine/modCalculORIN.h"
#include "project/EtatApplication.h"
#include "project/clsprojet.h"
#include "project/modStructures.h"
#include "startup/Modgeneral.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>

class ProjetEssai {
public:
    enum class Donnees { Fixture, CopieReference };

    explicit ProjetEssai(Donnees donnees = Donnees::Fixture) {
        essai::ReinitialiserDonnees();
        if (donnees == Donnees::CopieReference) {
            copie_ = std::make_unique<essai::DossierTemporaire>();
            essai::fs::copy(VARQUIN_REFERENCE_DIR, copie_->chemin(),
                            essai::fs::copy_options::recursive);
        }
        charge_ = ChargementInitial(copie_ ? copie_->chemin() : essai::DossierFixture());
        InitialiserProjets();
        Etat().Reinitialiser();
        (void)projet.Nouveau();
    }
    ~ProjetEssai() {
        projet.Fermer();
        Etat().Reinitialiser();
        essai::ReinitialiserDonnees();
    }
    ProjetEssai(const ProjetEssai&) = delete;
    ProjetEssai& operator=(const ProjetEssai&) = delete;

    bool Charge() const { return charge_; }
    // The scratch data folder ("" for the fixture folder, which is never written).
    std::string Dossier() const { return copie_ ? copie_->chemin() : std::string(); }

    clsprojet projet;

private:
    std::unique_ptr<essai::DossierTemporaire> copie_;
    bool charge_ = false;
};

// Shows the dialog without entering its event loop and gives it the focus, as the
// person would see it.
inline bool Montrer(QWidget& dialogue) {
    dialogue.show();
    QApplication::setActiveWindow(&dialogue);
    return QTest::qWaitForWindowExposed(&dialogue);
}

// Replaces the field's text as typed by the person: focus, select all, keys.
inline void Taper(QWidget* champ, const QString& texte) {
    champ->setFocus();
    // The field selects its text once the focus has arrived; let it, before typing.
    QCoreApplication::processEvents();
    QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(champ, texte);
}

// The modal window the application shows now (a dialog opened with exec()).
inline QWidget* FenetreModale() {
    return QApplication::activeModalWidget();
}
