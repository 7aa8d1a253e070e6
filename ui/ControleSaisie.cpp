#include "ui/ControleSaisie.h"

#include "common/Notificateur.h"
#include "project/ReglesSaisie.h"
#include "ui/ChampSaisie.h"

#include <QStringList>

bool ControlerChamps(const std::vector<ControleChamp>& champs) {
    QStringList refus;
    ChampSaisie* premier = nullptr;
    for (const ControleChamp& c : champs) {
        // A value the person did not touch is the stored one: nothing to check.
        if (!c.champ->Edite())
            continue;
        const RegleSaisie& regle = TrouverRegle(c.cle);
        const auto raison =
            VerifierValeur(regle, c.champ->text().toStdString(), nullptr, c.precision);
        if (!raison)
            continue;
        refus << QString::fromStdString(*raison);
        c.champ->Restaurer();
        if (premier == nullptr)
            premier = c.champ;
    }
    if (premier == nullptr)
        return true;
    // Twelve months refused make one message, not twelve.
    notificateur().Message(refus.join(QLatin1Char('\n')).toStdString(), TitreApplication);
    premier->setFocus();
    return false;
}

void ReglerChamp(ChampSaisie* champ, const char* cle) {
    champ->DefinirRegle(TrouverRegle(cle));
}
