#pragma once
// The application's run state, in one place. Only the project's own operations
// (clsprojet) change the guards, always through the scoped setters below, so that a
// guard is restored whatever happens; the front ends only read them, apart from the
// calculation mode that the options dialog sets.
//
// Program-wide data that stay outside this object, and why: the reference tables,
// stations, choice lists and messages (data/) are loaded once at start-up and are
// the same for every project; the install folder (common/Chemins) is found once;
// the numbered-messages switch (data/modMessages) is a display preference read by
// the loading code below this layer.

class clsprojet;

class EtatApplication {
public:
    // False while a project is being created or its components are refilled from its
    // record: no run may start then.
    bool CalculPermis() const { return suspensions_ == 0; }
    // The calculation mode: true = automatic (the start-up value), false = on demand.
    bool CalculAuto() const { return calculAuto_; }
    void DefinirCalculAuto(bool automatique) { calculAuto_ = automatique; }
    // The project whose window is active; nullptr when none.
    clsprojet* ProjetActif() const { return projetActif_; }
    // True while a run holds the table of open projects (no project may be created).
    bool TableTenue() const { return tenues_ > 0; }

    // Back to the start-up state (no active project, automatic mode, no guard held).
    void Reinitialiser();

private:
    friend class clsprojet;
    friend class CalculSuspendu;
    friend class CalculForce;
    friend class TableTenue;

    int suspensions_ = 0;
    bool calculAuto_ = true;
    clsprojet* projetActif_ = nullptr;
    int tenues_ = 0;
};

// The application's one state object.
EtatApplication& Etat();

// Scoped setters: only the project's own operations may make them.

// CalculPermis off for the scope (nested scopes count).
class CalculSuspendu {
    friend class clsprojet;
    CalculSuspendu() { ++Etat().suspensions_; }

public:
    ~CalculSuspendu() { --Etat().suspensions_; }
    CalculSuspendu(const CalculSuspendu&) = delete;
    CalculSuspendu& operator=(const CalculSuspendu&) = delete;
};

// CalculAuto on for the scope, then back to what it was.
class CalculForce {
    friend class clsprojet;
    CalculForce() : avant_(Etat().calculAuto_) { Etat().calculAuto_ = true; }

public:
    ~CalculForce() { Etat().calculAuto_ = avant_; }
    CalculForce(const CalculForce&) = delete;
    CalculForce& operator=(const CalculForce&) = delete;

private:
    bool avant_;
};

// The table of open projects held fixed for the scope.
class TableTenue {
    friend class clsprojet;
    TableTenue() { ++Etat().tenues_; }

public:
    ~TableTenue() { --Etat().tenues_; }
    TableTenue(const TableTenue&) = delete;
    TableTenue& operator=(const TableTenue&) = delete;
};
