#pragma once
// One project of the web page, held between calls from JavaScript: created new, opened
// from a file's bytes or from an example, then changed, calculated and saved through
// the lifecycle. Every answer is text (JSON, or a French message): nothing the page
// sends can throw into JavaScript.

#include "project/ElementsUtilisateur.h"

#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsprojet;

// What went wrong, in French: the core's refusals say it themselves.
std::string RaisonException(std::exception_ptr e);

// The catalogue item the page names "capteur", "chauffe-eau" or "ballon".
std::optional<ElementCatalogue> ElementDeNom(const std::string& nom);

class ProjetPage {
public:
    // A new project ("&Nouveau").
    static ProjetPage Nouveau();
    // The file's bytes read into a new project ("&Ouvrir"), `nom` naming it; a file
    // refused leaves a handle that holds no project and whose erreur() says why.
    static ProjetPage Ouvrir(const std::string& octets, const std::string& nom);
    // An example read into a new project that keeps its own name ("Ouvrir un exemple").
    static ProjetPage OuvrirExemple(const std::string& chemin);
    // A handle holding no project, refused for `raison`.
    static ProjetPage Refus(const std::string& raison);

    ProjetPage(ProjetPage&&) noexcept;
    ProjetPage& operator=(ProjetPage&&) noexcept;
    ~ProjetPage();

    // Why the project could not be made or opened; empty when it is there.
    std::string erreur() const { return erreur_; }
    // The project's name and file name.
    std::string nom() const;
    std::string fichier() const;
    // One value changed as in the window (checked, stored, recalculated): empty, or the
    // refusal in the window's words.
    std::string appliquer(const std::string& cle, const std::string& valeur);
    // The value's text as appliquer takes it; empty for an unknown key.
    std::string valeur(const std::string& cle) const;
    // Every value, as a JSON object by rule name ("Section:cle"): much cheaper than one
    // valeur() per field.
    std::string valeurs() const;
    // The choices of a list or catalogue value now, as a JSON array of texts.
    std::string liste(const std::string& cle) const;
    // Every value's choices now, as a JSON object by rule name of arrays of texts (the
    // values without choices left out): the sheet's lists in one call.
    std::string listes() const;
    // The results as `varquin-cli calc --format json` prints them, after a full run.
    std::string resultats();
    // The sizing study around the project's tank, as `varquin-cli sweep --format json`
    // prints it, or {"erreur": ...} for a project it does not apply to.
    std::string balayage();
    // The bytes the desktop program saves for the project to a file of its name (the
    // name the handle was opened with, or the new project's).
    std::string enregistrer();
    // A commune of the search chosen as the site: empty, or the refusal.
    std::string choisirCommune(const std::string& departement, const std::string& station,
                               const std::string& commune);
    // The household's monthly consumptions: {"conso": [...], "texte": "..;..", "erreur": ""}.
    std::string besoinsFoyer(double occupants, double litresParPersonne,
                             const std::vector<double>& occupation) const;
    // The project's collector, water heater or tank (`element`, as ElementDeNom reads
    // it) stored as the person's own under the name typed, over their catalogue entry
    // `entree` (the item's own name when empty), as the window stores an edited item:
    // empty, or the refusal.
    std::string enregistrerElement(const std::string& element, const std::string& entree,
                                   const std::string& nom);
    // The library's collector `nom` made the project's, with the method's type code
    // `type`, stored over the person's collector entry `entree`, as the desktop's
    // « Capteurs certifiés » does: empty, or the refusal.
    std::string choisirCapteurCertifie(const std::string& nom, int type, const std::string& entree);
    // Closes the project ("&Fermer").
    void fermer();

private:
    ProjetPage();
    // The project the next command acts on, as the window that shows it becoming active.
    clsprojet* Actif() const;
    std::unique_ptr<clsprojet> projet_;
    std::string erreur_;
};
