#include "ui/AideContextuelle.h"

#include "common/Chemins.h"
#include "common/Notificateur.h"
#include "ui/frmAide.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <cstring>

namespace {
constexpr std::array<AncreAide, 18> Fenetres = {{
    {"frmMain", "principale"},
    {"frmProjet", "projet"},
    {"frmAide", "aide"},
    {"frmChoix", "liste"},
    {"frmStation", "station"},
    {"frmMasques", "masques"},
    {"frmImportHorizon", "masques"},
    {"frmBesoins", "saisie-besoins"},
    {"frmBesoinsFoyer", "foyer"},
    {"frmDebitEnergetique", "debit"},
    {"frmDeperdition", "deperdition"},
    {"frmOptions", "options"},
    {"frmSplash", "a-propos"},
    {"frmEconomie", "economie"},
    {"frmDimensionnement", "dimensionnement"},
    {"frmCapteursCertifies", "capteurs-certifies"},
    {"frmDossier", "dossier"},
    {"frmImpression", "apercu"},
}};

constexpr std::array<AncreAide, 14> Sections = {{
    {"fStation", "meteo"},
    {"fSite", "meteo"},
    {"fMeteo", "meteo"},
    {"txtCommune", "commune"},
    {"fBesoins", "besoins"},
    {"fSysteme", "systeme"},
    {"fCapteurs", "capteurs"},
    {"fChauffeEau", "chauffe-eau"},
    {"fCaptage", "boucle"},
    {"fBallon", "ballon"},
    {"fEchangeur", "echangeur"},
    {"fAppoint", "appoint"},
    {"fMasque", "masque"},
    {"fResultats", "resultats"},
}};

// The popup list has no room for a button, and the about box nothing to explain.
bool SansBoutonAide(const char* classe) {
    return std::strcmp(classe, "frmChoix") == 0 || std::strcmp(classe, "frmSplash") == 0;
}

// The button before which « Aide » goes: the one that ends the dialog.
bool BoutonDeFin(const QWidget* w) {
    static const QStringList noms = {QStringLiteral("cmdOk"), QStringLiteral("cmdOK"),
                                     QStringLiteral("cmdFermer")};
    return qobject_cast<const QPushButton*>(w) != nullptr && noms.contains(w->objectName());
}

const char* Chercher(std::span<const AncreAide> table, const char* nom) {
    for (const AncreAide& a : table) {
        if (std::strcmp(a.nom, nom) == 0)
            return a.ancre;
    }
    return nullptr;
}

QMainWindow* FenetrePrincipale(const QWidget* depuis) {
    for (const QWidget* w = depuis; w != nullptr; w = w->parentWidget()) {
        if (auto* principale = qobject_cast<QMainWindow*>(const_cast<QWidget*>(w)))
            return principale;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* principale = qobject_cast<QMainWindow*>(w); principale && w->isVisible())
            return principale;
    }
    return nullptr;
}

QPushButton* PlacerBoutonAide(QDialog& dialogue) {
    if (auto* boite = dialogue.findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* b : boite->buttons()) {
            if (boite->buttonRole(b) == QDialogButtonBox::HelpRole)
                return nullptr;
        }
        return boite->addButton(QStringLiteral("Aide"), QDialogButtonBox::HelpRole);
    }
    for (QBoxLayout* rangee : dialogue.findChildren<QBoxLayout*>()) {
        for (int i = 0; i < rangee->count(); ++i) {
            if (BoutonDeFin(rangee->itemAt(i)->widget())) {
                auto* aide = new QPushButton(QStringLiteral("Aide"), &dialogue);
                rangee->insertWidget(i, aide);
                return aide;
            }
        }
    }
    return nullptr;
}

void AjouterBoutonAide(QDialog& dialogue) {
    static const char* const Fait = "varquinBoutonAide";
    if (dialogue.property(Fait).isValid())
        return;
    dialogue.setProperty(Fait, true);
    const char* classe = dialogue.metaObject()->className();
    const char* ancre = Chercher(Fenetres, classe);
    if (ancre == nullptr || SansBoutonAide(classe))
        return;
    QPushButton* aide = PlacerBoutonAide(dialogue);
    if (aide == nullptr)
        return;
    aide->setObjectName(QStringLiteral("cmdAide"));
    aide->setToolTip(QStringLiteral("L'aide de cette fenêtre (F1)"));
    // Enter stays the dialog's Ok.
    aide->setAutoDefault(false);
    QObject::connect(aide, &QPushButton::clicked, &dialogue,
                     [&dialogue, ancre] { OuvrirAide(QString::fromLatin1(ancre), &dialogue); });
    // Shown already: the row takes the button in now, not at the next pass.
    if (QLayout* disposition = dialogue.layout())
        disposition->activate();
}

void AideTouche(const QWidget* recepteur) {
    const QString ancre = AncreAideDe(recepteur);
    // A popup (a choice list, a menu) holds the keyboard and would close under the help
    // window: it is closed first, and the help opens once it has gone.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        QTimer::singleShot(0, qApp, [ancre] { OuvrirAide(ancre, QApplication::activeWindow()); });
        return;
    }
    OuvrirAide(ancre, recepteur);
}

class FiltreAide : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show) {
            if (auto* dialogue = qobject_cast<QDialog*>(objet); dialogue && dialogue->isWindow())
                AjouterBoutonAide(*dialogue);
        } else if (evenement->type() == QEvent::KeyPress && objet->isWidgetType()) {
            const auto* touche = static_cast<const QKeyEvent*>(evenement);
            if (touche->key() == Qt::Key_F1 &&
                (touche->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                AideTouche(static_cast<QWidget*>(objet));
                return true;
            }
        }
        return false;
    }
};
} // namespace

std::span<const AncreAide> AncresFenetres() {
    return Fenetres;
}

std::span<const AncreAide> AncresSections() {
    return Sections;
}

QString AncreAideDe(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const char* ancre = Chercher(Fenetres, w->metaObject()->className());
        if (ancre == nullptr)
            continue;
        if (std::strcmp(w->metaObject()->className(), "frmProjet") == 0) {
            for (const QWidget* s = widget; s != w; s = s->parentWidget()) {
                if (const char* partie = Chercher(Sections, s->objectName().toLatin1().constData()))
                    return QString::fromLatin1(partie);
            }
        }
        return QString::fromLatin1(ancre);
    }
    return {};
}

bool OuvrirAide(const QString& ancre, const QWidget* depuis) {
    const QString page =
        QFileInfo(QString::fromStdString(CheminInstall("\\help\\index.htm"))).absoluteFilePath();
    frmAide* aide = frmAide::Unique(FenetrePrincipale(depuis));
    if (!aide->Ouvrir(page, ancre)) {
        notificateur().Message("La page d'aide est introuvable : « " + page.toStdString() + " ».",
                               TitreApplication);
        return false;
    }
    aide->Montrer();
    return true;
}

void InstallerAideContextuelle(QApplication& application) {
    const QString nom = QStringLiteral("aideContextuelle");
    if (application.findChild<QObject*>(nom, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* filtre = new FiltreAide(&application);
    filtre->setObjectName(nom);
    application.installEventFilter(filtre);
}
