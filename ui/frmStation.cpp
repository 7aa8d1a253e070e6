#include "ui/frmStation.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/ImportEpw.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modStationUtilisateur.h"
#include "data/modStations.h"
#include "data/modTexte.h"
#include "engine/modCalculBilan.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/Dialogues.h"
#include "ui/Raccords.h"
#include "ui/frmChoix.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
// The choice lists of the station's classes and zone, and the number of each button.
constexpr int ListeDistances = 3;
constexpr int ListePopulations = 4;
constexpr int ListeZones = 34;
constexpr std::array<int, 4> NumerosBoutons = {3, 4, 33, 34};

// The station's fields take what is typed as it is; numbers are checked on "Ok".
ChampSaisie* Champ(const char* nom, bool nombre, int largeurTwips) {
    auto* c = new ChampSaisie(ChampSaisie::Genre::Nom);
    c->setObjectName(QString::fromLatin1(nom));
    c->DefinirValidationEntree(false);
    if (nombre)
        c->setProperty(ProprieteTag, QStringLiteral("R"));
    c->setFixedWidth(PixelsX(largeurTwips));
    return c;
}

ChampSaisie* ChampChoisi(const char* nom, int largeurTwips) {
    auto* c = new ChampSaisie(ChampSaisie::Genre::Choisi);
    c->setObjectName(QString::fromLatin1(nom));
    c->setFixedWidth(PixelsX(largeurTwips));
    return c;
}

QString Nombre(double valeur) {
    return QString::fromStdString(FormatNombre(valeur));
}

// The imported means, to the precision of the station files' own figures and a
// little more.
QString Arrondi(double valeur, int decimales) {
    const double facteur = std::pow(10.0, decimales);
    return Nombre(std::round(valeur * facteur) / facteur);
}

// The label of item `classe` - 1 of a choice list; "" when there is none.
QString LibelleClasse(int liste, int classe) {
    const std::vector<std::string> l = ListeDeChoix(liste);
    if (classe < 1 || classe > static_cast<int>(l.size()))
        return {};
    return QString::fromStdString(l[static_cast<std::size_t>(classe - 1)]);
}

// The class of a label (its position in the list, from 1); `defaut` when absent.
int16_t ClasseDuLibelle(int liste, const QString& libelle, int16_t defaut) {
    const std::vector<std::string> l = ListeDeChoix(liste);
    const auto it = std::find(l.begin(), l.end(), libelle.toStdString());
    return it == l.end() ? defaut : static_cast<int16_t>(it - l.begin() + 1);
}

void Informer(const std::string& texte) {
    notificateur().Message(texte, TitreApplication);
}
} // namespace

