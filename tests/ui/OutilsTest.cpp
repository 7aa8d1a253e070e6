#include "OutilsTest.h"

#include "engine/modCalculORIN.h"
#include "project/EtatApplication.h"
#include "project/clsprojet.h"
#include "startup/Modgeneral.h"
#include "ui/Demarrage.h"
#include "ui/frmChoix.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
class ProjetEnregistreur : public ProjetUI {
public:
    ProjetEnregistreur(FabriqueEnregistreuse& f, int numero)
        : fabrique_(f), prefixe_(QString::number(numero) + QLatin1Char(':')),
          fenetre_(new QLabel(QStringLiteral("Projet %1").arg(numero))) {
        fenetre_->setWindowTitle(
            QStringLiteral("Projet%1.vqp").arg(numero, 4, 10, QLatin1Char('0')));
        fenetre_->resize(300, 120);
    }
    ~ProjetEnregistreur() override {
        ++fabrique_.detruits;
        Noter(QStringLiteral("Detruit"));
    }
    QWidget* Fenetre() override { return fenetre_; }
    void Ouvrir(const QString& chemin) override { Noter(QStringLiteral("Ouvrir ") + chemin); }
    bool Enregistrer() override {
        Noter(QStringLiteral("Enregistrer"));
        return true;
    }
    bool EnregistrerSous(const QString& chemin) override {
        Noter(QStringLiteral("EnregistrerSous ") + chemin);
        return true;
    }
    void Annuler() override { Noter(QStringLiteral("Annuler")); }
    void Calculer() override { Noter(QStringLiteral("Calculer")); }
    void ApercuAvantImpression(QWidget*) override { Noter(QStringLiteral("Apercu")); }
    void Imprimer(QWidget*) override { Noter(QStringLiteral("Imprimer")); }

private:
    void Noter(const QString& quoi) { fabrique_.journal << prefixe_ + quoi; }

    FabriqueEnregistreuse& fabrique_;
    QString prefixe_;
    QLabel* fenetre_;
};
} // namespace

std::unique_ptr<ProjetUI> FabriqueEnregistreuse::NouveauProjet() {
    return std::make_unique<ProjetEnregistreur>(*this, ++crees);
}

void PreparerEnvironnementTest() {
    static QTemporaryDir reglages;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    ConfigurerApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void PlusTard(std::function<void()> action, int delaiMs) {
    QTimer::singleShot(delaiMs, qApp, std::move(action));
}

void ChargerDonneesReference(const QString& dossier) {
    const QString d = dossier.isEmpty() ? QStringLiteral(VARQUIN_REFERENCE_DIR) : dossier;
    NotificateurEnregistreur notes;
    const bool charge = ChargementInitial(d.toStdString());
    QVERIFY2(charge, notes.messages.empty() ? "" : notes.messages.front().c_str());
    Etat().Reinitialiser();
}

QString CopierReference(const QString& destination) {
    const QDir source(QStringLiteral(VARQUIN_REFERENCE_DIR));
    const QString copie = destination + QStringLiteral("/reference");
    QDirIterator it(source.path(), QDir::Files | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString fichier = it.next();
        const QString cible = copie + QLatin1Char('/') + source.relativeFilePath(fichier);
        QDir().mkpath(QFileInfo(cible).absolutePath());
        if (!QFile::copy(fichier, cible))
            return QString();
    }
    return copie;
}

void Saisir(QWidget* champ, const QString& texte, bool entree) {
    champ->setFocus(Qt::OtherFocusReason);
    if (auto* ligne = qobject_cast<QLineEdit*>(champ))
        ligne->selectAll();
    QTest::keyClick(champ, Qt::Key_Backspace);
    QTest::keyClicks(champ, texte);
    if (entree)
        QTest::keyClick(champ, Qt::Key_Return);
}

void ChoisirDansLePopup(const QString& texte, QStringList* vus) {
    PlusTard([texte, vus] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* popup = qobject_cast<frmChoix*>(w);
            if (popup == nullptr || !popup->isVisible())
                continue;
            QListWidget* liste = popup->Liste();
            if (vus != nullptr) {
                for (int i = 0; i < liste->count(); ++i)
                    *vus << liste->item(i)->text();
            }
            const auto entrees = liste->findItems(texte, Qt::MatchExactly);
            if (texte.isEmpty() || entrees.isEmpty()) {
                QTest::keyClick(liste, Qt::Key_Escape);
                return;
            }
            liste->scrollToItem(entrees.front());
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(entrees.front()).center());
            return;
        }
    });
}
