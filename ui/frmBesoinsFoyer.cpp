#include "ui/frmBesoinsFoyer.h"

#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "engine/modCalculBilan.h"
#include "project/ReglesSaisie.h"
#include "project/clsBesoin.h"
#include "project/clsMeteo.h"
#include "project/clsprojet.h"
#include "project/modBesoinsFoyer.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/frmBesoins.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
ChampSaisie* Champ(const char* nom, int largeur) {
    auto* champ = new ChampSaisie(ChampSaisie::Genre::Numerique);
    champ->setObjectName(QString::fromLatin1(nom));
    champ->DefinirValidationEntree(false); // Enter belongs to the dialog
    champ->setFixedWidth(PixelsX(largeur));
    return champ;
}

QLabel* Mois(QGridLayout* grille, int rang, int mois, double valeur) {
    auto* l = new QLabel(TexteFormate(valeur, FormatAffichage::Entier));
    l->setAlignment(Qt::AlignCenter);
    grille->addWidget(l, rang, mois);
    return l;
}
} // namespace

frmBesoinsFoyer::frmBesoinsFoyer(const std::array<float, 13>& tref,
                                 const std::array<float, 13>& tef, QWidget* parent)
    : QDialog(parent), tref_(tref), tef_(tef) {
    setWindowTitle(QStringLiteral("Besoins d'un foyer"));
    auto* formule = new QLabel(QStringLiteral(
        "Consommation du mois = V(Tref) = V(40) × (40 − Tef) / (Tref − Tef), au moins 1 l/j,"));
    formule->setObjectName(QStringLiteral("lblFormule"));
    auto* v40 = new QLabel(
        QStringLiteral("avec V(40) = occupants × litres par personne × occupation du mois."));
    erreur_ = new QLabel;
    erreur_->setObjectName(QStringLiteral("lblErreur"));
    erreur_->setStyleSheet(QStringLiteral("color: #B00000;"));
    erreur_->setWordWrap(true);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    boutons.ok->setText(QStringLiteral("Appliquer"));
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(CreerFoyer());
    disposition->addWidget(CreerMois());
    disposition->addWidget(formule);
    disposition->addWidget(v40);
    disposition->addWidget(erreur_);
    disposition->addLayout(boutons.rangee);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
    StylerFenetre(this);

    // StylerFenetre empties the fields: the defaults go in afterwards.
    occupants_->AfficherTexte(QStringLiteral("4"));
    surface_->AfficherTexte(QStringLiteral("100"));
    litres_->AfficherValeur(LitresParPersonne40, FormatAffichage::Entier);
    for (ChampSaisie* champ : occupation_)
        champ->AfficherTexte(QStringLiteral("100"));
    const auto recalculer = [this] { Calculer(false); };
    for (ChampSaisie* champ : findChildren<ChampSaisie*>())
        connect(champ, &QLineEdit::textChanged, this, recalculer);
    connect(optSurface_, &QRadioButton::toggled, this, recalculer);
    connect(logement_, &QComboBox::currentIndexChanged, this, recalculer);
    Calculer(false);
}

QWidget* frmBesoinsFoyer::CreerFoyer() {
    auto* cadre = new QGroupBox(QStringLiteral("Foyer"));
    auto* g = new QGridLayout(cadre);
    optOccupants_ = new QRadioButton(QStringLiteral("Nombre d'occupants"));
    optOccupants_->setObjectName(QStringLiteral("optOccupants"));
    optOccupants_->setChecked(true);
    optSurface_ = new QRadioButton(QStringLiteral("Surface habitable [m²]"));
    optSurface_->setObjectName(QStringLiteral("optSurface"));
    occupants_ = Champ("txtOccupants", 900);
    ReglerChamp(occupants_, "Foyer:Occupants");
    surface_ = Champ("txtSurface", 900);
    ReglerChamp(surface_, "Foyer:Surface");
    logement_ = new QComboBox;
    logement_->setObjectName(QStringLiteral("cmbLogement"));
    logement_->addItems({QStringLiteral("Maison individuelle"), QStringLiteral("Appartement")});
    nadeq_ = new QLabel;
    nadeq_->setObjectName(QStringLiteral("lblNadeq"));
    litres_ = Champ("txtLitres", 900);
    ReglerChamp(litres_, "Foyer:LitresParPersonne");
    g->addWidget(optOccupants_, 0, 0);
    g->addWidget(occupants_, 0, 1);
    g->addWidget(optSurface_, 1, 0);
    g->addWidget(surface_, 1, 1);
    g->addWidget(logement_, 1, 2);
    g->addWidget(nadeq_, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("Litres par personne et par jour à 40 °C")), 2, 0);
    g->addWidget(litres_, 2, 1);
    g->setColumnStretch(4, 1);
    return cadre;
}

