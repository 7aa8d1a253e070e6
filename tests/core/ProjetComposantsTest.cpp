// The component objects' rules, as a person meets them in the project window.

#include "ProjetTest.h"
#include "common/Erreurs.h"

using ComposantsTest = ProjetTest;

TEST_F(ComposantsTest, TypedTotalAreaBecomesWholeCollectors) {
    auto p = Nouveau();
    clsCapteurs& c = *p->Capteurs;
    c.strType("Plan vitré"); // 2.1 m² per collector
    EXPECT_FLOAT_EQ(c.Bc, 0.75f);
    EXPECT_EQ(c.Type_Capteur, 1);
    c.surface_totale(10);
    EXPECT_EQ(c.nombre(), 5);
    EXPECT_FLOAT_EQ(c.surface_totale(), 10.5f);

    c.strType("Plan vitré sélectif"); // 2 m²: the same five collectors make 10 m²
    EXPECT_FLOAT_EQ(c.surface_totale(), 10.0f);
    c.surface_totale(5); // 2.5 collectors: halves go to the even number
    EXPECT_EQ(c.nombre(), 2);
    EXPECT_FLOAT_EQ(c.surface_totale(), 4.0f);
    c.surface_totale(7);
    EXPECT_EQ(c.nombre(), 4);
    EXPECT_FLOAT_EQ(c.surface_totale(), 8.0f);
    c.nombre(3);
    EXPECT_FLOAT_EQ(c.surface_totale(), 6.0f);

    // A number of collectors that cannot be held is refused without a change.
    EXPECT_THROW(c.surface_totale(1e9f), ErreurExecution);
    EXPECT_EQ(c.nombre(), 3);
    EXPECT_FLOAT_EQ(c.surface_totale(), 6.0f);

    // A model no catalogue knows has no collector area: the typed total stays.
    c.strType("Inconnu");
    EXPECT_EQ(c.Ac(), 0.0f);
    EXPECT_EQ(c.Bc, 0.0f);
    c.surface_totale(7.3f);
    EXPECT_FLOAT_EQ(c.surface_totale(), 7.3f);
    EXPECT_EQ(c.nombre(), 3);
}

TEST_F(ComposantsTest, TiltAndOrientationAsNumbersOrLabels) {
    auto p = Nouveau();
    clsCapteurs& c = *p->Capteurs;
    EXPECT_EQ(c.inclinaison(), "45");
    c.inclinaison("Vertical");
    EXPECT_EQ(c.inclinaison(), "90");
    c.inclinaison("30.5");
    EXPECT_EQ(c.inclinaison(), "30,5");
    c.inclinaison("pas une inclinaison");
    EXPECT_EQ(c.inclinaison(), "0");

    c.Orientation("Sud-Ouest");
    EXPECT_EQ(c.Orientation(), "45");
    // In the southern hemisphere the labels are those of the southern file.
    p->Meteo->Pays("Réunion");
    c.Orientation("Nord-Est");
    EXPECT_EQ(c.Orientation(), "135");
    c.Orientation("Sud-Ouest");
    EXPECT_EQ(c.Orientation(), "0");
    EXPECT_TRUE(notif.messages.empty());
}

TEST_F(ComposantsTest, SecondFlowIsForcedOnlyWhileTheFirstIs) {
    auto p = Nouveau();
    clsBoucle& b = *p->Boucle;
    b.TypeDeCalcul2("Val. forcée");
    EXPECT_EQ(b.TypeDeCalcul2(), "Calc. simple");
    b.TypeDeCalcul2("Calc. détaillé");
    EXPECT_EQ(b.TypeDeCalcul2(), "Calc. détaillé");

    b.TypeDeCalcul1("Val. forcée");
    b.TypeDeCalcul2("Val. forcée");
    EXPECT_EQ(b.TypeDeCalcul2(), "Val. forcée");
    b.TypeDeCalcul1("Val. forcée"); // still forced: the second stays
    EXPECT_EQ(b.TypeDeCalcul2(), "Val. forcée");
    b.TypeDeCalcul1("Calc. détaillé");
    EXPECT_EQ(b.TypeDeCalcul2(), "Calc. simple");
}

