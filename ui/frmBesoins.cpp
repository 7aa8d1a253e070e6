#include "ui/frmBesoins.h"

#include "data/modTexte.h"
#include "engine/modCalculBilan.h"
#include "project/clsBesoin.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/Dialogues.h"
#include "ui/frmBesoinsFoyer.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int LargeurChamp = 720; // twips, for "10000" in bold Arial 8

} // namespace

frmBesoins::frmBesoins(clsBesoin& besoin, QWidget* parent) : QDialog(parent), besoin_(besoin) {
    setWindowTitle(QStringLiteral("Besoins"));
    CreerSerie(conso_, "txtConso", "txtMoyConso");
    CreerSerie(teau_, "txtTeau", "txtMoyTeau");

    auto* cadre = new QGroupBox(QStringLiteral("BESOINS"));
    auto* grille = new QGridLayout(cadre);
    grille->setHorizontalSpacing(PixelsX(60));
    auto* titre = new QLabel(QStringLiteral("Besoins"));
    titre->setObjectName(QStringLiteral("lblBesoins"));
    grille->addWidget(titre, 0, 0, 1, 12);
    for (int m = 1; m <= 12; ++m)
        grille->addWidget(EnteteMois(m), 1, m - 1);
    auto ligne = [&](Serie& s, const char* entete, int rang) {
        grille->addWidget(new QLabel(QString::fromUtf8(entete)), rang, 0, 1, 12);
        auto* moyenne = new QLabel(QStringLiteral("moyenne"));
        moyenne->setAlignment(Qt::AlignCenter);
        grille->addWidget(moyenne, rang, 13);
        for (int m = 0; m < 12; ++m)
            grille->addWidget(s.mois[static_cast<std::size_t>(m)], rang + 1, m);
        grille->addWidget(s.moyenne, rang + 1, 13);
    };
    ligne(conso_, "Consommation journalière [l/j]", 2);
    ligne(teau_, "Température de l'eau chaude [°C]", 4);
    // The averages stand apart from the months they summarise.
    grille->setColumnMinimumWidth(12, PixelsX(120));

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    ok_ = boutons.ok;
    // The household assistant fills the consumptions from the occupants.
    auto* foyer = new QPushButton(QStringLiteral("Besoins d'un foyer..."), this);
    foyer->setObjectName(QStringLiteral("cmdFoyer"));
    foyer->setAutoDefault(false);
    boutons.rangee->insertWidget(0, foyer);
    connect(foyer, &QPushButton::clicked, this, [this] { OuvrirBesoinsFoyer(*this, besoin_); });
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre);
    disposition->addLayout(boutons.rangee);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    StylerFenetre(this);
    Afficher();
    Relier(conso_);
    Relier(teau_);
    for (const auto& [serie, cle] : {std::pair{&conso_, "Besoin:Conso"}, {&teau_, "Besoin:Tref"}}) {
        ReglerChamp(serie->moyenne, cle);
        for (ChampSaisie* champ : serie->mois)
            ReglerChamp(champ, cle);
    }
}

void frmBesoins::CreerSerie(Serie& serie, const char* nom, const char* nomMoyenne) {
    for (int m = 1; m <= 12; ++m) {
        auto* champ = new ChampSaisie(ChampSaisie::Genre::Numerique);
        champ->setObjectName(QString::fromLatin1(nom) + QString::number(m));
        // Enter belongs to the dialog: it confirms it.
        champ->DefinirValidationEntree(false);
        champ->setFixedWidth(PixelsX(LargeurChamp));
        serie.mois[static_cast<std::size_t>(m - 1)] = champ;
    }
    serie.moyenne = new ChampSaisie(ChampSaisie::Genre::Numerique);
    serie.moyenne->setObjectName(QString::fromLatin1(nomMoyenne));
    serie.moyenne->DefinirValidationEntree(false);
    serie.moyenne->setFixedWidth(PixelsX(LargeurChamp));
}

void frmBesoins::Relier(Serie& serie) {
    // On every change, including the numeric check's "0": the average follows a
    // month, and the months follow an average the person types.
    for (ChampSaisie* champ : serie.mois) {
        connect(champ, &QLineEdit::textChanged, this, [this, &serie] {
            if (!programme_)
                CalculerMoyenne(serie);
        });
    }
    connect(serie.moyenne, &QLineEdit::textChanged, this, [this, &serie] {
        if (!programme_)
            CopierMoyenne(serie);
    });
}

void frmBesoins::Afficher() {
    EcritureProgramme p(programme_);
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        conso_.mois[i]->AfficherValeur(m <= besoin_.Conso.Count() ? besoin_.Conso.Item(m) : 0,
                                       FormatAffichage::Entier);
        teau_.mois[i]->AfficherValeur(m <= besoin_.Tref.Count() ? besoin_.Tref.Item(m) : 0,
                                      FormatAffichage::Entier);
    }
    CalculerMoyenne(conso_);
    CalculerMoyenne(teau_);
}

void frmBesoins::CalculerMoyenne(Serie& serie) {
    double somme = 0;
    for (const ChampSaisie* champ : serie.mois)
        somme += champ->Valeur();
    EcritureProgramme p(programme_);
    serie.moyenne->AfficherValeur(somme / 12.0, FormatAffichage::Entier);
}

void frmBesoins::CopierMoyenne(Serie& serie) {
    EcritureProgramme p(programme_);
    for (ChampSaisie* champ : serie.mois)
        champ->Saisir(serie.moyenne->text());
}

void frmBesoins::accept() {
    std::vector<ControleChamp> controles;
    for (int m = 1; m <= 12; ++m) {
        controles.push_back({txtConso(m), "Besoin:Conso", NomMois(m)});
        controles.push_back({txtTeau(m), "Besoin:Tref", NomMois(m)});
    }
    if (!ControlerChamps(controles))
        return;
    ViderCollection(besoin_.Conso);
    ViderCollection(besoin_.Tref);
    for (std::size_t i = 0; i < 12; ++i) {
        besoin_.Conso.Add(conso_.mois[i]->Valeur());
        besoin_.Tref.Add(teau_.mois[i]->Valeur());
    }
    QDialog::accept();
}

void OuvrirBesoins(clsprojet& projet, QWidget* parent) {
    if (!projet.Besoin)
        return;
    frmBesoins dialogue(*projet.Besoin, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
