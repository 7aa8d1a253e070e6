#pragma once
// A notifier for tests: installed while the object lives, it records every message
// box and every change of the busy cursor so that tests can assert on them.
//
//     RecordingNotificateur notif;
//     ConvertirNombre(std::string("abc"));
//     EXPECT_EQ(notif.messages.at(0).texte, "Erreur de conversion de abc.");

#include "common/Notificateur.h"

#include <algorithm>
#include <string>
#include <vector>

class RecordingNotificateur : public Notificateur {
public:
    struct Boite {
        std::string texte;
        std::string titre;
    };

    RecordingNotificateur() { DefinirNotificateur(this); }
    ~RecordingNotificateur() override { DefinirNotificateur(nullptr); }
    RecordingNotificateur(const RecordingNotificateur&) = delete;
    RecordingNotificateur& operator=(const RecordingNotificateur&) = delete;

    void Message(const std::string& texte, const std::string& titre) override {
        messages.push_back({texte, titre});
    }
    void Sablier(bool actif) override {
        sabliers.push_back(actif);
        niveauSablier += actif ? 1 : -1;
    }

    // True when a recorded message contains the text.
    bool AMessageContenant(const std::string& morceau) const {
        return std::any_of(messages.begin(), messages.end(), [&](const Boite& b) {
            return b.texte.find(morceau) != std::string::npos;
        });
    }
    // True when the busy cursor was shown at least once and is off again.
    bool SablierRestaure() const { return !sabliers.empty() && niveauSablier == 0; }

    void Effacer() {
        messages.clear();
        sabliers.clear();
        niveauSablier = 0;
    }

    std::vector<Boite> messages;
    std::vector<bool> sabliers; // every call, in order
    int niveauSablier = 0;      // calls on minus calls off
};
