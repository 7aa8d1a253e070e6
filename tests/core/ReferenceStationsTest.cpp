// The stations of the real reference data folder, through the system's own readers, the
// climate tables they came from, and the engine on three contrasting stations.

#include "DonneesTest.h"
#include "ReferenceOutils.h"
#include "data/modEauFroide.h"
#include "data/modStations.h"
#include "data/modTables.h"
#include "engine/modCalcul.h"
#include "engine/modCalculORIN.h"
#include "startup/Modgeneral.h"
#include "tests/support/EnregistrementExemple.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace reference;
using essai::ItemsDe;

namespace {
struct StationLue {
    float latitude = 0;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
};

StationLue Lire(const std::string& nom) {
    StationLue s;
    LireStation(nom, s.latitude, s.hemisphere, s.zone, s.gh, s.text, s.tef);
    return s;
}

class StationsReference : public ::testing::Test {
protected:
    void SetUp() override {
        essai::ReinitialiserDonnees();
        ASSERT_TRUE(ChargementInitial(Dossier()));
        AfficherMessages = true; // numbered messages 33 and 44 would show
    }
    void TearDown() override { essai::ReinitialiserDonnees(); }
    NotificateurEnregistreur notif;
};
} // namespace

TEST_F(StationsReference, ChaqueDepartementOffreSesStationsLisiblesEtPlausibles) {
    std::map<std::string, int> pays; // department -> countries listing it
    std::set<std::string> offertes;
    for (const std::string& p : ItemsDe(Liste::Pays)) {
        RemplirDepartements(p);
        for (const std::string& departement : ItemsDe(Liste::Departements)) {
            if (pays[departement]++ == 0) {
                RemplirStations(departement);
                const auto liste = ItemsDe(Liste::Stations);
                offertes.insert(liste.begin(), liste.end());
            }
        }
    }
    // 101 departments, and the user stations' pseudo-department under both countries.
    EXPECT_EQ(pays.size(), 102u);
    EXPECT_EQ(pays["Stations utilisateur"], 2);
    // Each department's own stations (the towns table's lines without "&") lead back to
    // it by name, and only the user stations end with "*".
    std::set<std::string> avecStation;
    for (std::size_t k = 1; k < TableVilles.size(); ++k) {
        const TableLigne& ville = TableVilles[k];
        if (ville.Texte.find('&') != std::string::npos)
            continue;
        std::string retrouve;
        DepartementDeStation(ville.Texte, retrouve);
        EXPECT_EQ(retrouve, ville.Commentaire) << ville.Texte;
        EXPECT_EQ(ville.Texte.back() == '*', ville.Commentaire == "Stations utilisateur")
            << ville.Texte;
        avecStation.insert(ville.Commentaire);
    }
    EXPECT_EQ(avecStation.size(), pays.size());
    EXPECT_EQ(offertes.size(), static_cast<std::size_t>(Stations.Count()));
    for (const std::string& nom : offertes) {
        const StationLue s = Lire(nom);
        EXPECT_TRUE(s.latitude != 0 && std::abs(s.latitude) < 60) << nom;
        EXPECT_EQ(s.hemisphere, s.latitude > 0 ? "N" : "S") << nom;
        ASSERT_TRUE(s.gh.Count() == 12 && s.text.Count() == 12 && s.tef.Count() == 12) << nom;
        for (int m = 1; m <= 12; ++m) {
            EXPECT_TRUE(s.gh.Item(m) > 0.3 && s.gh.Item(m) < 9.0) << nom << " " << m;
            EXPECT_TRUE(s.text.Item(m) > -15 && s.text.Item(m) < 35) << nom << " " << m;
            EXPECT_TRUE(s.tef.Item(m) > 0 && s.tef.Item(m) < 32) << nom << " " << m;
        }
        float altitude = -1;
        int16_t mer = 0, population = 0;
        ASSERT_GT(IndiceEntree(TableStations2, nom), 0) << nom << " has no site data";
        LireValeursTable(TableStations2, nom, {&altitude, &mer, &population});
        EXPECT_TRUE(altitude >= 0 && altitude < 2000) << nom;
        EXPECT_TRUE(mer >= 1 && mer <= 4 && population >= 1 && population <= 3) << nom;
        EXPECT_EQ(s.zone, ZoneDeClasseMer(mer)) << nom;
    }
    // The station dialog rewrites every line holding a user station's name as one block.
    std::vector<std::string> lignes;
    for (const char* f : {"/Pays/Ville_Fr.TXT", "/Pays/Stati_Fr.TXT", "/Pays/Stati_Fr2.TXT"})
        for (const std::string& l : Lignes(Dossier() + f))
            lignes.push_back(l);
    for (const std::string& nom : offertes) {
        const auto n = std::count_if(lignes.begin(), lignes.end(), [&](const std::string& l) {
            return l.find(nom) != std::string::npos;
        });
        EXPECT_TRUE(nom.back() != '*' || n == 1 + 5 + 1) << nom;
    }
    EXPECT_TRUE(notif.messages.empty()) << notif.messages.front();
}