QWidget* frmBesoinsFoyer::CreerMois() {
    auto* cadre = new QGroupBox(QStringLiteral("Mois"));
    auto* g = new QGridLayout(cadre);
    const char* const lignes[] = {"Occupation [%]", "Eau froide Tef [°C]", "Eau chaude Tref [°C]",
                                  "Consommation [l/j]"};
    for (int r = 0; r < 4; ++r)
        g->addWidget(new QLabel(QString::fromUtf8(lignes[r])), r + 1, 0);
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m - 1);
        g->addWidget(EnteteMois(m), 0, m);
        occupation_[i] =
            Champ(QStringLiteral("txtOccupation%1").arg(m).toLatin1().constData(), 600);
        ReglerChamp(occupation_[i], "Foyer:Occupation");
        g->addWidget(occupation_[i], 1, m);
        Mois(g, 2, m, tef_[i + 1]);
        Mois(g, 3, m, tref_[i + 1]);
        resultats_[i] = Mois(g, 4, m, 0);
        resultats_[i]->setObjectName(QStringLiteral("lblResultat%1").arg(m));
        resultats_[i]->setFont(Police(8, true));
    }
    return cadre;
}

std::vector<ControleChamp> frmBesoinsFoyer::Controles() const {
    std::vector<ControleChamp> controles = {{occupants_, "Foyer:Occupants"},
                                            {surface_, "Foyer:Surface"},
                                            {litres_, "Foyer:LitresParPersonne"}};
    for (int m = 1; m <= 12; ++m)
        controles.push_back(
            {occupation_[static_cast<std::size_t>(m - 1)], "Foyer:Occupation", NomMois(m)});
    return controles;
}

void frmBesoinsFoyer::Calculer(bool informer) {
    // As the person types, the first value out of its range is said under the table.
    for (const ControleChamp& c : Controles()) {
        const auto refus = c.champ->Edite()
                               ? VerifierValeur(TrouverRegle(c.cle), c.champ->text().toStdString(),
                                                nullptr, c.precision)
                               : std::nullopt;
        if (refus && !informer) {
            erreur_->setText(QString::fromStdString(*refus));
            return;
        }
    }
    FoyerBesoins foyer;
    const bool surface = optSurface_->isChecked();
    occupants_->setEnabled(!surface);
    surface_->setEnabled(surface);
    logement_->setEnabled(surface);
    const double nadeq = AdultesEquivalents(
        ValeurSaisie(surface_->text()),
        logement_->currentIndex() == 1 ? TypeLogement::Appartement : TypeLogement::Maison);
    nadeq_->setText(QStringLiteral("Nadeq = %1 adultes équivalents (méthode 3CL-DPE 2021)")
                        .arg(QString::fromStdString(FormatDecimales(nadeq, 2))));
    foyer.Occupants = surface ? nadeq : ValeurSaisie(occupants_->text());
    foyer.LitresParPersonne = ValeurSaisie(litres_->text());
    for (std::size_t m = 1; m <= 12; ++m)
        foyer.Occupation[m] = ValeurSaisie(occupation_[m - 1]->text()) / 100.0;
    try {
        conso_ = ConsommationsFoyer(foyer, tref_, tef_);
        erreur_->clear();
    } catch (const std::exception& e) {
        conso_ = {};
        erreur_->setText(QString::fromStdString(e.what()));
        if (informer)
            throw;
    }
    for (std::size_t m = 1; m <= 12; ++m)
        resultats_[m - 1]->setText(TexteFormate(conso_[m], FormatAffichage::Entier));
}

void frmBesoinsFoyer::accept() {
    // The values out of their ranges, all in one message, in the words of every field.
    if (!ControlerChamps(Controles()))
        return;
    try {
        Calculer(true);
    } catch (const std::exception& e) {
        notificateur().Message(e.what(), TitreApplication);
        return;
    }
    QDialog::accept();
}

void OuvrirBesoinsFoyer(frmBesoins& besoins, const clsBesoin& besoin) {
    std::array<float, 13> tref{}, tef{};
    const clsMeteo* meteo = besoin.Projet != nullptr ? besoin.Projet->Meteo.get() : nullptr;
    for (int m = 1; m <= 12; ++m) {
        const auto i = static_cast<std::size_t>(m);
        tref[i] = static_cast<float>(besoins.txtTeau(m)->Valeur());
        if (meteo != nullptr && m <= meteo->Tef.Count())
            tef[i] = static_cast<float>(meteo->Tef.Item(m));
    }
    frmBesoinsFoyer assistant(tref, tef, &besoins);
    if (assistant.exec() != QDialog::Accepted)
        return;
    for (int m = 1; m <= 12; ++m)
        besoins.txtConso(m)->Saisir(TexteFormate(
            assistant.Consommations()[static_cast<std::size_t>(m)], FormatAffichage::Entier));
}
