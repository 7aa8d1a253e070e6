#include "project/ProjetFichier.h"

#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "data/modTexte.h"
#include "project/ElementsProjet.h"
#include "project/ValeursFichier.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>
#include <vector>

// The extension values read back; the files of these tests hold none.
static Extension extensionLue;

namespace {
std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t p; (p = texte.find("\r\n", debut)) != std::string::npos; debut = p + 2)
        lignes.push_back(texte.substr(debut, p - debut));
    lignes.push_back(texte.substr(debut));
    return lignes;
}

std::string Joindre(const std::vector<std::string>& lignes) {
    std::string texte;
    for (std::size_t i = 0; i < lignes.size(); ++i)
        texte += lignes[i] + (i + 1 < lignes.size() ? "\r\n" : "");
    return texte;
}

// Replaces the n-th line (0-based occurrence) whose key is `cle`.
std::string RemplacerLigne(const std::string& texte, const std::string& cle, int occurrence,
                           const std::string& nouvelle) {
    auto lignes = Lignes(texte);
    for (auto& l : lignes) {
        if (l.rfind(cle + "\t", 0) == 0 && occurrence-- == 0) {
            l = nouvelle;
            return Joindre(lignes);
        }
    }
    ADD_FAILURE() << "no line " << cle;
    return texte;
}

EnregistrementProjet ProjetVarie() {
    EnregistrementProjet p;
    auto& e = p.Entrees;
    auto& c = p.Calcul;
    e.Pays = "France";
    e.Departement = "Hérault";
    e.Station = "Montpellier";
    e.Classe_Exposition_Vent = -1;
    e.Altitude = 57.5f;
    e.Distance_Mer = 2;
    e.NB_points = 3;
    for (int i = 1; i <= 3; ++i) {
        e.Masque_Angle[i] = -90.0f + 45.0f * static_cast<float>(i);
        e.Masque_Hauteur[i] = 12.25f * static_cast<float>(i);
    }
    e.Masque_Existe = 1;
    e.Zone_Climatique = 3;
    for (int m = 1; m <= 12; ++m) {
        const auto f = static_cast<float>(m);
        c.Gh[m] = 1.1f * f;
        c.Text[m] = -4.3f + 2.0f * f;
        c.Conso[m] = 1000;
        c.Tref[m] = 50;
        c.Fecs[m] = 100.0f / (f + 2.0f); // values needing all seven digits
        c.Prod[m] = 1e-5f * f;           // exponent form
        c.Becs[m] = 1.234567e7f * f;
    }
    c.Zone.ValStr = "Zone maritime";
    c.Latitude = 43.6f;
    c.Type_capteur = "Plan vitré sélectif";
    c.Type_chauffe_eau = "Monobloc 200 l";
    c.Ac = 2.1f;
    c.a = 10.5f;
    c.Nb_Capteurs = 5;
    c.inclinaison = 45;
    c.Echangeur.Ch_KEch = "V";
    c.Echangeur.KEch = 525;
    c.Classe_Systeme = ClasseSysteme::EchangeurIncorpore;
    c.Categorie_Systeme = "CA_BA_EC_AINC";
    c.Efficacite.R = 0.9f;
    c.Debit1.cp = 1.16f;
    c.Debit2.cp = 0.933333f;
    c.Vn = 300;
    c.TypeCalculVcElec = ChoixCalcul::Detaille;
    c.XElec = 0.9f;
    c.Fecs_an = 57.31234f;
    c.Productivite_par_m2 = 0.1f + 0.2f; // not the float nearest 0.3
    return p;
}