frmStation::frmStation(clsprojet& projet, QWidget* parent)
    : QDialog(parent), projet_(projet), txtStation_(Champ("txtStation", false, 3600)),
      txtAltitude_(Champ("txtAltitude", true, 800)),
      txtDistanceMer_(ChampChoisi("txtDistanceMer", 800)),
      txtNbHabitant_(ChampChoisi("txtNbHabitant", 800)),
      txtlatitude_(Champ("txtlatitude", true, 800)),
      txtHemisphere_(ChampChoisi("txtHemisphere", 800)), txtZone_(ChampChoisi("txtZone", 1700)),
      importer_(new QPushButton(QStringLiteral("Importer un fichier météo..."))) {
    setWindowTitle(QStringLiteral("Station"));
    importer_->setObjectName(QStringLiteral("cmdImporter"));
    importer_->setAutoDefault(false);
    const QStringList infobulles = {
        QStringLiteral("Distance à la mer"), QStringLiteral("Population de la ville"),
        QStringLiteral("Hémisphère nord ou sud"), QStringLiteral("Zone climatique")};
    for (std::size_t i = 0; i < boutons_.size(); ++i) {
        const std::string nom = "pic" + std::to_string(NumerosBoutons[i]);
        boutons_[i] = CreerBoutonChoix(nom.c_str(), infobulles[static_cast<int>(i)]);
    }

    auto* site = new QGroupBox(QStringLiteral("Station"));
    auto* g = new QGridLayout(site);
    g->setHorizontalSpacing(PixelsX(90));
    const auto libelle = [&](const char* texte, int rang, int colonne) {
        g->addWidget(new QLabel(QString::fromUtf8(texte)), rang, colonne);
    };
    const auto avecBouton = [&](ChampSaisie* champ, QToolButton* bouton) {
        auto* d = new QHBoxLayout;
        d->setSpacing(PixelsX(30));
        d->addWidget(champ);
        d->addWidget(bouton);
        d->addStretch();
        return d;
    };
    libelle("Station", 0, 0);
    g->addWidget(txtStation_, 0, 1, 1, 5);
    libelle("Altitude [m]", 1, 0);
    g->addWidget(txtAltitude_, 1, 1);
    libelle("Distance mer [km]", 1, 2);
    g->addLayout(avecBouton(txtDistanceMer_, boutons_[0]), 1, 3);
    libelle("Millions d'hab.", 1, 4);
    g->addLayout(avecBouton(txtNbHabitant_, boutons_[1]), 1, 5);
    libelle("Latitude [°]", 2, 0);
    g->addWidget(txtlatitude_, 2, 1);
    libelle("Hémisphère", 2, 2);
    g->addLayout(avecBouton(txtHemisphere_, boutons_[2]), 2, 3);
    libelle("Zone", 2, 4);
    g->addLayout(avecBouton(txtZone_, boutons_[3]), 2, 5);
    // What the monthly grid leaves over goes to the right, not between the columns.
    g->setColumnStretch(6, 1);

    auto* climat = new QGroupBox(QStringLiteral("Données climatiques"));
    auto* m = new QGridLayout(climat);
    m->setHorizontalSpacing(PixelsX(45));
    for (int mois = 1; mois <= 12; ++mois)
        m->addWidget(EnteteMois(mois), 0, mois);
    const auto serie = [&](Serie& s, const char* nom, const char* texte, int rang) {
        m->addWidget(new QLabel(QString::fromUtf8(texte)), rang, 0);
        for (int mois = 1; mois <= 12; ++mois) {
            const std::string n = nom + std::to_string(mois - 1);
            s[static_cast<std::size_t>(mois - 1)] = Champ(n.c_str(), true, 700);
            m->addWidget(s[static_cast<std::size_t>(mois - 1)], rang, mois);
        }
    };
    serie(gh_, "txtGh", "Gh", 1);
    serie(text_, "txtText", "Text [°C]", 2);
    serie(tef_, "txtTef", "Tef [°C]", 3);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    boutons.rangee->insertWidget(0, importer_);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(site);
    disposition->addWidget(climat);
    disposition->addLayout(boutons.rangee);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    StylerFenetre(this);
    for (QToolButton* b : boutons_)
        StylerBoutonImage(b);
    Afficher();

    connect(boutons_[0], &QToolButton::clicked, this, &frmStation::ChoisirDistance);
    connect(boutons_[1], &QToolButton::clicked, this, &frmStation::ChoisirPopulation);
    connect(boutons_[2], &QToolButton::clicked, this, [this] {
        txtHemisphere_->setText(txtHemisphere_->text() == QLatin1String("S") ? QStringLiteral("N")
                                                                             : QStringLiteral("S"));
    });
    connect(boutons_[3], &QToolButton::clicked, this, &frmStation::ChoisirZone);
    connect(importer_, &QPushButton::clicked, this, &frmStation::Importer);
}

QToolButton* frmStation::Bouton(int numero) const {
    const auto it = std::find(NumerosBoutons.begin(), NumerosBoutons.end(), numero);
    return it == NumerosBoutons.end()
               ? nullptr
               : boutons_[static_cast<std::size_t>(it - NumerosBoutons.begin())];
}

void frmStation::Afficher() {
    const clsMeteo& meteo = *projet_.Meteo;
    txtStation_->AfficherTexte(QString::fromStdString(meteo.station()));
    txtAltitude_->AfficherValeur(meteo.altitude_station_meteo,
                                 Nombre(meteo.altitude_station_meteo));
    txtlatitude_->AfficherValeur(meteo.latitude, Nombre(meteo.latitude));
    txtHemisphere_->AfficherTexte(QString::fromStdString(meteo.Hemisphere()));
    txtZone_->AfficherTexte(QString::fromStdString(meteo.zone));
    txtDistanceMer_->AfficherTexte(LibelleClasse(ListeDistances, meteo.Distance_Mer_station_meteo));
    txtNbHabitant_->AfficherTexte(LibelleClasse(ListePopulations, meteo.Nb_habitant_station_meteo));
    const auto afficher = [](Serie& s, const CollectionNombres& valeurs) {
        for (int mois = 1; mois <= 12; ++mois) {
            const double v = mois <= valeurs.Count() ? valeurs.Item(mois) : 0.0;
            s[static_cast<std::size_t>(mois - 1)]->AfficherValeur(v, Nombre(v));
        }
    };
    afficher(gh_, meteo.Gh);
    // The station's own temperatures: the calculation lowers `Text` to the site's
    // altitude, and saving that would move the station's data at every save.
    afficher(text_, meteo.TextStation);
    afficher(tef_, meteo.Tef);
}

void frmStation::ChoisirDistance() {
    const std::string choix = ChoisirDansListe(ListeDistances, boutons_[0]);
    if (choix == "-1")
        return;
    txtDistanceMer_->setText(QString::fromStdString(choix));
    if (zoneSelonDistance_)
        txtZone_->setText(QString::fromStdString(ZoneDeClasseMer(ChoixIndex + 1)));
}

void frmStation::ChoisirPopulation() {
    const std::string choix = ChoisirDansListe(ListePopulations, boutons_[1]);
    if (choix != "-1")
        txtNbHabitant_->setText(QString::fromStdString(choix));
}

