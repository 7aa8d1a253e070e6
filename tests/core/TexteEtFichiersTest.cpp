// The shared text routines, reading files whatever they are, quoting what they hold in
// messages, and the system's errors in French.

#include "DonneesTest.h"
#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"
#include "common/Nombres.h"
#include "common/Texte.h"
#include "data/modTexte.h"

#include <clocale>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace essai;

TEST(Texte, MotsLignesEtEspaces) {
    std::string t = "   12    3,5 x  ";
    for (const char* mot : {"12", "3,5", "x", ""})
        EXPECT_EQ(LireMot(t, " "), mot);
    EXPECT_EQ(t, "");
    // A separator other than a space leaves empty tokens between repeats.
    std::string u = "a;;b\t";
    for (const char* mot : {"a", "", "b\t"})
        EXPECT_EQ(LireMot(u, ";"), mot);
    // Trimming takes spaces only.
    EXPECT_EQ(Rogner(" \ta\t "), "\ta\t");
    std::string v = "\tx \ty";
    EXPECT_EQ(LireMot(v, " "), "\tx");

    std::string tampon = "a\r\n\r\n  b  \r\nc";
    for (const char* ligne : {"a", "", "b", "c", ""})
        EXPECT_EQ(LireLigne(tampon), ligne);

    EXPECT_EQ(Remplacer("a %s b %s", "%s", "X"), "a X b X");
    EXPECT_EQ(Remplacer("aaa", "aa", "b"), "ba");       // resumes after the whole occurrence
    EXPECT_EQ(Remplacer("aa", "a", "aa"), "aaaa");      // never re-reads what it inserted
    EXPECT_EQ(Remplacer("x a y", " a ", "a"), "x a y"); // equal once trimmed: unchanged

    std::string long_;
    for (int i = 0; i < 400; ++i) // well past 255 characters
        long_ += "mot    ";
    EXPECT_EQ(CompacterEspaces("  a   b  c  "), "a b c");
    EXPECT_EQ(CompacterEspaces(long_).size(), 400u * 4 - 1);
}

TEST(Texte, ConversionDesNombres) {
    NotificateurEnregistreur notif;
    std::string avecPoint = "12.5";
    EXPECT_DOUBLE_EQ(ConvertirNombre(avecPoint), 12.5);
    EXPECT_EQ(avecPoint, "12,5"); // the value passed is changed
    const std::pair<const char*, double> nombres[] = {
        {"-0,25", -0.25}, {"3.", 3}, {" 7 ", 7}, {"+2,5E2", 250}, {"", 0}};
    for (const auto& [texte, valeur] : nombres)
        EXPECT_DOUBLE_EQ(ConvertirNombre(std::string(texte)), valeur) << texte;
    EXPECT_TRUE(notif.messages.empty());
    // Not a number: the message, and the leading number.
    EXPECT_EQ(ConvertirNombre(std::string("abc")), 0.0);
    EXPECT_DOUBLE_EQ(ConvertirNombre(std::string("12.5kWh")), 12.5);
    EXPECT_EQ(notif.messages, (std::vector<std::string>{"Erreur de conversion de abc.",
                                                        "Erreur de conversion de 12,5kWh."}));
    EXPECT_EQ(notif.titres.front(), "VARQUIN");
    EXPECT_EQ(ValeurEnTete("1E999"), 0.0); // beyond a double
    EXPECT_DOUBLE_EQ(ValeurEnTete("1E-3 reste"), 0.001);

    std::array<float, 13> mois{};
    mois[0] = 99;
    LireDouzeValeurs(" 1 2,5  3.5 ", mois);
    EXPECT_EQ(mois, (std::array<float, 13>{99, 1, 2.5f, 3.5f})); // index 0 is never written
    LireDouzeValeurs("1 2 3 4 5 6 7 8 9 10 11 12 13 14", mois);
    EXPECT_FLOAT_EQ(mois[12], 12);
}

