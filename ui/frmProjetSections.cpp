// The sections of the project window and their controls: names, captions and labels
// as the person knows them, in the order the sheet shows them.

#include "ui/BoutonImage.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueMasque.h"
#include "ui/GraphiqueStatistique.h"
#include "ui/RechercheCommune.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmCapteursCertifies.h"
#include "ui/frmProjet.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
using Genre = ChampSaisie::Genre;
constexpr Genre Numerique = Genre::Numerique;
constexpr Genre NomElement = Genre::Nom;
constexpr Genre Choisi = Genre::Choisi;

// The fields that show a calculation choice carry an indicator beside their button.
bool AIndicateur(int bouton) {
    switch (bouton) {
    case 6:
    case 13:
    case 18:
    case 20:
    case 21:
    case 22:
    case 25:
    case 30:
        return true;
    default:
        return false;
    }
}

QGridLayout* GrilleDe(QWidget* cadre) {
    auto* g = new QGridLayout(cadre);
    g->setContentsMargins(6, 4, 6, 6);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(3);
    g->setColumnStretch(2, 1);
    return g;
}

QWidget* Contenu(const char* nom) {
    auto* w = new QWidget;
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

QVBoxLayout* Colonne(QWidget* parent = nullptr) {
    auto* c = parent ? new QVBoxLayout(parent) : new QVBoxLayout;
    c->setContentsMargins(0, 0, 0, 0);
    c->setSpacing(6);
    return c;
}
} // namespace

QGroupBox* frmProjet::Cadre(const char* nom, const char* titre) {
    auto* cadre = new QGroupBox(QString::fromUtf8(titre));
    cadre->setObjectName(QString::fromLatin1(nom));
    return cadre;
}

BoutonImage* frmProjet::AjouterBouton(int index, bool large) {
    auto* b =
        new BoutonImage(large ? BoutonImage::Genre::ChoixLarge : BoutonImage::Genre::Choix, index);
    b->setObjectName(QStringLiteral("pic%1").arg(index));
    boutons_[static_cast<std::size_t>(index)] = b;
    connect(b, &QAbstractButton::clicked, this, [this, index] { pic_Click(index); });
    return b;
}

void frmProjet::AjouterIndicateur(QHBoxLayout* ligne, int index) {
    auto* i = new IndicateurCalcul;
    i->setObjectName(QStringLiteral("picc%1").arg(index));
    indicateurs_[index] = i;
    ligne->addWidget(i, 0, Qt::AlignVCenter);
}

BoutonImage* frmProjet::AjouterBascule(const char* nom, void (frmProjet::*action)(),
                                       QGroupBox* cadre) {
    auto* b = new BoutonImage(BoutonImage::Genre::Bascule, -1, cadre);
    b->setObjectName(QString::fromLatin1(nom));
    b->DefinirReplie(false);
    connect(b, &QAbstractButton::clicked, this, action);
    // On the frame's title line, at its right end (see eventFilter).
    if (cadre != nullptr)
        cadre->installEventFilter(this);
    return b;
}

ChampSaisie* frmProjet::AjouterChamp(QGridLayout* grille, const char* nom, const char* libelle,
                                     ChampSaisie::Genre genre, Largeur largeur, int bouton) {
    const int ligne = grille->rowCount();
    if (libelle != nullptr) {
        auto* etiquette = new QLabel(QString::fromUtf8(libelle));
        etiquette->setObjectName(QStringLiteral("lbl_") + QString::fromLatin1(nom));
        grille->addWidget(etiquette, ligne, 0);
    }
    auto* champ = new ChampSaisie(genre);
    champ->setObjectName(QString::fromLatin1(nom));
    const int pixels = largeur == Largeur::Nombre    ? PixelsX(1100)
                       : largeur == Largeur::Moyenne ? PixelsX(1700)
                                                     : PixelsX(3400);
    champ->setFixedWidth(pixels);
    champs_.Ajouter(nom, champ);
    // The field's button and indicator follow it closely, whatever its width.
    auto* ligneChamp = new QHBoxLayout;
    ligneChamp->setSpacing(3);
    ligneChamp->addWidget(champ);
    if (bouton >= 0) {
        ligneChamp->addWidget(AjouterBouton(bouton), 0, Qt::AlignVCenter);
        if (AIndicateur(bouton))
            AjouterIndicateur(ligneChamp, bouton);
    }
    ligneChamp->addStretch(1);
    // A field without a label of its own takes the label's column too.
    if (libelle != nullptr)
        grille->addLayout(ligneChamp, ligne, 1);
    else
        grille->addLayout(ligneChamp, ligne, 0, 1, 2);
    return champ;
}

