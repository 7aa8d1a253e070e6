#pragma once
// How the main window sees an open project: its child window and the project
// commands of the menus. The project object (clsprojet with its frmProjet window)
// implements it; the main window never reaches into the project otherwise.

#include <QString>
#include <memory>

class QWidget;

class ProjetUI {
public:
    virtual ~ProjetUI() = default;

    // The project's window (frmProjet). The main window puts it into a child window
    // of its frame. When that child window closes, the main window destroys the
    // project object first (which releases the project record) while the window
    // still exists; the object must not delete the window itself.
    virtual QWidget* Fenetre() = 0;

    // The project's window became the active child window: its project becomes the
    // program's active project.
    virtual void Activee() {}

    // Open: the project's file becomes `chemin`, the file is read into the project
    // and its window redisplayed. False when the file could not be read (the person
    // has been told why): the project is then to be dropped.
    virtual bool Ouvrir(const QString& chemin) = 0;
    // An example: read like Ouvrir, but the project keeps the name it was given as a
    // new project, so that saving it never writes over the example.
    virtual bool OuvrirExemple(const QString& chemin) { return Ouvrir(chemin); }
    // Save: the project is written to its current file, without a dialog. False when
    // it could not be (the person has been told why).
    virtual bool Enregistrer() = 0;
    // Save as: the project's file becomes `chemin`, then the project is written.
    virtual bool EnregistrerSous(const QString& chemin) = 0;
    // Changed since it was last read or written, and so to be saved before closing.
    virtual bool Modifie() const { return false; }
    // A new project, or an example, never saved: saving it asks where.
    virtual bool JamaisEnregistre() const { return false; }
    // Its name in a question: the file's name once saved, else the project's name.
    virtual QString NomAffiche() const { return {}; }
    // Its file's path.
    virtual QString Chemin() const { return {}; }
    // "&Annuler": recalculated from its stored data and redisplayed, discarding any
    // value typed and not validated.
    // When no value is being typed, the last change is undone instead.
    virtual void Annuler() = 0;
    // "&Rétablir": the last change undone is made again.
    virtual void Retablir() {}
    // "&Calculer": one full calculation and redisplay, whatever the calculation mode.
    virtual void Calculer() = 0;
    // The report, previewed in a modal window / printed after the printer dialog.
    virtual void ApercuAvantImpression(QWidget* cadre) = 0;
    virtual void Imprimer(QWidget* cadre) = 0;
};

class FabriqueProjets {
public:
    virtual ~FabriqueProjets() = default;
    // A new, empty project with its window created, calculated without redisplay and
    // initialised (the steps of "&Nouveau" before the menus are enabled).
    virtual std::unique_ptr<ProjetUI> NouveauProjet() = 0;
};
