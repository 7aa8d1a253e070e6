#pragma once
// Undo and redo of a project's changes. After each redisplay the project's file text
// (what saving would write) is compared with the one noted before: a difference is a
// change, kept as the two texts. Undoing puts the text before back into the project
// through the lifecycle, which recalculates and redisplays; so every change is undone
// the same way, whichever field, dialog or chart made it.

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <string>

class clsprojet;

class HistoriqueProjet : public QObject {
    Q_OBJECT
public:
    explicit HistoriqueProjet(std::function<clsprojet*()> projet, QObject* parent = nullptr);

    // The project as it stands starts the history (after new or open): nothing to undo.
    void Commencer();
    // After a redisplay: notes the change, if the project's text moved.
    void Noter();
    // The text now saved is the clean state.
    void Enregistre() { pile_.setClean(); }

    QUndoStack& Pile() { return pile_; }

private:
    friend class ChangementProjet;
    // The project back to `texte`, without noting it as a change.
    void Revenir(const std::string& texte);

    std::function<clsprojet*()> projet_;
    QUndoStack pile_;
    std::string texte_; // the project's text at the last redisplay noted
    bool retour_ = false;
};
