#include "project/ProjetFichier.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"
#include "data/modTexte.h"
#include "project/ElementsProjet.h"
#include "project/ValeursFichier.h"

namespace {
const std::string Asterisques(59, '*');
const std::string Tab = "\t";

std::string TexteSection(const char* nom) {
    return Asterisques + CRLF + "**  " + nom + CRLF + Asterisques + CRLF;
}

class Ecrivain : public VisiteurElements {
public:
    std::string texte;

    void Section(const char* nom) override { texte += TexteSection(nom); }
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
        EnTete(nom);
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
        Cle(reste, c);
        return LireMot(reste, Tab);
    }
    template <class T> void Tableau(const char* c, T& valeurs) {
        cle = c;
        std::string reste = Prendre();
        Cle(reste, c);
        std::size_t i = 1;
        while (!Rogner(reste).empty()) {
            if (i >= valeurs.size())
                throw ErreurExecution("plus de " + std::to_string(valeurs.size() - 1) + " valeurs");
            valeurs[i++] = LireSimple(LireMot(reste, Tab));
        }
    }

public:
    // A section header: a line of asterisks, "**  " and the name, asterisks again.
    void EnTete(const char* nom) {
        const std::string attendu = std::string("**  ") + nom;
        for (const std::string& ligneAttendue : {Asterisques, attendu, Asterisques}) {
            if (Rogner(Prendre()) != ligneAttendue)
                throw ErreurExecution("l'en-tête de section " + Citer(attendu) + " est attendu");
        }
    }
    // Blank lines are skipped; false at the end of the text.
    bool LigneSuivante(std::string& ligneLue) {
        while (!tampon_.empty()) {
            avant_ = tampon_;
            ligneLue = Prendre();
            if (!Rogner(ligneLue).empty())
                return true;
        }
        return false;
    }
    // The line LigneSuivante took is read again next.
    void Remettre() {
        tampon_ = avant_;
        --ligne;
    }

private:
    // The key the line's position expects: reading goes by position, and a line of
    // another key standing there would give its value to the wrong field.
    void Cle(std::string& reste, const char* attendue) {
        const std::string lue = LireMot(reste, Tab);
        if (lue != attendue)
            throw ErreurExecution("la clé " + Citer(attendue) + " est attendue, " + Citer(lue) +
                                  " est lue");
    }

    std::string contenu_;
    std::string_view tampon_; // the lines not read yet
    std::string_view avant_;  // the same before the last line LigneSuivante took
};

// What follows the last item: nothing but blank lines, or the extension section.
Extension LireExtension(Lecteur& lecteur) {
    Extension extension;
    std::string ligne;
    if (!lecteur.LigneSuivante(ligne))
        return extension;
    lecteur.Remettre();
    lecteur.cle = SectionExtension;
    lecteur.EnTete(SectionExtension);
    if (!lecteur.LigneSuivante(ligne))
        throw ErreurExecution("la version de la section d'extension manque");
    std::string reste = ligne;
    const std::string cle = LireMot(reste, Tab);
    const auto version = LireNombre(LireMot(reste, Tab));
    if (cle != "Version" || !version || *version < 1 || *version != static_cast<int>(*version))
        throw ErreurExecution("la version de la section d'extension est attendue");
    if (*version > VersionExtension)
        throw ErreurExecution("la section d'extension est de la version " +
                              std::to_string(static_cast<int>(*version)) +
                              ", plus récente que celles que ce programme sait lire");
    while (lecteur.LigneSuivante(ligne)) {
        reste = ligne;
        ValeurExtension v;
        v.cle = LireMot(reste, Tab);
        v.valeur = LireMot(reste, Tab);
        v.ligne = lecteur.ligne;
        lecteur.cle = nullptr;
        if (!Rogner(reste).empty())
            throw ErreurExecution("une seule valeur est attendue après " + Citer(v.cle));
        extension.push_back(std::move(v));
    }
    return extension;
}

} // namespace

std::string TexteProjet(const EnregistrementProjet& projet, const std::string& fichier,
                        const Extension& extension) {
    EnregistrementProjet copie = projet; // the walk takes its fields by reference
    std::string chemin = fichier;
    Ecrivain ecrivain;
    ParcourirElements(copie, chemin, ecrivain);
    std::string texte = std::move(ecrivain.texte);
    if (!extension.empty()) {
        texte += TexteSection(SectionExtension);
        texte += "Version" + Tab + std::to_string(VersionExtension) + CRLF;
        for (const ValeurExtension& v : extension)
            texte += v.cle + Tab + v.valeur + CRLF;
    }
    return texte + CRLF;
}

void LireTexteProjet(const std::string& contenu, const std::string& chemin,
                     EnregistrementProjet& projet, std::string& fichier, Extension& extension) {
    EnregistrementProjet brouillon = projet;
    std::string fichierLu = fichier;
    Extension extensionLue;
    Lecteur lecteur(NormaliserFinsDeLigne(contenu));
    try {
        ParcourirElements(brouillon, fichierLu, lecteur);
        extensionLue = LireExtension(lecteur);
    } catch (const ErreurExecution& e) {
        throw ErreurFichier("Le fichier " + CiterChemin(chemin) + " n'a pas pu être lu : ligne " +
                            std::to_string(lecteur.ligne) + " (" +
                            Citer(lecteur.cle ? lecteur.cle : "") + "), " + e.what() +
                            ". Le projet n'a pas été modifié.");
    }
    projet = std::move(brouillon);
    fichier = std::move(fichierLu);
    extension = std::move(extensionLue);
}

void EcrireFichierProjet(const std::string& chemin, const EnregistrementProjet& projet,
                         const Extension& extension) {
    EcrireFichierTexte(chemin, TexteProjet(projet, chemin, extension));
}

void LireFichierProjet(const std::string& chemin, EnregistrementProjet& projet,
                       std::string& fichier, Extension& extension) {
    LireTexteProjet(LireFichierTexte(chemin, GenreFichier::Projet), chemin, projet, fichier,
                    extension);
}