// One reader and one writer for every number, whatever locale the process runs in: a
// desktop toolkit may set one whose decimal mark is a comma.
TEST(Texte, NombresLusEtEcritsSansLaLocale) {
    const char* avant = std::setlocale(LC_ALL, nullptr);
    const std::string locale = avant ? avant : "C";
    for (const char* nom : {"fr_FR.UTF-8", "de_DE.UTF-8", "C"}) {
        if (!std::setlocale(LC_ALL, nom))
            continue;
        const std::pair<const char*, double> lus[] = {
            {"1,5", 1.5},   {" -2.5E-3 ", -0.0025},
            {"1e9", 1e9},   {"+,5", 0.5},
            {"3.", 3},      {"1E-400", 0},
            {"0,1", 0.1},   {"-0", 0},
            {"1E+02", 100}, {"340282350000000000000000000000000000000", 3.4028235e38}};
        for (const auto& [texte, valeur] : lus)
            EXPECT_EQ(LireNombre(texte), valeur) << texte << " " << nom;
        EXPECT_EQ(LireNombre("-1e999"), -INFINITY);
        for (const char* refuse : {"", " ", "-", ",", "abc", "1E", "1e+", "1,2,3", "12 5", "0x10",
                                   "inf", "nan", "1.5kWh"})
            EXPECT_FALSE(LireNombre(refuse)) << refuse;
        EXPECT_EQ(LireNombreEnTete("  12,5kWh"), 12.5);

        const std::pair<double, const char*> generaux[] = {
            {0.1, "0,1"},    {1234567.0, "1234567"}, {12345678.0, "1,234568E+07"},
            {1e-5, "1E-05"}, {-2.5e-4, "-0,00025"},  {100, "100"},
            {0, "0"},        {-1.5e20, "-1,5E+20"}};
        for (const auto& [valeur, texte] : generaux)
            EXPECT_EQ(EcrireGeneral(valeur, 7), texte) << valeur << " " << nom;
        EXPECT_EQ(EcrireGeneral(0.1, 15, '.'), "0.1");
        EXPECT_EQ(EcrireFixe(2.25, 1), "2,2"); // nearest, ties to even on the binary value
        EXPECT_EQ(EcrireCourt(0.1f), "0.1");
        EXPECT_EQ(EcrireCourt(1e21), "1e+21");
        EXPECT_EQ(FormatNombre(0.5), "0,5");
        EXPECT_EQ(FormatDeuxDecimales(2.675), "2,68");
        // Every Single written and read back is the same Single.
        for (float f : {0.1f, 1.0f / 3, 3.4028235e38f, 1.4e-45f, -123456.79f, 0.785f})
            EXPECT_EQ(static_cast<float>(LireNombre(EcrireGeneral(f, 9)).value_or(0)), f) << f;
    }
    std::setlocale(LC_ALL, locale.c_str());
}

TEST(Texte, FormatsArrondisAuDemiLoinDeZero) {
    const std::pair<double, const char*> deux[] = {{2.675, "2,68"}, // 2.67499999... in binary
                                                   {0.125, "0,13"},
                                                   {-0.125, "-0,13"},
                                                   {0.005, "0,01"},
                                                   {0.0049, "0,00"},
                                                   {-0.001, "0,00"},
                                                   {99.999, "100,00"},
                                                   {1234567.891, "1234567,89"},
                                                   {1e20, "100000000000000000000,00"}};
    for (const auto& [valeur, texte] : deux)
        EXPECT_EQ(FormatDeuxDecimales(valeur), texte) << valeur;
    EXPECT_EQ(FormatDeuxDecimales(std::string("12.5")), "12,50");
    EXPECT_EQ(FormatDecimales(0.05, 1), "0,1");
    // Whole numbers: the integer part of the value plus a half.
    const std::pair<double, const char*> entiers[] = {
        {2.5, "3"}, {2.49, "2"}, {-2.5, "-2"}, {-0.2, "0"}};
    for (const auto& [valeur, texte] : entiers)
        EXPECT_EQ(FormatEntier(valeur), texte) << valeur;
}

namespace {
std::string Refus(const std::string& chemin, GenreFichier genre) {
    try {
        LireOctetsFichier(chemin, genre);
    } catch (const ErreurFichier& e) {
        return e.what();
    }
    return "(lu)";
}
} // namespace

TEST(LectureFichiers, CeQuiNEstPasUnFichierOuEstTropGrandEstRefuseParSonNom) {
    DossierTemporaire d;
    ASSERT_EQ(::mkfifo((d / "tube.vqp").c_str(), 0600), 0); // would block a plain open
    EcrireOctets(d / "projet.vqp", "x");
    fs::resize_file(d / "projet.vqp", (1u << 20) + 1); // sparse
    const struct {
        std::string chemin;
        GenreFichier genre;
        const char* raison;
    } cas[] = {
        {d / "tube.vqp", GenreFichier::Projet, "n'est pas un fichier ordinaire"},
        {"/dev/zero", GenreFichier::Meteo, "n'est pas un fichier ordinaire"},
        {d.chemin(), GenreFichier::Donnees, "c'est un dossier"},
        {d / "projet.vqp", GenreFichier::Projet,
         "trop grand (1,1 Mio, et un fichier de projet "
         "en compte au plus 1)"},
        {d / "absent.vqp", GenreFichier::Projet, "Fichier ou dossier introuvable"},
        {"", GenreFichier::Projet, "le nom du fichier est vide"},
    };
    for (const auto& c : cas) {
        const std::string message = Refus(c.chemin, c.genre);
        EXPECT_NE(message.find(c.raison), std::string::npos) << message;
        EXPECT_TRUE(c.chemin.empty() || message.find("« " + c.chemin + " »") != std::string::npos)
            << message;
    }
    EXPECT_EQ(Refus(d / "projet.vqp", GenreFichier::Donnees), "(lu)");
}

