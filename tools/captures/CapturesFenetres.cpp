#include "Captures.h"
#include "data/ModCollection.h"
#include "ui/GraphiqueBilan.h"
#include "ui/ProjetFenetre.h"
#include "ui/frmChoix.h"
#include "ui/frmDimensionnement.h"
#include "ui/frmMain.h"
#include "ui/frmOptions.h"
#include "ui/frmProjet.h"
#include "ui/frmSplash.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <iostream>

bool Capturer(QWidget& fenetre, const QString& sortie, const char* nom) {
    if (fenetre.grab().save(sortie + QLatin1Char('/') + QString::fromLatin1(nom)))
        return true;
    std::cerr << "Capture impossible : " << nom << '\n';
    return false;
}

namespace {
// A household of four on collectors and a tank with a built-in auxiliary, a detailed
// loop efficiency with a separate exchanger, and a low horizon mask to the east.
void SystemeCapteursBallon(clsprojet& p) {
    p.Systeme->TypeSysteme("SYSTEME CAPTEUR BALLON");
    p.Capteurs->nombre(2);
    p.Ballon->TypeBallon("Ballon solaire 300 l");
    p.Appoint->TypeAppoint = "Appoint intégré";
    p.Boucle->TypeDeCalculEfficacite = "Calc. détaillé";
    p.Echangeur->PresenceEchangeur = "Echangeur";
    p.Masque->Masque_Existe = 1;
    ViderCollection(p.Masque->Masque_Angle);
    ViderCollection(p.Masque->Masque_Hauteur);
    const double angles[] = {-130, -90, -60, -30, 0, 30, 130};
    const double hauteurs[] = {0, 12, 18, 8, 4, 2, 0};
    for (int i = 0; i < 7; ++i) {
        p.Masque->Masque_Angle.Add(angles[i]);
        p.Masque->Masque_Hauteur.Add(hauteurs[i]);
    }
    p.Masque->NbPoints = 7;
}

ProjetFenetre* Nouveau(frmMain& f) {
    auto* p = static_cast<ProjetFenetre*>(f.LoadNewDoc());
    f.Zone()->currentSubWindow()->move(0, 0);
    RemplirCollection(p->Projet().Besoin->Conso, 200.0, 12);
    return p;
}

// On a 1920 x 1080 screen: the project window as it opens, then maximised, its chart
// grown with it; the Window menu listing both projects.
bool CapturerGrandEcran(const QString& sortie) {
    FabriqueProjetsFenetres fabrique;
    frmMain f(fabrique);
    f.setGeometry(0, 0, 1920, 1080);
    f.show();
    Attendre();
    ProjetFenetre* chauffeEau = Nouveau(f);
    chauffeEau->Annuler();
    ProjetFenetre* capteurs = Nouveau(f);
    SystemeCapteursBallon(capteurs->Projet());
    capteurs->Annuler();
    Attendre();
    bool fait = Capturer(f, sortie, "grand-projet.png");
    f.Zone()->currentSubWindow()->showMaximized();
    Attendre();
    fait = Capturer(f, sortie, "grand-projet-maximise.png") && fait;
    auto* menu = f.findChild<QMenu*>(QStringLiteral("mnuWindow"));
    if (menu != nullptr) {
        menu->popup(f.mapToGlobal(QPoint(300, 20)));
        fait = Attendre() && Capturer(*menu, sortie, "menu-fenetre.png") && fait;
        menu->hide();
    }
    return fait;
}

} // namespace

bool Attendre() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    return true;
}

bool CapturerFenetres(const QString& sortie) {
    FabriqueProjetsFenetres fabrique;
    frmMain f(fabrique);
    f.setGeometry(0, 0, 1280, 800);
    f.show();
    bool fait = Attendre() && Capturer(f, sortie, "principal-vide.png");

    ProjetFenetre* chauffeEau = Nouveau(f);
    chauffeEau->Annuler(); // recalculated and redisplayed
    Attendre();
    fait = Capturer(f, sortie, "projet-chauffe-eau.png") && fait;
    fait = Capturer(*chauffeEau->Formulaire()->Defilement()->widget(), sortie,
                    "feuille-chauffe-eau.png") &&
           fait;

    ProjetFenetre* capteurs = Nouveau(f);
    SystemeCapteursBallon(capteurs->Projet());
    capteurs->Annuler();
    Attendre();
    frmProjet& feuille = *capteurs->Formulaire();
    fait = Capturer(f, sortie, "projet-capteurs-ballon.png") && fait;
    fait = Capturer(*feuille.Defilement()->widget(), sortie, "feuille-capteurs-ballon.png") && fait;
    feuille.Defilement()->ensureWidgetVisible(feuille.Bilan()); // the last section in view
    Attendre();
    fait = Capturer(f, sortie, "projet-capteurs-ballon-resultats.png") && fait;
    feuille.picSBesoin_Click(); // meteorology, needs and the system's sections folded
    feuille.picSSysteme_Click();
    Attendre();
    fait = Capturer(f, sortie, "projet-replie.png") && fait;
    feuille.findChild<QPushButton*>(QStringLiteral("cmdDimensionnement"))->click();
    if (auto* d = feuille.findChild<frmDimensionnement*>()) {
        fait = Attendre() && Capturer(*d, sortie, "dialogue-dimensionnement.png") && fait;
        // A target the curves reach at their right end: its label goes elsewhere.
        d->DefinirCible(80);
        fait = Attendre() && Capturer(*d, sortie, "dialogue-dimensionnement-80.png") && fait;
    }

    fait = CapturerGrandEcran(sortie) && fait;

    auto* menu = f.findChild<QMenu*>(QStringLiteral("mnuFile"));
    menu->popup(f.mapToGlobal(QPoint(0, 20)));
    fait = Attendre() && Capturer(*menu, sortie, "menu-fichier.png") && fait;
    menu->hide();

    frmSplash apropos;
    apropos.show();
    fait = Capturer(apropos, sortie, "a-propos.png") && fait;
    frmOptions options;
    options.show();
    fait = Capturer(options, sortie, "options.png") && fait;
    frmChoix choix;
    choix.FillIn({"Calc. simple", "Calc. détaillé", "Val. forcée", "--", "Autre"});
    choix.show();
    return Capturer(choix, sortie, "choix.png") && fait;
}
