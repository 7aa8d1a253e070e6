#include "ui/frmProjet.h"

#include "common/Erreurs.h"
#include "common/Notificateur.h"
#include "data/modMessages.h"
#include "project/ContenuEtude.h"
#include "project/modEconomie.h"
#include "ui/BoutonImage.h"
#include "ui/Dialogues.h"
#include "ui/GraphiqueBilan.h"
#include "ui/GraphiqueMasque.h"
#include "ui/GraphiqueStatistique.h"
#include "ui/ResultatsGrille.h"
#include "ui/frmDimensionnement.h"
#include "ui/frmDossier.h"
#include "ui/frmEconomie.h"
#include "ui/modAffichages.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

frmProjet::frmProjet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmProjet"));
    CreerSections();
    ConnecterSaisies();
}

frmProjet::~frmProjet() = default;

void frmProjet::Init() {
    StylerFenetre(this);
    for (BoutonImage* b : findChildren<BoutonImage*>())
        StylerBoutonImage(b);
    // The sheet between the frames has the frames' grey, so the sections read as one
    // form.
    feuille_->setAutoFillBackground(true);
    DefinirCouleurFond(feuille_, CouleurCadre.lighter(108));
    DefinirCouleurFond(defilement_->viewport(), CouleurCadre.lighter(108));
    // Every section is still visible: the sheet's width now is that of the fullest
    // system, and it keeps it, so that changing the system type does not reflow the
    // window or bring a horizontal scroll bar.
    feuille_->layout()->activate();
    feuille_->setMinimumWidth(feuille_->minimumSizeHint().width());
    // Folded, the meteorology keeps its width beside the needs.
    QWidget* meteo = Section("fMeteo");
    meteo->setMinimumWidth(meteo->sizeHint().width());
    AfficherProjet();
}

QSize frmProjet::sizeHint() const {
    // Before the window is first shown, the layouts have not yet taken in the styled
    // fonts nor the sections the display hid: each is settled, the innermost first.
    const QList<QWidget*> interieurs = feuille_->findChildren<QWidget*>();
    for (auto it = interieurs.crbegin(); it != interieurs.crend(); ++it) {
        if (QLayout* disposition = (*it)->layout())
            disposition->activate();
    }
    feuille_->layout()->activate();
    const QSize feuille = feuille_->sizeHint();
    const int barre = defilement_->verticalScrollBar()->sizeHint().width();
    const int cadre = 2 * defilement_->frameWidth() + 4;
    return {feuille.width() + barre + cadre, feuille.height() + cadre};
}

ChampSaisie* frmProjet::Champ(const std::string& nom) const {
    const auto& tous = champs_.Tous();
    const auto it = tous.find(nom);
    return it == tous.end() ? nullptr : it->second;
}

BoutonImage* frmProjet::Bouton(int index) const {
    if (index < 0 || index >= NbBoutons)
        return nullptr;
    return boutons_[static_cast<std::size_t>(index)];
}

IndicateurCalcul* frmProjet::Indicateur(int index) const {
    const auto it = indicateurs_.find(index);
    return it == indicateurs_.end() ? nullptr : it->second;
}

QWidget* frmProjet::Section(const char* nom) const {
    return findChild<QWidget*>(QString::fromLatin1(nom));
}

void frmProjet::Montrer(const char* nom, bool visible) {
    if (QWidget* w = Section(nom))
        w->setVisible(visible);
}

void frmProjet::Verrouiller(std::initializer_list<const char*> noms, bool verrouille) {
    for (const char* nom : noms)
        champs_(nom).DefinirVerrouille(verrouille);
}

void frmProjet::Proteger(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        notificateur().Message(TexteException(e), TitreApplication);
    }
}

void frmProjet::Recalculer() {
    if (projet == nullptr || !projet->Actif())
        return;
    Proteger([this] { (void)projet->SimulerORIN(true); });
}

void frmProjet::MontrerRapport(const RapportCalcul& rapport) {
    for (const MessageCalcul& m : rapport.Messages()) {
        if (m.Numerote() && !AfficherMessages)
            continue;
        notificateur().Message(m.texte, m.Numerote() ? "Message" : TitreApplication);
    }
}

void frmProjet::DefinirLegende(const std::string& legende) {
    setWindowTitle(QString::fromStdString(legende));
}

