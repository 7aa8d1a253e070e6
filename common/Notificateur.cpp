#include "common/Notificateur.h"

#include <iostream>

namespace {
NotificateurConsole notificateurConsole;
Notificateur* courant = &notificateurConsole;
} // namespace

void NotificateurConsole::Message(const std::string& texte, const std::string& titre) {
    std::string t = texte;
    for (char& c : t) {
        if (c == '\r')
            c = '\n';
    }
    std::cerr << titre << " : " << t << '\n';
}

Notificateur& notificateur() {
    return *courant;
}

void DefinirNotificateur(Notificateur* n) {
    courant = n ? n : &notificateurConsole;
}
