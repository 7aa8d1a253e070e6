#include "ui/frmDossier.h"

#include "common/Notificateur.h"
#include "project/ReglesSaisie.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// The dossier's keys, in the order the dialog shows them.
const char* const Cles[] = {"Client",  "Adresse",   "Commune",  "Installateur",
                            "Contact", "Reference", "DateEtude"};
// What the next projects are offered.
const char* const Memorises[] = {"Installateur", "Contact"};

QString Cle(const char* cle) {
    return QStringLiteral("Dossier/") + QString::fromLatin1(cle);
}

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}
} // namespace

frmDossier::frmDossier(clsprojet& projet, QWidget* parent) : QDialog(parent), projet_(projet) {
    setWindowTitle(QStringLiteral("Dossier"));
    auto* formulaire = new QFormLayout;
    for (const char* cle : Cles) {
        const RegleSaisie& regle = TrouverRegle(std::string("Dossier:") + cle);
        auto* champ = new ChampSaisie(ChampSaisie::Genre::Texte);
        champ->setObjectName(QStringLiteral("txt") + QString::fromLatin1(cle));
        champ->DefinirValidationEntree(false);
        champ->DefinirRegle(regle);
        champ->setMaxLength(static_cast<int>(LongueurDossierMax));
        champ->setMinimumWidth(PixelsX(5200));
        champs_[cle] = champ;
        formulaire->addRow(
            QString::fromUtf8(regle.libelle.data(), static_cast<int>(regle.libelle.size())), champ);
    }
    // The installer's logo: an image file of the person's, remembered once.
    lblLogo_ = new QLabel;
    lblLogo_->setObjectName(QStringLiteral("lblLogo"));
    auto* choisir = new QPushButton(QStringLiteral("Choisir..."));
    choisir->setObjectName(QStringLiteral("cmdLogo"));
    choisir->setAutoDefault(false);
    connect(choisir, &QPushButton::clicked, this, &frmDossier::ChoisirLogo);
    auto* retirer = new QPushButton(QStringLiteral("Retirer"));
    retirer->setObjectName(QStringLiteral("cmdRetirerLogo"));
    retirer->setAutoDefault(false);
    connect(retirer, &QPushButton::clicked, this, [this] { DefinirLogo(QString()); });
    auto* logo = new QHBoxLayout;
    logo->addWidget(lblLogo_, 1);
    logo->addWidget(choisir);
    logo->addWidget(retirer);
    formulaire->addRow(QStringLiteral("Logo de l'installateur"), logo);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(formulaire);
    disposition->addLayout(boutons.rangee);
    StylerFenetre(this);
    Afficher();
}

void frmDossier::Afficher() {
    const clsDossier& d = projet_.Dossier;
    const std::map<std::string, const std::string*> valeurs = {
        {"Client", &d.Client},      {"Adresse", &d.Adresse},
        {"Commune", &d.Commune},    {"Installateur", &d.Installateur},
        {"Contact", &d.Contact},    {"Reference", &d.Reference},
        {"DateEtude", &d.DateEtude}};
    for (const auto& [cle, valeur] : valeurs)
        champs_.at(cle)->AfficherTexte(Q(*valeur));
    // Proposed, not imposed: the person's Ok keeps them, Annuler leaves the project as it was.
    const QSettings reglages;
    for (const char* cle : Memorises) {
        const QString memorise = reglages.value(Cle(cle)).toString();
        if (champs_.at(cle)->text().isEmpty() && !memorise.isEmpty())
            champs_.at(cle)->Saisir(memorise);
    }
    // An empty date is the day the report is printed.
    champs_.at("DateEtude")
        ->setPlaceholderText(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
    DefinirLogo(reglages.value(Cle("Logo")).toString());
}

void frmDossier::DefinirLogo(const QString& chemin) {
    QSettings().setValue(Cle("Logo"), chemin);
    const QImage image = chemin.isEmpty() ? QImage() : QImageReader(chemin).read();
    if (image.isNull()) {
        lblLogo_->setText(chemin.isEmpty() ? QStringLiteral("Aucun")
                                           : QStringLiteral("Image illisible : ") +
                                                 QFileInfo(chemin).fileName());
        return;
    }
    lblLogo_->setPixmap(QPixmap::fromImage(
        image.scaled(PixelsX(1800), PixelsY(700), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    lblLogo_->setToolTip(chemin);
}

void frmDossier::ChoisirLogo() {
    const QString chemin = QFileDialog::getOpenFileName(
        this, QStringLiteral("Logo de l'installateur"), QString(),
        QStringLiteral("Images (*.png *.jpg *.jpeg *.bmp *.gif *.svg)"));
    if (!chemin.isEmpty())
        DefinirLogo(chemin);
}

void frmDossier::accept() {
    std::vector<ControleChamp> controles;
    for (const char* cle : Cles)
        controles.push_back({champs_.at(cle), cle});
    if (!ControlerChamps(controles))
        return;
    QSettings reglages;
    for (const char* cle : Cles) {
        const ChampSaisie* champ = champs_.at(cle);
        if (!champ->Edite())
            continue;
        projet_.Appliquer(std::string("Dossier:") + cle, champ->text().toStdString());
        if (std::find(std::begin(Memorises), std::end(Memorises), std::string_view(cle)) !=
                std::end(Memorises) &&
            !champ->text().trimmed().isEmpty())
            reglages.setValue(Cle(cle), champ->text().trimmed());
    }
    QDialog::accept();
}

bool OuvrirDossier(clsprojet& projet, QWidget* parent) {
    frmDossier dialogue(projet, parent);
    return dialogue.exec() == QDialog::Accepted;
}
