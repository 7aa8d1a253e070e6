#include "engine/modCalculORIN.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "engine/modCalculAppoint.h"
#include "engine/modCalculBallon.h"
#include "engine/modCalculBesoins.h"
#include "engine/modCalculBilan.h"
#include "engine/modCalculBoucle.h"
#include "engine/modCalculCapteurs.h"
#include "engine/modCalculEchangeur.h"
#include "engine/modCalculMeteo.h"

bool CalculPermis = true;
bool CalculAuto = true;

// Filled before any project window exists, so that X never meets empty months.
std::array<float, 13> JoursParMois = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

void InitJoursParMois() {
    JoursParMois = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

void CalculerParametresSysteme(EnregistrementCalcul& c) {
    if (!CalculPermis)
        return;
    bool succes = true;
    CalculerAppoint(c, succes);
    if (c.TypeDeCalculVs != 2)
        CalculerVs(c, succes);
    if (c.Debit1.TypeDeCalcul != 2)
        CalculerDebitEnergetique1(c, succes);
    if (c.Debit2.TypeDeCalcul != 2)
        CalculerDebitEnergetique2(c, succes);
    CalculerDs(c, succes);
    CalculerKt(c, succes);
    if (c.Deperdition.TypeDeCalcul != 2)
        CalculerK(c, succes);
    if (c.Echangeur.TypeDeCalcul != 2)
        CalculerKEch(c, succes);
    if (c.Efficacite.TypeDeCalcul != 2)
        CalculerEtap(c, succes);
}

void CalculerDonneesMensuelles(EnregistrementCalcul& c, const EnregistrementEntrees& e) {
    if (!CalculPermis || !CalculAuto)
        return;
    TableauMois AlphaMois{};
    ChargerDonneesSoleil(c);
    CorrigerTemperatureAltitude(c, e);
    CalculerTLocal(c, e);
    CalculerR(c);
    CalculerGPlan(c, AlphaMois);
    CalculerEm(c);
    CalculerDT1(c);
    CalculerDT2(c);
    CalculerDT(c);
    CalculerBecs(c);
    CalculerCapteurs(e, c, AlphaMois);
}

bool ExecuterCalcul(EnregistrementCalcul& c, const EnregistrementEntrees& e) {
    try {
        CalculerParametresSysteme(c);
        CalculerDonneesMensuelles(c, e);
        CalculerBilanMensuel(c);
        return true;
    } catch (const ErreurExecution& erreur) {
        notificateur().Message(std::string("Le calcul a été interrompu. ") + erreur.what(),
                               TitreApplication);
        return false;
    }
}
