#pragma once
// The main window: a multiple-document frame captioned "VARQUIN" holding one child
// window per open project, with the menu bar, the file dialogs and the commands that
// act on the active project.

#include "ui/ProjetUI.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class frmAide;

// The window's rectangle brought within the screen's free area: no larger than it,
// and moved inside it when it lies partly off it.
QRect DansEcran(const QRect& fenetre, const QRect& disponible);

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(FabriqueProjets& fabrique, QWidget* parent = nullptr);
    ~frmMain() override;

    // Shows the window where and as large as it was closed, maximised the first time.
    void Montrer();

    // Enables or disables exactly the eight project commands: Save, Save As, Close,
    // Print Preview, Print, "&Calculer", the Edit menu and the Tools menu.
    void setmenu(bool enabled);

    // "&Nouveau": a new project in a new child window, made active; the menus become
    // usable. Returns the new project.
    ProjetUI* LoadNewDoc();
    // The steps of "&Ouvrir" after the dialog: a new project whose file is `chemin`.
    // Returns the new project (null when it could not be created).
    ProjetUI* OuvrirFichier(const QString& chemin);
    // "Ouvrir un exemple": a new project read from the example `chemin`, under its own
    // new name. Returns the new project (null when it could not be created).
    ProjetUI* OuvrirExemple(const QString& chemin);
    // Fills "Ouvrir un exemple" from the data folder; done again each time the File menu
    // opens, since the data folder is known only once the data have loaded.
    void RemplirExemples();

    // Where "Enregistrer sous" proposes to save the project: its title (its file's name,
    // or « Nouveau projet » before it was ever saved) in the last folder used.
    QString PropositionEnregistrement(const ProjetUI& projet) const;

    // The project of the active child window, or null when none.
    ProjetUI* ProjetActif() const;
    QMdiArea* Zone() const { return zone_; }
    int NbProjets() const { return static_cast<int>(projets_.size()); }
    // The help window, once "A&ide sur..." has opened it.
    frmAide* Aide() const;

    // The menu commands.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuCalculer_Click();
    void mnuToolsOptions_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();

    // The last eight projects opened or saved, the most recent first.
    QStringList FichiersRecents() const;

    // The answer to « Enregistrer les modifications de « NOM » ? ».
    enum class Reponse { Enregistrer, NePasEnregistrer, Annuler };

protected:
    // The file dialogs; an empty path means cancelled.
    virtual QString DialogueOuvrir();
    virtual QString DialogueEnregistrerSous();
    // Asks whether to save the changes of the project named `nom` before closing it.
    virtual Reponse DemanderEnregistrement(const QString& nom);
    // The modal dialogs of the Tools and Help menus.
    virtual void MontrerOptions();
    virtual void MontrerAPropos();

    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreerMenus();
    void CreerMenuFenetre();
    // The open projects listed in the Window menu, the active one checked.
    void RemplirFenetres();
    void ActualiserCommandesFenetres();
    std::unique_ptr<ProjetUI> CreerProjet();
    // The project into a new child window, made active.
    ProjetUI* Installer(std::unique_ptr<ProjetUI> projet);
    // A new project read from `chemin` by `lecture`, then given its window; nothing when
    // the file could not be read.
    ProjetUI* Lire(const QString& chemin, bool (ProjetUI::*lecture)(const QString&));
    // After a project that was never shown is dropped: the active window's project is
    // the program's active project again.
    void ReactiverCourant();
    QAction* Commande(class QMenu* menu, const char* nom, const QString& libelle,
                      void (frmMain::*action)());
    QString DernierDossier() const;
    void RetenirDossier(const QString& fichier);
    void ProjetFerme(QMdiSubWindow* fenetre);
    // Saves the project, asking where when it was never saved; false when it was not
    // saved (cancelled, or the write failed).
    bool Sauver(ProjetUI& projet);
    bool SauverSous(ProjetUI& projet);
    // Before a project's window closes: its changes saved, dropped or the closing
    // cancelled (false).
    bool PeutFermer(QMdiSubWindow* fenetre);
    void RetenirRecent(const QString& fichier);
    void RemplirRecents();

    FabriqueProjets& fabrique_;
    QMdiArea* zone_;
    std::map<QMdiSubWindow*, std::unique_ptr<ProjetUI>> projets_;
    std::array<QAction*, 8> commandesProjet_{};
    QPointer<frmAide> aide_;
    bool premiereFois_ = false;
    class QMenu* recents_ = nullptr;
    class QMenu* exemples_ = nullptr;
    class QMenu* fenetres_ = nullptr;
    std::vector<QAction*> commandesFenetres_;
    // What the Save As dialog proposes for the project being saved.
    QString proposition_;
};
