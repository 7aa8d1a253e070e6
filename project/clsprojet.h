#pragma once
// One open project: its record in the table of open projects (by index, since the
// table moves when it grows), its nine component objects and the window that shows
// it. The components own the person's choices; the record is what the engine and
// the project file see.

#include "engine/RapportCalcul.h"
#include "project/ProjetFichier.h"
#include "project/clsAppoint.h"
#include "project/clsBallon.h"
#include "project/clsBesoin.h"
#include "project/clsBoucle.h"
#include "project/clsCapteurs.h"
#include "project/clsDossier.h"
#include "project/clsEchangeur.h"
#include "project/clsEconomie.h"
#include "project/clsMasque.h"
#include "project/clsMeteo.h"
#include "project/clsOrin.h"
#include "project/modStructures.h"

#include <memory>
#include <string>

// What the project needs from its window. The desktop program implements it; the
// command line and the tests run without one.
class FenetreProjet {
public:
    virtual ~FenetreProjet() = default;
    // Redisplays every section and the results.
    virtual void AfficherProjet() = 0;
    // Shows what a run said, after its stages and before the redisplay.
    virtual void MontrerRapport(const RapportCalcul& rapport) = 0;
    // The window caption (the project's file path).
    virtual void DefinirLegende(const std::string& legende) = 0;
};

// What the system section shows: the system type, and which sections are visible.
struct AffichageSysteme {
    std::string TypeSysteme;
    bool ElementsSepares = false;     // not a one-piece water heater
    bool ChauffeEau = false;          // one-piece water heater
    bool EfficaciteDetaillee = false; // loop efficiency "Calc. détaillé"
    bool Appoint = false;             // auxiliary present
};

class clsprojet {
public:
    clsprojet() = default;
    ~clsprojet(); // releases the record when still active
    clsprojet(const clsprojet&) = delete;
    clsprojet& operator=(const clsprojet&) = delete;

    int NumEnregistrement = 0;
    std::string Nom;
    std::string Fichier;
    FenetreProjet* Fenetre = nullptr; // not owned

    std::unique_ptr<clsBesoin> Besoin;
    std::unique_ptr<clsBoucle> Boucle;
    std::unique_ptr<clsBallon> Ballon;
    std::unique_ptr<clsCapteurs> Capteurs;
    std::unique_ptr<clsMeteo> Meteo;
    std::unique_ptr<clsMasque> Masque;
    std::unique_ptr<clsEchangeur> Echangeur;
    std::unique_ptr<clsAppoint> Appoint;
    std::unique_ptr<clsOrin> Systeme;
    // The economic inputs, beside the method, which never reads them.
    clsEconomie Economie;
    // Who the study is for and who made it; printed on the report.
    clsDossier Dossier;

    // --- The lifecycle. The window, the command line, the tests and the benchmarks
    // go through these; each does every step in order and sets and restores the run
    // guards itself.