TEST_F(ComposantsTest, SystemTypeAndClassification) {
    auto p = Nouveau();
    clsOrin& s = *p->Systeme;
    // A new project is a one-piece water heater.
    EXPECT_TRUE(s.IsChauffeEau());
    EXPECT_EQ(s.Classe_Systeme(), ClasseSysteme::ChauffeEauMonobloc);
    EXPECT_EQ(s.Categorie_Syteme(), "CHAUFEAUSOLSAI");

    s.TypeSysteme(SystemeCapteurBallon);
    p->Appoint->TypeAppoint = "Appoint intégré";
    p->Echangeur->PresenceEchangeur = "Echangeur";
    p->Ballon->IndiceSituation = 3;
    // An exchanger counts only with a detailed loop efficiency.
    EXPECT_FALSE(p->Echangeur->IsEchangeur());
    EXPECT_EQ(s.Classe_Systeme(), ClasseSysteme::SansEchangeur);
    EXPECT_EQ(s.Categorie_Syteme(), "CA_BA_AELECISEC");
    p->Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    EXPECT_EQ(s.Classe_Systeme(), ClasseSysteme::EchangeurSepare);
    EXPECT_EQ(s.Categorie_Syteme(), "CA_EC_BA_AELECI");
    p->Echangeur->PositionEchangeur = "Incorporé";
    EXPECT_EQ(s.Classe_Systeme(), ClasseSysteme::EchangeurIncorpore);
    EXPECT_EQ(s.Categorie_Syteme(), "CA_BA_EC_AINC");
    p->Appoint->TypeAppoint = "Sans appoint";
    EXPECT_EQ(s.Categorie_Syteme(), "CA_BA_ECISAI");

    // Back to the one-piece heater: no auxiliary, no exchanger, store outdoors.
    s.TypeSysteme(ChauffeEauMonobloc);
    EXPECT_FALSE(p->Appoint->IsAppoint());
    EXPECT_EQ(p->Echangeur->PresenceEchangeur, "Sans échangeur");
    EXPECT_EQ(p->Ballon->IndiceSituation, 1);
    EXPECT_EQ(s.Classe_Systeme(), ClasseSysteme::ChauffeEauMonobloc);
    EXPECT_EQ(CodeCategorie(static_cast<ClasseSysteme>(4), true), "");
}

TEST_F(ComposantsTest, CatalogueModelsGiveTheirValues) {
    auto p = Nouveau();
    // Defaults: the first entry of each catalogue.
    EXPECT_EQ(p->Capteurs->strType(), "Plan vitré sélectif");
    EXPECT_FLOAT_EQ(p->Capteurs->surface_totale(), 2.0f);
    EXPECT_EQ(p->Capteurs->strTypeCE(), "Monobloc 200 l");
    EXPECT_FLOAT_EQ(p->Capteurs->ABEtap, 1.6f);
    EXPECT_EQ(p->Ballon->TypeBallon(), "Ballon 200 l");
    EXPECT_EQ(p->Echangeur->TypeEchangeur(), "Serpentin");
    EXPECT_EQ(p->Echangeur->Kech_Type, 300);

    p->Capteurs->strTypeCE("Monobloc 300 l");
    EXPECT_FLOAT_EQ(p->Capteurs->KsurB, 0.03f);
    EXPECT_FLOAT_EQ(p->Capteurs->Dn, 300.0f);
    p->Ballon->TypeBallon("Ballon 500 l");
    EXPECT_FLOAT_EQ(p->Ballon->cr, 0.3f);
    p->Echangeur->TypeEchangeur("Plaques");
    EXPECT_EQ(p->Echangeur->Kech_Type, 600);
    p->Ballon->TypeBallon("Absent du catalogue");
    EXPECT_EQ(p->Ballon->Vn, 0.0f);
}

