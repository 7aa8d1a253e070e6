#include "ui/frmOptions.h"

#include "data/modMessages.h"
#include "ui/Raccords.h"
#include "ui/modAffichages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmOptions::frmOptions(QWidget* parent)
    : QDialog(parent), optCalculAuto_(new QRadioButton(QStringLiteral("Calcul sur automatique"))),
      optCalculDemande_(new QRadioButton(QStringLiteral("Calcul sur demande"))),
      chkMessages_(new QCheckBox(QStringLiteral("Afficher les messages de calcul"))) {
    setWindowTitle(QStringLiteral("Options"));
    optCalculAuto_->setObjectName(QStringLiteral("OptCalculAuto"));
    optCalculDemande_->setObjectName(QStringLiteral("optCalculDemande"));
    chkMessages_->setObjectName(QStringLiteral("chkMessages"));

    auto* mode = new QGroupBox;
    auto* dispositionMode = new QVBoxLayout(mode);
    dispositionMode->addWidget(optCalculAuto_);
    dispositionMode->addWidget(optCalculDemande_);

    auto* boutons = new QDialogButtonBox;
    QPushButton* ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* annuler =
        boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    annuler->setObjectName(QStringLiteral("cmdCancel"));
    ok->setDefault(true);
    connect(boutons, &QDialogButtonBox::accepted, this, &frmOptions::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &frmOptions::reject);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(mode);
    disposition->addWidget(chkMessages_);
    disposition->addWidget(boutons);
    setFont(Police(9));
}

void frmOptions::showEvent(QShowEvent* evenement) {
    // The dialog mirrors the program's current settings each time it opens.
    const bool automatique = ModeCalculAuto();
    optCalculAuto_->setChecked(automatique);
    optCalculDemande_->setChecked(!automatique);
    chkMessages_->setChecked(AfficherMessages);
    QDialog::showEvent(evenement);
}

void frmOptions::accept() {
    DefinirModeCalculAuto(optCalculAuto_->isChecked());
    AfficherMessages = chkMessages_->isChecked();
    QDialog::accept();
}