    // A new, empty project ("&Nouveau"): with CalculPermis off, the components with
    // their defaults, the free record with the highest index (or a new one), the name
    // "Projet" + four digits, the file of that name in the working folder, the project
    // made active; then one run without display. Its window, when it has one, is
    // initialised by the caller afterwards.
    RapportCalcul Nouveau(FenetreProjet* fenetre = nullptr);
    // The file read into this new project ("&Ouvrir", after Nouveau): read into a
    // scratch record, copied into the components, the station reloaded, the extension
    // values applied. `Fichier` becomes the path opened (not the path the file holds),
    // so that saving writes where the person chose. Throws ErreurFichier and leaves
    // the project as it was.
    void Ouvrir(const std::string& chemin);
    // The file read into this new project as a starting point (an example): the
    // project keeps its own new name and file, so that saving never writes over the
    // file it came from.
    void OuvrirCommeNouveau(const std::string& chemin);
    // The same from a file's bytes (Windows-1252 or UTF-8): `nom` becomes `Fichier` and
    // names the file in the messages.
    void OuvrirOctets(const std::string& octets, const std::string& nom);
    // The project back to a text its file held (TexteFichier() taken before a change):
    // every value as it was, then a run with redisplay. The file, its name and the
    // reference for "modified" stay. Throws ErreurFichier and changes nothing when the
    // text cannot be read.
    RapportCalcul RevenirA(const std::string& texte);
    // One input changed, by its key in the table of input rules ("Section:cle" where a
    // key is shared): checked against its rule, stored through its component, then
    // the project recalculated and redisplayed as after any change in the window.
    // Throws ErreurParametre, naming the field and its range, and changes nothing when
    // the value is refused.
    RapportCalcul Modifier(const std::string& cle, const std::string& valeur);
    // The same without the recalculation, for a change made of several inputs.
    void Appliquer(const std::string& cle, const std::string& valeur);
    // One run: the components into the record, the inputs checked against their
    // rules, the stages (the monthly ones only in automatic mode), the record back
    // into the components, then the window redisplays when asked. Nothing while
    // CalculPermis is off.
    RapportCalcul SimulerORIN(bool afficher);
    // "&Calculer": one run with automatic calculation forced for its length.
    RapportCalcul Calculer();
    // Writes the project to `Fichier` ("&Enregistrer"), or to `chemin`, which then
    // becomes `Fichier` ("Enregistrer sous"); a failed write keeps the old name and
    // the previous file. Throws ErreurFichier.
    void Enregistrer();
    void EnregistrerSous(const std::string& chemin);
    // The window of this project became active: it is the one the commands act on.
    void DevenirActif();
    // Releases the record, drops the window and the components ("&Fermer").
    void Fermer();

    // The text its file would hold now (the record and the extension values).
    std::string TexteFichier() const;
    // The same text for a file at `chemin`, which its `Projet` line records.
    std::string TexteFichier(const std::string& chemin) const;
    // True when that text differs from the one last read or written, taken after the
    // run that follows the opening (a run brings the values it computes up to date,
    // which is no change of the person's).
    bool Modifie() const;
    // True for a new project, or an example, that was never saved: saving it asks
    // where.
    bool JamaisEnregistre() const { return jamaisEnregistre_; }
    // True when the last run went through every stage and gave the results the
    // components hold; false before any full run, after an interrupted or refused
    // one, and after a run in on-demand mode.
    bool ResultatsCalcules() const { return resultatsCalcules_; }

    // --- The steps the lifecycle is made of.

    // The components into the record, in the ten steps and their order.
    void ConvertObj2Struct();
    // The record a run would start from now: the components copied into a copy of the
    // project's record, the project itself untouched (studies made beside it).
    EnregistrementProjet EnregistrementAvantCalcul() const;
    // The record back into the components, with CalculPermis off meanwhile.
    void ConvertStruct2Obj();
    // The system section's content; also sets the window caption to the file path.
    AffichageSysteme Afficher();

    bool Actif() const { return NumEnregistrement > 0; }
    EnregistrementProjet& Enregistrement() const;

private:
    void Activer(FenetreProjet* fenetre);
    void Desactiver();
    void CreerComposants();
    void CopierComposants(EnregistrementProjet& p) const;
    void LireFichier(const std::string& chemin);
    // The text read into the project: the record, the components, the station's data
    // and the extension values (the others back to their defaults); all or nothing.
    void LireTexte(const std::string& contenu, const std::string& chemin);
    void ExtensionParDefaut();
    void EcrireFichier(const std::string& chemin);
    void RetablirSysteme();
    Extension ValeursExtension() const;
    void AppliquerExtension(const Extension& extension);

    bool resultatsCalcules_ = false;
    bool jamaisEnregistre_ = true;
    std::string texteReference_; // the text last read or written
    bool referenceApresCalcul_ = false;
};

// The project whose window is active; nullptr when none.
clsprojet* ProjetActif();
