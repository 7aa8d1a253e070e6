#include "Captures.h"
#include "data/ModCollection.h"
#include "project/clsMasque.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/frmBesoins.h"
#include "ui/frmCapteursCertifies.h"
#include "ui/frmDebitEnergetique.h"
#include "ui/frmDeperdition.h"
#include "ui/frmEconomie.h"
#include "ui/frmMasques.h"
#include "ui/frmStation.h"

#include <QComboBox>
#include <QTableView>
#include <fstream>

namespace {
bool Montrer(QWidget& w, const QString& sortie, const char* nom) {
    w.show();
    Attendre();
    return Capturer(w, sortie, nom);
}

// A library of two certified collectors, the second chosen.
bool CapteursCertifies(clsprojet& projet, const QString& sortie, const std::string& donnees) {
    const std::string csv = donnees + "/fiches.csv";
    std::ofstream(csv) << "nom;type;eta0_hem;eta0_b;kd;a1;a2;k50;surface_brute;surface_ouverture\n"
                          "Soléo Plan 25;plan;0,78;;;3,5;0,015;0,94;2,51;2,32\n"
                          "Tube CPC 18;tubes;;0,62;0,95;0,9;0,004;0,98;3,1;2,8\n";
    frmCapteursCertifies f(projet);
    if (!f.Importer(QString::fromStdString(csv)))
        return false;
    f.txtRecherche()->setText(QStringLiteral("tube"));
    f.lstCapteurs()->selectRow(0);
    return Montrer(f, sortie, "dialogue-capteurs-certifies.png");
}
} // namespace

bool CapturerDialogues(const QString& sortie, const std::string& donnees) {
    clsprojet projet;
    (void)projet.Nouveau();
    bool fait = CapteursCertifies(projet, sortie, donnees);

    projet.Besoin->Conso.Item(1) = 10000; // the widest values
    projet.Besoin->Tref.Item(1) = -10;
    frmBesoins besoins(*projet.Besoin);
    besoins.txtTeau(2)->setText(QStringLiteral("55")); // typed: orange
    fait = Montrer(besoins, sortie, "dialogue-besoins.png") && fait;

    clsBoucle boucle;
    boucle.Debit_Total = 12345.67f;
    boucle.cp = 1.16f;
    boucle.L = 25;
    boucle.Phit = 22;
    boucle.eit = 13;
    boucle.Lit = 0.038f;
    frmDebitEnergetique debit(boucle, 1);
    fait = Montrer(debit, sortie, "dialogue-debit.png") && fait;
    frmDeperdition deperdition(boucle);
    fait = Montrer(deperdition, sortie, "dialogue-deperdition.png") && fait;

    clsMasque& masque = *projet.Masque; // the project's: its station gives the sun's paths
    frmMasques deux(masque);
    fait = Montrer(deux, sortie, "dialogue-masques-2.png") && fait;
    masque.NbPoints = 20;
    ViderCollection(masque.Masque_Angle);
    ViderCollection(masque.Masque_Hauteur);
    for (int i = 0; i < 20; ++i) {
        masque.Masque_Angle.Add(-130 + 260.0 / 19 * i);
        masque.Masque_Hauteur.Add(i < 10 ? 2.0 * i : 40.0 - 3 * (i - 10));
    }
    frmMasques vingt(masque);
    fait = Montrer(vingt, sortie, "dialogue-masques-20.png") && fait;

    frmEconomie economie(projet);
    economie.ChoisirEnergie(economie.cmbEnergie()->findText(QStringLiteral("Gaz naturel")));
    economie.AjouterAide(1);
    fait = Montrer(economie, sortie, "dialogue-economie.png") && fait;

    projet.Meteo->Pays("France métropolitaine");
    projet.Meteo->Departement("Stations utilisateur");
    frmStation station(projet);
    station.txtText(1)->setText(QStringLiteral("-12,35")); // the widest temperature
    fait = Montrer(station, sortie, "dialogue-station.png") && fait;
    projet.Fermer();
    return fait;
}
