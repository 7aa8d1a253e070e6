#include "project/ProjetFichier.h"

#include "DonneesTest.h"
#include "common/Erreurs.h"
#include "data/modTexte.h"
#include "project/ElementsProjet.h"
#include "project/ValeursFichier.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace essai;

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

// Replaces the n-th line (0-based occurrence) whose key is `cle`.
std::string RemplacerLigne(const std::string& texte, const std::string& cle, int occurrence,
                           const std::string& nouvelle) {
    std::size_t debut = 0;
    for (int n = 0;; ++n, debut += 1) {
        debut = texte.find("\r\n" + cle + "\t", debut);
        if (debut == std::string::npos)
            throw std::invalid_argument("pas de ligne " + cle);
        if (n == occurrence)
            break;
    }
    const std::size_t fin = texte.find("\r\n", debut + 2);
    return texte.substr(0, debut + 2) + nouvelle + texte.substr(fin);
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
} // namespace

TEST(ValeursFichier, VirguleFormeLaPlusCourteEtAllerRetourExact) {
    const std::pair<float, const char*> formes[] = {
        {0.85f, "0,85"},         {-130.0f, "-130"},   {1e-5f, "1E-05"}, {0.0001f, "0,0001"},
        {1234567.0f, "1234567"}, {2.5e7f, "2,5E+07"}, {-0.0f, "0"}};
    for (const auto& [valeur, texte] : formes)
        EXPECT_EQ(FormatSimple(valeur), texte);
    EXPECT_EQ(LireSimple(" 12.5 "), 12.5f);
    EXPECT_EQ(LireEntier("2,5"), 2); // halves to even
    EXPECT_EQ(LireEntier("-32768"), -32768);
    for (const char* texte : {"", "12,5x", "1,2,3", "1E+39", "1E+999"})
        EXPECT_THROW(LireSimple(texte), ErreurExecution) << texte;
    EXPECT_THROW(LireEntier("32768"), ErreurExecution);
    // Seven digits do not identify every Single; a save must never change a value.
    for (float v : {0.1f + 0.2f, 16777217.0f, 8589973504.0f, 3.4028235e38f, 1.17549435e-38f,
                    100.0f / 3.0f, -2.7182817f, 33.333332f})
        EXPECT_EQ(LireSimple(FormatSimple(v)), v) << FormatSimple(v);
}

TEST(ProjetFichier, DispositionDuFichier) {
    const std::string texte = TexteProjet(ProjetVarie(), "/tmp/essai.vqp");
    const auto lignes = Lignes(texte);
    // 13 sections of three lines, 103 values, one empty line, and the final line end.
    ASSERT_EQ(lignes.size(), 13u * 3 + 103 + 2);
    EXPECT_EQ(lignes[0], std::string(59, '*'));
    EXPECT_EQ(lignes[1], "**  Projet");
    EXPECT_EQ(lignes[3], "Projet\t/tmp/essai.vqp");
    EXPECT_EQ(lignes[7], "NB points\t3");
    EXPECT_EQ(lignes[lignes.size() - 3], "Productivite_par_m2\t0,3");
    EXPECT_EQ(lignes[lignes.size() - 2], "");            // the extra line end after the last item
    EXPECT_EQ(texte.find('\n'), texte.find("\r\n") + 1); // no bare line feed
    // A mask of three points still writes 32 values, each followed by a TAB.
    EXPECT_EQ(lignes[8].rfind("Masque_Angle\t-45\t0\t45\t0\t", 0), 0u) << lignes[8];
    EXPECT_EQ(std::count(lignes[8].begin(), lignes[8].end(), '\t'), 33);
    std::string conso = "\r\nConso";
    for (int m = 1; m <= 12; ++m)
        conso += "\t1000";
    EXPECT_NE(texte.find(conso + "\t\r\n"), std::string::npos);
    // Fixed texts keep their full width.
    EXPECT_NE(texte.find("Zone.ValStr\tZone maritime            \r\n"), std::string::npos);
    EXPECT_NE(texte.find("Ch_KEch\tV\r\n"), std::string::npos);
    EXPECT_NE(texte.find("Fecs_an\t57,31234\r\n"), std::string::npos);
}

