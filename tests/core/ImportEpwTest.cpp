// The weather-file import: monthly series from synthetic years whose means are known,
// every kind of damaged file refused with the file and the line, and the real typical
// years of the climate folder reproducing their monthly table.

#include "data/ImportEpw.h"

#include "ReferenceOutils.h"
#include "common/Erreurs.h"
#include "data/modEauFroide.h"
#include "data/modTexte.h"
#include "tests/support/AnneeEpw.h"

#include <gtest/gtest.h>

using namespace essai;

namespace {
// The text of the ErreurFichier the import throws; a failure when it throws nothing.
std::string Erreur(const std::string& texte) {
    try {
        ImporterEpwTexte(texte, "essai.epw");
    } catch (const ErreurFichier& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error";
    return "";
}

// The text with line n (1-based) replaced.
std::string AvecLigne(const std::string& texte, int n, const std::string& ligne) {
    std::size_t debut = 0;
    for (int i = 1; i < n; ++i)
        debut = texte.find("\r\n", debut) + 2;
    return texte.substr(0, debut) + ligne + texte.substr(texte.find("\r\n", debut));
}

void VerifierSeries(const StationEpw& s, float decalageFevrier = 0) {
    for (int m = 1; m <= 12; ++m) {
        EXPECT_NEAR(s.Gh[m], 0.8 * m + (m == 2 ? decalageFevrier : 0), 1e-5) << m;
        EXPECT_NEAR(s.Text[m], m + 0.5, 1e-5) << m;
    }
    EXPECT_EQ(s.Tef, TemperaturesEauFroide(s.Text));
}
} // namespace

TEST(ImportEpw, LocationEtMoyennesMensuelles) {
    const StationEpw s = ImporterEpwTexte(AnneeEpw().Texte(), "essai.epw");
    EXPECT_EQ(s.nom, "Lyon Bron AP");
    EXPECT_EQ(s.wmo, "074800");
    EXPECT_FLOAT_EQ(s.latitude, 45.7261f);
    EXPECT_EQ(s.hemisphere, "N");
    EXPECT_FLOAT_EQ(s.altitude, 198.0f);
    EXPECT_EQ(s.classeMer, 4);
    EXPECT_EQ(s.zone, "Zone continentale");
    EXPECT_EQ(s.heures, 8760);
    EXPECT_EQ(s.manquantesGh + s.manquantesText, 0);
    VerifierSeries(s);

    // LF line ends, the older format without the last three fields, southern site.
    AnneeEpw a;
    a.fin = "\n";
    a.champs = 32;
    a.location = "LOCATION,SAINT-DENIS_GILLOT,-,REU,TMYx,619800,-20.89,55.53,4,25";
    const StationEpw sud = ImporterEpwTexte(a.Texte(), "essai.epw");
    EXPECT_EQ(sud.nom, "Saint-Denis Gillot");
    EXPECT_EQ(sud.hemisphere, "S");
    VerifierSeries(sud);

    // A leap year: February has 29 days, one of them without sun.
    AnneeEpw b;
    b.bissextile = true;
    b.rayonnement = [](int m, int d, int h) {
        return std::to_string(h >= 9 && h <= 16 && !(m == 2 && d == 29) ? 100 * m : 0);
    };
    const StationEpw bissextile = ImporterEpwTexte(b.Texte(), "essai.epw");
    EXPECT_EQ(bissextile.heures, 8784);
    VerifierSeries(bissextile, 1.6f * 28 / 29 - 1.6f);
}

TEST(ImportEpw, HeuresManquantesOuImpossiblesRempliesParLaMemeHeureDuMois) {
    AnneeEpw a;
    // On sunny hours and on the warmest one: dropping them from a plain monthly sum
    // would lower the month. 9999 and 99.9 mark a missing value, 9998 and 69.9 are
    // out of the possible range.
    a.rayonnement = [base = a.rayonnement](int m, int d, int h) {
        return (m == 6 && h == 12 && d <= 3) ? std::string(d == 1 ? "9998" : "9999")
                                             : base(m, d, h);
    };
    a.temperature = [base = a.temperature](int m, int d, int h) {
        if (m == 1 && d == 3 && h == 24)
            return std::string("99.9");
        if (m == 7 && d <= 2 && h == 15)
            return std::string(d == 1 ? "69.9" : "-60.1");
        return (m == 8 && d == 1 && h == 24) ? std::string("-99") : base(m, d, h);
    };
    const StationEpw s = ImporterEpwTexte(a.Texte(), "essai.epw");
    EXPECT_EQ(s.manquantesGh, 3);
    EXPECT_EQ(s.manquantesText, 4);
    VerifierSeries(s);
    a.rayonnement = [base = a.rayonnement](int m, int d, int h) {
        return (m == 6 && h == 12) ? std::string("9999") : base(m, d, h);
    };
    EXPECT_NE(Erreur(a.Texte()).find("aucune valeur de rayonnement en juin à 12 h"),
              std::string::npos);
}

TEST(ImportEpw, FichiersAbimesRefusesAvecLeFichierEtLaLigne) {
    AnneeEpw a;
    const std::string bon = a.Texte();
    const std::string coupe = bon.substr(0, bon.find("\r\n2001,7,1,1,") + 2); // after 30 June
    const int l = 8 + (59 + 9) * 24 + 5;                                      // 10 March, 5 h
    a.fin = "";
    const std::string mars = a.Enregistrement(3, 10, 5);
    AnneeEpw b;
    b.bissextile = true;
    std::string double29 = b.Texte();
    std::string jour;
    for (int h = 1; h <= 24; ++h)
        jour += b.Enregistrement(2, 29, h);
    double29.insert(double29.find("\r\n2004,3,1,1,") + 2, jour);
    const auto ligne = [](int n) { return "ligne " + std::to_string(n) + " "; };
    const std::pair<std::string, std::vector<std::string>> cas[] = {
        {"", {"ligne 1 ", "LOCATION"}},
        {"\x7f"
         "ELF\x02\x01\x01",
         {"ligne 1 ", "LOCATION"}},
        {AvecLigne(bon, 1, "LOCATION,Lyon,AR,FRA,x,1,45.7"), {"ligne 1 ", "7 champs"}},
        {AvecLigne(bon, 1, "LOCATION,Lyon,AR,FRA,x,1,95,4.9,1,198"), {"latitude « 95 »"}},
        {AvecLigne(bon, 8, "DATA PERIODS,1,4,Data,Sunday, 1/ 1,12/31"), {"ligne 8 ", "horaires"}},
        {AvecLigne(bon, 8, "COMMENTS 3,"), {"ligne 9 ", "DATA PERIODS"}},
        {coupe, {"ligne 4352 ", "4344 enregistrements", "8760"}},
        {coupe.substr(0, coupe.size() - 40), {"ligne 4352 ", "champs au lieu de 35"}},
        {AvecLigne(bon, l, Remplacer(mars, ",3.173913,", ",3x,")),
         {ligne(l), "température sèche « 3x »"}},
        {AvecLigne(bon, l, Remplacer(mars, "2001,3,10,", "2001,3,dix,")),
         {ligne(l), "date « dix/3 5 h » illisible"}},
        {AvecLigne(bon, l, "2001,3,10,5,60,flags,3.1,2,3"), {ligne(l), "9 champs"}},
        {AvecLigne(bon, l, a.Enregistrement(3, 10, 4)), {ligne(l), "du 10/3 à 4 h", "à 5 h"}},
        {bon + AnneeEpw().Enregistrement(12, 31, 24), {"ligne 8769 ", "au-delà"}},
        {double29, {"du 29/2 à 1 h trouvé, celui du 1/3 à 1 h"}},
        {Remplacer(b.Texte(), "2004,", "2001,"),
         {"ligne 1425 : 29 février d'une année qui n'est pas bissextile"}},
    };
    for (const auto& [texte, morceaux] : cas) {
        const std::string message = Erreur(texte);
        EXPECT_NE(message.find("« essai.epw »"), std::string::npos) << message;
        for (const std::string& morceau : morceaux)
            EXPECT_NE(message.find(morceau), std::string::npos) << morceau << " : " << message;
    }
}

TEST(ImportEpw, NomDeStation) {
    const std::pair<std::string, std::string> noms[] = {
        {"Bordeaux.Merignac.AP", "Bordeaux Merignac AP"},
        {"Paris/Orly Airp.", "Paris/Orly Airp."},
        {"LYON", "Lyon"},
        {"ÉVREUX_HUEST  ", "Évreux Huest"},
        {" St. Girons #2 & *\"Ariège\"\t", "St. Girons 2 Ariège"},
        {std::string(60, 'a'), std::string(49, 'a')},
        {"\x01#&*", ""}};
    for (const auto& [brut, nom] : noms)
        EXPECT_EQ(NomStationEpw(brut), nom) << brut;
    // No usable city: the file's name stands in.
    AnneeEpw a;
    a.location = "LOCATION,-,-,FRA,TMYx,,43.86,4.41,1,60";
    EXPECT_EQ(ImporterEpwTexte(a.Texte(), "meteo/FRA_Nimes.Courbessac_TMYx.epw").nom,
              "FRA Nimes Courbessac TMYx");
}

TEST(ImportEpw, FichierLuLigneALigneAvecDesFinsCR) {
    essai::DossierTemporaire dossier;
    AnneeEpw a;
    a.fin = "\r";
    essai::EcrireOctets(dossier / "cr.epw", a.Texte());
    const StationEpw s = ImporterEpw(dossier / "cr.epw");
    EXPECT_EQ(s.heures, 8760);
    VerifierSeries(s);
}

// Every raw file of the climate folder that is a weather file by its content (some
// have other extensions, some with that extension may not be) gives the figures of
// the monthly table built from it, to the table's own rounding.
TEST(ImportEpw, FichiersReelsReproduisentLeTableauMensuel) {
    const std::string climat = reference::DossierClimat();
    if (!essai::fs::exists(climat + "/stations_monthly.csv"))
        GTEST_SKIP() << "climate tables not found beside the repository";
    const reference::Csv table(climat + "/stations_monthly.csv");
    int importes = 0, refuses = 0;
    for (std::size_t i = 0; i < table.Taille(); ++i) {
        const std::string chemin = climat + "/raw/" + table(i, "source_file");
        if (essai::LireOctets(chemin).rfind("LOCATION,", 0) != 0) {
            EXPECT_THROW(ImporterEpw(chemin), ErreurFichier) << chemin;
            ++refuses;
            continue;
        }
        const StationEpw s = ImporterEpw(chemin);
        ++importes;
        EXPECT_NEAR(s.latitude, table.Nombre(i, "latitude"), 1e-3) << chemin;
        EXPECT_NEAR(s.altitude, table.Nombre(i, "altitude_m"), 0.05) << chemin;
        EXPECT_EQ(s.heures, table.Nombre(i, "n_hours")) << chemin;
        const auto gh = table.Mois(i, "Gh_");
        const auto tair = table.Mois(i, "Tair_");
        for (std::size_t m = 1; m <= 12; ++m) {
            // Gh is tabulated to 0.001, temperatures to 0.01.
            EXPECT_NEAR(s.Gh[m], gh[m - 1], 0.0005 + 1e-5) << chemin << " month " << m;
            EXPECT_NEAR(s.Text[m], tair[m - 1], 0.005 + 1e-4) << chemin << " month " << m;
        }
    }
    EXPECT_GE(importes, 20);
    EXPECT_GE(refuses, 2); // the other formats of the folder (ESP-r, RT2012)
}
