// The typed fields of the project window. Each numeric field takes its label and its
// bounds from the value's input rule, and Enter hands the typed text to the project
// through that rule, as the command line's --set does; a refused value leaves the
// field's previous value in place. Fields of catalogue items also store the item as
// the person's own.

#include "common/Notificateur.h"
#include "project/ReglesSaisie.h"
#include "ui/frmProjet.h"

#include <QMainWindow>
#include <QStatusBar>

namespace {
// Fields of catalogue items and the collector count: leaving them throws away any
// text not validated with Enter.
const char* const RecalculEnSortie[] = {
    "txtABEtap", "TxtAc",    "txtBc", "txtCapteur",    "txtCr",         "TxtDn",
    "txtKc",     "txtKsurB", "txtM",  "txtNbCapteurs", "txtTypeBallon", "txtTypeChauffeEau",
    "txtVn",     "txtVs"};

std::optional<ElementCatalogue> ElementDe(Declencheur declencheur) {
    switch (declencheur) {
    case Declencheur::ElementCapteur:
        return ElementCatalogue::Capteur;
    case Declencheur::ElementChauffeEau:
        return ElementCatalogue::ChauffeEau;
    case Declencheur::ElementBallon:
        return ElementCatalogue::Ballon;
    default:
        return std::nullopt;
    }
}
} // namespace

void frmProjet::ConnecterSaisies() {
    for (const char* champ : RecalculEnSortie) {
        champs_(champ).DefinirRecalculEnSortie(true);
        connect(&champs_(champ), &ChampSaisie::quitte, this, &frmProjet::Recalculer);
    }
    for (const auto& [nom, champ] : champs_.Tous()) {
        const RegleSaisie* regle = RegleDuChamp(nom);
        if (regle == nullptr)
            continue;
        if (champ->genre() == ChampSaisie::Genre::Numerique) {
            champ->DefinirRegle(*regle, [this] { return static_cast<const clsprojet*>(projet); });
            connect(champ, &ChampSaisie::valide, this,
                    [this, nom = nom, champ = champ] { Valider(nom, *champ); });
        } else if (champ->genre() == ChampSaisie::Genre::Nom) {
            if (const auto element = ElementDe(regle->declencheur))
                SurNom(nom.c_str(), *element);
        }
    }
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

void frmProjet::Valider(const std::string& nom, ChampSaisie& champ) {
    if (projet == nullptr || !projet->Actif())
        return;
    const RegleSaisie* regle = RegleDuChamp(nom, projet);
    if (regle == nullptr)
        return;
    const std::string texte = champ.text().toStdString();
    try {
        if (const auto element = ElementDe(regle->declencheur))
            ModifierElement(*element, [&] { projet->Appliquer(regle->Nom(), texte); });
        else
            projet->Appliquer(regle->Nom(), texte);
    } catch (const ErreurParametre& e) {
        champ.Refuser(QString::fromStdString(e.what()));
        return;
    }
    Recalculer();
}

void frmProjet::SurNom(const char* champ, ElementCatalogue element) {
    connect(&champs_(champ), &ChampSaisie::valideNom, this, [this, element](const QString& nom) {
        if (projet == nullptr || !projet->Actif())
            return;
        Proteger([&] {
            ModifierElement(
                element, [] {}, nom.toStdString());
        });
        Recalculer();
    });
}

void frmProjet::ModifierElement(ElementCatalogue element, const std::function<void()>& action,
                                const std::optional<std::string>& nouveauNom) {
    const std::string avant = NomElementCatalogue(*projet, element);
    action(); // a refused value leaves before anything is written
    Proteger([&] {
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