struct Dossier {
    std::filesystem::path chemin;
    Dossier() {
        chemin = std::filesystem::temp_directory_path() /
                 ("varquin-projet-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(chemin);
        std::filesystem::create_directories(chemin);
    }
    ~Dossier() { std::filesystem::remove_all(chemin); }
};

std::string LireOctets(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

TEST(ValeursFichier, WritesCommaAndShortestFormAndReadsBothSeparators) {
    EXPECT_EQ(FormatSimple(0.85f), "0,85");
    EXPECT_EQ(FormatSimple(-130.0f), "-130");
    EXPECT_EQ(FormatSimple(1e-5f), "1E-05");
    EXPECT_EQ(FormatSimple(0.0001f), "0,0001");
    EXPECT_EQ(FormatSimple(1234567.0f), "1234567");
    EXPECT_EQ(FormatSimple(2.5e7f), "2,5E+07");
    EXPECT_EQ(FormatSimple(-0.0f), "0");
    EXPECT_EQ(LireSimple("12,5"), 12.5f);
    EXPECT_EQ(LireSimple(" 12.5 "), 12.5f);
    EXPECT_EQ(LireSimple("1E-05"), 1e-5f);
    EXPECT_EQ(LireEntier("-1"), -1);
    EXPECT_EQ(LireEntier("2,5"), 2); // halves to even
    EXPECT_THROW(LireSimple(""), ErreurExecution);
    EXPECT_THROW(LireSimple("12,5x"), ErreurExecution);
    EXPECT_THROW(LireSimple("1,2,3"), ErreurExecution);
    EXPECT_THROW(LireSimple("1E+39"), ErreurExecution);
    EXPECT_THROW(LireSimple("1E+999"), ErreurExecution);
    EXPECT_THROW(LireEntier("32768"), ErreurExecution);
    EXPECT_EQ(LireEntier("-32768"), -32768);
}

TEST(ValeursFichier, EverySingleSurvivesItsText) {
    // Seven digits do not identify every Single; a save must never change a value.
    for (float v : {0.1f + 0.2f, 16777217.0f, 8589973504.0f, 3.4028235e38f, 1.17549435e-38f,
                    100.0f / 3.0f, -2.7182817f, 33.333332f}) {
        EXPECT_EQ(LireSimple(FormatSimple(v)), v) << FormatSimple(v);
    }
}

TEST(ProjetFichier, LayoutOfTheFile) {
    EnregistrementProjet p = ProjetVarie();
    const std::string texte = TexteProjet(p, "/tmp/essai.vqp");
    const auto lignes = Lignes(texte);
    // 13 sections of three lines, 103 values, one empty line, and the final line end.
    ASSERT_EQ(lignes.size(), 13u * 3 + 103 + 2);
    EXPECT_EQ(lignes[0], std::string(59, '*'));
    EXPECT_EQ(lignes[1], "**  Projet");
    EXPECT_EQ(lignes[2], std::string(59, '*'));
    EXPECT_EQ(lignes[3], "Projet\t/tmp/essai.vqp");
    EXPECT_EQ(lignes[5], "**  Masque");
    EXPECT_EQ(lignes[7], "NB points\t3");
    EXPECT_EQ(lignes[lignes.size() - 3], "Productivite_par_m2\t0,3");
    EXPECT_EQ(lignes[lignes.size() - 2], ""); // the extra line end after the last item
    EXPECT_EQ(lignes.back(), "");
    EXPECT_EQ(texte.find('\n'), texte.find("\r\n") + 1); // no bare line feed

    // A mask of three points still writes 32 values, each followed by a TAB.
    const std::string angles = lignes[8];
    EXPECT_EQ(angles.rfind("Masque_Angle\t-45\t0\t45\t0\t", 0), 0u) << angles;
    EXPECT_EQ(std::count(angles.begin(), angles.end(), '\t'), 33);
    EXPECT_EQ(angles.back(), '\t');
    const std::string conso =
        lignes[std::find(lignes.begin(), lignes.end(), "**  Besoin") - lignes.begin() + 2];
    EXPECT_EQ(conso,
              "Conso\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t1000\t");
    // Fixed texts keep their full width.
    EXPECT_NE(texte.find("Zone.ValStr\tZone maritime            \r\n"), std::string::npos);
    EXPECT_NE(texte.find("Ch_KEch\tV\r\n"), std::string::npos);
    EXPECT_NE(texte.find("Fecs_an\t57,31234\r\n"), std::string::npos);
}

TEST(ProjetFichier, SavedFileIsWindows1252AndTheRoundTripIsByteIdentical) {
    Dossier d;
    const auto chemin = (d.chemin / "essai.vqp").string();
    EcrireFichierProjet(chemin, ProjetVarie());
    const std::string premier = LireOctets(chemin);
    EXPECT_NE(premier.find("**  M\xE9t\xE9o\r\n"), std::string::npos);
    EXPECT_NE(premier.find("Plan vitr\xE9 s\xE9lectif"), std::string::npos);

    EnregistrementProjet relu;
    std::string fichier;
    LireFichierProjet(chemin, relu, fichier, extensionLue);
    EXPECT_EQ(fichier, chemin);
    EXPECT_EQ(relu.Entrees.Departement, "Hérault");
    EXPECT_EQ(relu.Calcul.Productivite_par_m2, 0.1f + 0.2f);
    EXPECT_EQ(relu.Calcul.Becs, ProjetVarie().Calcul.Becs);
    EcrireFichierProjet(chemin, relu);
    EXPECT_EQ(LireOctets(chemin), premier);
}

TEST(ProjetFichier, CommaPointAndLineFeedFilesReadToTheSameRecord) {
    const std::string virgules = TexteProjet(ProjetVarie(), "p.vqp");
    std::string points = virgules; // texts of this project hold no comma
    std::replace(points.begin(), points.end(), ',', '.');
    std::string lf = Remplacer(points, "\r\n", "\n");

    EnregistrementProjet a, b, c;
    std::string fa, fb, fc;
    LireTexteProjet(virgules, "a", a, fa, extensionLue);
    LireTexteProjet(points, "b", b, fb, extensionLue);
    LireTexteProjet(lf, "c", c, fc, extensionLue);
    EXPECT_EQ(TexteProjet(a, fa), virgules);
    EXPECT_EQ(TexteProjet(b, fb), virgules);
    EXPECT_EQ(TexteProjet(c, fc), virgules);
}

TEST(ProjetFichier, SameNamedItemsLandInTheirOwnFieldsByPosition) {
    std::string texte = TexteProjet(EnregistrementProjet{}, "p.vqp");
    texte = RemplacerLigne(texte, "R", 0, "R\t0,1\t0,2\t0,3\t");
    texte = RemplacerLigne(texte, "R", 1, "R\t0,9");
    const char* types[] = {"1", "2", "1", "2", "1"};
    for (int i = 0; i < 5; ++i)
        texte = RemplacerLigne(texte, "TypeDeCalcul", i, std::string("TypeDeCalcul\t") + types[i]);
    texte = RemplacerLigne(texte, "cp", 0, "cp\t1,16");
    texte = RemplacerLigne(texte, "cp", 1, "cp\t0,95");
    texte = RemplacerLigne(texte, "DebitEner", 1, "DebitEner\t77");
    texte = RemplacerLigne(texte, "Vn", 0, "Vn\t300");

    EnregistrementProjet p;
    std::string fichier;
    LireTexteProjet(texte, "p.vqp", p, fichier, extensionLue);
    const auto& c = p.Calcul;
    EXPECT_EQ(c.R[1], 0.1f);
    EXPECT_EQ(c.R[3], 0.3f);
    EXPECT_EQ(c.Efficacite.R, 0.9f);
    EXPECT_EQ(static_cast<int>(c.Echangeur.TypeDeCalcul), 1);
    EXPECT_EQ(static_cast<int>(c.Efficacite.TypeDeCalcul), 2);
    EXPECT_EQ(static_cast<int>(c.Debit1.TypeDeCalcul), 1);
    EXPECT_EQ(static_cast<int>(c.Debit2.TypeDeCalcul), 2);
    EXPECT_EQ(static_cast<int>(c.Deperdition.TypeDeCalcul), 1);
    EXPECT_EQ(c.Debit1.cp, 1.16f);
    EXPECT_EQ(c.Debit2.cp, 0.95f);
    EXPECT_EQ(c.Debit1.DebitEner, 0.0f);
    EXPECT_EQ(c.Debit2.DebitEner, 77.0f);
    EXPECT_EQ(c.Vn, 300.0f);
}

TEST(ProjetFichier, SpecialItems) {
    EnregistrementProjet p = ProjetVarie();
    std::string texte = TexteProjet(p, "/ancien/chemin.vqp");
    // Five values change five months; the others keep what the record held.
    texte = RemplacerLigne(texte, "Conso", 0, "Conso\t1\t2\t3\t4\t5\t");
    // The second copy of the outdoor temperatures is the one that stays.
    texte = RemplacerLigne(texte, "Text", 0, "Text\t99\t");
    texte = RemplacerLigne(texte, "Température extérieure", 0, "Température extérieure\t-7,5\t");
    // The auxiliary's choice goes through its leading number; a bad text gives 0.
    texte = RemplacerLigne(texte, "TypeCalculVcElec", 0, "TypeCalculVcElec\t2 (forcée)");
    texte = RemplacerLigne(texte, "Zone.ValStr", 0, "Zone.ValStr\tZone continentale");

    p.Calcul.Conso.fill(600);
    std::string fichier = "/renomme.vqp";
    LireTexteProjet(texte, "/renomme.vqp", p, fichier, extensionLue);
    EXPECT_EQ(fichier, "/ancien/chemin.vqp"); // the path recorded inside the file
    EXPECT_EQ(p.Calcul.Conso[5], 5.0f);
    EXPECT_EQ(p.Calcul.Conso[6], 600.0f);
    EXPECT_EQ(p.Calcul.Text[1], -7.5f);
    EXPECT_EQ(p.Calcul.Text[2], ProjetVarie().Calcul.Text[2]);
    EXPECT_EQ(static_cast<int>(p.Calcul.TypeCalculVcElec), 2);
    EXPECT_EQ(p.Calcul.Zone.ValStr.str(), "Zone continentale        ");

    texte = RemplacerLigne(texte, "TypeCalculVcElec", 0, "TypeCalculVcElec\tabc");
    LireTexteProjet(texte, "x", p, fichier, extensionLue);
    EXPECT_EQ(static_cast<int>(p.Calcul.TypeCalculVcElec), 0);
}

TEST(ProjetFichier, DamagedFilesAreRefusedWithTheLineAndLeaveTheRecordUnchanged) {
    const std::string bon = TexteProjet(ProjetVarie(), "p.vqp");
    struct Cas {
        std::string texte;
        std::string attendu; // part of the message
    };
    const std::vector<Cas> cas = {
        {RemplacerLigne(bon, "a", 0, "a\tdix"), "ligne 54 (« a »), « dix » n'est pas un nombre"},
        {RemplacerLigne(bon, "Nb_Capteurs", 0, "Nb_Capteurs\t40000"), "ne tient pas"},
        {RemplacerLigne(bon, "Vn", 0, "Vn\t1E+40"), "trop grand"},
        {RemplacerLigne(bon, "Vn", 0, "Vn\t"), "« Vn »"},
        {RemplacerLigne(bon, "Gh", 0, "Gh" + std::string(13, '\t') + "1\t"), "« Gh »"},
        {RemplacerLigne(bon, "Gh", 0, "Gh\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t"),
         "plus de 12 valeurs"},
        {RemplacerLigne(bon, "Masque_Existe", 0, "Masque_Existe 1"), "ligne 11"},
        {bon.substr(0, bon.find("**  Ballon")), "s'arrête avant la fin"},
        {"", "ligne 0"},
    };
    for (const auto& c : cas) {
        EnregistrementProjet p = ProjetVarie();
        std::string fichier = "ouvert.vqp";
        try {
            LireTexteProjet(c.texte, "abime.vqp", p, fichier, extensionLue);
            ADD_FAILURE() << "accepted: " << c.attendu;
        } catch (const ErreurFichier& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("« abime.vqp »"), std::string::npos) << message;
            EXPECT_NE(message.find(c.attendu), std::string::npos) << message;
        }
        EXPECT_EQ(fichier, "ouvert.vqp");
        EXPECT_EQ(TexteProjet(p, fichier), TexteProjet(ProjetVarie(), "ouvert.vqp"));
    }
}

TEST(ProjetFichier, FailedSaveKeepsThePreviousFile) {
    Dossier d;
    const auto chemin = (d.chemin / "garde.vqp").string();
    EcrireFichierProjet(chemin, EnregistrementProjet{});
    const std::string avant = LireOctets(chemin);

    SimulerEchecEcriture(500);
    EXPECT_THROW(EcrireFichierProjet(chemin, ProjetVarie()), ErreurFichier);
    SimulerEchecEcriture(-1);
    EXPECT_EQ(LireOctets(chemin), avant);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d.chemin),
                            std::filesystem::directory_iterator{}),
              1);
    // A folder that does not exist is reported, not taken as success.
    EXPECT_THROW(EcrireFichierProjet((d.chemin / "absent" / "x.vqp").string(), ProjetVarie()),
                 ErreurFichier);
    EnregistrementProjet p;
    std::string f;
    EXPECT_THROW(LireFichierProjet((d.chemin / "absent.vqp").string(), p, f, extensionLue),
                 ErreurFichier);
}
