// Reading files whatever they are, quoting what they hold in messages, and the
// system's errors in French.

#include "DonneesTest.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Fichiers.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace essai;

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
