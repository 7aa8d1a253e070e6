#include "engine/modCalculMeteo.h"

#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "engine/modCalcul.h"
#include "engine/modSoleil.h"

#include <cmath>

namespace {
void ChargerSerie(const char* nom, NumeroMessage messageVide, TableauMois& cible,
                  RapportCalcul& rapport) {
    const FichierSoleil fichier = TrouverFichierSoleil(nom);
    const SerieSoleil* serie = LireSerieSoleil(fichier);
    if (!serie) {
        rapport.Numerote(NumeroMessage::FichierIntrouvable, {fichier.chemin});
        throw ErreurFichier("Impossible d'ouvrir le fichier " + CiterChemin(fichier.chemin) + ".");
    }
    if (serie->premiereLigneVide)
        rapport.Numerote(messageVide);
    MontrerConversions(serie->ligne, rapport);
    for (int m = 1; m <= 12; ++m)
        cible[m] = serie->ligne.valeurs[m];
}

// Inside the table method a failing operation is skipped: the value is written only
// when it is a finite Single.
void AffecterSiFini(float& cible, double valeur) {
    const float simple = ArrondiSimple(valeur);
    if (EstFini(simple))
        cible = simple;
}

// A Soleil file of the table method, message 44 when it is missing or cannot be
// read; its rows then read as empty.
template <class T>
const T* LireFichierPiege(const FichierSoleil& fichier, const T* (*lire)(const FichierSoleil&),
                          RapportCalcul& rapport) {
    try {
        if (const T* lu = lire(fichier))
            return lu;
    } catch (const ErreurFichier&) {
    }
    rapport.Numerote(NumeroMessage::FichierIntrouvable, {fichier.chemin});
    return nullptr;
}

// The four G_ files of the site's two latitude bands, in the order b/30, b/60,
// b+5/30, b+5/60 (nullptr: empty rows).
struct TablesG {
    int16_t bande = 0;
    std::array<const FichierG*, 4> fichiers{};
};

TablesG ChargerTablesG(float latitude, RapportCalcul& rapport) {
    TablesG t;
    t.bande = BandeLatitude(latitude);
    for (std::size_t i = 0; i < 4; ++i) {
        const int bande = t.bande + (i < 2 ? 0 : 5);
        const char* inclinaison = i % 2 == 0 ? "_30.don" : "_60.don";
        const FichierSoleil fichier =
            TrouverFichierSoleil("G_" + std::to_string(bande) + inclinaison);
        t.fichiers[i] = LireFichierPiege(fichier, LireFichierG, rapport);
    }
    return t;
}

// The value of one table for month m, interpolated between the two clearness rows.
double ValeurTable(const FichierG* fichier, int bloc, int m, const ClasseClarte& classe, float KT,
                   RapportCalcul& rapport) {
    if (!fichier)
        return 0.0;
    const ValeursLues& bas = fichier->blocs[bloc][classe.ligne];
    const ValeursLues& haut = fichier->blocs[bloc][classe.ligne + 1];
    MontrerConversion(bas, m, rapport);
    MontrerConversion(haut, m, rapport);
    const double vBas = bas.valeurs[m];
    const double vHaut = haut.valeurs[m];
    return ArrondiSimple(vBas + (vHaut - vBas) * (static_cast<double>(KT) - classe.valeur) / 0.02);
}

// One band and one tilt (30° or 60°), blended between orientation 0° and 45°.
double ValeurOrientee(const FichierG* fichier, const EnregistrementCalcul& c, int m,
                      const ClasseClarte& classe, RapportCalcul& rapport) {
    const float KT = c.R[m];
    const double a = ValeurTable(fichier, 0, m, classe, KT, rapport);
    const double b = ValeurTable(fichier, 1, m, classe, KT, rapport);
    return ArrondiSimple(a + (b - a) * std::fabs(c.Orientation) / 45);
}

// The plane irradiation of one band (0: b, 1: b + 5) for the tilt β > 30.
double ValeurBande(const TablesG& t, int bande, const EnregistrementCalcul& c, int m,
                   const ClasseClarte& classe, RapportCalcul& rapport) {
    const double beta = c.inclinaison;
    const double w60 = ValeurOrientee(t.fichiers[2 * bande + 1], c, m, classe, rapport);
    if (beta == 60)
        return w60;
    const double w30 = ValeurOrientee(t.fichiers[2 * bande], c, m, classe, rapport);
    return ArrondiSimple(w30 + (w60 - w30) * (beta - 30) / 30);
}

double ValeurBande30(const TablesG& t, int bande, const EnregistrementCalcul& c, int m,
                     const ClasseClarte& classe, RapportCalcul& rapport) {
    return ValeurOrientee(t.fichiers[2 * bande], c, m, classe, rapport);
}

double EntreBandes(const TablesG& t, float latitude, double g0, double g1) {
    return g0 + (g1 - g0) * (static_cast<double>(latitude) - t.bande) / 5;
}

// G_l_i_g_R of month m by the tilt cases; nothing for a negative tilt.
void ValeurPlan(const TablesG& t, EnregistrementCalcul& c, int m, RapportCalcul& rapport) {
    const float beta = c.inclinaison;
    const ClasseClarte classe = ClasseDeClarte(c.R[m]);
    const double gh0 = static_cast<double>(c.Gh[m]) * 0.88 * c.Nj[m];
    if (beta > 30) {
        AffecterSiFini(c.G_l_i_g_R[m],
                       EntreBandes(t, c.Latitude, ValeurBande(t, 0, c, m, classe, rapport),
                                   ValeurBande(t, 1, c, m, classe, rapport)));
    } else if (beta > 0) {
        const double g30 = EntreBandes(t, c.Latitude, ValeurBande30(t, 0, c, m, classe, rapport),
                                       ValeurBande30(t, 1, c, m, classe, rapport));
        AffecterSiFini(c.G_l_i_g_R[m], beta == 30 ? g30 : gh0 + (g30 - gh0) * beta / 30);
    } else if (beta == 0) {
        AffecterSiFini(c.G_l_i_g_R[m], gh0);
    }
}

// Angular factor row of latitude block L (0: 60°, 1: 45°, 2: 0°) for the tilt β.
double FacteurBloc(const MatriceAlpha* matrice, std::size_t L, float beta, int m) {
    if (!matrice)
        return 0.0;
    const double r0 = matrice->rangees[L][0].valeurs[m];
    const double r45 = matrice->rangees[L][1].valeurs[m];
    const double r90 = matrice->rangees[L][2].valeurs[m];
    if (beta > 45)
        return ArrondiSimple(r45 + (r90 - r45) * (beta - 45) / 45);
    return ArrondiSimple(r0 + (r45 - r0) * beta / 45);
}

void FacteurAngulaire(EnregistrementCalcul& c, TableauMois& AlphaMois, bool ecrirePlan,
                      RapportCalcul& rapport) {
    const MatriceAlpha* matrice =
        LireFichierPiege(TrouverFichierSoleil("MatAlpha.don"), LireMatriceAlpha, rapport);
    if (matrice) {
        for (const auto& latitude : matrice->rangees)
            for (const auto& rangee : latitude)
                MontrerConversions(rangee, rapport);
    }
    const float beta = c.inclinaison;
    for (int m = 1; m <= 12; ++m) {
        if (c.Type_Capteur == 3) {
            AlphaMois[m] = 1;
            continue;
        }
        const double a60 = FacteurBloc(matrice, 0, beta, m);
        const double a45 = FacteurBloc(matrice, 1, beta, m);
        const double a0 = FacteurBloc(matrice, 2, beta, m);
        const double lat = c.Latitude;
        AffecterSiFini(AlphaMois[m], lat <= 45 ? a0 + (a45 - a0) * lat / 45
                                               : a45 + (a60 - a45) * (lat - 45) / 15);
        if (ecrirePlan)
            AffecterSiFini(c.G_l_i_g_R[m], c.G_l_i_g_R[m] / 0.88 * AlphaMois[m]);
    }
}
} // namespace

