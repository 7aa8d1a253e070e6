#include "ui/frmMain.h"

#include "common/Chemins.h"
#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "ui/Exemples.h"
#include "ui/FondPrincipal.h"
#include "ui/frmAide.h"
#include "ui/frmOptions.h"
#include "ui/frmSplash.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <algorithm>

namespace {
const QString CleGeometrie = QStringLiteral("frmMain/geometrie");
const QString CleDossier = QStringLiteral("frmMain/dernierDossier");
const QString CleRecents = QStringLiteral("frmMain/fichiersRecents");
const QString ExtensionProjet = QStringLiteral(".vqp");
constexpr int NombreRecents = 8;

bool MemeDossier(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() &&
           QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

// A name typed without the project's extension gets it, as the dialog's default
// suffix gives it; a file without it would hide behind the dialog's filter.
QString AvecExtension(const QString& chemin) {
    return chemin.endsWith(ExtensionProjet, Qt::CaseInsensitive) ? chemin
                                                                 : chemin + ExtensionProjet;
}
} // namespace

frmMain::frmMain(FabriqueProjets& fabrique, QWidget* parent)
    : QMainWindow(parent), fabrique_(fabrique), zone_(new FondPrincipal) {
    setWindowTitle(QStringLiteral("VARQUIN"));
    zone_->setObjectName(QStringLiteral("zoneProjets"));
    setCentralWidget(zone_);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    CreerMenus();
    // No project is open yet.
    setmenu(false);
    connect(zone_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* fenetre) {
        const auto it = projets_.find(fenetre);
        if (it == projets_.end())
            return;
        it->second->Activee();
        setmenu(true);
    });
    // "Suivante" and "Précédente" go round every window, in the order they were opened.
    zone_->setActivationOrder(QMdiArea::CreationOrder);
    QSettings reglages;
    if (!restoreGeometry(reglages.value(CleGeometrie).toByteArray())) {
        resize(1100, 760);
        premiereFois_ = true;
    }
    // Saved on a larger screen, the window would open partly out of sight.
    if (const QScreen* ecran = screen())
        setGeometry(DansEcran(geometry(), ecran->availableGeometry()));
}

QRect DansEcran(const QRect& fenetre, const QRect& disponible) {
    QRect r(fenetre.topLeft(), fenetre.size().boundedTo(disponible.size()));
    r.moveLeft(std::clamp(r.left(), disponible.left(), disponible.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), disponible.top(), disponible.bottom() - r.height() + 1));
    return r;
}

void frmMain::Montrer() {
    if (!premiereFois_) {
        show();
        return;
    }
    // The whole free area even where no window manager maximises.
    if (const QScreen* ecran = screen())
        setGeometry(ecran->availableGeometry());
    showMaximized();
}

frmMain::~frmMain() {
    // The projects go before their windows, which the frame deletes after this.
    projets_.clear();
}

QAction* frmMain::Commande(QMenu* menu, const char* nom, const QString& libelle,
                           void (frmMain::*action)()) {
    QAction* a = menu->addAction(libelle);
    a->setObjectName(QString::fromLatin1(nom));
    connect(a, &QAction::triggered, this, action);
    return a;
}

