// The engine on the real reference data folder: the default collector-and-tank record
// (4 m² of the first catalogue collector, 300 l, 200 l/day at 50 °C, tilt 45°, south)
// at three contrasting stations of the folder itself.

#include "DonneesTest.h"
#include "data/modStations.h"
#include "engine/modCalcul.h"
#include "engine/modCalculORIN.h"
#include "startup/Modgeneral.h"
#include "tests/support/EnregistrementExemple.h"

#include <gtest/gtest.h>

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

TEST(EngineReference, CouverturesPlausiblesDuNordALOutreMer) {
    essai::ReinitialiserDonnees();
    NotificateurEnregistreur notif;
    ASSERT_TRUE(ChargementInitial(VARQUIN_REFERENCE_DIR));
    AfficherMessages = true; // a refused parameter would show its message
    const float lille = CouvertureAnnuelle("Lille");
    const float perpignan = CouvertureAnnuelle("Perpignan");
    const float reunion = CouvertureAnnuelle("Saint-Denis");
    EXPECT_LT(lille, perpignan);
    EXPECT_LT(perpignan, reunion + 5); // the tropics do at least about as well
    for (float f : {lille, perpignan, reunion}) {
        EXPECT_GT(f, 25.0f);
        EXPECT_LT(f, 100.0f);
    }
    EXPECT_TRUE(notif.messages.empty());
    essai::ReinitialiserDonnees();
}
