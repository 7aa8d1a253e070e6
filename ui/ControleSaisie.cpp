#include "ui/ControleSaisie.h"

#include "project/ReglesSaisie.h"
#include "ui/ChampSaisie.h"

bool ControlerChamps(const std::vector<ControleChamp>& champs) {
    for (const ControleChamp& c : champs) {
        const RegleSaisie& regle = TrouverRegle(c.cle);
        const auto refus =
            VerifierValeur(regle, c.champ->text().toStdString(), nullptr, c.precision);
        if (!refus)
            continue;
        c.champ->Refuser(QString::fromStdString(*refus));
        c.champ->setFocus();
        return false;
    }
    return true;
}

void ReglerChamp(ChampSaisie* champ, const char* cle) {
    champ->DefinirRegle(TrouverRegle(cle));
}
