#pragma once
// Shared pieces of the engine's tests: a notifier that records what would be shown,
// the fixture Soleil folder, and the engine's global switches put back after a test.

#include "common/Chemins.h"
#include "common/Notificateur.h"
#include "data/modMessages.h"
#include "engine/RapportCalcul.h"
#include "engine/modCalculORIN.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

class NotificateurEnregistreur : public Notificateur {
public:
    void Message(const std::string& texte, const std::string& titre) override {
        messages.push_back(texte);
        titres.push_back(titre);
    }
    void Sablier(bool actif) override { sablier = actif; }
    int Compter(const std::string& texte) const {
        int n = 0;
        for (const auto& m : messages)
            n += m == texte;
        return n;
    }
    std::vector<std::string> messages;
    std::vector<std::string> titres;
    bool sablier = false;
};

// Installs a recording notifier, numbered messages "M<n>" shown and the fixture
// folder as install folder.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        DefinirNotificateur(&notes);
        ancienDossier = InstallDir;
        InstallDir = VARQUIN_FIXTURES_DIR "/soleil";
        for (int n = 0; n <= MessageMax; ++n)
            Messages[static_cast<std::size_t>(n)] = "M" + std::to_string(n);
        Messages[44] = "M44 %s";
        Messages[300] = "M300 (%s)";
        AfficherMessages = true;
    }
    void TearDown() override {
        for (const auto& dossier : copies_)
            std::filesystem::remove_all(dossier);
        DefinirNotificateur(nullptr);
        InstallDir = ancienDossier;
        AfficherMessages = false;
        Messages.fill("");
    }
    // A private copy of the fixture install folder that the test may change (tests
    // may run in parallel processes).
    std::string CopieFixture() {
        namespace fs = std::filesystem;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const fs::path dossier = fs::path(::testing::TempDir()) /
                                 ("soleil_" + std::string(test->name()) + "_" +
                                  std::to_string(getpid()) + "_" + std::to_string(copies_.size()));
        fs::remove_all(dossier);
        fs::create_directories(dossier);
        fs::copy(fs::path(VARQUIN_FIXTURES_DIR) / "soleil", dossier, fs::copy_options::recursive);
        copies_.push_back(dossier);
        return dossier.string();
    }
    // The texts of the run's report, its last one, and how many times a text is in it.
    std::vector<std::string> Textes() const {
        std::vector<std::string> textes;
        for (const auto& m : rapport.Messages())
            textes.push_back(m.texte);
        return textes;
    }

    std::string DernierMessage() const {
        return rapport.Messages().empty() ? std::string() : rapport.Messages().back().texte;
    }
    int Compter(const std::string& texte) const {
        int n = 0;
        for (const auto& m : rapport.Messages())
            n += m.texte == texte;
        return n;
    }

    NotificateurEnregistreur notes;
    RapportCalcul rapport;
    std::string ancienDossier;

private:
    std::vector<std::filesystem::path> copies_;
};