void frmProjet::CreerSections() {
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    defilement_ = new QScrollArea;
    defilement_->setObjectName(QStringLiteral("defilement"));
    defilement_->setWidgetResizable(true);
    defilement_->setFrameShape(QFrame::NoFrame);
    feuille_ = new QWidget;
    feuille_->setObjectName(QStringLiteral("feuille"));
    auto* pile = new QVBoxLayout(feuille_);
    pile->setContentsMargins(6, 6, 6, 6);
    pile->setSpacing(6);

    auto* haut = new QHBoxLayout;
    haut->setSpacing(6);
    haut->addWidget(CreerMeteo(), 0, Qt::AlignTop);
    haut->addWidget(CreerBesoins(), 1, Qt::AlignTop);
    pile->addLayout(haut);
    pile->addWidget(CreerSysteme());
    // The results take the height the sections leave, their chart growing with the
    // window; folded, they give it to the space under them (picResultats_Click).
    pile->addWidget(CreerResultats(), 1);
    pile->addStretch(0);
    defilement_->setWidget(feuille_);
    disposition->addWidget(defilement_);
}

QWidget* frmProjet::CreerMeteo() {
    QGroupBox* fMeteo = Cadre("fMeteo", "METEO");
    QWidget* contenu = Contenu("contenuMeteo");
    auto* ligne = new QHBoxLayout(contenu);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(6);

    QGroupBox* fStation = Cadre("fStation", "Station");
    QGridLayout* g = GrilleDe(fStation);
    AjouterChamp(g, "txtPays", "Pays", Choisi, Largeur::Nom, 0);
    AjouterChamp(g, "txtDepartement", "Départ.", Choisi, Largeur::Nom, 1);
    ChampSaisie* station = AjouterChamp(g, "txtStation", "Station", Choisi, Largeur::Nom, 2);
    station->installEventFilter(this);
    // The commune search sits at the end of the station's line.
    rechercheCommune_ = new RechercheCommune;
    rechercheCommune_->setFixedWidth(PixelsX(2600));
    connect(rechercheCommune_, &RechercheCommune::communeChoisie, this,
            [this](const QString& departement, const QString& commune) {
                ChoisirStationDeCommune(departement.toStdString(), commune.toStdString());
            });
    g->addWidget(rechercheCommune_, g->rowCount() - 1, 2);
    ligne->addWidget(fStation, 0, Qt::AlignTop);

    QGroupBox* fSite = Cadre("fSite", "Site");
    g = GrilleDe(fSite);
    AjouterChamp(g, "txtAltitude", "Altitude [m]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtDistanceMer", "Distance mer [km]", Choisi, Largeur::Nombre, 3);
    AjouterChamp(g, "txtNbHabitant", "Millions d'hab.", Choisi, Largeur::Nombre, 4);
    ligne->addWidget(fSite, 0, Qt::AlignTop);

    Colonne(fMeteo)->addWidget(contenu);
    return fMeteo;
}

QWidget* frmProjet::CreerBesoins() {
    QGroupBox* fBesoins = Cadre("fBesoins", "BESOINS");
    auto* colonne = Colonne(fBesoins);
    colonne->setContentsMargins(6, 4, 6, 6);
    picSBesoin_ = AjouterBascule("picSBesoin", &frmProjet::picSBesoin_Click, fBesoins);

    QWidget* contenu = Contenu("contenuBesoins");
    auto* ligne = new QHBoxLayout(contenu);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(6);
    picConso_ = new GraphiqueStatistique;
    picConso_->setObjectName(QStringLiteral("picConso"));
    picTeau_ = new GraphiqueStatistique;
    picTeau_->setObjectName(QStringLiteral("picTeau"));
    for (GraphiqueStatistique* graphique : {picConso_, picTeau_}) {
        graphique->setMinimumSize(PixelsX(2400), PixelsY(1200));
        graphique->setCursor(Qt::PointingHandCursor);
        graphique->installEventFilter(this);
        ligne->addWidget(graphique, 1);
    }
    colonne->addWidget(contenu);
    return fBesoins;
}

