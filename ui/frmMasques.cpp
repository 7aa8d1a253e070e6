#include "ui/frmMasques.h"

#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "project/ImportHorizon.h"
#include "project/clsMasque.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/Dialogues.h"
#include "ui/GraphiqueMasque.h"
#include "ui/frmImportHorizon.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
constexpr int PointsMin = 2;
constexpr int PointsMax = static_cast<int>(PointsMasqueMax);
constexpr double AzimutExtreme = AngleExtremeMasque;
constexpr int LargeurChamp = 1150; // twips, for "H. angulaire" above its field

QString DeuxDecimales(double valeur) {
    return TexteFormate(valeur, FormatAffichage::DeuxDecimales);
}
} // namespace

frmMasques::frmMasques(clsMasque& masque, QWidget* parent)
    : QDialog(parent), masque_(masque), txtN_(new ChampSaisie(ChampSaisie::Genre::Numerique)),
      points_(new QWidget), colonne_(new QVBoxLayout(points_)),
      graphique_(new GraphiqueMasque(GraphiqueMasque::Format::Detaille)) {
    setWindowTitle(QStringLiteral("Saisie des masques"));
    txtN_->setObjectName(QStringLiteral("txtN"));
    txtN_->setFixedWidth(PixelsX(600));

    auto* cadre = new QGroupBox(QStringLiteral("Masque"));
    auto* dispositionCadre = new QVBoxLayout(cadre);
    auto* nombre = new QHBoxLayout;
    nombre->addWidget(new QLabel(QStringLiteral("Nb. de points:")));
    nombre->addWidget(txtN_);
    nombre->addStretch();
    dispositionCadre->addLayout(nombre);
    colonne_->setContentsMargins(0, 0, 0, 0);
    colonne_->setSpacing(PixelsY(40));
    auto* entetes = new QHBoxLayout;
    for (const char* entete : {"Azimut", "H. angulaire"}) {
        auto* l = new QLabel(QString::fromUtf8(entete));
        l->setFixedWidth(PixelsX(LargeurChamp));
        l->setAlignment(Qt::AlignCenter);
        entetes->addWidget(l);
    }
    colonne_->addLayout(entetes);
    dispositionCadre->addWidget(points_);
    dispositionCadre->addStretch();

    graphique_->setObjectName(QStringLiteral("picMasque"));
    graphique_->setFixedSize(PixelsX(8400), PixelsY(4500));
    auto* legende = new QLabel(
        QStringLiteral("Le soleil est tracé selon son angle horaire : c'est là que le calcul "
                       "lit le masque, et non à l'azimut du soleil."));
    legende->setObjectName(QStringLiteral("lblSoleil"));
    auto* importer = new QPushButton(QStringLiteral("Importer un relevé d'horizon..."));
    importer->setObjectName(QStringLiteral("cmdImporter"));
    importer->setAutoDefault(false);
    importer->setToolTip(
        QStringLiteral("Fichier CSV de deux colonnes : angle et hauteur en degrés (0 = sud, "
                       "négatif à l'est), séparées par « ; » ou « , »"));
    connect(importer, &QPushButton::clicked, this, [this] {
        const QString chemin = QFileDialog::getOpenFileName(
            this, QStringLiteral("Importer un relevé d'horizon"), QString(),
            QStringLiteral("Relevés d'horizon (*.csv *.txt);;Tous les fichiers (*)"));
        if (!chemin.isEmpty())
            ImporterFichier(chemin);
    });
    auto* droite = new QVBoxLayout;
    droite->addWidget(graphique_);
    droite->addWidget(legende);
    droite->addWidget(importer, 0, Qt::AlignLeft);
    droite->addStretch();
    auto* corps = new QHBoxLayout;
    corps->addWidget(cadre);
    corps->addLayout(droite);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdCancel");
    ok_ = boutons.ok;
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(corps);
    disposition->addLayout(boutons.rangee);
    // The frame grows and shrinks with its rows.
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    StylerFenetre(this);
    // A count out of bounds (a damaged project file) is brought back within them.
    const int n = masque_.Masque_Angle.Count() > 0
                      ? std::clamp<int>(masque_.NbPoints, PointsMin, PointsMax)
                      : PointsMin;
    {
        EcritureProgramme p(programme_);
        txtN_->AfficherTexte(QString::number(n));
    }
    ConstruireLignes(n);
    // The stored points over the preset azimuths, as far as both lists go.
    const int stockes = std::min(masque_.Masque_Angle.Count(), masque_.Masque_Hauteur.Count());
    for (int i = 0; i < std::min(NbLignes(), stockes); ++i) {
        const double hauteur = masque_.Masque_Hauteur.Item(i + 1);
        txtHang(i)->AfficherValeur(hauteur, DeuxDecimales(hauteur));
        AfficherAzimut(i, masque_.Masque_Angle.Item(i + 1));
    }
    Tracer();

    connect(txtN_, &QLineEdit::textChanged, this, [this] {
        if (!programme_)
            ok_->setEnabled(false);
    });
    connect(txtN_, &ChampSaisie::valide, this, &frmMasques::ValiderNombre);
}

ChampSaisie* frmMasques::ChampPoint(const QString& nom) {
    auto* c = new ChampSaisie(ChampSaisie::Genre::Numerique);
    c->setObjectName(nom);
    c->DefinirValidationEntree(false);
    c->setFixedWidth(PixelsX(LargeurChamp));
    connect(c, &QLineEdit::textChanged, this, &frmMasques::Tracer);
    return c;
}

