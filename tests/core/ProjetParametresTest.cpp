// Inputs changed by name, as varquin-cli --set does: through the component
// properties, with their rules, and nothing changed when a value is refused.

#include "ProjetTest.h"
#include "project/ParametresProjet.h"
#include "project/ProjetFichier.h"

using ParametresTest = ProjetTest;

namespace {
std::string Etat(clsprojet& p) {
    p.ConvertObj2Struct();
    return TexteProjet(p.Enregistrement(), p.Fichier);
}
} // namespace

TEST_F(ParametresTest, ChangesGoThroughTheComponentRules) {
    auto p = Nouveau();
    DefinirParametre(*p, "Type_capteur=Plan vitré");
    DefinirParametre(*p, "a=10");
    EXPECT_EQ(p->Capteurs->nombre(), 5);
    EXPECT_FLOAT_EQ(p->Capteurs->surface_totale(), 10.5f);

    DefinirParametre(*p, "inclinaison", "Vertical");
    EXPECT_EQ(p->Capteurs->inclinaison(), "90");
    DefinirParametre(*p, "inclinaison", "32,5");
    EXPECT_EQ(p->Capteurs->inclinaison(), "32,5");

    // The second flow is forced only while the first is.
    DefinirParametre(*p, "Débit énergétique 2:TypeDeCalcul", "Val. forcée");
    EXPECT_EQ(p->Boucle->TypeDeCalcul2(), "Calc. simple");
    DefinirParametre(*p, "débit énergétique 1:TypeDeCalcul", "2");
    DefinirParametre(*p, "Débit énergétique 2:TypeDeCalcul", "2");
    EXPECT_EQ(p->Boucle->TypeDeCalcul2(), "Val. forcée");
    DefinirParametre(*p, "Débit énergétique 2:cp", "0.95");
    EXPECT_FLOAT_EQ(p->Boucle->cp2, 0.95f);
    EXPECT_EQ(p->Boucle->cp, 0.0f);

    // The site cascade: the station brings its department along.
    DefinirParametre(*p, "Station", "Lille-Lesquin");
    EXPECT_EQ(p->Meteo->Departement(), "Nord");
    DefinirParametre(*p, "Pays", "Réunion");
    EXPECT_EQ(p->Meteo->station(), "Saint-Denis-Gillot");

    // One value for every month, or twelve.
    DefinirParametre(*p, "Conso", "200");
    EXPECT_DOUBLE_EQ(p->Besoin->Conso.Item(12), 200);
    DefinirParametre(*p, "Tref", "50;50;50;50;50;55;55;55;50;50;50 50");
    EXPECT_DOUBLE_EQ(p->Besoin->Tref.Item(7), 55);
    // The engine starts from the station's temperatures, which change with Text.
    DefinirParametre(*p, "Text", "10");
    EXPECT_DOUBLE_EQ(p->Meteo->TextStation.Item(3), 10);

    // The one-piece heater's side effects apply as in the window.
    DefinirParametre(*p, "TypeSysteme", "SYSTEME CAPTEUR BALLON");
    DefinirParametre(*p, "TypeAppoint", "Appoint intégré");
    DefinirParametre(*p, "TypeSysteme", "CHAUFFE-EAU MONOBLOC");
    EXPECT_FALSE(p->Appoint->IsAppoint());
}

TEST_F(ParametresTest, RefusedKeysAndValuesChangeNothing) {
    auto p = Nouveau();
    const std::string avant = Etat(*p);
    struct Cas {
        const char* cle;
        const char* valeur;
        const char* attendu;
    };
    const Cas cas[] = {
        {"cp", "1", "ambiguë"},
        {"Fecs", "50", "aucune donnée modifiable"},
        {"Zone_Climatique", "1", "aucune donnée modifiable"},
        {"type_capteur", "Plan vitré", "aucune donnée modifiable"}, // keys keep their case
        {"a", "dix", "n'est pas un nombre"},
        {"a", "1e9", "Dépassement"},
        {"Nb_Capteurs", "0", "hors des limites"},
        {"inclinaison", "120", "hors des limites"},
        {"inclinaison", "Plafond", "n'est pas dans la liste"},
        {"Station", "Atlantide", "inconnue"},
        {"Pays", "Atlantide", "n'est pas dans la liste"},
        {"Type_ballon", "Cuve", "catalogue"},
        {"Efficacité:TypeDeCalcul", "Calc. exotique", "n'est pas dans la liste"},
        {"Conso", "1 2 3", "une valeur ou douze"},
        {"Masque_Angle", "", "de 1 à 32 valeurs"},
    };
    for (const Cas& c : cas) {
        try {
            DefinirParametre(*p, c.cle, c.valeur);
            ADD_FAILURE() << c.cle << " accepted";
        } catch (const ErreurParametre& e) {
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos)
                << c.cle << ": " << e.what();
        }
        EXPECT_EQ(Etat(*p), avant) << c.cle;
    }
    EXPECT_THROW(DefinirParametre(*p, "a"), ErreurParametre);
}

TEST_F(ParametresTest, EveryListedKeyIsAccepted) {
    // Each key the help lists names something: a refusal may only be about the value.
    auto p = Nouveau();
    for (const std::string& cle : ClesParametres()) {
        try {
            DefinirParametre(*p, cle, "\x01");
        } catch (const ErreurParametre& e) {
            EXPECT_EQ(std::string(e.what()).find("aucune donnée"), std::string::npos) << cle;
            EXPECT_EQ(std::string(e.what()).find("ambiguë"), std::string::npos) << cle;
        }
    }
}