void frmProjet::AfficherProjet() {
    if (projet == nullptr || !projet->Actif())
        return;
    AfficherBallon();
    AfficherBesoin();
    AfficherBoucle();
    AfficherCapteur();
    AfficherMasque();
    AfficherMeteo();
    AfficherAppoint();
    AfficherEchangeur();
    AfficherSysteme();
    AfficherResultats();
    emit projetAffiche();
}

void frmProjet::AfficherBallon() {
    const AffichageBallon a = Afficher(*projet->Ballon, champs_);
    Verrouiller({"txtTypeBallon", "txtVn", "txtVs", "txtCr"}, !a.Utilisateur);
    indicateurs_.at(25)->Afficher(a.CodeDeperdition);
    indicateurs_.at(30)->Afficher(a.CodeVs);
}

void frmProjet::AfficherBesoin() {
    Afficher(*projet->Besoin, *picConso_, *picTeau_);
}

void frmProjet::AfficherBoucle() {
    const AffichageBoucle a = Afficher(*projet->Boucle, champs_);
    indicateurs_.at(18)->Afficher(a.CodeDeperdition);
    indicateurs_.at(20)->Afficher(a.CodeDebit1);
    indicateurs_.at(21)->Afficher(a.CodeDebit2);
    indicateurs_.at(22)->Afficher(a.CodeEfficacite);
}

void frmProjet::AfficherCapteur() {
    const AffichageCapteurs a = Afficher(*projet->Capteurs, champs_);
    Verrouiller({"txtCapteur", "txtBc", "txtKc", "TxtAc"}, !a.CapteurUtilisateur);
    Verrouiller({"txtTypeChauffeEau", "txtABEtap", "txtKsurB", "txtM", "TxtDn"},
                !a.ChauffeEauUtilisateur);
    // A category's values may only go into a collector of the person's own.
    boutons_[32]->setEnabled(a.CapteurUtilisateur);
}

void frmProjet::AfficherMasque() {
    Montrer("fMasque", Afficher(*projet->Masque, champs_, *picMasque_, projet->Meteo->latitude));
}

void frmProjet::AfficherMeteo() {
    Afficher(*projet->Meteo, champs_);
}

void frmProjet::AfficherAppoint() {
    indicateurs_.at(6)->Afficher(Afficher(*projet->Appoint, champs_));
}

void frmProjet::AfficherEchangeur() {
    const AffichageEchangeur a = Afficher(*projet->Echangeur, champs_);
    indicateurs_.at(13)->Afficher(a.Code);
    Montrer("fDetailEchangeur", a.Detail);
    Montrer("fSituationEchangeur", a.Situation);
    // The exchanger counts only in a collector-and-tank system whose loop efficiency is
    // computed in detail; otherwise its values play no part.
    Montrer("fEchangeur", projet->Echangeur->IsEchangeur());
}

void frmProjet::AfficherSysteme() {
    const AffichageSysteme a = projet->Afficher();
    champs_("txtSysteme").AfficherTexte(QString::fromStdString(a.TypeSysteme));
    Montrer("fAppoint", a.Appoint);
    Montrer("fChauffeEau", a.ChauffeEau);
    Montrer("fCaptage", a.ElementsSepares);
    Montrer("fCapteurs", a.ElementsSepares);
    Montrer("fBallon", a.ElementsSepares);
    boutons_[26]->setVisible(a.ElementsSepares);
    // A one-piece water heater has neither a collector count nor a tank to vary.
    cmdDimensionnement_->setEnabled(a.ElementsSepares);
    champs_("txtAppoint").setVisible(a.ElementsSepares);
    const bool echangeur = a.ElementsSepares && a.EfficaciteDetaillee;
    boutons_[11]->setVisible(echangeur);
    champs_("txtEchangeur").setVisible(echangeur);
}

void frmProjet::AfficherResultats() {
    const EnregistrementCalcul& c = projet->Enregistrement().Calcul;
    DonneesResultats r;
    r.Fecs = c.Fecs;
    r.Becs = c.Becs;
    r.Prod = c.Prod;
    r.Fecs_an = c.Fecs_an;
    r.Becs_an = c.Becs_an;
    r.Productivite_par_m2 = c.Productivite_par_m2;
    r.surface_totale = projet->Capteurs->surface_totale();
    r.Ac = projet->Capteurs->Ac();
    // The window's own project: the one whose results these are.
    r.ChauffeEau = projet->Systeme->IsChauffeEau();
    // Only what a run of this project computed; never an earlier run's values.
    flxResultats_->AfficherResultats(r, projet->ResultatsCalcules());
    bilan_->Afficher(r, projet->ResultatsCalcules());
    AfficherEconomie();
}

