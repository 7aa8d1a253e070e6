#include "project/modSimulation.h"

#include "common/Notificateur.h"
#include "engine/modCalculORIN.h"
#include "project/EtatApplication.h"
#include "project/ReglesSaisie.h"

RapportCalcul clsprojet::SimulerORIN(bool afficher) {
    RapportCalcul rapport;
    if (!Etat().CalculPermis() || !Actif())
        return rapport;
    SablierActif sablier;
    ConvertObj2Struct();
    const EtenduCalcul etendu =
        Etat().CalculAuto() ? EtenduCalcul::Complet : EtenduCalcul::Parametres;
    const std::vector<std::string> refus = VerifierEnregistrement(Enregistrement());
    if (!refus.empty()) {
        for (const std::string& r : refus)
            rapport.Direct(r);
        rapport.Interrompre("VerifierEntrees", RefusEntrees);
    } else {
        TableTenue tenue;
        EnregistrementProjet& p = Enregistrement();
        rapport = ExecuterCalcul(p.Calcul, p.Entrees, etendu);
    }
    resultatsCalcules_ = rapport.Complet() && etendu == EtenduCalcul::Complet;
    ConvertStruct2Obj();
    if (referenceApresCalcul_) {
        texteReference_ = TexteFichier();
        referenceApresCalcul_ = false;
    }
    if (Fenetre) {
        Fenetre->MontrerRapport(rapport);
        if (afficher)
            Fenetre->AfficherProjet();
    }
    return rapport;
}

RapportCalcul clsprojet::Calculer() {
    CalculForce automatique;
    return SimulerORIN(true);
}

RapportCalcul CalculerProjetActif() {
    if (clsprojet* p = ProjetActif())
        return p->Calculer();
    return {};
}
