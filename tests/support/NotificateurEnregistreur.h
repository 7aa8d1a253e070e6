#pragma once
// The tests' notifier: installed while it lives (the previous one comes back after),
// it records every message box and every change of the busy cursor instead of showing
// them.

#include "common/Notificateur.h"

#include <algorithm>
#include <string>
#include <vector>

class NotificateurEnregistreur : public Notificateur {
public:
    NotificateurEnregistreur() : precedent_(&notificateur()) { DefinirNotificateur(this); }
    ~NotificateurEnregistreur() override { DefinirNotificateur(precedent_); }
    NotificateurEnregistreur(const NotificateurEnregistreur&) = delete;
    NotificateurEnregistreur& operator=(const NotificateurEnregistreur&) = delete;

    void Message(const std::string& texte, const std::string& titre) override {
        messages.push_back(texte);
        titres.push_back(titre);
    }
    void Sablier(bool actif) override {
        sabliers.push_back(actif);
        niveau += actif ? 1 : -1;
    }
    bool Contient(const std::string& morceau) const {
        return std::any_of(messages.begin(), messages.end(), [&](const std::string& m) {
            return m.find(morceau) != std::string::npos;
        });
    }
    // The busy cursor was shown and is off again.
    bool SablierRestaure() const { return !sabliers.empty() && niveau == 0; }
    void Effacer() {
        messages.clear();
        titres.clear();
        sabliers.clear();
        niveau = 0;
    }

    std::vector<std::string> messages, titres;
    std::vector<bool> sabliers; // every call, in order
    int niveau = 0;             // calls on minus calls off

private:
    Notificateur* precedent_;
};