int16_t BandeLatitude(float latitude) {
    const double bande = std::floor(latitude / 5.0) * 5;
    // An impossible latitude would overflow the Integer; the trapped fault leaves 0.
    if (!(bande >= -32768 && bande <= 32762))
        return 0;
    return static_cast<int16_t>(bande);
}

ClasseClarte ClasseDeClarte(float KT) {
    if (!std::isfinite(KT) || KT < 0.38f)
        return {1, 0.38f};
    if (KT >= 0.72f)
        return {17, 0.70f};
    const int n = static_cast<int>(std::floor(static_cast<double>(KT) / 0.02));
    return {n - 18, static_cast<float>(n * 0.02)};
}

void ChargerDonneesSoleil(EnregistrementCalcul& c, RapportCalcul& rapport) {
    ChargerSerie("Cs.Don", NumeroMessage::CsVide, c.Cs, rapport);
    ChargerSerie("alphaG.don", NumeroMessage::AlphaGVide, c.AlphagG, rapport);
    ChargerSerie("delta.don", NumeroMessage::DeltaVide, c.Delta, rapport);
    ChargerSerie("Nj.don", NumeroMessage::NjVide, c.Nj, rapport);
}

void CorrigerTemperatureAltitude(EnregistrementCalcul& c, const EnregistrementEntrees& e) {
    const double hauteur = static_cast<double>(e.Altitude) - e.altitude_station_meteo;
    for (int m = 1; m <= 12; ++m)
        c.Text[m] = VersSimple(c.TextStation[m] - hauteur * 4.5 / 1000, "Text");
}

