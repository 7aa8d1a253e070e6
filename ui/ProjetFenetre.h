#pragma once
// One open project as the main window sees it: the project object (clsprojet, with its
// components and its record in the table of open projects) and its window frmProjet.
// Creating it runs the steps of "&Nouveau"; destroying it releases the project.

#include "ui/ProjetUI.h"

#include <QPointer>
#include <memory>

class clsprojet;
class frmProjet;

class ProjetFenetre : public ProjetUI {
public:
    // A new, empty project with its window ("&Nouveau"), the window then initialised.
    ProjetFenetre();
    // Releases the project's record and components; the window loses its project.
    ~ProjetFenetre() override;

    QWidget* Fenetre() override;
    void Activee() override;
    void Ouvrir(const QString& chemin) override;
    void OuvrirExemple(const QString& chemin) override;
    bool Enregistrer() override;
    bool EnregistrerSous(const QString& chemin) override;
    bool Modifie() const override;
    bool JamaisEnregistre() const override;
    QString NomAffiche() const override;
    QString Chemin() const override;
    void Annuler() override;
    void Calculer() override;
    void ApercuAvantImpression(QWidget* cadre) override;
    void Imprimer(QWidget* cadre) override;

    clsprojet& Projet() { return *projet_; }
    frmProjet* Formulaire() const;

private:
    std::unique_ptr<clsprojet> projet_;
    QPointer<frmProjet> fenetre_;
};

class FabriqueProjetsFenetres : public FabriqueProjets {
public:
    std::unique_ptr<ProjetUI> NouveauProjet() override;
};
