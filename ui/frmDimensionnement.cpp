#include "ui/frmDimensionnement.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/GraphiqueDimensionnement.h"
#include "ui/modAffichages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
QString Nombre(double v, int decimales = 0) {
    return QString::fromStdString(decimales ? FormatDecimales(v, decimales) : FormatEntier(v));
}

QString Point(const PointBalayage& p) {
    return QStringLiteral("%1 capteurs (%2 m²)").arg(p.nombre).arg(Nombre(p.surface, 2));
}
} // namespace

frmDimensionnement::frmDimensionnement(std::function<clsprojet*()> projet, QWidget* parent)
    : QDialog(parent), projet_(std::move(projet)) {
    setWindowTitle(QStringLiteral("Dimensionnement"));
    setObjectName(QStringLiteral("frmDimensionnement"));
    auto* haut = new QHBoxLayout;
    haut->addWidget(new QLabel(QStringLiteral("Couverture visée [%]")));
    txtCible_ = new ChampSaisie(ChampSaisie::Genre::Numerique);
    txtCible_->setObjectName(QStringLiteral("txtCible"));
    txtCible_->DefinirLibelle(QStringLiteral("Couverture visée [%]"));
    txtCible_->DefinirPlage(0, 100);
    txtCible_->setFixedWidth(PixelsX(700));
    connect(txtCible_, &ChampSaisie::valide, this, &frmDimensionnement::DefinirCible);
    haut->addWidget(txtCible_);
    haut->addStretch(1);
    couverture_ = new GraphiqueDimensionnement(GraphiqueDimensionnement::Grandeur::Couverture);
    couverture_->setObjectName(QStringLiteral("graphiqueCouverture"));
    productivite_ =
        new GraphiqueDimensionnement(GraphiqueDimensionnement::Grandeur::ProductiviteM2);
    productivite_->setObjectName(QStringLiteral("graphiqueProductivite"));
    for (GraphiqueDimensionnement* g : {couverture_, productivite_})
        connect(g, &GraphiqueDimensionnement::pointChoisi, this, &frmDimensionnement::Appliquer);
    lblResume_ = new QLabel;
    lblResume_->setObjectName(QStringLiteral("lblResume"));
    lblResume_->setWordWrap(true);
    auto* bas = new QHBoxLayout;
    bas->addWidget(new QLabel(QStringLiteral("Cliquez sur un point pour donner au projet ce "
                                             "nombre de capteurs et ce ballon.")),
                   1);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"));
    fermer->setObjectName(QStringLiteral("cmdFermer"));
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::close);
    bas->addWidget(fermer);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(haut);
    disposition->addWidget(couverture_, 3);
    disposition->addWidget(productivite_, 2);
    disposition->addWidget(lblResume_);
    disposition->addLayout(bas);
    StylerFenetre(this);
    txtCible_->AfficherValeur(cible_, FormatAffichage::Entier);
    couverture_->DefinirCible(cible_);
    resize(720, 680);
    Actualiser();
}

void frmDimensionnement::Actualiser() {
    ++actualisations_;
    couverture_->Afficher(nullptr);
    productivite_->Afficher(nullptr);
    balayage_.reset();
    clsprojet* projet = projet_();
    QString erreur;
    if (projet == nullptr || !projet->Actif()) {
        erreur = QStringLiteral("Aucun projet n'est ouvert.");
    } else {
        SablierActif sablier;
        try {
            balayage_ =
                Balayer(*projet, GrilleAutourDuProjet(projet->EnregistrementAvantCalcul().Calcul));
        } catch (const ErreurExecution& e) {
            erreur = QString::fromStdString(e.what());
        }
    }
    if (balayage_) {
        couverture_->Afficher(&*balayage_);
        productivite_->Afficher(&*balayage_);
    }
    if (erreur.isEmpty())
        AfficherResume();
    else
        lblResume_->setText(erreur);
}

void frmDimensionnement::Appliquer(std::size_t indice) {
    clsprojet* projet = projet_();
    if (!balayage_ || indice >= balayage_->points.size() || projet == nullptr)
        return;
    const PointBalayage point = balayage_->points[indice];
    const BallonBalayage ballon = balayage_->grille.ballons[point.ballon];
    const int avant = actualisations_;
    try {
        projet->Appliquer("Nb_Capteurs", std::to_string(point.nombre));
        // The project's own tank may be a value of the person's, not a catalogue name.
        if (!ballon.projet)
            projet->Appliquer("Type_ballon", ballon.nom);
        (void)projet->SimulerORIN(true);
    } catch (const std::exception& e) {
        notificateur().Message(TexteException(e), TitreApplication);
    }
    // A project without a window gives no signal of its change.
    if (actualisations_ == avant)
        Actualiser();
}

void frmDimensionnement::DefinirCible(double cible) {
    cible_ = cible;
    txtCible_->AfficherValeur(cible_, FormatAffichage::Entier);
    couverture_->DefinirCible(cible_);
    if (balayage_)
        AfficherResume();
}

void frmDimensionnement::AfficherResume() {
    const Balayage& b = *balayage_;
    const PointBalayage& p = b.points[b.projet];
    const BallonBalayage& ballon = b.grille.ballons[p.ballon];
    QString texte =
        QStringLiteral("Projet : %1, ballon de %2 l : couverture %3 %, productivité "
                       "%4 kWh/m².")
            .arg(Point(p), Nombre(ballon.Vn), Nombre(p.Fecs_an), Nombre(p.Productivite_par_m2));
    if (!p.calcule)
        texte = QStringLiteral("Le projet n'a pas pu être calculé : ") +
                QString::fromStdString(p.cause);
    if (p.moisSurchauffe > 0)
        texte += QStringLiteral(" %1 mois couverts à %2 % ou plus (jusqu'à %3 %) : stagnation "
                                "probable en été.")
                     .arg(p.moisSurchauffe)
                     .arg(Nombre(SeuilSurchauffe), Nombre(p.FecsMax));
    const PointBalayage* atteint = nullptr;
    for (std::size_t n = 0; n < b.grille.nombres.size() && !atteint; ++n) {
        const PointBalayage& q = b.Point(n, p.ballon);
        if (q.calcule && q.Fecs_an >= cible_)
            atteint = &q;
    }
    texte +=
        QStringLiteral("\nAvec ce ballon, ") +
        (atteint ? QStringLiteral("%1 % sont atteints dès %2.").arg(Nombre(cible_), Point(*atteint))
                 : QStringLiteral("aucun des nombres de capteurs étudiés n'atteint %1 %.")
                       .arg(Nombre(cible_)));
    lblResume_->setText(texte);
}