void frmProjet::AfficherEconomie() {
    const EtudeEconomique etude = EvaluerEconomie(*projet);
    QString texte = QString::fromStdString(etude.erreur);
    if (etude.resultats) {
        const ResultatsEconomie& r = *etude.resultats;
        texte = QStringLiteral("%1 €/an économisés, %2 kg de CO2 évités par an, retour en %3")
                    .arg(QString::fromStdString(FormatFrancais(r.economieAnnuelle, 0)),
                         QString::fromStdString(FormatFrancais(r.co2An, 0)),
                         r.tempsRetour ? QStringLiteral("%1 ans").arg(*r.tempsRetour)
                                       : QStringLiteral("plus de %1 ans").arg(etude.entrees.duree));
    }
    lblEconomie_->setText(texte);
}

bool frmProjet::SaisieEnCours() const {
    for (const auto& [nom, champ] : champs_.Tous())
        if (champ->Edite())
            return true;
    return false;
}

void frmProjet::cmdEconomie_Click() {
    if (projet == nullptr)
        return;
    Proteger([this] { OuvrirEconomie(*projet, this); });
    AfficherEconomie();
    emit projetAffiche(); // a change the history notes
}

void frmProjet::cmdDossier_Click() {
    if (projet == nullptr)
        return;
    Proteger([this] { OuvrirDossier(*projet, this); });
    emit projetAffiche();
}

void frmProjet::cmdDimensionnement_Click() {
    if (projet == nullptr)
        return;
    if (!dimensionnement_) {
        // The window's project, as long as the window has one.
        dimensionnement_ = new frmDimensionnement([this] { return projet; }, this);
        dimensionnement_->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &frmProjet::projetAffiche, dimensionnement_, &frmDimensionnement::Actualiser);
    }
    dimensionnement_->show();
    dimensionnement_->raise();
    dimensionnement_->activateWindow();
}

void frmProjet::Basculer(std::initializer_list<QWidget*> contenus, BoutonImage* bascule) {
    // Folding keeps the section's title and toggle; the sections below move up.
    const bool replie = !bascule->Replie();
    for (QWidget* contenu : contenus)
        contenu->setVisible(!replie);
    bascule->DefinirReplie(replie);
    // Stacked again at once, not at the next pass of the event loop.
    feuille_->layout()->activate();
}

void frmProjet::picResultats_Click() {
    Basculer({Section("contenuResultats")}, picResultats_);
    // Folded, the results keep their title's height; the space left goes under them.
    auto* pile = static_cast<QBoxLayout*>(feuille_->layout());
    const bool replie = picResultats_->Replie();
    pile->setStretchFactor(Section("fResultats"), replie ? 0 : 1);
    pile->setStretch(pile->count() - 1, replie ? 1 : 0);
}

void frmProjet::picSBesoin_Click() {
    Basculer({Section("contenuMeteo"), Section("contenuBesoins")}, picSBesoin_);
}

void frmProjet::picSSysteme_Click() {
    Basculer({Section("corpsSysteme")}, picSSysteme_);
}

bool frmProjet::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::Resize) {
        // A section toggle sits at the right end of its frame's title line.
        for (BoutonImage* bascule : {picSBesoin_, picResultats_}) {
            if (bascule != nullptr && bascule->parent() == objet)
                bascule->move(bascule->parentWidget()->width() - bascule->width() - 4, 1);
        }
    }
    if (evenement->type() != QEvent::MouseButtonRelease || projet == nullptr)
        return QWidget::eventFilter(objet, evenement);
    if (objet == picConso_ || objet == picTeau_) {
        OuvrirDialogue(OuvrirBesoins);
    } else if (objet == picMasque_) {
        OuvrirDialogue(OuvrirMasques);
    } else if (objet == Champ("txtStation")) {
        // Only the person's own stations (named with a final "*") may be edited.
        if (EstElementUtilisateur(projet->Meteo->station()))
            OuvrirDialogue(OuvrirStation);
    }
    return QWidget::eventFilter(objet, evenement);
}

void frmProjet::OuvrirDialogue(const std::function<void(clsprojet&, QWidget*)>& dialogue) {
    Proteger([&] { dialogue(*projet, this); });
    Recalculer();
}
