// The typed fields of the project window: what Enter does with each one (bounds, the
// component that takes the value, the catalogue item stored as the person's own),
// and the fields that recalculate when the person leaves them.

#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "ui/frmProjet.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {
float Simple(double v) {
    return static_cast<float>(v);
}

// Fields of catalogue items and the collector count: leaving them throws away any
// text not validated with Enter.
const char* const RecalculEnSortie[] = {
    "txtABEtap", "TxtAc",    "txtBc", "txtCapteur",    "txtCr",         "TxtDn",
    "txtKc",     "txtKsurB", "txtM",  "txtNbCapteurs", "txtTypeBallon", "txtTypeChauffeEau",
    "txtVn",     "txtVs"};
} // namespace

void frmProjet::ConnecterSaisies() {
    using E = ElementCatalogue;
    const auto plage = [this](const char* champ, float minimum, float maximum) {
        champs_(champ).DefinirPlage(minimum, maximum);
    };
    plage("TxtAc", 0.01f, 99);
    plage("txtBc", 0.01f, 99);
    plage("txtNbCapteurs", 1, 999);
    plage("txtInclinaison", 0, 90);
    plage("txtKsurB", 0.01f, 99);
    plage("txtInclinaisonChauffeEau", 0, 99);
    for (const char* champ : RecalculEnSortie) {
        champs_(champ).DefinirRecalculEnSortie(true);
        connect(&champs_(champ), &ChampSaisie::quitte, this, &frmProjet::Recalculer);
    }

    SurValidation("txtAltitude", [this](double v) { projet->Meteo->Altitude = Simple(v); });

    SurValidation(
        "TxtAc", [this](double v) { projet->Capteurs->Ac(Simple(v)); }, E::Capteur);
    SurValidation(
        "txtBc", [this](double v) { projet->Capteurs->Bc = Simple(v); }, E::Capteur);
    SurValidation(
        "txtKc", [this](double v) { projet->Capteurs->Kc = Simple(v); }, E::Capteur);
    SurNom("txtCapteur", E::Capteur);
    SurValidation("txtNbCapteurs", [this](double v) { projet->Capteurs->nombre(VersEntier16(v)); });
    SurValidation("txtSurfaceTotale",
                  [this](double v) { projet->Capteurs->surface_totale(Simple(v)); });
    const auto inclinaison = [this](double v) { projet->Capteurs->inclinaison(FormatNombre(v)); };
    const auto orientation = [this](double v) { projet->Capteurs->Orientation(FormatNombre(v)); };
    SurValidation("txtInclinaison", inclinaison);
    SurValidation("txtOrientation", orientation);

    SurNom("txtTypeChauffeEau", E::ChauffeEau);
    SurValidation(
        "txtABEtap", [this](double v) { projet->Capteurs->ABEtap = Simple(v); }, E::ChauffeEau);
    SurValidation(
        "txtKsurB", [this](double v) { projet->Capteurs->KsurB = Simple(v); }, E::ChauffeEau);
    SurValidation(
        "TxtDn", [this](double v) { projet->Capteurs->Dn = Simple(v); }, E::ChauffeEau);
    SurValidation(
        "txtM", [this](double v) { projet->Capteurs->m = Simple(v); }, E::ChauffeEau);
    SurValidation("txtInclinaisonChauffeEau", inclinaison);
    SurValidation("txtOrientationChauffeEau", orientation);

    const auto consigne = [this](double v) { projet->Ballon->TLocalChauffe = Simple(v); };
    SurValidation("txtConsigne", consigne);
    SurValidation("txtConsigneCE", consigne);
    SurNom("txtTypeBallon", E::Ballon);
    SurValidation(
        "txtVn", [this](double v) { projet->Ballon->Vn = Simple(v); }, E::Ballon);
    SurValidation(
        "txtVs", [this](double v) { projet->Ballon->Vs = Simple(v); }, E::Ballon);
    SurValidation(
        "txtCr", [this](double v) { projet->Ballon->cr = Simple(v); }, E::Ballon);
    SurValidation("txtDeperditionBallon", [this](double v) { projet->Ballon->Ds = Simple(v); });

    SurValidation("txtEfficaciteBoucle", [this](double v) { projet->Boucle->Etap = Simple(v); });
    SurValidation("txtDeperditionBoucle", [this](double v) { projet->Boucle->K = Simple(v); });
    SurValidation("txtDebitEnergetique1Boucle",
                  [this](double v) { projet->Boucle->DebitEner = Simple(v); });
    SurValidation("txtDebitEnergetique2Boucle",
                  [this](double v) { projet->Boucle->DebitEner2 = Simple(v); });
    SurValidation("txtKech", [this](double v) { projet->Echangeur->KEch = Simple(v); });
    SurValidation("txtKechA", [this](double v) { projet->Echangeur->Kech_A = Simple(v); });
    SurValidation("txtVcElec", [this](double v) { projet->Appoint->VcElec = Simple(v); });

    champs_("txtCapteur")
        .DefinirMessageNomCourt(
            QStringLiteral("Le nom du capteur doit comporter au moins 3 caractères"));
    champs_("txtTypeChauffeEau")
        .DefinirMessageNomCourt(
            QStringLiteral("Le nom du chauffe-eau doit comporter au moin 3 caractères"));
    champs_("txtTypeBallon")
        .DefinirMessageNomCourt(
            QStringLiteral("Le nom du ballon doit comporter au moin 3 caractères"));
}

void frmProjet::SurValidation(const char* champ, std::function<void(double)> action,
                              std::optional<ElementCatalogue> element) {
    connect(&champs_(champ), &ChampSaisie::valide, this, [this, action, element](double v) {
        if (projet == nullptr || !projet->Actif())
            return;
        if (element)
            ModifierElement(*element, [&] { action(v); });
        else
            Proteger([&] { action(v); });
        Recalculer();
    });
}

void frmProjet::SurNom(const char* champ, ElementCatalogue element) {
    connect(&champs_(champ), &ChampSaisie::valideNom, this, [this, element](const QString& nom) {
        if (projet == nullptr || !projet->Actif())
            return;
        ModifierElement(
            element, [] {}, nom.toStdString());
        Recalculer();
    });
}

void frmProjet::ModifierElement(ElementCatalogue element, const std::function<void()>& action,
                                const std::optional<std::string>& nouveauNom) {
    Proteger([&] {
        const std::string avant = NomElementCatalogue(*projet, element);
        action();
        const std::string avis =
            EnregistrerElementUtilisateur(*projet, element, avant, nouveauNom.value_or(avant));
        if (avis.empty())
            return;
        // The copy of the data folder is news, not a fault: the status bar says it.
        if (auto* cadre = qobject_cast<QMainWindow*>(window()))
            cadre->statusBar()->showMessage(QString::fromStdString(avis));
        else
            notificateur().Message(avis, TitreApplication);
    });
}