void frmStation::ChoisirZone() {
    const std::string choix = ChoisirDansListe(ListeZones, boutons_[3]);
    if (choix == "-1")
        return;
    txtZone_->setText(QString::fromStdString(choix));
    zoneSelonDistance_ = false;
}

QString frmStation::DemanderFichierMeteo() {
    return QFileDialog::getOpenFileName(
        this, QStringLiteral("Importer un fichier météo"), QString(),
        QStringLiteral("Fichiers météo EnergyPlus (*.epw);;Tous les fichiers (*)"));
}

void frmStation::Importer() {
    const QString chemin = DemanderFichierMeteo();
    if (!chemin.isEmpty())
        ImporterFichier(chemin);
}

bool frmStation::ImporterFichier(const QString& chemin) {
    StationEpw s;
    try {
        SablierActif sablier;
        s = ImporterEpw(chemin.toStdString());
    } catch (const std::exception& e) {
        Informer(TexteException(e));
        return false;
    }
    if (!s.nom.empty())
        txtStation_->setText(QString::fromStdString(s.nom));
    txtAltitude_->Saisir(Arrondi(s.altitude, 1));
    txtlatitude_->Saisir(Arrondi(s.latitude, 2));
    txtHemisphere_->setText(QString::fromStdString(s.hemisphere));
    txtDistanceMer_->setText(LibelleClasse(ListeDistances, s.classeMer));
    txtNbHabitant_->setText(LibelleClasse(ListePopulations, s.classePopulation));
    txtZone_->setText(QString::fromStdString(s.zone));
    for (std::size_t mois = 1; mois <= 12; ++mois) {
        gh_[mois - 1]->Saisir(Arrondi(s.Gh[mois], 3));
        text_[mois - 1]->Saisir(Arrondi(s.Text[mois], 2));
        tef_[mois - 1]->Saisir(Arrondi(s.Tef[mois], 2));
    }
    zoneSelonDistance_ = true;
    return true;
}

bool frmStation::VerifierNombres() {
    // The station's values follow the rules of the site's values they become.
    std::vector<ControleChamp> controles = {{txtAltitude_, "Situation.altitude_station_meteo"},
                                            {txtlatitude_, "Latitude"}};
    const std::pair<const Serie*, const char*> series[] = {
        {&gh_, "Météo:Gh"}, {&text_, "Météo:Text"}, {&tef_, "Météo:Tef"}};
    for (const auto& [serie, cle] : series) {
        int m = 1;
        for (ChampSaisie* champ : *serie)
            controles.push_back({champ, cle, NomMois(m++)});
    }
    return ControlerChamps(controles);
}

bool frmStation::Enregistrer(const std::string& nom) {
    const clsMeteo& meteo = *projet_.Meteo;
    StationUtilisateur s;
    s.nom = nom;
    s.altitude = txtAltitude_->Saisie().toStdString();
    s.classeMer =
        ClasseDuLibelle(ListeDistances, txtDistanceMer_->text(), meteo.Distance_Mer_station_meteo);
    s.classePopulation =
        ClasseDuLibelle(ListePopulations, txtNbHabitant_->text(), meteo.Nb_habitant_station_meteo);
    s.latitude = txtlatitude_->Saisie().toStdString();
    s.hemisphere = txtHemisphere_->text().toStdString();
    s.zone = txtZone_->text().toStdString();
    for (std::size_t i = 0; i < 12; ++i) {
        s.Gh[i] = gh_[i]->Saisie().toStdString();
        s.Text[i] = text_[i]->Saisie().toStdString();
        s.Tef[i] = tef_[i]->Saisie().toStdString();
    }
    try {
        if (EnregistrerStation(meteo.station(), s))
            return true;
        Informer("La station « " + meteo.station() +
                 " » est introuvable dans le fichier des stations : rien n'a été enregistré.");
    } catch (const std::exception& e) {
        Informer(TexteException(e));
    }
    return false;
}

void frmStation::accept() {
    std::string nom = Rogner(txtStation_->text().toStdString());
    if (NbCaracteres(nom) >= 3 && nom.back() != '*')
        nom += '*';
    if (const std::string refus = RefusNomStation(nom, projet_.Meteo->station()); !refus.empty()) {
        Informer(refus);
        return;
    }
    if (!VerifierNombres() || !Enregistrer(nom))
        return;
    txtStation_->AfficherTexte(QString::fromStdString(nom));
    // The files are written: whatever happens to the reload, the dialog's work is done.
    try {
        ChargerDonnees();
        RemplirLibelles();
        // The department's station list, which the project window offers, shows the new
        // name.
        RemplirStations(projet_.Meteo->Departement(), true);
        projet_.Meteo->station(nom);
    } catch (const std::exception& e) {
        Informer(TexteException(e));
    }
    MontrerAvisCopieUtilisateur(this);
    QDialog::accept();
}

void OuvrirStation(clsprojet& projet, QWidget* parent) {
    // Only a user station may be edited.
    if (!projet.Meteo || !projet.Meteo->station().ends_with('*'))
        return;
    frmStation dialogue(projet, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
