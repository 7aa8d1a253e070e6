#pragma once
// A stand-in project used until the project model is wired in: a window captioned
// with the project's file path, numbered like the real projects (the lowest free
// number), showing the empty results section. It reads and writes nothing.

#include "ui/ProjetUI.h"

#include <QPointer>
#include <set>

class GraphiqueBilan;
class ResultatsGrille;

class ProjetProvisoire : public ProjetUI {
public:
    ProjetProvisoire(int numero, std::set<int>& numerosPris);
    ~ProjetProvisoire() override;

    QWidget* Fenetre() override { return fenetre_; }
    void Ouvrir(const QString& chemin) override;
    void Enregistrer() override {}
    void EnregistrerSous(const QString& chemin) override;
    void Annuler() override { Redessiner(); }
    void Calculer() override;
    void ApercuAvantImpression(QWidget*) override {}
    void Imprimer(QWidget*) override {}

private:
    void Redessiner();

    int numero_;
    std::set<int>& numerosPris_;
    QString fichier_;
    QPointer<QWidget> fenetre_;
    ResultatsGrille* grille_ = nullptr;
    GraphiqueBilan* graphique_ = nullptr;
};

class FabriqueProvisoire : public FabriqueProjets {
public:
    std::unique_ptr<ProjetUI> NouveauProjet() override;

private:
    std::set<int> numerosPris_;
};
