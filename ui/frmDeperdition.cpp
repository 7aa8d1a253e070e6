#include "ui/frmDeperdition.h"

#include "data/modDonnees.h"
#include "data/modTexte.h"
#include "project/clsBoucle.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmChoix.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The insulation materials, choice list 29.
constexpr int ListeIsolants = 29;

ChampSaisie* Champ(const char* nom) {
    auto* c = new ChampSaisie(ChampSaisie::Genre::Numerique);
    c->setObjectName(QString::fromLatin1(nom));
    c->DefinirValidationEntree(false);
    c->setFixedWidth(PixelsX(1000));
    return c;
}

// A conductivity has its significant digits in the thousandths (0,038): it is shown
// in full rather than rounded to two decimals.
QString Conductivite(double valeur) {
    return QString::fromStdString(FormatNombre(valeur));
}
} // namespace

frmDeperdition::frmDeperdition(clsBoucle& boucle, QWidget* parent)
    : QDialog(parent), boucle_(boucle), txtL_(Champ("txtL")), txtPhit_(Champ("txtPhit")),
      txtEit_(Champ("txtEit")), txtLit_(Champ("txtLit")),
      picIsolant_(CreerBoutonChoix("pic29", QStringLiteral("Isolant"))) {
    setWindowTitle(QStringLiteral("Déperdition thermique"));
    auto* cadre = new QGroupBox(QStringLiteral("Déperdition thermique"));
    auto* grille = new QGridLayout(cadre);
    const auto ligne = [&](const char* libelle, ChampSaisie* champ, int rang) {
        grille->addWidget(new QLabel(QString::fromUtf8(libelle)), rang, 0);
        grille->addWidget(champ, rang, 1);
    };
    ligne("Longeur ext. [m]", txtL_, 0);
    ligne("Diamètre ext. [mm]", txtPhit_, 1);
    ligne("Epaiss. isol. [mm]", txtEit_, 2);
    ligne("Cond. therm. isolant [W/(m.K)]", txtLit_, 3);
    ReglerChamp(txtL_, "Déperdition:L");
    ReglerChamp(txtPhit_, "Déperdition:Phit");
    ReglerChamp(txtEit_, "Déperdition:eit");
    ReglerChamp(txtLit_, "Déperdition:Lit");
    grille->addWidget(picIsolant_, 3, 2);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre);
    disposition->addLayout(boutons.rangee);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    StylerFenetre(this);
    StylerBoutonImage(picIsolant_);
    AfficherDeperdition();
    connect(picIsolant_, &QToolButton::clicked, this, [this] {
        if (ChoisirDansListe(ListeIsolants, picIsolant_) != "-1")
            ChoisirIsolant(ChoixIndex);
    });
}

void frmDeperdition::AfficherDeperdition() {
    txtEit_->AfficherValeur(boucle_.eit, FormatAffichage::DeuxDecimales);
    txtL_->AfficherValeur(boucle_.L, FormatAffichage::DeuxDecimales);
    txtLit_->AfficherTexte(Conductivite(boucle_.Lit));
    txtPhit_->AfficherValeur(boucle_.Phit, FormatAffichage::DeuxDecimales);
}

void frmDeperdition::ChoisirIsolant(int index) {
    const int entree = index + 1;
    if (entree < 1 || entree >= static_cast<int>(TableISTuyaux.size()))
        return;
    double conductivite = 0;
    LireValeursTable(TableISTuyaux, entree, {&conductivite});
    txtLit_->Saisir(Conductivite(conductivite));
}

void frmDeperdition::accept() {
    if (!ControlerChamps({{txtL_, "Déperdition:L"},
                          {txtPhit_, "Déperdition:Phit"},
                          {txtEit_, "Déperdition:eit"},
                          {txtLit_, "Déperdition:Lit"}}))
        return;
    // Only what the person changed is written back.
    const auto lire = [](const ChampSaisie* c, float& valeur) {
        if (c->Edite())
            valeur = static_cast<float>(c->Valeur());
    };
    lire(txtL_, boucle_.L);
    lire(txtPhit_, boucle_.Phit);
    lire(txtEit_, boucle_.eit);
    lire(txtLit_, boucle_.Lit);
    QDialog::accept();
}

void OuvrirDeperdition(clsprojet& projet, QWidget* parent) {
    if (!projet.Boucle)
        return;
    frmDeperdition dialogue(*projet.Boucle, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
