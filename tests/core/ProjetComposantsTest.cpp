// The component objects' rules, as a person meets them in the project window.

#include "ProjetTest.h"
#include "common/Erreurs.h"

using ComposantsTest = ProjetTest;

TEST_F(ComposantsTest, SurfaceTapeeEnCapteursEntiers) {
    auto p = Nouveau();
    clsCapteurs& c = *p->Capteurs;
    // Model (area per collector), typed area, number of collectors, area kept.
    const std::tuple<const char*, float, int, float> cas[] = {
        {"Plan vitré", 10, 5, 10.5f},
        {"Plan vitré sélectif", 10, 5, 10.0f},
        {"Plan vitré sélectif", 5, 2, 4.0f}, // 2.5 collectors: halves to even
        {"Plan vitré sélectif", 7, 4, 8.0f},
        {"Inconnu", 7.3f, 4, 7.3f}}; // no area: as typed
    for (const auto& [modele, surface, nombre, gardee] : cas) {
        c.strType(modele);
        c.surface_totale(surface);
        EXPECT_EQ(c.nombre(), nombre) << modele << " " << surface;
        EXPECT_FLOAT_EQ(c.surface_totale(), gardee) << modele << " " << surface;
    }
    EXPECT_EQ(c.Bc, 0.0f); // the unknown model
    c.strType("Plan vitré sélectif");
    c.nombre(3);
    EXPECT_FLOAT_EQ(c.surface_totale(), 6.0f);
    // A number of collectors that cannot be held is refused without a change.
    EXPECT_THROW(c.surface_totale(1e9f), ErreurExecution);
    EXPECT_EQ(c.nombre(), 3);
}

TEST_F(ComposantsTest, InclinaisonOrientationEtSecondDebit) {
    auto p = Nouveau();
    clsCapteurs& c = *p->Capteurs;
    const std::pair<const char*, const char*> inclinaisons[] = {
        {"Vertical", "90"}, {"30.5", "30,5"}, {"pas une inclinaison", "0"}};
    for (const auto& [saisie, lue] : inclinaisons) {
        c.inclinaison(saisie);
        EXPECT_EQ(c.inclinaison(), lue) << saisie;
    }
    c.Orientation("Sud-Ouest");
    EXPECT_EQ(c.Orientation(), "45");
    // In the southern hemisphere the labels are those of the southern file.
    p->Meteo->Pays("Réunion");
    c.Orientation("Nord-Est");
    EXPECT_EQ(c.Orientation(), "135");
    c.Orientation("Sud-Ouest");
    EXPECT_EQ(c.Orientation(), "0");
    EXPECT_TRUE(notif.messages.empty());

    // The second flow is forced only while the first one is.
    clsBoucle& b = *p->Boucle;
    const std::tuple<const char*, const char*, const char*> debits[] = {
        {"Calc. simple", "Val. forcée", "Calc. simple"},
        {"Calc. simple", "Calc. détaillé", "Calc. détaillé"},
        {"Val. forcée", "Val. forcée", "Val. forcée"},
        {"Calc. détaillé", nullptr, "Calc. simple"}};
    for (const auto& [premier, second, lu] : debits) {
        b.TypeDeCalcul1(premier);
        if (second)
            b.TypeDeCalcul2(second);
        EXPECT_EQ(b.TypeDeCalcul2(), lu) << premier;
    }
}

TEST_F(ComposantsTest, TypeDeSystemeEtClassement) {
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

TEST_F(ComposantsTest, ModelesDesCataloguesEtCascadeDuSite) {
    auto p = Nouveau();
    // Defaults: the first entry of each catalogue.
    EXPECT_FLOAT_EQ(p->Capteurs->surface_totale(), 2.0f);
    EXPECT_FLOAT_EQ(p->Capteurs->ABEtap, 1.6f);
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

    clsMeteo& m = *p->Meteo;
    // The first country, its first department, that department's first station.
    EXPECT_EQ(m.Departement(), "Ain");
    EXPECT_EQ(m.station(), "Ambérieu");
    EXPECT_FLOAT_EQ(m.altitude_station_meteo, 250.0f);
    EXPECT_EQ(m.Distance_Mer_station_meteo, 4);
    EXPECT_FLOAT_EQ(static_cast<float>(m.TextStation.Item(12)), 2.5f);

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

TEST_F(ComposantsTest, EnregistrementsLibresReutilisesDuPlusHaut) {
    auto a = Nouveau();
    auto b = Nouveau();
    auto c = Nouveau();
    EXPECT_EQ(c->NumEnregistrement, 3);
    EXPECT_EQ(ProjetActif(), c.get());
    EXPECT_EQ(a->Fichier, std::filesystem::current_path().string() + "/Projet0001.vqp");

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
    EXPECT_EQ(NombreEnregistrements(), 3); // the table grew and stays
    EXPECT_THROW(Projet(0), ErreurIndice);
    EXPECT_THROW(Projet(4), ErreurIndice);
}

TEST(ChaineFixe, CompleteEtCoupeParCaracteres) {
    ChaineFixe<25> zone;
    zone = "Zone maritime";
    EXPECT_EQ(zone.str(), "Zone maritime" + std::string(12, ' '));
    Marque marque;
    marque = "éV"; // one character kept, though it takes two bytes
    EXPECT_EQ(marque.str(), "é");
    ChaineFixe<3> court;
    court = "àéèxyz";
    EXPECT_EQ(court.str(), "àéè");
}

TEST_F(ComposantsTest, ResumeDuSystemePourLaFenetre) {
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
    EXPECT_TRUE(a.ChauffeEau && !a.ElementsSepares);
    EXPECT_EQ(fenetre.legende, p.Fichier);

    p.Systeme->TypeSysteme(SystemeCapteurBallon);
    p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    p.Appoint->TypeAppoint = "Appoint intégré";
    a = p.Afficher();
    EXPECT_TRUE(a.ElementsSepares && a.EfficaciteDetaillee && a.Appoint);

    fenetre.rapports = 0;
    (void)p.SimulerORIN(false);
    EXPECT_EQ(fenetre.affichages, 0);
    (void)p.SimulerORIN(true);
    EXPECT_EQ(fenetre.affichages, 1);
    EXPECT_EQ(fenetre.rapports, 2); // each run's report, before its redisplay
    p.Fermer();
    EXPECT_TRUE(p.Fenetre == nullptr && p.Capteurs == nullptr);
    EXPECT_TRUE(p.SimulerORIN(true).Messages().empty()); // a released project runs nothing
}
