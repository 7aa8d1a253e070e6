#include "data/modMessages.h"

#include "common/Chemins.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/modTexte.h"

std::array<std::string, MessageMax + 1> Messages;
ListeParametres ParametresMessage;
bool AfficherMessages = false;

void ChargerMessages() {
    const std::string chemin = CheminInstall("\\MESSAGES.TXT");
    ChargerMessagesDepuisTexte(LireFichierTexte(chemin, GenreFichier::Donnees), chemin);
}

void ChargerMessagesDepuisTexte(const std::string& contenu, const std::string& chemin) {
    std::string_view tampon = contenu;
    int numeroLigne = 1;
    std::string_view ligne = LireLigneVue(tampon);
    if (ligne.empty() || ligne[0] != '#')
        return;
    while (!tampon.empty()) {
        const int ligneEntete = numeroLigne;
        const double valeur = ConvertirNombre(SousTexte(ligne, 1, 3));
        std::string texte;
        ligne = LireLigneVue(tampon);
        ++numeroLigne;
        while (true) {
            texte += ligne;
            texte += ' ';
            ligne = LireLigneVue(tampon);
            ++numeroLigne;
            if ((!ligne.empty() && ligne[0] == '#') || tampon.empty())
                break;
        }
        for (char& c : texte) {
            if (c == '@')
                c = '\r';
        }
        if (!(valeur >= 0 && valeur < MessageMax + 0.5))
            throw ErreurIndice("Numéro de message hors limites (0 à 650) dans " +
                               CiterChemin(chemin) + ", ligne " + std::to_string(ligneEntete) +
                               ".");
        Messages[static_cast<std::size_t>(VersEntier16(valeur))] = texte;
    }
}

std::string TexteMessage(const std::string& texte, const ListeParametres& parametres) {
    std::string resultat = texte;
    for (int i = 1; i <= 12; ++i) {
        if (Rogner(parametres[i]).empty())
            continue;
        if (resultat.find("%s") == std::string::npos)
            break;
        resultat = Remplacer(resultat, "%s", parametres[i]);
    }
    return resultat;
}

void AfficherMessage(const std::string& texte, const ListeParametres& parametres) {
    const std::string resultat = TexteMessage(texte, parametres);
    if (AfficherMessages)
        notificateur().Message(resultat, "Message");
}

void AfficherMessage(int numero, std::initializer_list<std::string> parametres) {
    ListeParametres liste;
    int i = 1;
    for (const auto& p : parametres) {
        if (i > 12)
            break;
        liste[i++] = p;
    }
    const std::string texte =
        (numero >= 0 && numero <= MessageMax) ? Messages[static_cast<std::size_t>(numero)] : "";
    AfficherMessage(texte, liste);
}