QWidget* frmProjet::CreerLigneSysteme() {
    QWidget* ligneSysteme = Contenu("ligneSysteme");
    auto* ligne = new QHBoxLayout(ligneSysteme);
    ligne->setContentsMargins(6, 2, 6, 2);
    ligne->setSpacing(4);
    const auto choix = [&](const char* nom, int bouton, int largeur) {
        auto* champ = new ChampSaisie(Choisi);
        champ->setObjectName(QString::fromLatin1(nom));
        champ->setFixedWidth(PixelsX(largeur));
        champs_.Ajouter(nom, champ);
        ligne->addWidget(champ);
        ligne->addWidget(AjouterBouton(bouton, true));
        ligne->addSpacing(PixelsX(120));
    };
    choix("txtSysteme", 14, 2700);
    choix("txtMasque", 10, 1300);
    choix("txtEchangeur", 11, 1500);
    choix("txtAppoint", 26, 1600);
    ligne->addStretch(1);
    for (int code = 0; code <= 2; ++code) {
        auto* image = new IndicateurCalcul;
        image->setObjectName(QStringLiteral("picCalcul%1").arg(code));
        image->Afficher(code);
        ligne->addWidget(image);
        auto* legende = new QLabel(image->toolTip());
        legende->setObjectName(QStringLiteral("lblCalcul%1").arg(code));
        ligne->addWidget(legende);
        ligne->addSpacing(PixelsX(120));
    }
    picSSysteme_ = AjouterBascule("picSSysteme", &frmProjet::picSSysteme_Click, nullptr);
    ligne->addWidget(picSSysteme_);
    return ligneSysteme;
}

QWidget* frmProjet::CreerSysteme() {
    QGroupBox* fSysteme = Cadre("fSysteme", "");
    auto* colonne = Colonne(fSysteme);
    colonne->setContentsMargins(4, 4, 4, 4);
    colonne->addWidget(CreerLigneSysteme());

    QWidget* corps = Contenu("corpsSysteme");
    auto* colonnes = new QHBoxLayout(corps);
    colonnes->setContentsMargins(0, 0, 0, 0);
    colonnes->setSpacing(6);
    auto* premiere = Colonne();
    premiere->addWidget(CreerCapteurs());
    premiere->addWidget(CreerChauffeEau());
    premiere->addWidget(CreerAppoint());
    premiere->addStretch(1);
    colonnes->addLayout(premiere);
    auto* deuxieme = Colonne();
    deuxieme->addWidget(CreerCaptage());
    deuxieme->addWidget(CreerMasque());
    deuxieme->addStretch(1);
    colonnes->addLayout(deuxieme);
    auto* troisieme = Colonne();
    troisieme->addWidget(CreerBallon());
    troisieme->addWidget(CreerEchangeur());
    troisieme->addStretch(1);
    colonnes->addLayout(troisieme);
    colonnes->addStretch(1);
    colonne->addWidget(corps);
    return fSysteme;
}

QWidget* frmProjet::CreerCapteurs() {
    QGroupBox* fCapteurs = Cadre("fCapteurs", "Capteurs");
    QGridLayout* g = GrilleDe(fCapteurs);
    AjouterChamp(g, "txtCapteur", "Type", NomElement, Largeur::Nom, 15);
    // The library of certified collectors, after the catalogue's own choice button.
    QToolButton* certifies =
        CreerBoutonChoix("cmdCapteursCertifies", QStringLiteral("Capteurs certifiés..."));
    static_cast<QHBoxLayout*>(g->itemAtPosition(g->rowCount() - 1, 1)->layout())
        ->insertWidget(2, certifies, 0, Qt::AlignVCenter);
    connect(certifies, &QToolButton::clicked, this, [this] {
        if (projet != nullptr && projet->Actif())
            OuvrirDialogue(OuvrirCapteursCertifies);
    });
    AjouterChamp(g, "TxtAc", "Ac [m²]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtBc", "Bc", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtKc", "Kc [W/(m².K)]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtNbCapteurs", "Nombre", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtSurfaceTotale", "Surf.totale [m²]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtInclinaison", "Inclinaison [°]", Numerique, Largeur::Nombre, 16);
    AjouterChamp(g, "txtOrientation", "Orientation [°]", Numerique, Largeur::Nombre, 17);
    QGroupBox* fCategorie = Cadre("fCategorieCapteur", "");
    QGridLayout* gc = GrilleDe(fCategorie);
    gc->setContentsMargins(4, 2, 4, 4);
    AjouterChamp(gc, "txtCategorieCapteur", "Catégorie", Choisi, Largeur::Moyenne, 32);
    g->addWidget(fCategorie, g->rowCount(), 0, 1, 5);
    return fCapteurs;
}