void frmMain::CreerMenus() {
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("mnuFile"));
    QAction* nouveau =
        Commande(fichier, "mnuFileNew", QStringLiteral("&Nouveau"), &frmMain::mnuFileNew_Click);
    nouveau->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* ouvrir =
        Commande(fichier, "mnuFileOpen", QStringLiteral("&Ouvrir"), &frmMain::mnuFileOpen_Click);
    ouvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    exemples_ = fichier->addMenu(QStringLiteral("Ouvrir un e&xemple"));
    exemples_->setObjectName(QStringLiteral("mnuFileExemples"));
    RemplirExemples();
    connect(fichier, &QMenu::aboutToShow, this, &frmMain::RemplirExemples);
    recents_ = fichier->addMenu(QStringLiteral("Fichiers &récents"));
    recents_->setObjectName(QStringLiteral("mnuFileRecents"));
    RemplirRecents();
    QAction* fermer =
        Commande(fichier, "mnuFileClose", QStringLiteral("&Fermer"), &frmMain::mnuFileClose_Click);
    fichier->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    QAction* enregistrer = Commande(fichier, "mnuFileSave", QStringLiteral("&Enregistrer"),
                                    &frmMain::mnuFileSave_Click);
    enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* enregistrerSous =
        Commande(fichier, "mnuFileSaveAs", QStringLiteral("Enregistrer &sous..."),
                 &frmMain::mnuFileSaveAs_Click);
    fichier->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    QAction* apercu =
        Commande(fichier, "mnuFilePrintPreview", QStringLiteral("&Aperçu avant impression"),
                 &frmMain::mnuFilePrintPreview_Click);
    QAction* imprimer = Commande(fichier, "mnuFilePrint", QStringLiteral("&Imprimer..."),
                                 &frmMain::mnuFilePrint_Click);
    imprimer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    fichier->addSeparator()->setObjectName(QStringLiteral("mnuFileBar3"));
    Commande(fichier, "mnuFileExit", QStringLiteral("&Quitter"), &frmMain::mnuFileExit_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    edition->setObjectName(QStringLiteral("mnuEdit"));
    edition->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    Commande(edition, "mnuEditUndo", QStringLiteral("&Annuler"), &frmMain::mnuEditUndo_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Commande(edition, "mnuEditRedo", QStringLiteral("&Rétablir"), &frmMain::mnuEditRedo_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));

    QAction* calculer = menuBar()->addAction(QStringLiteral("&Calculer"));
    calculer->setObjectName(QStringLiteral("mnuCalculer"));
    connect(calculer, &QAction::triggered, this, &frmMain::mnuCalculer_Click);

    QMenu* outils = menuBar()->addMenu(QStringLiteral("&Outils"));
    outils->setObjectName(QStringLiteral("mnuTools"));
    outils->menuAction()->setObjectName(QStringLiteral("mnuTools"));
    Commande(outils, "mnuToolsOptions", QStringLiteral("&Options..."),
             &frmMain::mnuToolsOptions_Click);

    CreerMenuFenetre();

    QMenu* aide = menuBar()->addMenu(QStringLiteral("&?"));
    aide->setObjectName(QStringLiteral("mnuHelp"));
    QAction* sommaire = aide->addAction(QStringLiteral("&Sommaire"));
    sommaire->setObjectName(QStringLiteral("mnuHelpContents"));
    sommaire->setVisible(false);
    Commande(aide, "mnuHelpSearchForHelpOn", QStringLiteral("A&ide sur..."),
             &frmMain::mnuHelpSearchForHelpOn_Click);
    aide->addSeparator()->setObjectName(QStringLiteral("mnuHelpBar0"));
    Commande(aide, "mnuHelpAbout", QStringLiteral("À &propos de "), &frmMain::mnuHelpAbout_Click);

    commandesProjet_ = {
        enregistrer,           enregistrerSous,     fermer, apercu, imprimer, calculer,
        edition->menuAction(), outils->menuAction()};
}

void frmMain::setmenu(bool enabled) {
    for (QAction* a : commandesProjet_)
        a->setEnabled(enabled);
}

void frmMain::RemplirExemples() {
    exemples_->clear();
    for (const Exemple& e : ListerExemples())
        exemples_->addAction(e.titre, this, [this, chemin = e.chemin] { OuvrirExemple(chemin); });
    exemples_->setEnabled(!exemples_->isEmpty());
}

