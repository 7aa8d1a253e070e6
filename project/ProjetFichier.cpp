#include "project/ProjetFichier.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modTexte.h"
#include "project/ElementsProjet.h"
#include "project/ValeursFichier.h"

namespace {
const std::string Asterisques(59, '*');
const std::string Tab = "\t";

class Ecrivain : public VisiteurElements {
public:
    std::string texte;

    void Section(const char* nom) override {
        texte += Asterisques + CRLF + "**  " + nom + CRLF + Asterisques + CRLF;
    }
    void Valeur(const char* cle, std::string& valeur) override {
        Ligne(cle, SansSeparateurs(valeur));
    }
    void Valeur(const char* cle, float& valeur) override { Ligne(cle, FormatSimple(valeur)); }
    void Valeur(const char* cle, int16_t& valeur) override { Ligne(cle, std::to_string(valeur)); }
    void Valeur(const char* cle, TableauMois& mois) override { Tableau(cle, mois); }
    void Valeur(const char* cle, TableauPoints& points) override { Tableau(cle, points); }

private:
    void Ligne(const char* cle, const std::string& valeur) {
        texte += cle;
        texte += Tab + valeur + CRLF;
    }
    template <class T> void Tableau(const char* cle, const T& valeurs) {
        texte += cle;
        texte += Tab;
        for (std::size_t i = 1; i < valeurs.size(); ++i)
            texte += FormatSimple(valeurs[i]) + Tab;
        texte += CRLF;
    }
    // A line break or a TAB inside a text would split its line or its value on reading.
    static std::string SansSeparateurs(std::string valeur) {
        for (char& c : valeur) {
            if (c == '\r' || c == '\n' || c == '\t')
                c = ' ';
        }
        return valeur;
    }
};

class Lecteur : public VisiteurElements {
public:
    explicit Lecteur(std::string contenu) : contenu_(std::move(contenu)), tampon_(contenu_) {}
    Lecteur(const Lecteur&) = delete; // tampon_ points into contenu_
    Lecteur& operator=(const Lecteur&) = delete;

    int ligne = 0;             // number of the last line taken
    const char* cle = nullptr; // key of the item being read

    void Section(const char* nom) override {
        cle = nom;
        for (int i = 0; i < 3; ++i)
            Prendre();
    }
    void Valeur(const char* c, std::string& valeur) override { valeur = ValeurSimple(c); }
    void Valeur(const char* c, float& valeur) override { valeur = LireSimple(ValeurSimple(c)); }
    void Valeur(const char* c, int16_t& valeur) override { valeur = LireEntier(ValeurSimple(c)); }
    void Valeur(const char* c, TableauMois& mois) override { Tableau(c, mois); }
    void Valeur(const char* c, TableauPoints& points) override { Tableau(c, points); }

private:
    std::string Prendre() {
        if (tampon_.empty())
            throw ErreurExecution("le fichier s'arrête avant la fin du projet");
        ++ligne;
        return std::string(LireLigneVue(tampon_));
    }
    std::string ValeurSimple(const char* c) {
        cle = c;
        std::string reste = Prendre();
        LireMot(reste, Tab); // the key: reading goes by position, not by name
        return LireMot(reste, Tab);
    }
    template <class T> void Tableau(const char* c, T& valeurs) {
        cle = c;
        std::string reste = Prendre();
        LireMot(reste, Tab);
        std::size_t i = 1;
        while (!Rogner(reste).empty()) {
            if (i >= valeurs.size())
                throw ErreurExecution("plus de " + std::to_string(valeurs.size() - 1) + " valeurs");
            valeurs[i++] = LireSimple(LireMot(reste, Tab));
        }
    }

    std::string contenu_;
    std::string_view tampon_; // the lines not read yet
};

} // namespace

std::string TexteProjet(const EnregistrementProjet& projet, const std::string& fichier) {
    EnregistrementProjet copie = projet; // the walk takes its fields by reference
    std::string chemin = fichier;
    Ecrivain ecrivain;
    ParcourirElements(copie, chemin, ecrivain);
    return ecrivain.texte + CRLF;
}

void LireTexteProjet(const std::string& contenu, const std::string& chemin,
                     EnregistrementProjet& projet, std::string& fichier) {
    EnregistrementProjet brouillon = projet;
    std::string fichierLu = fichier;
    Lecteur lecteur(NormaliserFinsDeLigne(contenu));
    try {
        ParcourirElements(brouillon, fichierLu, lecteur);
    } catch (const ErreurExecution& e) {
        throw ErreurFichier("Le fichier " + CiterChemin(chemin) + " n'a pas pu être lu : ligne " +
                            std::to_string(lecteur.ligne) + " (" +
                            Citer(lecteur.cle ? lecteur.cle : "") + "), " + e.what() +
                            ". Le projet n'a pas été modifié.");
    }
    projet = std::move(brouillon);
    fichier = std::move(fichierLu);
}

void EcrireFichierProjet(const std::string& chemin, const EnregistrementProjet& projet) {
    EcrireFichierTexte(chemin, TexteProjet(projet, chemin));
}

void LireFichierProjet(const std::string& chemin, EnregistrementProjet& projet,
                       std::string& fichier) {
    LireTexteProjet(LireFichierTexte(chemin, GenreFichier::Projet), chemin, projet, fichier);
}