// Every shipped station without a regulatory cold-water series carries the method's
// Tef of its own (rounded) air temperatures: both roundings to 0.1 K together stay
// within 0.1 K; the regulatory series are only approximated by it.
TEST_F(StationsReference, EauFroideDuModeleSaufSeriesReglementaires) {
    int modelees = 0, reglementaires = 0;
    for (int i = 1; i <= Stations.Count(); ++i) {
        const StationLue s = Lire(Stations.Cle(i));
        std::array<float, 13> text{};
        CollectionVersMois(text, s.text);
        const auto calcule = TemperaturesEauFroide(text);
        double ecart = 0;
        for (int m = 1; m <= 12; ++m)
            ecart = std::max(ecart, std::abs(calcule[m] - s.tef.Item(m)));
        const bool reglementaire = Stations.Cle(i).find("RT2012") != std::string::npos;
        EXPECT_TRUE(reglementaire ? ecart > 0.3 : ecart <= 0.1 + 1e-4) << Stations.Cle(i);
        ++(reglementaire ? reglementaires : modelees);
    }
    EXPECT_GE(modelees, 101);
    EXPECT_EQ(reglementaires, 8);
}

namespace {
// Documented in the data README: grid temperatures + 0.7 K.
constexpr double DecalageGrille = 0.7;

// Each month, written with the given resolution, reproduces the expected value.
void VerifierSerie(const CollectionNombres& lue, const std::array<double, 12>& attendue,
                   double resolution, const std::string& quoi) {
    for (int m = 1; m <= 12; ++m)
        EXPECT_NEAR(lue.Item(m), attendue[m - 1], resolution / 2 + 1e-4) << quoi << " " << m;
}

// The station as shipped reproduces a row of a climate table (temperatures shifted).
void VerifierLigne(const Csv& table, std::size_t i, const std::string& nom, double decalage) {
    const StationLue s = Lire(nom);
    EXPECT_NEAR(s.latitude, table.Nombre(i, "latitude"), 0.05 + 1e-6) << nom;
    VerifierSerie(s.gh, table.Mois(i, "Gh_"), 0.01, nom + " Gh");
    auto tair = table.Mois(i, "Tair_");
    for (double& t : tair)
        t += decalage;
    VerifierSerie(s.text, tair, 0.1, nom + " Text");
    float altitude = 0;
    LireValeursTable(TableStations2, nom, {&altitude});
    EXPECT_NEAR(altitude, table.Nombre(i, "altitude_m"), 0.5) << nom;
}
} // namespace

