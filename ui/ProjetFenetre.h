#pragma once
// One open project as the main window sees it: the project object (clsprojet, with its
// components and its record in the table of open projects) and its window frmProjet.
// Creating it runs the steps of "&Nouveau"; destroying it releases the project.

#include "ui/ProjetUI.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <string>

class clsprojet;
class frmProjet;
class HistoriqueProjet;

class ProjetFenetre : public ProjetUI {
public:
    // A new, empty project with its window ("&Nouveau"), the window then initialised.
    ProjetFenetre();
    // Releases the project's record and components; the window loses its project.
    ~ProjetFenetre() override;

    QWidget* Fenetre() override;
    void Activee() override;
    bool Ouvrir(const QString& chemin) override;
    bool OuvrirExemple(const QString& chemin) override;
    bool Enregistrer() override;
    bool EnregistrerSous(const QString& chemin) override;
    bool Modifie() const override;
    bool JamaisEnregistre() const override;
    QString NomAffiche() const override;
    QString Chemin() const override;
    void Annuler() override;
    void Retablir() override;
    void Calculer() override;
    void ApercuAvantImpression(QWidget* cadre) override;
    void Imprimer(QWidget* cadre) override;

    clsprojet& Projet() { return *projet_; }
    HistoriqueProjet& Historique() { return *historique_; }
    frmProjet* Formulaire() const;

private:
    // Reads the file with `lecture`; false, after telling `echec` and why, when it could
    // not be read.
    bool Lire(const QString& chemin, const std::string& echec,
              const std::function<void(const std::string&)>& lecture);

    std::unique_ptr<clsprojet> projet_;
    QPointer<frmProjet> fenetre_;
    std::unique_ptr<HistoriqueProjet> historique_;
};

class FabriqueProjetsFenetres : public FabriqueProjets {
public:
    std::unique_ptr<ProjetUI> NouveauProjet() override;
};
