#include "ui/frmEconomie.h"

#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "project/ContenuEtude.h"
#include "project/clsprojet.h"
#include "project/modEconomie.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// The inputs a value of the table stands in for when the person leaves it.
const std::vector<std::string> ClesOptionnelles = {"Rendement", "Prix", "FacteurCO2",
                                                   "Investissement"};
const std::vector<std::string> ClesHypotheses = {
    "Rendement",   "Prix",     "FacteurCO2",        "HaussePrix",       "Investissement",
    "Maintenance", "DureeVie", "TauxActualisation", "SeuilProductivite"};

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

QString Nombre(double valeur) {
    return std::isfinite(valeur) ? Q(FormatNombre(valeur)) : QString();
}

bool Egal(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(b));
}

double Surface(const clsprojet& p) {
    return p.Systeme->IsChauffeEau() ? 0 : p.Capteurs->surface_totale();
}
} // namespace

frmEconomie::frmEconomie(clsprojet& projet, QWidget* parent) : QDialog(parent), projet_(projet) {
    setWindowTitle(QStringLiteral("Économie"));
    try {
        donnees_ = LireDonneesEconomie();
    } catch (const ErreurExecution& e) {
        erreurDonnees_ = std::string("Données économiques indisponibles : ") + e.what();
    }
    auto* colonnes = new QHBoxLayout;
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(CreerHypotheses());
    gauche->addWidget(CreerAides());
    colonnes->addLayout(gauche);
    colonnes->addWidget(CreerResultats(), 0, Qt::AlignTop);
    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(colonnes);
    disposition->addLayout(boutons.rangee);
    StylerFenetre(this);
    Afficher(projet_.Economie);
}

QWidget* frmEconomie::CreerHypotheses() {
    auto* cadre = new QGroupBox(QStringLiteral("Hypothèses"));
    auto* g = new QGridLayout(cadre);
    cmbEnergie_ = new QComboBox;
    cmbEnergie_->setObjectName(QStringLiteral("cmbEnergie"));
    for (const EnergieRemplacee& e : donnees_.energies)
        cmbEnergie_->addItem(Q(e.nom));
    g->addWidget(new QLabel(QStringLiteral("Énergie remplacée")), 0, 0);
    g->addWidget(cmbEnergie_, 0, 1);
    connect(cmbEnergie_, &QComboBox::activated, this, &frmEconomie::ChoisirEnergie);
    int rang = 1;
    for (const std::string& cle : ClesHypotheses) {
        auto* champ = new ChampSaisie(ChampSaisie::Genre::Numerique);
        champ->setObjectName(Q("txt" + cle));
        champ->DefinirValidationEntree(false);
        champ->setFixedWidth(PixelsX(1300));
        connect(champ, &QLineEdit::textChanged, this, [this] {
            if (!ecriture_)
                Actualiser();
        });
        champs_[cle] = champ;
        ReglerChamp(champ, ("Économie:" + cle).c_str());
        g->addWidget(new QLabel(QString::fromUtf8(Borne(cle).libelle)), rang, 0);
        g->addWidget(champ, rang++, 1, Qt::AlignLeft);
        if (cle == "Investissement") {
            lblEstimation_ = new QLabel;
            lblEstimation_->setObjectName(QStringLiteral("lblEstimation"));
            g->addWidget(lblEstimation_, rang++, 1);
        }
    }
    return cadre;
}

