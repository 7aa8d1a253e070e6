#pragma once
// The numbered messages of "\MESSAGES.TXT" and the procedure that shows them.

#include <array>
#include <string>

inline constexpr int MessageMax = 650;

// Texts by message number, 0..650; numbers absent from the file hold "". Loaded once
// at start-up and shared by everything that shows a message.
extern std::array<std::string, MessageMax + 1> Messages;
// Parameters 1..12 of a message (element 0 unused); shared, as in the method.
using ListeParametres = std::array<std::string, 13>;
extern ListeParametres ParametresMessage;
// Numbered messages are shown only while this switch is on; off at start-up. A
// display preference of the whole program, set by the options dialog; the messages
// file and the start-up load below the project layer read it, hence a global.
extern bool AfficherMessages;

// Reads InstallDir + "\MESSAGES.TXT". Throws ErreurFichier when it cannot be opened
// and ErreurIndice (naming the file and the line) for a number outside 0..650; the
// messages read before the fault are kept.
void ChargerMessages();
// Loads messages from a file's text (CR LF lines); `chemin` names it in errors.
void ChargerMessagesDepuisTexte(const std::string& contenu, const std::string& chemin);
// Substitutes the non-empty parameters for "%s" and, when the switch is on, shows the
// text in a box titled "Message".
void AfficherMessage(const std::string& texte, const ListeParametres& parametres);
// Message number n with the given parameters (1, 2, ...).
void AfficherMessage(int numero, std::initializer_list<std::string> parametres = {});
// The text that AfficherMessage would show.
std::string TexteMessage(const std::string& texte, const ListeParametres& parametres);
