#include "ui/frmDebitEnergetique.h"

#include "data/modTexte.h"
#include "project/clsBoucle.h"
#include "project/clsprojet.h"
#include "ui/ChampSaisie.h"
#include "ui/ControleSaisie.h"
#include "ui/Dialogues.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString LibelleDebitUnitaire = QStringLiteral("Débit unitaire [l/(h.m²)]");
const QString LibelleDebitTotal = QStringLiteral("Débit total [l/h]");
const QString LibelleCapaciteThermique = QStringLiteral("Capa. Therm. [Wh/l.K]");
const QString LibelleAntigel = QStringLiteral("Antigel [%]");

ChampSaisie* ChampValeur(const char* nom) {
    auto* c = new ChampSaisie(ChampSaisie::Genre::Numerique);
    c->setObjectName(QString::fromLatin1(nom));
    c->DefinirValidationEntree(false);
    c->setFixedWidth(PixelsX(1100));
    return c;
}

QComboBox* Liste(const char* nom) {
    auto* l = new QComboBox;
    l->setObjectName(QString::fromLatin1(nom));
    return l;
}
} // namespace

frmDebitEnergetique::frmDebitEnergetique(clsBoucle& boucle, int numero, QWidget* parent)
    : QDialog(parent), numero_(numero == 2 ? 2 : 1),
      q_(numero_ == 1
             ? Quantites{&boucle.Debit_Unitaire, &boucle.Debit_Total, &boucle.cp, &boucle.Fa}
             : Quantites{&boucle.Debit_Unitaire2, &boucle.Debit_Total2, &boucle.cp2, &boucle.Fa2}),
      cmbDebit_(Liste("cmbDebit")), cmbThermique_(Liste("cmbThermique")),
      txtDebit_(ChampValeur("txtDebit")), txtThermique_(ChampValeur("txtThermique")) {
    setWindowTitle(QStringLiteral("Débit énergétique %1").arg(numero_));
    setProperty(ProprieteTag, QString::number(numero_));

    auto* cadre = new QGroupBox(QStringLiteral("Débits énergétiques"));
    auto* grille = new QGridLayout(cadre);
    auto* titre = new QLabel(QStringLiteral("Débit énergétique"));
    titre->setObjectName(QStringLiteral("lblDebitEnergetique"));
    grille->addWidget(titre, 0, 0, 1, 2);
    grille->addWidget(cmbDebit_, 1, 0);
    grille->addWidget(txtDebit_, 1, 1);
    grille->addWidget(cmbThermique_, 2, 0);
    grille->addWidget(txtThermique_, 2, 1);

    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(cadre);
    disposition->addLayout(boutons.rangee);
    disposition->setSizeConstraint(QLayout::SetFixedSize);

    StylerFenetre(this);
    cmbDebit_->addItems({LibelleDebitUnitaire, LibelleDebitTotal});
    cmbThermique_->addItems({LibelleCapaciteThermique, LibelleAntigel});
    cmbDebit_->setCurrentIndex(*q_.total != 0 ? 1 : 0);
    cmbThermique_->setCurrentIndex(*q_.fa != 0 ? 1 : 0);
    AfficherDebit();
    AfficherThermique();
    // Switching shows the other stored quantity, never a conversion of the text.
    connect(cmbDebit_, &QComboBox::currentIndexChanged, this, &frmDebitEnergetique::AfficherDebit);
    connect(cmbThermique_, &QComboBox::currentIndexChanged, this,
            &frmDebitEnergetique::AfficherThermique);
    txtDebit_->installEventFilter(this);
    txtThermique_->installEventFilter(this);
}

bool frmDebitEnergetique::Unitaire() const {
    return cmbDebit_->currentText() == LibelleDebitUnitaire;
}

bool frmDebitEnergetique::Antigel() const {
    return cmbThermique_->currentText() == LibelleAntigel;
}

void frmDebitEnergetique::AfficherDebit() {
    txtDebit_->AfficherValeur(Unitaire() ? *q_.unitaire : *q_.total,
                              FormatAffichage::DeuxDecimales);
}

void frmDebitEnergetique::AfficherThermique() {
    txtThermique_->AfficherValeur(Antigel() ? *q_.fa : *q_.cp, FormatAffichage::DeuxDecimales);
}

bool frmDebitEnergetique::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::FocusIn) {
        if (auto* champ = qobject_cast<ChampSaisie*>(objet))
            champ->VerifierNumerique();
    }
    return QDialog::eventFilter(objet, evenement);
}

void frmDebitEnergetique::accept() {
    const std::string section = "Débit énergétique " + std::to_string(numero_) + ":";
    const std::string cleThermique = section + (Antigel() ? "Fa" : "cp");
    const std::string cleDebit = section + (Unitaire() ? "Debit_Unitaire" : "Debit_Total");
    if (!ControlerChamps({{txtThermique_, cleThermique.c_str()}, {txtDebit_, cleDebit.c_str()}}))
        return;
    // A value given replaces the other way of giving it; a value left as shown is
    // written nowhere.
    if (txtThermique_->Edite()) {
        *(Antigel() ? q_.fa : q_.cp) = static_cast<float>(txtThermique_->Valeur());
        *(Antigel() ? q_.cp : q_.fa) = 0;
    }
    if (txtDebit_->Edite()) {
        *(Unitaire() ? q_.unitaire : q_.total) = static_cast<float>(txtDebit_->Valeur());
        *(Unitaire() ? q_.total : q_.unitaire) = 0;
    }
    QDialog::accept();
}

void OuvrirDebitEnergetique(clsprojet& projet, int numero, QWidget* parent) {
    if (!projet.Boucle || (numero != 1 && numero != 2))
        return;
    frmDebitEnergetique dialogue(*projet.Boucle, numero, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