TEST_F(ComposantsTest, SiteCascadeFromCountryToStation) {
    auto p = Nouveau();
    clsMeteo& m = *p->Meteo;
    // The first country, its first department, that department's first station.
    EXPECT_EQ(m.Pays(), "France");
    EXPECT_EQ(m.Departement(), "Ain");
    EXPECT_EQ(m.station(), "Ambérieu");
    EXPECT_EQ(m.Hemisphere(), "N");
    EXPECT_FLOAT_EQ(m.latitude, 45.98f);
    EXPECT_FLOAT_EQ(m.altitude_station_meteo, 250.0f);
    EXPECT_EQ(m.Distance_Mer_station_meteo, 4);
    EXPECT_FLOAT_EQ(static_cast<float>(m.Gh.Item(1)), 1.35f);
    EXPECT_FLOAT_EQ(static_cast<float>(m.TextStation.Item(12)), 2.5f);
    // Ain offers its own station, then those of the department its "&" line names.
    EXPECT_EQ(Libelles[2][0], "Ambérieu");
    EXPECT_EQ(Libelles[2][1], "Lyon-Bron");
    EXPECT_EQ(Libelles[2][2], "");

    // A station chosen from another department's list moves the department.
    m.station("Lyon-Bron");
    EXPECT_EQ(m.Departement(), "Rhône");
    EXPECT_FLOAT_EQ(m.Altitude, 200.0f); // the site starts at the station's altitude

    // A southern station reloads the southern orientations; classes are at least 1.
    m.Pays("Réunion");
    EXPECT_EQ(m.station(), "Saint-Denis-Gillot");
    EXPECT_EQ(m.Hemisphere(), "S");
    EXPECT_EQ(Libelles[17][0], "Nord");
    EXPECT_EQ(m.Distance_Mer_station_meteo, 1);
    EXPECT_EQ(m.Nb_habitant_station_meteo, 1);

    // An unknown station is refused and the site stays as it was.
    EXPECT_THROW(m.station("Atlantide"), ErreurIndice);
    EXPECT_EQ(m.station(), "Saint-Denis-Gillot");
    EXPECT_FLOAT_EQ(m.latitude, -21.1f);

    // A country without stations empties the choice and loads the northern list.
    m.Pays("Nulle part");
    EXPECT_EQ(m.Departement(), "");
    EXPECT_EQ(m.station(), "");
    EXPECT_EQ(Libelles[17][0], "Sud");
}

TEST_F(ComposantsTest, RecordsAreReusedHighestFreeFirst) {
    auto a = Nouveau();
    auto b = Nouveau();
    auto c = Nouveau();
    EXPECT_EQ(a->NumEnregistrement, 1);
    EXPECT_EQ(a->Nom, "Projet0001");
    EXPECT_EQ(c->NumEnregistrement, 3);
    EXPECT_EQ(ProjetActif(), c.get());
    const std::string dossier = std::filesystem::current_path().string();
    EXPECT_EQ(a->Fichier, dossier + "/Projet0001.vqp");

    b->Fermer();
    EXPECT_EQ(Projet(2).Calcul.NomProjet.str().substr(0, 5), "VIDE ");
    auto d = Nouveau();
    EXPECT_EQ(d->NumEnregistrement, 2);
    EXPECT_EQ(d->Nom, "Projet0002");
    EXPECT_EQ(Rogner(Projet(2).Calcul.NomProjet.str()), "Projet0002");

    // Destroying a project frees its record too.
    c.reset();
    EXPECT_TRUE(EstLibre(Projet(3)));
    EXPECT_EQ(ProjetActif(), d.get());
}

TEST_F(ComposantsTest, SystemSummaryForTheWindow) {
    struct Fenetre : FenetreProjet {
        void AfficherProjet() override { ++affichages; }
        void DefinirLegende(const std::string& l) override { legende = l; }
        void MontrerRapport(const RapportCalcul&) override { ++rapports; }
        int affichages = 0;
        int rapports = 0;
        std::string legende;
    } fenetre;
    clsprojet p;
    (void)p.Nouveau(&fenetre);
    AffichageSysteme a = p.Afficher();
    EXPECT_EQ(a.TypeSysteme, "CHAUFFE-EAU MONOBLOC");
    EXPECT_TRUE(a.ChauffeEau);
    EXPECT_FALSE(a.ElementsSepares);
    EXPECT_EQ(fenetre.legende, p.Fichier);

    p.Systeme->TypeSysteme(SystemeCapteurBallon);
    p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    p.Appoint->TypeAppoint = "Appoint intégré";
    a = p.Afficher();
    EXPECT_TRUE(a.ElementsSepares);
    EXPECT_TRUE(a.EfficaciteDetaillee);
    EXPECT_TRUE(a.Appoint);

    fenetre.rapports = 0;
    (void)p.SimulerORIN(false);
    EXPECT_EQ(fenetre.affichages, 0);
    (void)p.SimulerORIN(true);
    EXPECT_EQ(fenetre.affichages, 1);
    EXPECT_EQ(fenetre.rapports, 2); // each run's report, before its redisplay
    p.Fermer();
    EXPECT_EQ(p.Fenetre, nullptr);
    EXPECT_EQ(p.Capteurs, nullptr);
    EXPECT_TRUE(p.SimulerORIN(true).Messages().empty()); // a released project runs nothing
}