TEST_F(StationsReference, FideleAuxTablesClimatiquesSansDonneesRestreintes) {
    if (!essai::fs::exists(DossierClimat() + "/stations_monthly.csv"))
        GTEST_SKIP() << "climate tables not found beside the repository";
    const Csv grille(DossierClimat() + "/departments_monthly.csv");
    ASSERT_EQ(grille.Taille(), 101u);
    for (std::size_t i = 0; i < grille.Taille(); ++i)
        VerifierLigne(grille, i, grille(i, "prefecture"), DecalageGrille);
    // The offset is the mean gap of the regulatory stations.
    const Csv controle(DossierClimat() + "/grid/crosscheck_stations.csv");
    double somme = 0;
    int n = 0;
    for (std::size_t i = 0; i < controle.Taille(); ++i)
        if (controle(i, "licence_class") == "open-public-regulatory") {
            somme -= controle.Nombre(i, "dT_K_at_station");
            ++n;
        }
    ASSERT_EQ(n, 8);
    EXPECT_NEAR(somme / n, DecalageGrille, 0.05);

    const Csv mesures(DossierClimat() + "/stations_monthly.csv");
    const Csv faits(Dossier() + "/../tools/stations/faits_stations.csv");
    std::map<std::string, std::string> noms;
    for (std::size_t i = 0; i < faits.Taille(); ++i)
        noms[faits(i, "identifiant")] = faits(i, "nom");
    const std::set<std::string> livrables = {"open", "open-public-regulatory",
                                             "open-with-ASHRAE-notice", "open-unclear-origin"};
    int livrees = 0;
    for (std::size_t i = 0; i < mesures.Taille(); ++i) {
        const std::string id = mesures(i, "id");
        if (livrables.count(mesures(i, "licence_class"))) {
            ++livrees;
            ASSERT_EQ(noms.count(id), 1u) << id;
            VerifierLigne(mesures, i, noms[id], 0);
            if (!mesures(i, "Tcold_RT2012_1").empty()) // regulatory cold water as given
                VerifierSerie(Lire(noms[id]).tef, mesures.Mois(i, "Tcold_RT2012_"), 0.1, id);
            continue;
        }
        // Restricted data never ship, under any name.
        EXPECT_EQ(noms.count(id), 0u) << id;
        const auto gh = mesures.Mois(i, "Gh_");
        for (int k = 1; k <= Stations.Count(); ++k) {
            const StationLue s = Lire(Stations.Cle(k));
            int egaux = 0;
            for (int m = 1; m <= 12; ++m)
                egaux += std::abs(s.gh.Item(m) - gh[m - 1]) < 0.006;
            EXPECT_LT(egaux, 12) << Stations.Cle(k) << " carries the irradiation of " << id;
        }
    }
    EXPECT_EQ(livrees, 13);
}

namespace {
// The record at the station, as a new project would fill it from the folder, run.
float CouvertureAnnuelle(const std::string& station) {
    Climat climat;
    std::string hemisphere, zone;
    CollectionNombres gh, text, tef;
    LireStation(station, climat.latitude, hemisphere, zone, gh, text, tef);
    CollectionVersMois(climat.Gh, gh);
    CollectionVersMois(climat.Text, text);
    CollectionVersMois(climat.Tef, tef);
    climat.hemisphere = hemisphere.c_str();
    climat.zone = zone.c_str();
    LireValeursTable(TableStations2, station, {&climat.altitude});
    EnregistrementProjet p;
    RemplirEnregistrementExemple(p, climat);
    LireValeursTable(TableCapteurs, 1,
                     {&p.Calcul.Bc, &p.Calcul.Kc, &p.Calcul.Ac, &p.Calcul.Type_Capteur});
    p.Calcul.a = 4;
    const RapportCalcul rapport = ExecuterCalcul(p.Calcul, p.Entrees);
    EXPECT_TRUE(rapport.Complet()) << station;
    for (const auto& m : rapport.Messages())
        ADD_FAILURE() << station << " : " << m.texte;
    for (const TableauMois* t : {&p.Calcul.Fecs, &p.Calcul.Prod, &p.Calcul.X, &p.Calcul.T})
        EXPECT_TRUE(TableauFini(*t)) << station;
    EXPECT_NEAR(p.Calcul.Fecs_an, 100 * p.Calcul.Productivite_an / p.Calcul.Becs_an, 0.01);
    return p.Calcul.Fecs_an;
}
} // namespace

// The default collector-and-tank record (4 m² of the first catalogue collector, 300 l,
// 200 l/day at 50 °C, tilt 45°, south) at three contrasting stations.
TEST_F(StationsReference, CouverturesPlausiblesDuNordALOutreMer) {
    const float lille = CouvertureAnnuelle("Lille");
    const float perpignan = CouvertureAnnuelle("Perpignan");
    const float reunion = CouvertureAnnuelle("Saint-Denis");
    EXPECT_LT(lille, perpignan);
    EXPECT_LT(perpignan, reunion + 5); // the tropics do at least about as well
    for (float f : {lille, perpignan, reunion}) {
        EXPECT_GT(f, 25.0f);
        EXPECT_LT(f, 100.0f);
    }
    EXPECT_TRUE(notif.messages.empty()); // a refused parameter would show its message
}