QWidget* frmEconomie::CreerAides() {
    auto* cadre = new QGroupBox(QStringLiteral("Aides déduites"));
    auto* colonne = new QVBoxLayout(cadre);
    tblAides_ = new QTableWidget(0, 2);
    tblAides_->setObjectName(QStringLiteral("tblAides"));
    tblAides_->setHorizontalHeaderLabels({QStringLiteral("Aide"), QStringLiteral("Montant [€]")});
    tblAides_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblAides_->verticalHeader()->hide();
    tblAides_->setMinimumHeight(PixelsY(1500));
    connect(tblAides_, &QTableWidget::itemChanged, this, [this] {
        if (!ecriture_)
            Actualiser();
    });
    auto* ajouter = new QPushButton(QStringLiteral("Ajouter"));
    ajouter->setObjectName(QStringLiteral("cmdAjouterAide"));
    auto* menu = new QMenu(ajouter);
    for (std::size_t i = 0; i < donnees_.aides.size(); ++i)
        menu->addAction(Q(donnees_.aides[i].nom), this,
                        [this, i] { AjouterAide(static_cast<int>(i)); });
    menu->addAction(QStringLiteral("Autre aide"), this, [this] { AjouterAide(-1); });
    ajouter->setMenu(menu);
    auto* retirer = new QPushButton(QStringLiteral("Retirer"));
    retirer->setObjectName(QStringLiteral("cmdRetirerAide"));
    connect(retirer, &QPushButton::clicked, this, [this] {
        if (tblAides_->currentRow() >= 0)
            tblAides_->removeRow(tblAides_->currentRow());
        Actualiser();
    });
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ajouter);
    boutons->addWidget(retirer);
    boutons->addStretch();
    colonne->addWidget(tblAides_);
    colonne->addLayout(boutons);
    return cadre;
}

QWidget* frmEconomie::CreerResultats() {
    auto* cadre = new QGroupBox(QStringLiteral("Résultats"));
    auto* g = new QGridLayout(cadre);
    std::vector<std::pair<std::string, std::string>> lignes = {
        {"investissement_net_eur", "Investissement net [€]"}};
    for (const LigneEconomie& l : LignesEconomie({}))
        lignes.emplace_back(l.cle, l.libelle);
    int rang = 0;
    for (const auto& [cle, libelle] : lignes) {
        auto* valeur = new QLabel;
        valeur->setObjectName(Q("lbl_" + cle));
        valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valeur->setMinimumWidth(PixelsX(1300));
        valeur->setFont(Police(9, true));
        resultats_[cle] = valeur;
        g->addWidget(new QLabel(Q(libelle)), rang, 0);
        g->addWidget(valeur, rang++, 1);
    }
    lblProductivite_ = new QLabel;
    lblProductivite_->setObjectName(QStringLiteral("lblProductivite"));
    g->addWidget(lblProductivite_, rang++, 0, 1, 2);
    lblErreur_ = new QLabel;
    lblErreur_->setObjectName(QStringLiteral("lblErreur"));
    lblErreur_->setWordWrap(true);
    lblErreur_->setStyleSheet(QStringLiteral("color: #b00020;"));
    lblErreur_->setMaximumWidth(PixelsX(5200));
    g->addWidget(lblErreur_, rang++, 0, 1, 2);
    // Where the tables' defaults come from, and when: the files named, their headings
    // in full under the pointer (the study's report prints them).
    QStringList tables, sources;
    for (const SourceEconomie& s : donnees_.sources) {
        if (s.source.empty())
            continue;
        tables << Q(s.table);
        sources << QStringLiteral("<p>") + Q(s.table + " : " + s.source).toHtmlEscaped() +
                       QStringLiteral("</p>");
    }
    auto* lblSources =
        new QLabel(QStringLiteral("Sources des données : ") + tables.join(QStringLiteral(", ")));
    lblSources->setObjectName(QStringLiteral("lblSources"));
    lblSources->setToolTip(sources.join(QString())); // as paragraphs, wrapped
    lblSources->setFont(Police(8));
    lblSources->setStyleSheet(QStringLiteral("color: #555555;"));
    lblSources->setVisible(!tables.isEmpty());
    g->addWidget(lblSources, rang, 0, 1, 2);
    return cadre;
}

double frmEconomie::Defaut(const std::string& cle) const {
    try {
        if (cle == "Investissement")
            return donnees_.Cout(projet_.Systeme->TypeSysteme()).Pour(Surface(projet_));
        const EnergieRemplacee& e = donnees_.Energie(cmbEnergie_->currentText().toStdString());
        return cle == "Rendement" ? e.rendement : cle == "Prix" ? e.prix : e.facteurCO2;
    } catch (const ErreurExecution&) {
        return std::nan("");
    }
}