TEST(ProjetFichier, Windows1252EtAllerRetourOctetPourOctet) {
    DossierTemporaire d;
    const std::string chemin = d / "essai.vqp";
    EcrireFichierProjet(chemin, ProjetVarie());
    const std::string premier = LireOctets(chemin);
    EXPECT_NE(premier.find("**  M\xE9t\xE9o\r\n"), std::string::npos);
    EXPECT_NE(premier.find("Plan vitr\xE9 s\xE9lectif"), std::string::npos);
    EnregistrementProjet relu;
    std::string fichier;
    LireFichierProjet(chemin, relu, fichier, extensionLue);
    EXPECT_EQ(fichier, chemin);
    EXPECT_EQ(relu.Calcul.Becs, ProjetVarie().Calcul.Becs);
    EcrireFichierProjet(chemin, relu);
    EXPECT_EQ(LireOctets(chemin), premier);

    // Points for commas and bare line feeds read to the same record.
    const std::string virgules = TexteProjet(ProjetVarie(), "p.vqp");
    std::string points = virgules; // texts of this project hold no comma
    std::replace(points.begin(), points.end(), ',', '.');
    for (const std::string& texte : {points, Remplacer(points, "\r\n", "\n")}) {
        EnregistrementProjet p;
        LireTexteProjet(texte, "x", p, fichier, extensionLue);
        EXPECT_EQ(TexteProjet(p, fichier), virgules);
    }
}

TEST(ProjetFichier, ClesHomonymesRangeesParPositionEtArticlesParticuliers) {
    std::string texte = TexteProjet(ProjetVarie(), "/ancien/chemin.vqp");
    texte = RemplacerLigne(texte, "R", 0, "R\t0,1\t0,2\t0,3\t");
    texte = RemplacerLigne(texte, "R", 1, "R\t0,9");
    const char* types[] = {"1", "2", "1", "2", "1"};
    for (int i = 0; i < 5; ++i)
        texte = RemplacerLigne(texte, "TypeDeCalcul", i, std::string("TypeDeCalcul\t") + types[i]);
    texte = RemplacerLigne(texte, "cp", 0, "cp\t1,16");
    texte = RemplacerLigne(texte, "cp", 1, "cp\t0,95");
    texte = RemplacerLigne(texte, "DebitEner", 1, "DebitEner\t77");
    // Five values change five months; the others keep what the record held.
    texte = RemplacerLigne(texte, "Conso", 0, "Conso\t1\t2\t3\t4\t5\t");
    // The second copy of the outdoor temperatures is the one that stays.
    texte = RemplacerLigne(texte, "Text", 0, "Text\t99\t");
    texte = RemplacerLigne(texte, "Température extérieure", 0, "Température extérieure\t-7,5\t");
    // The auxiliary's choice goes through its leading number.
    texte = RemplacerLigne(texte, "TypeCalculVcElec", 0, "TypeCalculVcElec\t2 (forcée)");

    EnregistrementProjet p = ProjetVarie();
    p.Calcul.Conso.fill(600);
    std::string fichier = "/renomme.vqp";
    LireTexteProjet(texte, "/renomme.vqp", p, fichier, extensionLue);
    const auto& c = p.Calcul;
    EXPECT_EQ(fichier, "/ancien/chemin.vqp"); // the path recorded inside the file
    EXPECT_EQ(c.R[3], 0.3f);
    EXPECT_EQ(c.Efficacite.R, 0.9f);
    const ChoixCalcul lus[] = {c.Echangeur.TypeDeCalcul, c.Efficacite.TypeDeCalcul,
                               c.Debit1.TypeDeCalcul, c.Debit2.TypeDeCalcul,
                               c.Deperdition.TypeDeCalcul};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(static_cast<int>(lus[i]), std::stoi(types[i])) << i;
    EXPECT_EQ(c.Debit1.cp, 1.16f);
    EXPECT_EQ(c.Debit2.cp, 0.95f);
    EXPECT_EQ(c.Debit2.DebitEner, 77.0f);
    EXPECT_EQ(c.Conso[5], 5.0f);
    EXPECT_EQ(c.Conso[6], 600.0f);
    EXPECT_EQ(c.Text[1], -7.5f);
    EXPECT_EQ(c.Text[2], ProjetVarie().Calcul.Text[2]);
    EXPECT_EQ(static_cast<int>(c.TypeCalculVcElec), 2);
    texte = RemplacerLigne(texte, "TypeCalculVcElec", 0, "TypeCalculVcElec\tabc");
    LireTexteProjet(texte, "x", p, fichier, extensionLue);
    EXPECT_EQ(static_cast<int>(p.Calcul.TypeCalculVcElec), 0); // a bad text gives 0
}

TEST(ProjetFichier, FichiersAbimesRefusesAvecLaLigneSansToucherAuProjet) {
    const std::string bon = TexteProjet(ProjetVarie(), "p.vqp");
    const std::pair<std::string, std::string> cas[] = {
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
    for (const auto& [texte, attendu] : cas) {
        EnregistrementProjet p = ProjetVarie();
        std::string fichier = "ouvert.vqp";
        try {
            LireTexteProjet(texte, "abime.vqp", p, fichier, extensionLue);
            ADD_FAILURE() << "accepted: " << attendu;
        } catch (const ErreurFichier& e) {
            EXPECT_NE(std::string(e.what()).find("« abime.vqp »"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(attendu), std::string::npos) << e.what();
        }
        EXPECT_EQ(TexteProjet(p, fichier), TexteProjet(ProjetVarie(), "ouvert.vqp"));
    }
}
