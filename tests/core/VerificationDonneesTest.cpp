// The start-up check of the data folder: each kind of damage that would stop a
// calculation later fails the start with the file and the line named.

#include "DonneesTest.h"
#include "NotificateurTest.h"
#include "common/Encodage.h"
#include "startup/Modgeneral.h"

#include <functional>
#include <gtest/gtest.h>

using namespace essai;

namespace {
// The file (path under the folder) with `avant` replaced by `apres` (UTF-8 texts, the
// file Windows-1252).
std::function<void(const CopieFixture&)>
Remplacer(const std::string& fichier, const std::string& avant, const std::string& apres) {
    return [=](const CopieFixture& c) {
        std::string texte = DepuisWindows1252(LireOctets(c / fichier));
        const std::size_t p = texte.find(avant);
        ASSERT_NE(p, std::string::npos) << avant;
        EcrireOctets(c / fichier, VersWindows1252(texte.replace(p, avant.size(), apres)));
    };
}

std::string Departements(int n) {
    std::string lignes;
    for (int i = 0; i < n; ++i)
        lignes += "France #D" + std::to_string(i) + "\r\n";
    return lignes;
}
} // namespace

TEST(VerificationDonnees, DossierAbimeRefuseAuDemarrageAvecLeFichierEtLaLigne) {
    const std::string orientations = "Systeme/Capteurs/ORIENTAN.DON";
    const struct {
        std::function<void(const CopieFixture&)> abimer;
        std::string attendu;
    } cas[] = {
        {[](const CopieFixture& c) { EcrireOctets(c / "Pays/Stati_Fr.TXT", ""); },
         "Stati_Fr.TXT » : le fichier est vide"},
        {[&](const CopieFixture& c) { fs::remove(c / orientations); },
         "ORIENTAN.DON » : Fichier ou dossier introuvable"},
        {[&](const CopieFixture& c) {
             fs::remove(c / orientations);
             fs::create_directory(c / orientations);
         },
         "ORIENTAN.DON » : c'est un dossier, pas un fichier"},
        {Remplacer("Systeme/Capteurs/Capteurs.txt", "0,75 5,5", "0,75 abc"),
         "Capteurs.txt », ligne 4 : la valeur « abc » n'est pas un nombre"},
        {Remplacer("Pays/Stati_Fr.TXT",
                   "8 8 9 10,5 12 13,5 14,5 14,5 13,5 12 10 8,5 #Lille-Lesquin\r\n", ""),
         "Stati_Fr.TXT », ligne 13 : la station « Lille-Lesquin » a 4 lignes au lieu de 5"},
        {Remplacer("Pays/Stati_Fr.TXT", "1,6 3,2 7,1", "1,6 3,2"),
         "Stati_Fr.TXT », ligne 6 : 12 valeurs mensuelles attendues, 11 trouvées"},
        {Remplacer("Pays/Ville_Fr.TXT", "Ambérieu #Ain", "Inconnue #Ain"),
         "la station « Inconnue » (département « Ain ») n'est pas dans Stati_Fr.TXT"},
        {Remplacer("Pays/Depar_Fr.TXT", "France #Ain\r\n", Departements(152)),
         "Plus de 151 départements pour « France »"},
        {Remplacer("Soleil/Cs.Don", "1381,8", "13x1,8"),
         "Cs.Don », ligne 1 : la valeur du mois 3 n'est pas un nombre"},
        {[](const CopieFixture& c) {
             const std::string g = LireOctets(c / "Soleil/G_50_60.don");
             EcrireOctets(c / "Soleil/G_50_60.don", g.substr(0, g.find("\r\n0,72 ") + 2));
         },
         "G_50_60.don », ligne 21 : 12 valeurs mensuelles attendues, 0 trouvées"},
        {[](const CopieFixture& c) { fs::remove(c / "Soleil/G_-20_30.don"); },
         "G_-20_30.don » : Fichier ou dossier introuvable"},
        {Remplacer("Soleil/Nj.don", "31 28 31", "31 -28 31"),
         "Nj.don », ligne 1 : la valeur du mois 2 (-28) doit être de 1 à 31"},
        {Remplacer("Systeme/Echange.TXT", "600 #", "40000 #"),
         "Echange.TXT », ligne 4 : la valeur « 40000 » ne tient pas dans un entier"},
        {Remplacer("MESSAGES.TXT", "Le fichier %s", "Le fichier \x1b[2J%s"),
         "MESSAGES.TXT », ligne 5 : caractère de contrôle « Le fichier \\x1B[2J%s »"},
        {Remplacer("MESSAGES.TXT", "Le fichier %s", std::string(1000, 'x')),
         "MESSAGES.TXT », ligne 5 : un message compte au plus 1000 caractères"},
    };
    for (const auto& c : cas) {
        ReinitialiserDonnees();
        CopieFixture copie;
        c.abimer(copie);
        RecordingNotificateur notif;
        EXPECT_FALSE(ChargementInitial(copie.chemin())) << c.attendu;
        ASSERT_EQ(notif.messages.size(), 1u) << c.attendu;
        EXPECT_NE(notif.messages[0].texte.find("ne permet pas de calculer"), std::string::npos);
        EXPECT_NE(notif.messages[0].texte.find(c.attendu), std::string::npos)
            << notif.messages[0].texte;
        EXPECT_TRUE(notif.SablierRestaure());
    }
    ReinitialiserDonnees();
}
