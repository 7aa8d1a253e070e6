#pragma once
// Shared set-up of the project tests: the fixture data folder loaded as at start-up,
// a fresh table of open projects and application state, and a recording notifier.

#include "DonneesTest.h"
#include "project/EtatApplication.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"

#include <gtest/gtest.h>
#include <memory>

class ProjetTest : public ::testing::Test {
protected:
    void SetUp() override {
        essai::ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(essai::DossierFixture()));
        InitialiserProjets();
        Etat().Reinitialiser();
        notif.Effacer();
    }
    void TearDown() override {
        Etat().Reinitialiser();
        essai::ReinitialiserDonnees();
    }

    // A new project as the "&Nouveau" command makes it, calculated without display.
    std::unique_ptr<clsprojet> Nouveau() {
        auto p = std::make_unique<clsprojet>();
        (void)p->Nouveau();
        return p;
    }

    NotificateurEnregistreur notif;
};
