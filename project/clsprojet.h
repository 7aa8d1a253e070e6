#pragma once
// One open project: its record in the table of open projects (by index, since the
// table moves when it grows), its nine component objects and the window that shows
// it. The components own the person's choices; the record is what the engine and
// the project file see.

#include "project/clsAppoint.h"
#include "project/clsBallon.h"
#include "project/clsBesoin.h"
#include "project/clsBoucle.h"
#include "project/clsCapteurs.h"
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

    // A new, empty project: components with their defaults, the free record with the
    // highest index (or a new one), the name "Projet" + four digits, the file of that
    // name in the working folder; it becomes the active project.
    void Activer(FenetreProjet* fenetre = nullptr);
    // The components into the record, in the ten steps and their order.
    void ConvertObj2Struct();
    // The record back into the components, with CalculPermis off meanwhile.
    void ConvertStruct2Obj();
    // The system section's content; also sets the window caption to the file path.
    AffichageSysteme Afficher();
    // One run (see modSimulation.h). False when a stage failed and ended the
    // calculation (its message has been shown); true otherwise.
    bool SimulerORIN(bool afficher);
    // Mode 1 reads the project file `Fichier` into the project, mode 2 writes it; any
    // other mode does nothing. Throws ErreurFichier; a failed read leaves the project
    // as it was, a failed write leaves the previous file whole.
    void WithDataDo(int mode);
    // Frees the record, drops the window and the components.
    void Desactiver();

    bool Actif() const { return NumEnregistrement > 0; }
    EnregistrementProjet& Enregistrement() const;

private:
    void CreerComposants();
    void LireFichier();
    void EcrireFichier();
    void RetablirSysteme();
};

// The project whose window is active; nullptr when none.
extern clsprojet* ProjetActif;
