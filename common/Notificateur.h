#pragma once
// The one channel through which the core speaks to the person: a message box and
// the busy cursor. The desktop application shows real boxes, the command line prints
// to stderr and the tests record the calls.

#include <string>

class Notificateur {
public:
    virtual ~Notificateur() = default;
    // A message box with an OK button only.
    virtual void Message(const std::string& texte, const std::string& titre) = 0;
    // Busy cursor on (true) or back to normal (false).
    virtual void Sablier(bool actif) = 0;
};

// Writes messages to stderr; the default until a front end installs its own.
class NotificateurConsole : public Notificateur {
public:
    void Message(const std::string& texte, const std::string& titre) override;
    void Sablier(bool) override {}
};

// The notifier in use (never null).
Notificateur& notificateur();
// Installs a notifier; nullptr restores the console one. The caller keeps ownership.
void DefinirNotificateur(Notificateur* n);

// Title of the message boxes that carry the application's title.
inline constexpr const char* TitreApplication = "VARQUIN";

// Shows the busy cursor for the lifetime of the object, and always restores it,
// even when the work in between throws.
class SablierActif {
public:
    SablierActif() { notificateur().Sablier(true); }
    ~SablierActif() { notificateur().Sablier(false); }
    SablierActif(const SablierActif&) = delete;
    SablierActif& operator=(const SablierActif&) = delete;
};