void frmEconomie::Afficher(const clsEconomie& e) {
    const EcritureProgramme ecriture(ecriture_);
    if (cmbEnergie_->findText(Q(e.Energie)) < 0)
        cmbEnergie_->addItem(Q(e.Energie));
    cmbEnergie_->setCurrentText(Q(e.Energie));
    const std::map<std::string, std::optional<double>> optionnelles = {
        {"Rendement", e.Rendement},
        {"Prix", e.Prix},
        {"FacteurCO2", e.FacteurCO2},
        {"Investissement", e.Investissement}};
    // Shown rounded, kept whole: an untouched field gives back the exact value.
    const auto afficher = [this](const std::string& cle, double valeur) {
        champs_.at(cle)->AfficherValeur(valeur, Nombre(valeur));
    };
    for (const auto& [cle, valeur] : optionnelles)
        afficher(cle, valeur.value_or(Defaut(cle)));
    afficher("HaussePrix", e.HaussePrix);
    afficher("Maintenance", e.Maintenance);
    afficher("DureeVie", e.DureeVie);
    afficher("TauxActualisation", e.TauxActualisation);
    afficher("SeuilProductivite", e.SeuilProductivite);
    tblAides_->setRowCount(0);
    for (const Aide& a : e.Aides) {
        const int r = tblAides_->rowCount();
        tblAides_->insertRow(r);
        tblAides_->setItem(r, 0, new QTableWidgetItem(Q(a.libelle)));
        tblAides_->setItem(r, 1, new QTableWidgetItem(Nombre(a.montant)));
    }
    const double estimation = Defaut("Investissement");
    lblEstimation_->setText(
        std::isfinite(estimation)
            ? QStringLiteral("Estimation : %1 €").arg(Q(FormatFrancais(estimation, 0)))
            : QString());
    Actualiser();
}

std::optional<clsEconomie> frmEconomie::LireSaisie(std::string& erreur) const {
    clsEconomie e;
    e.Energie = cmbEnergie_->currentText().toStdString();
    std::map<std::string, double> valeurs;
    for (const auto& [cle, champ] : champs_) {
        const QString texte = champ->Saisie().trimmed();
        const bool optionnelle = std::find(ClesOptionnelles.begin(), ClesOptionnelles.end(), cle) !=
                                 ClesOptionnelles.end();
        if (texte.isEmpty() && optionnelle)
            continue;
        // The rule's words, as in the project window and on the command line.
        if (const auto refus =
                VerifierValeur(TrouverRegle("Économie:" + cle), texte.toStdString(), nullptr)) {
            erreur = *refus;
            return std::nullopt;
        }
        valeurs[cle] = champ->Valeur();
    }
    const auto optionnelle = [&](const std::string& cle) -> std::optional<double> {
        const auto it = valeurs.find(cle);
        if (it == valeurs.end() || Egal(it->second, Defaut(cle)))
            return std::nullopt;
        return it->second;
    };
    e.Rendement = optionnelle("Rendement");
    e.Prix = optionnelle("Prix");
    e.FacteurCO2 = optionnelle("FacteurCO2");
    e.Investissement = optionnelle("Investissement");
    e.HaussePrix = valeurs.at("HaussePrix");
    e.Maintenance = valeurs.at("Maintenance");
    const double duree = valeurs.at("DureeVie");
    if (duree != std::floor(duree) || std::fabs(duree) > 1e6) {
        erreur = std::string(Borne("DureeVie").libelle) + " : un nombre entier d'années.";
        return std::nullopt;
    }
    e.DureeVie = static_cast<int>(duree);
    e.TauxActualisation = valeurs.at("TauxActualisation");
    e.SeuilProductivite = valeurs.at("SeuilProductivite");
    for (int r = 0; r < tblAides_->rowCount(); ++r) {
        const QTableWidgetItem* libelle = tblAides_->item(r, 0);
        const QTableWidgetItem* montant = tblAides_->item(r, 1);
        const QString texte = montant ? montant->text().trimmed() : QString();
        if (texte.isEmpty() || !SaisieNumerique(texte)) {
            erreur = "Aide [€] : « " + texte.toStdString() + " » n'est pas un montant.";
            return std::nullopt;
        }
        e.Aides.push_back(
            {libelle ? libelle->text().toStdString() : std::string(), ValeurSaisie(texte)});
    }
    return e;
}

