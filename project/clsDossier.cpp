#include "project/clsDossier.h"

#include "common/Encodage.h"
#include "common/Texte.h"

std::optional<std::string> RefusDossier(const std::string& valeur) {
    if (valeur.find_first_of("\t\r\n") != std::string::npos)
        return "une seule ligne, sans tabulation";
    // Windows-1252 writes every character it has as one byte and the others as "?".
    const std::string fichier = VersWindows1252(valeur);
    if (DepuisWindows1252(fichier) != valeur)
        return "un caractère n'a pas d'équivalent dans le fichier du projet (Windows-1252)";
    if (NbCaracteres(valeur) > LongueurDossierMax)
        return "au plus " + std::to_string(LongueurDossierMax) + " caractères";
    return std::nullopt;
}