void CalculerR(EnregistrementCalcul& c) {
    const double pi = Pi();
    const double phi = pi * c.Latitude / 180;
    for (int m = 1; m <= 12; ++m) {
        const double delta = pi * c.Delta[m] / 180;
        const double x = -DivisionSure(std::sin(phi), std::cos(phi), "R") *
                         DivisionSure(std::sin(delta), std::cos(delta), "R");
        // The sunset hour angle is kept in degrees as a Single.
        const float omegaDegres = VersSimple(ArcCos(VersSimple(x, "R")) * 180 / pi, "R");
        const double omega = omegaDegres * pi / 180;
        const double H0 = c.Cs[m] * 0.024 / pi *
                          (omega * std::sin(phi) * std::sin(delta) +
                           std::cos(phi) * std::cos(delta) * std::sin(omega));
        c.R[m] = VersSimple(DivisionSure(c.Gh[m], H0, "R"), "R");
    }
}

void CalculerGPlan(EnregistrementCalcul& c, TableauMois& AlphaMois, RapportCalcul& rapport) {
    const bool ecrirePlan = c.inclinaison >= 0;
    const TablesG tables = ChargerTablesG(c.Latitude, rapport);
    if (ecrirePlan) {
        for (int m = 1; m <= 12; ++m)
            ValeurPlan(tables, c, m, rapport);
        for (int m = 1; m <= 12; ++m)
            AffecterSiFini(c.G_l_i_g_R[m], static_cast<double>(c.G_l_i_g_R[m]) / c.Alpha);
    }
    FacteurAngulaire(c, AlphaMois, ecrirePlan, rapport);
    if (ecrirePlan && EgalSansCasse(Rogner(c.Hemisphere.str()), "S")) {
        for (int m = 1; m <= 12; ++m)
            AffecterSiFini(c.G_l_i_g_R[m], static_cast<double>(c.AlphagG[m]) * c.G_l_i_g_R[m]);
    }
}

void CalculerEm(EnregistrementCalcul& c) {
    const double pi = Pi();
    for (int m = 1; m <= 12; ++m) {
        const double angle =
            pi * (60 - std::fabs(static_cast<double>(c.Latitude)) + c.Delta[m]) / 100;
        c.Em[m] = VersSimple(800 * std::sin(angle) + 650, "Em");
    }
}

void CalculerDT1(EnregistrementCalcul& c) {
    c.Zone.ValStr = Majuscules(c.Zone.ValStr);
    const double ecart = EgalSansCasse(Rogner(c.Zone.ValStr.str()), "ZONE MARITIME") ? 2.0 : 4.0;
    for (int m = 1; m <= 12; ++m)
        c.DT1[m] = VersSimple(c.Text[m] + ecart - c.Tef[m], "DT1");
}

void CalculerDT2(EnregistrementCalcul& c) {
    for (int m = 1; m <= 12; ++m)
        c.DT2[m] = VersSimple(static_cast<double>(c.TLocal[m]) - c.Tef[m], "DT2");
}

void CalculerDT(EnregistrementCalcul& c) {
    for (int m = 1; m <= 12; ++m)
        c.DT[m] = VersSimple(static_cast<double>(c.Tref[m]) - c.Tef[m], "DT");
}