QWidget* frmProjet::CreerChauffeEau() {
    QGroupBox* fChauffeEau = Cadre("fChauffeEau", "");
    QGridLayout* g = GrilleDe(fChauffeEau);
    AjouterChamp(g, "txtTypeChauffeEau", "Type", NomElement, Largeur::Nom, 5);
    AjouterChamp(g, "txtABEtap", "ABEtap  [m²]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtKsurB", "K/B  [W/(m².K)]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "TxtDn", "Dn [W/K]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtM", "M [kg]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtInclinaisonChauffeEau", "Inclinaison [°]", Numerique, Largeur::Nombre, 7);
    AjouterChamp(g, "txtOrientationChauffeEau", "Orientation [°]", Numerique, Largeur::Nombre, 8);
    AjouterChamp(g, "txtConsigneCE", "Température [°C]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtLieuCE", "Lieu", Choisi, Largeur::Moyenne, 9);
    return fChauffeEau;
}

QWidget* frmProjet::CreerCaptage() {
    QGroupBox* fCaptage = Cadre("fCaptage", "Boucle de captage");
    QGridLayout* g = GrilleDe(fCaptage);
    AjouterChamp(g, "txtCalorifugeage", "Calorifugeage", Choisi, Largeur::Nombre, 19);
    AjouterChamp(g, "txtEfficaciteBoucle", "Efficacité", Numerique, Largeur::Nombre, 22);
    // The long label takes its own line above its field.
    auto* etiquette = new QLabel(QStringLiteral("Déperdition thermique [W/(m².K)]"));
    etiquette->setObjectName(QStringLiteral("lbl_txtDeperditionBoucle"));
    g->addWidget(etiquette, g->rowCount(), 0, 1, 4);
    AjouterChamp(g, "txtDeperditionBoucle", nullptr, Numerique, Largeur::Nombre, 18);
    QGroupBox* fDebit = Cadre("fDebitEnergetique", "");
    QGridLayout* gd = GrilleDe(fDebit);
    gd->setContentsMargins(4, 2, 4, 4);
    AjouterChamp(gd, "txtDebitEnergetique1Boucle", "Débit énerg. 1 [W/K]", Numerique,
                 Largeur::Nombre, 20);
    AjouterChamp(gd, "txtDebitEnergetique2Boucle", "Débit énerg. 2 [W/K]", Numerique,
                 Largeur::Nombre, 21);
    g->addWidget(fDebit, g->rowCount(), 0, 1, 5);
    return fCaptage;
}

QWidget* frmProjet::CreerBallon() {
    QGroupBox* fBallon = Cadre("fBallon", "Ballon");
    QGridLayout* g = GrilleDe(fBallon);
    AjouterChamp(g, "txtTypeBallon", "Type", NomElement, Largeur::Nom, 23);
    AjouterChamp(g, "txtVn", "Vn [l]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtVs", "Vs [l]", Numerique, Largeur::Nombre, 30);
    AjouterChamp(g, "txtCr", "Cr [Wh/ (l.K.j)]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtDeperditionBallon", "Ds [W/K]", Numerique, Largeur::Nombre, 25);
    AjouterChamp(g, "txtConsigne", "T [°C]", Numerique, Largeur::Nombre);
    AjouterChamp(g, "txtLieu", "Lieu", Choisi, Largeur::Moyenne, 24);
    return fBallon;
}

QWidget* frmProjet::CreerEchangeur() {
    QGroupBox* fEchangeur = Cadre("fEchangeur", "");
    QGridLayout* g = GrilleDe(fEchangeur);
    AjouterChamp(g, "txtKech", "Kéch [W/K]", Numerique, Largeur::Nombre, 13);
    QGroupBox* fDetail = Cadre("fDetailEchangeur", "");
    QGridLayout* gd = GrilleDe(fDetail);
    gd->setContentsMargins(4, 2, 4, 4);
    AjouterChamp(gd, "txtTypeEchangeur", nullptr, Choisi, Largeur::Nom, 12);
    AjouterChamp(gd, "txtKechA", "Surf. [m²]", Numerique, Largeur::Nombre);
    g->addWidget(fDetail, g->rowCount(), 0, 1, 5);
    QGroupBox* fSituation = Cadre("fSituationEchangeur", "");
    QGridLayout* gs = GrilleDe(fSituation);
    gs->setContentsMargins(4, 2, 4, 4);
    AjouterChamp(gs, "txtSituationEchangeur", nullptr, Choisi, Largeur::Moyenne, 27);
    g->addWidget(fSituation, g->rowCount(), 0, 1, 5);
    return fEchangeur;
}

QWidget* frmProjet::CreerAppoint() {
    QGroupBox* fAppoint = Cadre("fAppoint", "");
    QGridLayout* g = GrilleDe(fAppoint);
    AjouterChamp(g, "txtAlim", "Aliment.", Choisi, Largeur::Moyenne, 31);
    AjouterChamp(g, "txtVcElec", "Vc Elec. [l]", Numerique, Largeur::Nombre, 6);
    return fAppoint;
}

QWidget* frmProjet::CreerMasque() {
    QGroupBox* fMasque = Cadre("fMasque", "");
    auto* colonne = Colonne(fMasque);
    colonne->setContentsMargins(6, 6, 6, 6);
    picMasque_ = new GraphiqueMasque(GraphiqueMasque::Format::Compact);
    picMasque_->setObjectName(QStringLiteral("picMasque"));
    picMasque_->setMinimumSize(PixelsX(3400), PixelsY(1600));
    picMasque_->setCursor(Qt::PointingHandCursor);
    picMasque_->installEventFilter(this);
    colonne->addWidget(picMasque_);
    return fMasque;
}

QWidget* frmProjet::CreerResultats() {
    QGroupBox* fResultats = Cadre("fResultats", "RESULTATS");
    auto* colonne = Colonne(fResultats);
    colonne->setContentsMargins(6, 4, 6, 6);
    picResultats_ = AjouterBascule("picResultats", &frmProjet::picResultats_Click, fResultats);
    // The chart beside the grid: on a 1280 x 800 screen both stay in sight under the
    // sections above them.
    QWidget* contenu = Contenu("contenuResultats");
    auto* pile = new QVBoxLayout(contenu);
    pile->setContentsMargins(0, 0, 0, 0);
    auto* ligne = new QHBoxLayout;
    ligne->setSpacing(6);
    flxResultats_ = new ResultatsGrille;
    flxResultats_->setObjectName(QStringLiteral("flxResultats"));
    bilan_ = new GraphiqueBilan;
    bilan_->setObjectName(QStringLiteral("graphiqueBilan"));
    bilan_->setMinimumSize(PixelsX(6000), PixelsY(2000));
    ligne->addWidget(flxResultats_, 0, Qt::AlignTop);
    ligne->addWidget(bilan_, 1);
    bilan_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pile->addLayout(ligne, 1);
    // What the results are worth: a summary and the dialog that sets its hypotheses.
    auto* economie = new QHBoxLayout;
    cmdEconomie_ = new QPushButton(QStringLiteral("Économie..."));
    cmdEconomie_->setObjectName(QStringLiteral("cmdEconomie"));
    cmdEconomie_->setAutoDefault(false);
    connect(cmdEconomie_, &QPushButton::clicked, this, &frmProjet::cmdEconomie_Click);
    lblEconomie_ = new QLabel;
    lblEconomie_->setObjectName(QStringLiteral("lblEconomie"));
    economie->addWidget(cmdEconomie_);
    // The sizing study beside the method: coverage against area for several tanks.
    cmdDimensionnement_ = new QPushButton(QStringLiteral("Dimensionnement..."));
    cmdDimensionnement_->setObjectName(QStringLiteral("cmdDimensionnement"));
    cmdDimensionnement_->setAutoDefault(false);
    connect(cmdDimensionnement_, &QPushButton::clicked, this, &frmProjet::cmdDimensionnement_Click);
    economie->addWidget(cmdDimensionnement_);
    // Who the study is for: printed on the report's first page.
    cmdDossier_ = new QPushButton(QStringLiteral("Dossier..."));
    cmdDossier_->setObjectName(QStringLiteral("cmdDossier"));
    cmdDossier_->setAutoDefault(false);
    connect(cmdDossier_, &QPushButton::clicked, this, &frmProjet::cmdDossier_Click);
    economie->addWidget(cmdDossier_);
    economie->addWidget(lblEconomie_, 1);
    pile->addLayout(economie);
    colonne->addWidget(contenu);
    return fResultats;
}
