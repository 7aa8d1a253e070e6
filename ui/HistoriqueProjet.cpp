#include "ui/HistoriqueProjet.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "project/clsprojet.h"

#include <QUndoCommand>

// One change: the project's text before and after it.
class ChangementProjet : public QUndoCommand {
public:
    ChangementProjet(HistoriqueProjet& historique, std::string avant, std::string apres)
        : historique_(historique), avant_(std::move(avant)), apres_(std::move(apres)) {}
    void undo() override { historique_.Revenir(avant_); }
    void redo() override {
        // Pushed once the change is made: the first redo has nothing to do.
        if (fait_)
            historique_.Revenir(apres_);
        fait_ = true;
    }

private:
    HistoriqueProjet& historique_;
    std::string avant_, apres_;
    bool fait_ = false;
};

HistoriqueProjet::HistoriqueProjet(std::function<clsprojet*()> projet, QObject* parent)
    : QObject(parent), projet_(std::move(projet)) {}

void HistoriqueProjet::Commencer() {
    pile_.clear();
    if (clsprojet* p = projet_())
        texte_ = p->TexteFichier();
    pile_.setClean();
}

void HistoriqueProjet::Noter() {
    clsprojet* p = projet_();
    if (retour_ || p == nullptr || !p->Actif())
        return;
    std::string texte = p->TexteFichier();
    if (texte == texte_)
        return;
    pile_.push(new ChangementProjet(*this, texte_, texte));
    texte_ = std::move(texte);
}

void HistoriqueProjet::Revenir(const std::string& texte) {
    clsprojet* p = projet_();
    if (p == nullptr)
        return;
    retour_ = true;
    try {
        (void)p->RevenirA(texte);
    } catch (const std::exception& e) {
        notificateur().Message(TexteException(e), TitreApplication);
    }
    retour_ = false;
    texte_ = p->TexteFichier();
}
