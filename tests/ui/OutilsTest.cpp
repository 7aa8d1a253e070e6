#include "OutilsTest.h"

#include "project/EtatApplication.h"
#include "startup/Modgeneral.h"
#include "ui/Demarrage.h"
#include "ui/frmChoix.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

PrincipaleEssai::PrincipaleEssai(FabriqueProjets& fabrique) : frmMain(fabrique) {
    setGeometry(0, 0, 1280, 800);
    show();
    activateWindow();
    if (!QTest::qWaitForWindowActive(this))
        qWarning("fenêtre principale inactive");
}

frmMain::Reponse PrincipaleEssai::DemanderEnregistrement(const QString& nom) {
    questions << nom;
    if (reponses.empty())
        return Reponse::Annuler;
    const Reponse r = reponses.front();
    reponses.erase(reponses.begin());
    return r;
}

QAction* PrincipaleEssai::Action(const char* nom) const {
    return findChildren<QAction*>(QString::fromLatin1(nom)).value(0);
}

void PrincipaleEssai::Commande(const char* nom) const {
    Action(nom)->trigger();
}

void PreparerEnvironnementTest() {
    static QTemporaryDir reglages, donnees;
    // A read-only data folder is copied there, never to the person's own folder.
    qputenv("XDG_DATA_HOME", donnees.path().toUtf8());
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    ConfigurerApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void ChargerDossier(const std::string& dossier) {
    essai::ReinitialiserDonnees();
    NotificateurEnregistreur notes;
    const bool charge = ChargementInitial(dossier);
    QVERIFY2(charge && notes.messages.empty(),
             notes.messages.empty() ? "" : notes.messages.front().c_str());
    InitialiserProjets();
    Etat().Reinitialiser();
}

ProjetEssai::ProjetEssai(Donnees donnees) {
    if (donnees == Donnees::CopieReference) {
        copie_ = std::make_unique<essai::DossierTemporaire>();
        essai::fs::copy(VARQUIN_REFERENCE_DIR, copie_->chemin(),
                        essai::fs::copy_options::recursive);
    }
    ChargerDossier(copie_ ? copie_->chemin() : essai::DossierFixture());
    (void)projet.Nouveau();
}

ProjetEssai::~ProjetEssai() {
    projet.Fermer();
    Etat().Reinitialiser();
    essai::ReinitialiserDonnees();
}

void Saisir(QWidget* champ, const QString& texte, bool entree) {
    champ->setFocus(Qt::OtherFocusReason);
    // The field selects its text once the focus has arrived; let it, before typing.
    QCoreApplication::processEvents();
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
            for (int i = 0; vus != nullptr && i < liste->count(); ++i)
                *vus << liste->item(i)->text();
            const auto entrees = liste->findItems(texte, Qt::MatchExactly);
            if (texte.isEmpty() || entrees.isEmpty())
                return QTest::keyClick(liste, Qt::Key_Escape);
            liste->scrollToItem(entrees.front());
            return QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                                     liste->visualItemRect(entrees.front()).center());
        }
    });
}

void PlusTard(std::function<void()> action, int delaiMs) {
    QTimer::singleShot(delaiMs, qApp, std::move(action));
}

QWidget* FenetreModale() {
    return QApplication::activeModalWidget();
}

bool Montrer(QWidget& fenetre) {
    fenetre.show();
    QApplication::setActiveWindow(&fenetre);
    return QTest::qWaitForWindowExposed(&fenetre);
}

void VerifierTextesEntiers(QWidget& w) {
    QVERIFY(Montrer(w));
    for (const QLabel* l : w.findChildren<QLabel*>())
        QVERIFY2(!l->isVisible() ||
                     l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                 qPrintable(l->text()));
    for (const QPushButton* b : w.findChildren<QPushButton*>())
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(), qPrintable(b->text()));
    for (const QComboBox* c : w.findChildren<QComboBox*>())
        for (int i = 0; i < c->count(); ++i)
            QVERIFY2(c->fontMetrics().horizontalAdvance(c->itemText(i)) < c->width() - 20,
                     qPrintable(c->itemText(i)));
    for (const QLineEdit* e : w.findChildren<QLineEdit*>())
        QVERIFY2(!e->isVisible() || qobject_cast<const QComboBox*>(e->parentWidget()) ||
                     e->fontMetrics().horizontalAdvance(e->text()) < e->width() - 4,
                 qPrintable(e->objectName() + QLatin1Char(' ') + e->text()));
}