TEST(LectureFichiers, LignesUneAUneQuelleQueSoitLaFin) {
    DossierTemporaire d;
    // The CR of the first line ends the first block read, its LF begins the next.
    const std::string longue(64 * 1024 - 1, 'a');
    EcrireOctets(d / "f.txt", longue + "\r\nb\rc\n\r\nd\r");
    LecteurLignes lecteur(d / "f.txt", GenreFichier::Donnees, 1 << 16);
    std::vector<std::string> lignes;
    for (std::string_view l; lecteur.Suivante(l);)
        lignes.emplace_back(l == longue ? "longue" : l);
    EXPECT_EQ(lignes, (std::vector<std::string>{"longue", "b", "c", "", "d"}));
    EXPECT_EQ(lecteur.Numero(), 5u);
    // Read whole, past the size of one piece, with every line ending made CR LF.
    EXPECT_EQ(LireFichierTexte(d / "f.txt", GenreFichier::Donnees),
              longue + "\r\nb\r\nc\r\n\r\nd\r\n");
    // Written back, every line ends with CR LF; Windows-1252 becomes UTF-8 around runs of ASCII.
    EXPECT_EQ(NormaliserFinsDeLigne("a\rb\nc\r\n\n\rd"), "a\r\nb\r\nc\r\n\r\n\r\nd");
    EXPECT_EQ(DepuisWindows1252("\xe9t\xe9 \x80\x81x"), "été €\xc2\x81x");

    LecteurLignes courte(d / "f.txt", GenreFichier::Donnees, 1000);
    std::string_view l;
    EXPECT_THROW(
        try { courte.Suivante(l); } catch (const ErreurFichier& e) {
            EXPECT_NE(std::string(e.what()).find("la ligne 1 dépasse 1000 caractères"),
                      std::string::npos);
            throw;
        },
        ErreurFichier);
}

TEST(Citation, ValeursBorneesEtControlesEchappes) {
    const std::string e = "\xC3\xA9"; // é: two bytes, one character
    std::string cinquanteNeufE;
    for (int i = 0; i < 59; ++i)
        cinquanteNeufE += e;
    const struct {
        std::string valeur;
        std::string attendu;
    } cas[] = {
        {"12,5", "« 12,5 »"},
        {"\x1B[31mrouge\x1B[0m", "« \\x1B[31mrouge\\x1B[0m »"},
        {"a\tb\r\n\x7F", "« a\\tb\\r\\n\\x7F »"},
        {"\xFF\xC3", "« \\xFF\\xC3 »"},
        {"\xC2\x85\xE2\x80\xAE", "« \\u0085\\u202E »"},
        {std::string(1 << 20, 'x'), "« " + std::string(59, 'x') + "… »"},
        {cinquanteNeufE + e + e, "« " + cinquanteNeufE + "… »"},
        {std::string(59, 'x') + "\t", "« " + std::string(59, 'x') + "… »"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Citer(c.valeur), c.attendu);
    const std::string chemin = "/" + std::string(300, 'd') + "/Stati_Fr.TXT";
    EXPECT_EQ(CiterChemin(chemin).rfind("« …"), 0u);
    EXPECT_NE(CiterChemin(chemin).find("d/Stati_Fr.TXT »"), std::string::npos);
}

TEST(ErreursSysteme, TextesFrancais) {
    EXPECT_EQ(TexteErreurSysteme(EACCES), "Permission refusée");
    EXPECT_EQ(TexteErreurSysteme(ENOENT), "Fichier ou dossier introuvable");
    EXPECT_EQ(TexteErreurSysteme(ENOSPC), "Espace disque insuffisant");
    EXPECT_EQ(TexteErreurSysteme(EISDIR), "Est un dossier");
    EXPECT_EQ(TexteErreurSysteme(9999), "erreur système n° 9999");
    const fs::filesystem_error fs("permission", "/x/\x1B",
                                  std::make_error_code(std::errc::permission_denied));
    EXPECT_EQ(TexteException(fs), "Opération impossible sur « /x/\\x1B » : Permission refusée.");
    EXPECT_EQ(TexteException(std::bad_alloc()), "Mémoire insuffisante.");
    EXPECT_EQ(TexteException(std::logic_error("vector::_M_range_check")),
              "Erreur interne inattendue.");
    EXPECT_EQ(De("une puissance"), "d'une puissance");
    EXPECT_EQ(De("Etap"), "d'Etap");
    EXPECT_EQ(De("le T"), "du T");
    EXPECT_EQ(De("T"), "de T");
}