void frmEconomie::Actualiser() {
    std::string erreur;
    const std::optional<clsEconomie> saisie = LireSaisie(erreur);
    std::optional<EtudeEconomique> etude;
    if (saisie) {
        etude = EvaluerEconomie(projet_, *saisie, donnees_);
        if (!etude->resultats)
            erreur = erreurDonnees_.empty() ? etude->erreur : erreurDonnees_;
    }
    const bool calcule = etude && etude->resultats;
    for (const auto& [cle, label] : resultats_)
        label->setText(QStringLiteral("—"));
    if (calcule) {
        resultats_.at("investissement_net_eur")
            ->setText(Q(FormatFrancais(etude->resultats->investissementNet, 0)));
        for (const LigneEconomie& l : LignesEconomie(*etude->resultats))
            resultats_.at(l.cle)->setText(l.valeur ? Q(FormatFrancais(*l.valeur, l.decimales))
                                                   : QStringLiteral("—"));
    }
    lblErreur_->setText(Q(erreur));
    const float parM2 = projet_.Enregistrement().Calcul.Productivite_par_m2;
    const double seuil = saisie ? saisie->SeuilProductivite : projet_.Economie.SeuilProductivite;
    lblProductivite_->setText(
        projet_.Systeme->IsChauffeEau()
            ? QStringLiteral("Productivité par m² : sans objet pour un monobloc")
            : QStringLiteral("Productivité : %1 kWh/(m².an), seuil %2")
                  .arg(Q(FormatFrancais(parM2, 0)),
                       parM2 >= seuil ? QStringLiteral("atteint") : QStringLiteral("non atteint")));
}

QString frmEconomie::Resultat(const std::string& cle) const {
    return resultats_.at(cle)->text();
}

void frmEconomie::AjouterAide(int position) {
    const bool tableau =
        position >= 0 && static_cast<std::size_t>(position) < donnees_.aides.size();
    const MontantSurface aide =
        tableau ? donnees_.aides[static_cast<std::size_t>(position)] : MontantSurface{};
    {
        const EcritureProgramme ecriture(ecriture_);
        const int r = tblAides_->rowCount();
        tblAides_->insertRow(r);
        tblAides_->setItem(r, 0, new QTableWidgetItem(Q(aide.nom)));
        tblAides_->setItem(r, 1, new QTableWidgetItem(Nombre(aide.Pour(Surface(projet_)))));
        tblAides_->setCurrentCell(r, tableau ? 1 : 0);
    }
    Actualiser();
}

void frmEconomie::ChoisirEnergie(int position) {
    cmbEnergie_->setCurrentIndex(position);
    {
        const EcritureProgramme ecriture(ecriture_);
        for (const char* cle : {"Rendement", "Prix", "FacteurCO2"})
            champs_.at(cle)->AfficherValeur(Defaut(cle), Nombre(Defaut(cle)));
    }
    Actualiser();
}

void frmEconomie::accept() {
    std::string erreur;
    const std::optional<clsEconomie> saisie = LireSaisie(erreur);
    try {
        if (!saisie)
            throw ErreurEconomie(erreur);
        VerifierEconomie(*saisie);
    } catch (const ErreurEconomie& e) {
        notificateur().Message(e.what(), TitreApplication);
        return;
    }
    projet_.Economie = *saisie;
    QDialog::accept();
}

void OuvrirEconomie(clsprojet& projet, QWidget* parent) {
    frmEconomie dialogue(projet, parent);
    dialogue.exec();
}
