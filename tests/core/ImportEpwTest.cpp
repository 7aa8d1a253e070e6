// The weather-file import: monthly series from synthetic years whose means are known,
// every kind of damaged file refused with the file and the line, and the real typical
// years of the climate folder reproducing their monthly table.

#include "data/ImportEpw.h"

#include "AnneeEpw.h"
#include "ReferenceOutils.h"
#include "common/Erreurs.h"
#include "data/modEauFroide.h"
#include "data/modTexte.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace essai;

namespace {

// Line number of the record of day d of month m at hour h, in a year of 365 days.
int LigneDe(int m, int d, int h) {
    static const int avant[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return 8 + (avant[m] + d - 1) * 24 + h;
}

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
    const std::size_t fin = texte.find("\r\n", debut);
    return texte.substr(0, debut) + ligne + texte.substr(fin);
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
    const StationEpw s = ImporterEpwTexte(Texte(Annee()), "essai.epw");
    EXPECT_EQ(s.nom, "Lyon Bron AP");
    EXPECT_EQ(s.source, "ISD-TMYx");
    EXPECT_EQ(s.wmo, "074800");
    EXPECT_FLOAT_EQ(s.latitude, 45.7261f);
    EXPECT_EQ(s.hemisphere, "N");
    EXPECT_FLOAT_EQ(s.longitude, 4.9378f);
    EXPECT_FLOAT_EQ(s.altitude, 198.0f);
    EXPECT_EQ(s.classeMer, 4);
    EXPECT_EQ(s.classePopulation, 1);
    EXPECT_EQ(s.zone, "Zone continentale");
    EXPECT_EQ(s.heures, 8760);
    EXPECT_EQ(s.manquantesGh + s.manquantesText, 0);
    VerifierSeries(s);
}

TEST(ImportEpw, FinsDeLigneAncienFormatEtHemisphereSud) {
    Annee a;
    a.fin = "\n";
    a.champs = 32; // written before the last three fields existed
    a.location = "LOCATION,SAINT-DENIS_GILLOT,-,REU,TMYx,619800,-20.89,55.53,4,25";
    const StationEpw s = ImporterEpwTexte(Texte(a), "essai.epw");
    EXPECT_EQ(s.nom, "Saint-Denis Gillot");
    EXPECT_FLOAT_EQ(s.latitude, -20.89f);
    EXPECT_EQ(s.hemisphere, "S");
    VerifierSeries(s);
}

TEST(ImportEpw, AnneeBissextile) {
    Annee a;
    a.bissextile = true;
    a.rayonnement = [](int m, int d, int h) {
        return std::to_string(h >= 9 && h <= 16 && !(m == 2 && d == 29) ? 100 * m : 0);
    };
    const StationEpw s = ImporterEpwTexte(Texte(a), "essai.epw");
    EXPECT_EQ(s.heures, 8784);
    // February has 29 days, one of them without sun.
    VerifierSeries(s, 1.6f * 28 / 29 - 1.6f);
}

TEST(ImportEpw, HeuresManquantesRempliesParLaMemeHeureDuMois) {
    Annee a;
    // The missing hours fall on sunny hours and on the warmest one: dropping them from
    // a plain monthly sum would lower the month.
    a.rayonnement = [base = a.rayonnement](int m, int d, int h) {
        return (m == 6 && h == 12 && d <= 3) ? std::string("9999") : base(m, d, h);
    };
    a.temperature = [base = a.temperature](int m, int d, int h) {
        if (m == 1 && d == 3 && h == 24)
            return std::string("99.9");
        return (m == 8 && d == 1 && h == 24) ? std::string("-99") : base(m, d, h);
    };
    const StationEpw s = ImporterEpwTexte(Texte(a), "essai.epw");
    EXPECT_EQ(s.manquantesGh, 3);
    EXPECT_EQ(s.manquantesText, 2);
    VerifierSeries(s);

    a.rayonnement = [base = a.rayonnement](int m, int d, int h) {
        return (m == 6 && h == 12) ? std::string("9999") : base(m, d, h);
    };
    EXPECT_NE(Erreur(Texte(a)).find("aucune valeur de rayonnement en juin à 12 h"),
              std::string::npos);
}

TEST(ImportEpw, FichiersAbimesRefusesAvecLeFichierEtLaLigne) {
    const std::string bon = Texte(Annee());
    const auto contient = [](const std::string& message, std::initializer_list<const char*> mots) {
        EXPECT_NE(message.find("« essai.epw »"), std::string::npos) << message;
        for (const char* mot : mots)
            EXPECT_NE(message.find(mot), std::string::npos) << mot << " not in: " << message;
    };
    contient(Erreur(""), {"ligne 1 ", "LOCATION"});
    contient(Erreur("\x7f"
                    "ELF\x02\x01\x01\x00\x00"),
             {"ligne 1 ", "LOCATION"});
    contient(Erreur(AvecLigne(bon, 1, "Lyon Bron AP,AR,FRA")), {"ligne 1 ", "LOCATION"});
    contient(Erreur(AvecLigne(bon, 1, "LOCATION,Lyon,AR,FRA,x,1,45.7")), {"ligne 1 ", "7 champs"});
    contient(Erreur(AvecLigne(bon, 1, "LOCATION,Lyon,AR,FRA,x,1,95,4.9,1,198")),
             {"ligne 1 ", "latitude « 95 »"});
    contient(Erreur(AvecLigne(bon, 8, "DATA PERIODS,1,4,Data,Sunday, 1/ 1,12/31")),
             {"ligne 8 ", "horaires"});
    contient(Erreur(AvecLigne(bon, 8, "COMMENTS 3,")), {"ligne 9 ", "DATA PERIODS"});

    // Truncated after the 30 June, then in the middle of a line.
    const std::string coupe = bon.substr(0, bon.find("\r\n2001,7,1,1,") + 2);
    contient(Erreur(coupe), {"ligne 4352 ", "4344 enregistrements", "8760"});
    const std::string milieu = coupe.substr(0, coupe.size() - 40);
    contient(Erreur(milieu), {"ligne 4352 ", "champs au lieu de 35"});

    Annee sansFin;
    sansFin.fin = "";
    const int l = LigneDe(3, 10, 5);
    contient(Erreur(AvecLigne(bon, l,
                              Remplacer(Enregistrement(sansFin, 3, 10, 5), ",3.173913,", ",3x,"))),
             {("ligne " + std::to_string(l) + " ").c_str(), "température sèche « 3x »"});
    contient(
        Erreur(AvecLigne(
            bon, l, Remplacer(Enregistrement(sansFin, 3, 10, 5), "2001,3,10,", "2001,3,dix,"))),
        {("ligne " + std::to_string(l) + " ").c_str(), "date « dix/3 5 h » illisible"});
    contient(Erreur(AvecLigne(bon, l, "2001,3,10,5,60,flags,3.1,2,3")),
             {("ligne " + std::to_string(l) + " ").c_str(), "9 champs"});
    // A record repeated, and one after the end of the year.
    contient(Erreur(AvecLigne(bon, l, Enregistrement(sansFin, 3, 10, 4))),
             {("ligne " + std::to_string(l) + " ").c_str(), "du 10/3 à 4 h", "du 10/3 à 5 h"});
    contient(Erreur(bon + Enregistrement(Annee(), 12, 31, 24)), {"ligne 8769 ", "au-delà"});
}

TEST(ImportEpw, NomDeStation) {
    EXPECT_EQ(NomStationEpw("Bordeaux.Merignac.AP"), "Bordeaux Merignac AP");
    EXPECT_EQ(NomStationEpw("Paris/Orly Airp."), "Paris/Orly Airp.");
    EXPECT_EQ(NomStationEpw("LYON"), "Lyon");
    EXPECT_EQ(NomStationEpw("ÉVREUX_HUEST  "), "Évreux Huest");
    EXPECT_EQ(NomStationEpw(" St. Girons #2 & *\"Ariège\"\t"), "St. Girons 2 Ariège");
    EXPECT_EQ(NomStationEpw(std::string(60, 'a')), std::string(49, 'a'));
    EXPECT_EQ(NomStationEpw("\x01#&*"), "");
    // No usable city: the file's name stands in.
    Annee a;
    a.location = "LOCATION,-,-,FRA,TMYx,,43.86,4.41,1,60";
    EXPECT_EQ(ImporterEpwTexte(Texte(a), "meteo/FRA_Nimes.Courbessac_TMYx.epw").nom,
              "FRA Nimes Courbessac TMYx");
}

TEST(ImportEpw, FichierAbsentOuTropGrand) {
    const std::string dossier = ::testing::TempDir() + "import_epw";
    std::filesystem::create_directories(dossier);
    const std::string absent = dossier + "/absent.epw";
    try {
        ImporterEpw(absent);
        ADD_FAILURE() << "no error";
    } catch (const ErreurFichier& e) {
        EXPECT_NE(std::string(e.what()).find(absent), std::string::npos) << e.what();
    }
    const std::string grand = dossier + "/video.epw";
    { std::ofstream(grand) << "LOCATION"; }
    std::filesystem::resize_file(grand, 100u << 20); // sparse: nothing is written
    EXPECT_THROW(
        {
            try {
                ImporterEpw(grand);
            } catch (const ErreurFichier& e) {
                EXPECT_NE(std::string(e.what()).find("trop grand"), std::string::npos);
                throw;
            }
        },
        ErreurFichier);
    std::filesystem::remove_all(dossier);
}

// Every raw file of the climate folder that is a weather file by its content (some
// have other extensions, some with that extension may not be) gives the figures of
// the monthly table built from it, to the table's own rounding.
TEST(ImportEpw, FichiersReelsReproduisentLeTableauMensuel) {
    const std::string climat = reference::DossierClimat();
    if (!std::filesystem::exists(climat + "/stations_monthly.csv"))
        GTEST_SKIP() << "climate tables not found beside the repository";
    const reference::Csv table(climat + "/stations_monthly.csv");
    int importes = 0, refuses = 0;
    for (std::size_t i = 0; i < table.Taille(); ++i) {
        const std::string chemin = climat + "/raw/" + table(i, "source_file");
        std::string debut(9, ' ');
        std::ifstream(chemin, std::ios::binary).read(debut.data(), 9);
        if (debut != "LOCATION,") {
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
            // Gh is tabulated to 0.001, temperatures to 0.01: far within 1 %.
            EXPECT_NEAR(s.Gh[m], gh[m - 1], 0.0005 + 1e-5) << chemin << " month " << m;
            EXPECT_NEAR(s.Text[m], tair[m - 1], 0.005 + 1e-4) << chemin << " month " << m;
        }
    }
    EXPECT_GE(importes, 20);
    EXPECT_GE(refuses, 2); // the other formats of the folder (ESP-r, RT2012)
}

TEST(ImportEpw, UnSeul29FevrierEtSeulementEnAnneeBissextile) {
    Annee a;
    a.bissextile = true;
    const std::string bissextile = Texte(a);
    const std::string mars = "\r\n2004,3,1,1,";
    std::string double29 = bissextile;
    std::string jour;
    for (int h = 1; h <= 24; ++h)
        jour += Enregistrement(a, 2, 29, h);
    double29.insert(double29.find(mars) + 2, jour);
    EXPECT_NE(Erreur(double29).find("du 29/2 à 1 h trouvé, celui du 1/3 à 1 h"), std::string::npos);
    EXPECT_NE(Erreur(Remplacer(bissextile, "2004,", "2001,"))
                  .find("ligne 1425 : 29 février d'une "
                        "année qui n'est pas bissextile"),
              std::string::npos);
}

TEST(ImportEpw, ValeursImpossiblesComptentCommeManquantes) {
    Annee a;
    a.rayonnement = [base = a.rayonnement](int m, int d, int h) {
        return m == 5 && d == 2 && h == 12 ? std::string("9998") : base(m, d, h);
    };
    a.temperature = [base = a.temperature](int m, int d, int h) {
        return m == 7 && d <= 2 && h == 15 ? std::string(d == 1 ? "69.9" : "-60.1") : base(m, d, h);
    };
    const StationEpw s = ImporterEpwTexte(Texte(a), "essai.epw");
    EXPECT_EQ(s.manquantesGh, 1);
    EXPECT_EQ(s.manquantesText, 2);
    VerifierSeries(s); // filled from the same hour of the month's other days
}

TEST(ImportEpw, FichierLuLigneALigneAvecDesFinsCR) {
    Annee a;
    a.fin = "\r";
    const std::string chemin = ::testing::TempDir() + "import_cr.epw";
    { std::ofstream(chemin, std::ios::binary) << Texte(a); }
    const StationEpw s = ImporterEpw(chemin);
    EXPECT_EQ(s.heures, 8760);
    VerifierSeries(s);
    std::filesystem::remove(chemin);
}
