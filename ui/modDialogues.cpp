#include "ui/modDialogues.h"

#include "common/Notificateur.h"
#include "data/modCopieUtilisateur.h"
#include "data/modTexte.h"
#include "ui/modAffichages.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

QString AbreviationMois(int mois) {
    static const std::array<const char*, 12> noms = {"Jan",  "Fév", "Mar", "Avr", "Mai", "Jui",
                                                     "Juil", "Aou", "Sep", "Oct", "Nov", "Déc"};
    return mois >= 1 && mois <= 12 ? QString::fromUtf8(noms[static_cast<std::size_t>(mois - 1)])
                                   : QString();
}

QLabel* EnteteMois(int mois, QWidget* parent) {
    auto* l = new QLabel(AbreviationMois(mois), parent);
    l->setObjectName(QStringLiteral("lblMois%1").arg(mois));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

BoutonsDialogue CreerBoutons(QDialog* dialogue, const char* nomAnnuler) {
    BoutonsDialogue b{new QHBoxLayout, new QPushButton(QStringLiteral("Ok"), dialogue),
                      new QPushButton(QStringLiteral("Annuler"), dialogue)};
    b.ok->setObjectName(QStringLiteral("cmdOk"));
    b.annuler->setObjectName(QString::fromLatin1(nomAnnuler));
    b.ok->setDefault(true);
    b.annuler->setAutoDefault(false);
    QObject::connect(b.ok, &QPushButton::clicked, dialogue, &QDialog::accept);
    QObject::connect(b.annuler, &QPushButton::clicked, dialogue, &QDialog::reject);
    b.rangee->addStretch();
    b.rangee->addWidget(b.ok);
    b.rangee->addWidget(b.annuler);
    return b;
}

QToolButton* CreerBoutonChoix(const char* nom, const QString& infobulle, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setText(QStringLiteral("..."));
    b->setToolTip(infobulle);
    b->setFocusPolicy(Qt::TabFocus);
    b->setFixedSize(PixelsX(330), PixelsY(330));
    return b;
}

bool SaisieNumerique(const QString& texte) {
    if (texte.isEmpty() || texte == QLatin1String("-"))
        return true;
    return EstNumerique(Remplacer(texte.toStdString(), ".", ","));
}

double ValeurSaisie(const QString& texte) {
    if (texte.isEmpty() || !SaisieNumerique(texte))
        return 0.0;
    return ValeurEnTete(texte.toStdString());
}

void MontrerAvisCopieUtilisateur(QWidget* depuis) {
    MontrerAvisCopieUtilisateur(depuis, AvisCopieUtilisateur());
}

void MontrerAvisCopieUtilisateur(QWidget* depuis, const std::string& avis) {
    if (avis.empty())
        return;
    // A dialog is a window of its own: its parents lead to the main window.
    QMainWindow* principale = nullptr;
    for (QWidget* w = depuis; w != nullptr && principale == nullptr; w = w->parentWidget())
        principale = qobject_cast<QMainWindow*>(w);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (principale == nullptr && w->isVisible())
            principale = qobject_cast<QMainWindow*>(w);
    }
    if (principale != nullptr) {
        principale->statusBar()->showMessage(QString::fromStdString(avis));
        return;
    }
    notificateur().Message(avis, TitreApplication);
}