void frmMain::CreerMenuFenetre() {
    fenetres_ = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
    fenetres_->setObjectName(QStringLiteral("mnuWindow"));
    const auto commande = [this](const char* nom, const QString& libelle, auto action,
                                 const QList<QKeySequence>& raccourcis = {}) {
        QAction* a = fenetres_->addAction(libelle);
        a->setObjectName(QString::fromLatin1(nom));
        a->setShortcuts(raccourcis);
        connect(a, &QAction::triggered, zone_, action);
        commandesFenetres_.push_back(a);
    };
    commande("mnuWindowCascade", QStringLiteral("&Cascade"), &QMdiArea::cascadeSubWindows);
    commande("mnuWindowTile", QStringLiteral("&Mosaïque"), &QMdiArea::tileSubWindows);
    // The frame's own shortcut: the area's Ctrl+Tab would only swap the last two windows.
    commande("mnuWindowNext", QStringLiteral("&Suivante"), &QMdiArea::activateNextSubWindow,
             {QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    // Shown as Ctrl+Maj+Tab; the keyboard sends Shift+Tab as Backtab.
    commande("mnuWindowPrevious", QStringLiteral("&Précédente"),
             &QMdiArea::activatePreviousSubWindow,
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    for (QAction* a : commandesFenetres_)
        a->setShortcutContext(Qt::WindowShortcut);
    fenetres_->addSeparator();
    connect(fenetres_, &QMenu::aboutToShow, this, &frmMain::RemplirFenetres);
    ActualiserCommandesFenetres();
}

void frmMain::ActualiserCommandesFenetres() {
    for (QAction* a : commandesFenetres_)
        a->setEnabled(!projets_.empty());
}

void frmMain::RemplirFenetres() {
    // The list after the commands and their separator is made anew each time.
    const QList<QAction*> actions = fenetres_->actions();
    for (qsizetype i = static_cast<qsizetype>(commandesFenetres_.size()) + 1; i < actions.size();
         ++i) {
        fenetres_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    int numero = 1;
    for (QMdiSubWindow* fenetre : zone_->subWindowList()) {
        const auto it = projets_.find(fenetre);
        if (it == projets_.end())
            continue;
        const QString nom = it->second->NomAffiche();
        QAction* a =
            fenetres_->addAction(numero <= 9 ? QStringLiteral("&%1 %2").arg(numero).arg(nom)
                                             : QStringLiteral("%1 %2").arg(numero).arg(nom));
        ++numero;
        a->setCheckable(true);
        a->setChecked(fenetre == zone_->currentSubWindow());
        a->setStatusTip(fenetre->windowTitle());
        connect(a, &QAction::triggered, this, [this, fenetre = QPointer<QMdiSubWindow>(fenetre)] {
            if (fenetre)
                zone_->setActiveSubWindow(fenetre);
        });
    }
}

ProjetUI* frmMain::ProjetActif() const {
    // The current child stays current while a dialog of the frame is active.
    const auto it = projets_.find(zone_->currentSubWindow());
    return it == projets_.end() ? nullptr : it->second.get();
}

std::unique_ptr<ProjetUI> frmMain::CreerProjet() {
    try {
        return fabrique_.NouveauProjet();
    } catch (const std::exception& e) {
        notificateur().Message(TexteException(e), TitreApplication);
        return nullptr;
    }
}

ProjetUI* frmMain::LoadNewDoc() {
    std::unique_ptr<ProjetUI> projet = CreerProjet();
    return projet ? Installer(std::move(projet)) : nullptr;
}

ProjetUI* frmMain::Installer(std::unique_ptr<ProjetUI> projet) {
    ProjetUI* p = projet.get();
    QMdiSubWindow* fenetre = zone_->addSubWindow(p->Fenetre());
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->installEventFilter(this);
    projets_[fenetre] = std::move(projet);
    // The whole free area of the frame: a change of system type that makes the project
    // longer then needs no scroll bar where the screen has room for it, and on a large
    // screen the sections and charts take the room there is (the sheet keeps the width
    // of its fullest system, with a scroll bar on a narrower one).
    const QSize zone = zone_->viewport()->size();
    if (zone.width() > 100 && zone.height() > 100)
        fenetre->resize(zone);
    fenetre->show();
    zone_->setActiveSubWindow(fenetre);
    p->Activee();
    setmenu(true);
    ActualiserCommandesFenetres();
    return p;
}

void frmMain::ReactiverCourant() {
    const auto it = projets_.find(zone_->currentSubWindow());
    if (it != projets_.end())
        it->second->Activee();
}

ProjetUI* frmMain::Lire(const QString& chemin, bool (ProjetUI::*lecture)(const QString&)) {
    // Read before it gets a window: a file that cannot be read leaves nothing behind.
    std::unique_ptr<ProjetUI> projet = CreerProjet();
    if (projet == nullptr)
        return nullptr;
    if (!((*projet).*lecture)(chemin)) {
        projet.reset();
        ReactiverCourant();
        return nullptr;
    }
    return Installer(std::move(projet));
}

ProjetUI* frmMain::OuvrirFichier(const QString& chemin) {
    ProjetUI* p = Lire(chemin, &ProjetUI::Ouvrir);
    if (p != nullptr && !p->JamaisEnregistre())
        RetenirRecent(p->Chemin());
    return p;
}

ProjetUI* frmMain::OuvrirExemple(const QString& chemin) {
    return Lire(chemin, &ProjetUI::OuvrirExemple);
}

bool frmMain::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Close) {
        if (auto* fenetre = qobject_cast<QMdiSubWindow*>(objet)) {
            if (!PeutFermer(fenetre)) {
                evenement->ignore();
                return true;
            }
            ProjetFerme(fenetre);
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

bool frmMain::PeutFermer(QMdiSubWindow* fenetre) {
    const auto it = projets_.find(fenetre);
    if (it == projets_.end() || !it->second->Modifie())
        return true;
    zone_->setActiveSubWindow(fenetre);
    switch (DemanderEnregistrement(it->second->NomAffiche())) {
    case Reponse::Enregistrer:
        return Sauver(*it->second);
    case Reponse::NePasEnregistrer:
        return true;
    default:
        return false;
    }
}

frmMain::Reponse frmMain::DemanderEnregistrement(const QString& nom) {
    QMessageBox question(QMessageBox::Question, QStringLiteral("VARQUIN"),
                         QStringLiteral("Enregistrer les modifications de « %1 » ?").arg(nom),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.button(QMessageBox::Save)->setText(QStringLiteral("Enregistrer"));
    question.button(QMessageBox::Discard)->setText(QStringLiteral("Ne pas enregistrer"));
    question.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save:
        return Reponse::Enregistrer;
    case QMessageBox::Discard:
        return Reponse::NePasEnregistrer;
    default:
        return Reponse::Annuler;
    }
}

void frmMain::ProjetFerme(QMdiSubWindow* fenetre) {
    if (projets_.erase(fenetre) == 0)
        return;
    setmenu(false);
    ActualiserCommandesFenetres();
}

bool frmMain::Sauver(ProjetUI& projet) {
    if (projet.JamaisEnregistre())
        return SauverSous(projet);
    if (!projet.Enregistrer())
        return false;
    RetenirRecent(projet.Chemin());
    return true;
}

bool frmMain::SauverSous(ProjetUI& projet) {
    proposition_ = PropositionEnregistrement(projet);
    const QString choisi = DialogueEnregistrerSous();
    if (choisi.isEmpty())
        return false;
    const QString chemin = AvecExtension(choisi);
    RetenirDossier(chemin);
    if (!projet.EnregistrerSous(chemin))
        return false;
    RetenirRecent(chemin);
    return true;
}

QStringList frmMain::FichiersRecents() const {
    return QSettings().value(CleRecents).toStringList();
}

void frmMain::RetenirRecent(const QString& fichier) {
    QStringList recents = FichiersRecents();
    const QString chemin = QFileInfo(fichier).absoluteFilePath();
    recents.removeAll(chemin);
    recents.prepend(chemin);
    QSettings().setValue(CleRecents, recents.mid(0, NombreRecents));
    RemplirRecents();
}

void frmMain::RemplirRecents() {
    recents_->clear();
    int numero = 1;
    for (const QString& chemin : FichiersRecents()) {
        QAction* a = recents_->addAction(
            QStringLiteral("&%1 %2").arg(numero++).arg(QFileInfo(chemin).fileName()));
        a->setToolTip(chemin);
        a->setStatusTip(chemin);
        connect(a, &QAction::triggered, this, [this, chemin] { OuvrirFichier(chemin); });
    }
    recents_->setEnabled(!recents_->isEmpty());
}

QString frmMain::DernierDossier() const {
    const QString retenu = QSettings().value(CleDossier).toString();
    if (!retenu.isEmpty() && QDir(retenu).exists() && !MemeDossier(retenu, DossierExemples()))
        return retenu;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void frmMain::RetenirDossier(const QString& fichier) {
    // The installed examples are read, never written: their folder is not where the
    // person keeps projects.
    const QString dossier = QFileInfo(fichier).absolutePath();
    if (!MemeDossier(dossier, DossierExemples()))
        QSettings().setValue(CleDossier, dossier);
}

QString frmMain::PropositionEnregistrement(const ProjetUI& projet) const {
    const QString titre = projet.JamaisEnregistre() ? QStringLiteral("Nouveau projet")
                                                    : QFileInfo(projet.Chemin()).completeBaseName();
    return QDir(DernierDossier()).filePath(titre + ExtensionProjet);
}

QString frmMain::DialogueOuvrir() {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir"), DernierDossier(),
                                        QStringLiteral("Tous les fichiers (*)"));
}

QString frmMain::DialogueEnregistrerSous() {
    const QFileInfo propose(proposition_);
    QFileDialog dialogue(this, QStringLiteral("Enregistrer sous"), propose.absolutePath(),
                         QStringLiteral("Tous les fichiers (*%1)").arg(ExtensionProjet));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(ExtensionProjet.mid(1));
    // Replacing a file is asked first (the dialog's own question).
    dialogue.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialogue.selectFile(propose.fileName());
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().front();
}

void frmMain::MontrerOptions() {
    frmOptions options(this);
    options.exec();
}

void frmMain::MontrerAPropos() {
    frmSplash aPropos(this);
    aPropos.exec();
}

void frmMain::mnuFileNew_Click() {
    LoadNewDoc();
}

void frmMain::mnuFileOpen_Click() {
    const QString chemin = DialogueOuvrir();
    if (chemin.isEmpty())
        return;
    RetenirDossier(chemin);
    OuvrirFichier(chemin);
}

void frmMain::mnuFileClose_Click() {
    if (QMdiSubWindow* fenetre = zone_->currentSubWindow())
        fenetre->close();
}

void frmMain::mnuFileSave_Click() {
    if (ProjetUI* p = ProjetActif())
        Sauver(*p);
}

void frmMain::mnuFileSaveAs_Click() {
    if (ProjetUI* p = ProjetActif())
        SauverSous(*p);
}

void frmMain::mnuFilePrintPreview_Click() {
    if (ProjetUI* p = ProjetActif())
        p->ApercuAvantImpression(this);
}

void frmMain::mnuFilePrint_Click() {
    if (ProjetUI* p = ProjetActif())
        p->Imprimer(this);
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::mnuEditUndo_Click() {
    if (ProjetUI* p = ProjetActif())
        p->Annuler();
}

void frmMain::mnuEditRedo_Click() {
    if (ProjetUI* p = ProjetActif())
        p->Retablir();
}

void frmMain::mnuCalculer_Click() {
    if (ProjetUI* p = ProjetActif())
        p->Calculer();
}

void frmMain::mnuToolsOptions_Click() {
    MontrerOptions();
    // Whichever way the dialog closed, the active project is calculated in full.
    if (ProjetUI* p = ProjetActif())
        p->Calculer();
}

frmAide* frmMain::Aide() const {
    return aide_;
}

void frmMain::mnuHelpSearchForHelpOn_Click() {
    const std::string aide = CheminInstall("\\help\\index.htm");
    const QString page = QFileInfo(QString::fromStdString(aide)).absoluteFilePath();
    if (aide_ == nullptr)
        aide_ = frmAide::Unique(this);
    if (!aide_->Ouvrir(page)) {
        notificateur().Message("La page d'aide est introuvable : « " + page.toStdString() + " ».",
                               TitreApplication);
        return;
    }
    aide_->show();
    aide_->raise();
    aide_->activateWindow();
}

void frmMain::mnuHelpAbout_Click() {
    MontrerAPropos();
}

void frmMain::closeEvent(QCloseEvent* evenement) {
    // Each project in turn: one whose closing is cancelled keeps the program open.
    for (QMdiSubWindow* fenetre : zone_->subWindowList()) {
        if (!fenetre->close()) {
            evenement->ignore();
            return;
        }
    }
    QSettings().setValue(CleGeometrie, saveGeometry());
    evenement->accept();
}
