#include "engine/modCalculORIN.h"

#include "common/Erreurs.h"
#include "engine/modCalculAppoint.h"
#include "engine/modCalculBallon.h"
#include "engine/modCalculBesoins.h"
#include "engine/modCalculBilan.h"
#include "engine/modCalculBoucle.h"
#include "engine/modCalculCapteurs.h"
#include "engine/modCalculEchangeur.h"
#include "engine/modCalculMeteo.h"

void CalculerParametresSysteme(EnregistrementCalcul& c, RapportCalcul& rapport) {
    using enum ChoixCalcul;
    CalculerAppoint(c, rapport);
    if (c.TypeDeCalculVs != ValeurForcee)
        CalculerVs(c, rapport);
    if (c.Debit1.TypeDeCalcul != ValeurForcee)
        CalculerDebitEnergetique1(c, rapport);
    if (c.Debit2.TypeDeCalcul != ValeurForcee)
        CalculerDebitEnergetique2(c, rapport);
    CalculerDs(c, rapport);
    CalculerKt(c, rapport);
    if (c.Deperdition.TypeDeCalcul != ValeurForcee)
        CalculerK(c, rapport);
    if (c.Echangeur.TypeDeCalcul != ValeurForcee)
        CalculerKEch(c, rapport);
    if (c.Efficacite.TypeDeCalcul != ValeurForcee)
        CalculerEtap(c, rapport);
}

void CalculerDonneesMensuelles(EnregistrementCalcul& c, const EnregistrementEntrees& e,
                               RapportCalcul& rapport) {
    TableauMois AlphaMois{};
    ChargerDonneesSoleil(c, rapport);
    CorrigerTemperatureAltitude(c, e);
    CalculerTLocal(c, e);
    CalculerR(c);
    CalculerGPlan(c, AlphaMois, rapport);
    CalculerEm(c);
    CalculerDT1(c);
    CalculerDT2(c);
    CalculerDT(c);
    CalculerBecs(c);
    CalculerCapteurs(e, c, AlphaMois);
}

RapportCalcul ExecuterCalcul(EnregistrementCalcul& c, const EnregistrementEntrees& e,
                             EtenduCalcul etendu) {
    RapportCalcul rapport;
    const char* etape = "CalculerParametresSysteme";
    try {
        CalculerParametresSysteme(c, rapport);
        if (etendu == EtenduCalcul::Complet) {
            etape = "CalculerDonneesMensuelles";
            CalculerDonneesMensuelles(c, e, rapport);
            etape = "CalculerBilanMensuel";
            CalculerBilanMensuel(c, rapport);
        }
    } catch (const ErreurExecution& erreur) {
        rapport.Interrompre(etape, erreur.what());
    }
    return rapport;
}
