#pragma once
// The engine's tests: the fixture Soleil folder as install folder, every numbered
// message shown as "M<n>", the run's report at hand, and the engine's switches put back
// after each test.

#include "DonneesTest.h"
#include "engine/RapportCalcul.h"
#include "engine/modCalculORIN.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class MethodeEssai : public ::testing::Test {
protected:
    void SetUp() override {
        ancienDossier = InstallDir;
        InstallDir = VARQUIN_FIXTURES_DIR "/soleil";
        for (int n = 0; n <= MessageMax; ++n)
            Messages[static_cast<std::size_t>(n)] = "M" + std::to_string(n);
        Messages[44] = "M44 %s";
        Messages[300] = "M300 (%s)";
        AfficherMessages = true;
    }
    void TearDown() override {
        InstallDir = ancienDossier;
        AfficherMessages = false;
        Messages.fill("");
    }
    // The texts of the run's report, its last one, and how many times a text is in it.
    std::vector<std::string> Textes() const {
        std::vector<std::string> textes;
        for (const auto& m : rapport.Messages())
            textes.push_back(m.texte);
        return textes;
    }
    std::string Dernier() const { return Textes().empty() ? "" : Textes().back(); }
    long Compter(const std::string& texte) const {
        const auto t = Textes();
        return std::count(t.begin(), t.end(), texte);
    }

    NotificateurEnregistreur notes;
    RapportCalcul rapport;
    std::string ancienDossier;
};
