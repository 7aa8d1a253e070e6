#pragma once
// The display operations of the project's components: each one writes its values
// into its section of the project window (numbers in the display formats, on white)
// and returns what the window needs to finish the section: the calculation-choice
// codes of its indicators, whether its catalogue item is a user item, whether a
// sub-section is to be shown. The components themselves know nothing of windows.

#include <string>
#include <unordered_map>

class ChampSaisie;
class GraphiqueMasque;
class GraphiqueStatistique;
class clsAppoint;
class clsBallon;
class clsBesoin;
class clsBoucle;
class clsCapteurs;
class clsEchangeur;
class clsMasque;
class clsMeteo;

// The fields of one project window by control name ("txtPays", "TxtAc"...).
class ChampsProjet {
public:
    void Ajouter(const std::string& nom, ChampSaisie* champ) { champs_[nom] = champ; }
    // The field of that name; a name the window does not have is a programming error.
    ChampSaisie& operator()(const std::string& nom) const { return *champs_.at(nom); }
    const std::unordered_map<std::string, ChampSaisie*>& Tous() const { return champs_; }

private:
    std::unordered_map<std::string, ChampSaisie*> champs_;
};

// A catalogue item whose name ends with "*" is the person's own, and may be edited.
bool EstElementUtilisateur(const std::string& nom);

// fStation and fSite: country, department, station, altitude and the two classes.
void Afficher(const clsMeteo& meteo, const ChampsProjet& champs);

struct AffichageCapteurs {
    bool CapteurUtilisateur = false;
    bool ChauffeEauUtilisateur = false;
};
// fCapteurs (with the collector's category) and fChauffeEau's own values.
AffichageCapteurs Afficher(const clsCapteurs& capteurs, const ChampsProjet& champs);

struct AffichageBoucle {
    int CodeDeperdition = 0; // indicator 18
    int CodeDebit1 = 0;      // indicator 20
    int CodeDebit2 = 0;      // indicator 21
    int CodeEfficacite = 0;  // indicator 22
};
// fCaptage: insulation, efficiency, heat loss and the two energy flow rates.
AffichageBoucle Afficher(const clsBoucle& boucle, const ChampsProjet& champs);

struct AffichageBallon {
    bool Utilisateur = false;
    int CodeDeperdition = 0; // indicator 25
    int CodeVs = 0;          // indicator 30
};
// fBallon, and the set temperature and location shown in fChauffeEau too.
AffichageBallon Afficher(const clsBallon& ballon, const ChampsProjet& champs);

struct AffichageEchangeur {
    int Code = 0;           // indicator 13
    bool Detail = false;    // fDetailEchangeur shown
    bool Situation = false; // fSituationEchangeur shown
};
// fEchangeur and the exchanger's presence in the system line.
AffichageEchangeur Afficher(const clsEchangeur& echangeur, const ChampsProjet& champs);

// fAppoint and the auxiliary's presence in the system line; returns indicator 6's code.
int Afficher(const clsAppoint& appoint, const ChampsProjet& champs);

// The two monthly charts, each drawn only when its series is not empty.
void Afficher(const clsBesoin& besoin, GraphiqueStatistique& conso, GraphiqueStatistique& teau);

// The mask profile under the sun's paths at the site's latitude, and txtMasque;
// returns whether the mask section is to be shown.
bool Afficher(const clsMasque& masque, const ChampsProjet& champs, GraphiqueMasque& profil,
              double latitude);

// The label of a 1-based class or index in choice list k ("" outside the list); index
// 0 counts as 1, as the engine reads it.
std::string LibelleDeClasse(int liste, int classe);
// The label of list 32 whose category code is `code`, "" when none has it.
std::string LibelleCategorie(int code);