void frmMasques::ValiderNombre() {
    const double saisi = std::floor(txtN_->Valeur());
    const int n = saisi > PointsMax   ? PointsMax
                  : saisi < PointsMin ? PointsMin
                                      : static_cast<int>(saisi);
    {
        EcritureProgramme p(programme_);
        txtN_->AfficherTexte(QString::number(n));
    }
    ConstruireLignes(n);
    ok_->setEnabled(true);
}

void frmMasques::ConstruireLignes(int n) {
    while (NbLignes() > n) {
        delete lignes_.back().rangee;
        lignes_.pop_back();
    }
    while (NbLignes() < n) {
        const int i = NbLignes();
        Ligne l{new QWidget, ChampPoint(QStringLiteral("txtAzim%1").arg(i)),
                ChampPoint(QStringLiteral("txtHang%1").arg(i))};
        auto* d = new QHBoxLayout(l.rangee);
        d->setContentsMargins(0, 0, 0, 0);
        d->addWidget(l.azimut);
        d->addWidget(l.hauteur);
        // Styled alone: styling empties the fields, and the other rows keep theirs.
        StylerFenetre(l.rangee);
        l.hauteur->AfficherTexte(DeuxDecimales(0));
        colonne_->addWidget(l.rangee);
        lignes_.push_back(l);
    }
    // Azimuths evenly from -130 to +130; the two ends cannot be changed.
    for (int i = 0; i < n; ++i) {
        ChampSaisie* azimut = lignes_[static_cast<std::size_t>(i)].azimut;
        const bool extreme = i == 0 || i == n - 1;
        azimut->setReadOnly(extreme);
        azimut->setFocusPolicy(extreme ? Qt::NoFocus : Qt::StrongFocus);
        AfficherAzimut(i, 2 * AzimutExtreme / (n - 1) * i - AzimutExtreme);
    }
    QWidget* precedent = txtN_;
    for (const Ligne& l : lignes_) {
        setTabOrder(precedent, l.azimut);
        setTabOrder(l.azimut, l.hauteur);
        precedent = l.hauteur;
    }
    Tracer();
}

void frmMasques::AfficherAzimut(int i, double azimut) {
    ChampSaisie* champ = txtAzim(i);
    champ->AfficherValeur(azimut, DeuxDecimales(azimut));
    // A fixed end is shown on the frames' grey, as a value the person cannot change.
    if (champ->isReadOnly())
        DefinirCouleurFond(champ, CouleurCadre);
}

void frmMasques::Tracer() {
    std::vector<PointHorizon> profil;
    for (const Ligne& l : lignes_)
        profil.push_back({l.azimut->Valeur(), l.hauteur->Valeur()});
    std::optional<double> latitude;
    if (masque_.Projet != nullptr && masque_.Projet->Meteo)
        latitude = masque_.Projet->Meteo->latitude;
    graphique_->Tracer(profil, latitude);
}

bool frmMasques::ConfirmerImport(const ImportHorizon& import) {
    frmImportHorizon confirmation(import, this);
    return confirmation.exec() == QDialog::Accepted;
}

bool frmMasques::ImporterFichier(const QString& chemin) {
    ImportHorizon import;
    try {
        import = ImporterHorizon(chemin.toStdString());
    } catch (const std::exception& e) {
        notificateur().Message(e.what(), TitreApplication);
        return false;
    }
    if (!ConfirmerImport(import))
        return false;
    const std::vector<PointHorizon>& points = import.points;
    const int n = static_cast<int>(points.size());
    {
        EcritureProgramme p(programme_);
        txtN_->AfficherTexte(QString::number(n));
    }
    ConstruireLignes(n);
    for (int i = 0; i < n; ++i) {
        const PointHorizon& point = points[static_cast<std::size_t>(i)];
        txtHang(i)->AfficherValeur(point.hauteur, DeuxDecimales(point.hauteur));
        AfficherAzimut(i, point.angle);
    }
    importe_ = true;
    ok_->setEnabled(true);
    Tracer();
    return true;
}

void frmMasques::accept() {
    std::vector<ControleChamp> controles;
    for (int i = 0; i < NbLignes(); ++i) {
        const std::string point = "point " + std::to_string(i + 1);
        controles.push_back({txtAzim(i), "Masque_Angle", point});
        controles.push_back({txtHang(i), "Masque_Hauteur", point});
    }
    if (!ControlerChamps(controles))
        return;
    // The points are written again only when the person changed one of them, their
    // count, or imported a horizon; each untouched point keeps its exact value.
    const bool change = importe_ || NbLignes() != masque_.NbPoints ||
                        std::any_of(lignes_.begin(), lignes_.end(), [](const Ligne& l) {
                            return l.azimut->Edite() || l.hauteur->Edite();
                        });
    if (change) {
        masque_.NbPoints = static_cast<int16_t>(NbLignes());
        ViderCollection(masque_.Masque_Hauteur);
        ViderCollection(masque_.Masque_Angle);
        for (const Ligne& l : lignes_) {
            masque_.Masque_Angle.Add(l.azimut->Valeur());
            masque_.Masque_Hauteur.Add(l.hauteur->Valeur());
        }
    }
    QDialog::accept();
}

void OuvrirMasques(clsprojet& projet, QWidget* parent) {
    if (!projet.Masque)
        return;
    frmMasques dialogue(*projet.Masque, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
