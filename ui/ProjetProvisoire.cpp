#include "ui/ProjetProvisoire.h"

#include "ui/GraphiqueBilan.h"
#include "ui/ResultatsGrille.h"
#include "ui/modAffichages.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

ProjetProvisoire::ProjetProvisoire(int numero, std::set<int>& numerosPris)
    : numero_(numero), numerosPris_(numerosPris) {
    numerosPris_.insert(numero_);
    fichier_ =
        QDir::currentPath() + QStringLiteral("/Projet%1.vqp").arg(numero_, 4, 10, QLatin1Char('0'));

    fenetre_ = new QWidget;
    fenetre_->setWindowTitle(fichier_);
    auto* disposition = new QVBoxLayout(fenetre_);
    auto* note = new QLabel(QStringLiteral("Les sections du projet s'afficheront ici."));
    note->setFont(Police(9));
    disposition->addWidget(note);
    auto* resultats = new QGroupBox(QStringLiteral("RESULTATS"));
    auto* dispositionResultats = new QVBoxLayout(resultats);
    grille_ = new ResultatsGrille;
    graphique_ = new GraphiqueBilan;
    graphique_->setFixedWidth(grille_->width());
    dispositionResultats->addWidget(grille_);
    dispositionResultats->addWidget(graphique_);
    disposition->addWidget(resultats);
    disposition->addStretch();
    Redessiner();
}

ProjetProvisoire::~ProjetProvisoire() {
    numerosPris_.erase(numero_);
    // A window never handed to the main window has no owner but this object.
    if (fenetre_ && fenetre_->parent() == nullptr)
        delete fenetre_;
}

void ProjetProvisoire::Redessiner() {
    // No results exist yet: the section shows as in on-demand mode.
    grille_->AfficherResultats(DonneesResultats{}, false);
    graphique_->Afficher(DonneesResultats{}, false);
}

void ProjetProvisoire::Ouvrir(const QString& chemin) {
    EnregistrerSous(chemin);
    Redessiner();
}

void ProjetProvisoire::EnregistrerSous(const QString& chemin) {
    fichier_ = chemin;
    if (fenetre_)
        fenetre_->setWindowTitle(fichier_);
}

void ProjetProvisoire::Calculer() {
    Redessiner();
}

std::unique_ptr<ProjetUI> FabriqueProvisoire::NouveauProjet() {
    int numero = 1;
    while (numerosPris_.count(numero) != 0)
        ++numero;
    return std::make_unique<ProjetProvisoire>(numero, numerosPris_);
}
