#pragma once
// The core's message boxes and busy cursor, shown with Qt.

#include "common/Notificateur.h"

class NotificateurQt : public Notificateur {
public:
    ~NotificateurQt() override;
    // A modal box with an OK button only, over the active window.
    void Message(const std::string& texte, const std::string& titre) override;
    // The hourglass as the application's override cursor. Calls nest: the normal
    // pointer returns when every "on" has had its "off"; a stray "off" is ignored.
    void Sablier(bool actif) override;

    int Profondeur() const { return profondeur_; }

private:
    int profondeur_ = 0;
};
