#pragma once
// The project window: one per open project, captioned with the project's file path.
// A sheet of titled sections stacked one under the other in a scroll area, each
// showing one component of the project in input fields, with small picture buttons
// beside them that open choice lists or step through values. Every validated change
// goes to the component, then the whole project is recalculated and the whole window
// redisplayed.

#include "project/ElementsUtilisateur.h"
#include "project/clsprojet.h"
#include "ui/AffichageComposants.h"
#include "ui/ChampSaisie.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

class BoutonImage;
class GraphiqueBilan;
class GraphiqueMasque;
class GraphiqueStatistique;
class IndicateurCalcul;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class RechercheCommune;
class ResultatsGrille;

class frmProjet : public QWidget, public FenetreProjet {
    Q_OBJECT
public:
    static constexpr int NbBoutons = 33; // pic 0..32

    explicit frmProjet(QWidget* parent = nullptr);
    ~frmProjet() override;

    // The window's project; cleared when the project is released.
    clsprojet* projet = nullptr;

    // Styles the window and its picture buttons, stacks the sections and shows the
    // project.
    void Init();
    // The ten display operations, in this order.
    void AfficherProjet() override;
    // True while a field holds a text the person typed and has not validated.
    bool SaisieEnCours() const;
    void DefinirLegende(const std::string& legende) override;
    // The run's messages in message boxes, in their order: the direct ones always,
    // the numbered ones while numbered messages are switched on.
    void MontrerRapport(const RapportCalcul& rapport) override;
    void AfficherBallon();
    void AfficherBesoin();
    void AfficherBoucle();
    void AfficherCapteur();
    void AfficherMasque();
    void AfficherMeteo();
    void AfficherAppoint();
    void AfficherEchangeur();
    void AfficherSysteme();
    void AfficherResultats();
    // The summary of the economic study under the results.
    void AfficherEconomie();

    // What a click on picture button `index` does: the pressed look, the button's
    // action, the recalculation and redisplay, the normal look again.
    void pic_Click(int index);
    // A commune was found by the search beside the station: its department's stations
    // are proposed; the one chosen becomes the site's station (with its department,
    // and its country when the department lies in another).
    void ChoisirStationDeCommune(const std::string& departement, const std::string& commune);
    // The section toggles: fold or unfold their sections.
    void picResultats_Click();
    void picSBesoin_Click();
    void picSSysteme_Click();
    // "Économie...": the economic study of the project, then its summary redisplayed.
    void cmdEconomie_Click();
    // "Dimensionnement...": the sizing study beside the window, following the project.
    void cmdDimensionnement_Click();
    // "Dossier...": the client and the installer, for the report.
    void cmdDossier_Click();

    // The controls, for the program's own use and for the tests.
    ChampSaisie* Champ(const std::string& nom) const;
    BoutonImage* Bouton(int index) const;
    IndicateurCalcul* Indicateur(int index) const;
    ResultatsGrille* Grille() const { return flxResultats_; }
    GraphiqueBilan* Bilan() const { return bilan_; }
    RechercheCommune* Commune() const { return rechercheCommune_; }
    QScrollArea* Defilement() const { return defilement_; }

    QSize sizeHint() const override;

signals:
    // The whole project was redisplayed: a change of it, a run, an opening.
    void projetAffiche();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Sections (frmProjetSections.cpp)
    void CreerSections();
    QWidget* CreerMeteo();
    QWidget* CreerBesoins();
    QWidget* CreerSysteme();
    QWidget* CreerLigneSysteme();
    QWidget* CreerCapteurs();
    QWidget* CreerChauffeEau();
    QWidget* CreerCaptage();
    QWidget* CreerBallon();
    QWidget* CreerEchangeur();
    QWidget* CreerAppoint();
    QWidget* CreerMasque();
    QWidget* CreerResultats();
    QGroupBox* Cadre(const char* nom, const char* titre);
    enum class Largeur { Nombre, Moyenne, Nom };
    ChampSaisie* AjouterChamp(QGridLayout* grille, const char* nom, const char* libelle,
                              ChampSaisie::Genre genre, Largeur largeur, int bouton = -1);
    BoutonImage* AjouterBouton(int index, bool large = false);
    void AjouterIndicateur(class QHBoxLayout* ligne, int index);
    BoutonImage* AjouterBascule(const char* nom, void (frmProjet::*action)(), QGroupBox* cadre);

    // Validation of the typed fields (frmProjetSaisie.cpp)
    void ConnecterSaisies();
    // Enter in a numeric field: its text to the project through the value's rule.
    void Valider(const std::string& nom, ChampSaisie& champ);
    void SurNom(const char* champ, ElementCatalogue element);
    // Applies an edit of a catalogue item, then stores the item as the person's own
    // under its name (the new one when given).
    void ModifierElement(ElementCatalogue element, const std::function<void()>& action,
                         const std::optional<std::string>& nouveauNom = std::nullopt);
    void Recalculer();

    // Picture buttons (frmProjetBoutons.cpp)
    void Agir(int index);
    bool Choisir(int liste, int index, std::string& choix, int* position = nullptr);
    void ChoisirCategorie();
    void OuvrirDialogue(const std::function<void(clsprojet&, QWidget*)>& dialogue);
    void Basculer(std::initializer_list<QWidget*> contenus, BoutonImage* bascule);

    // Runs an action of the person's; an error is shown, never thrown into Qt.
    void Proteger(const std::function<void()>& action);
    void Verrouiller(std::initializer_list<const char*> champs, bool verrouille);
    void Montrer(const char* nom, bool visible);
    QWidget* Section(const char* nom) const;

    ChampsProjet champs_;
    std::array<BoutonImage*, NbBoutons> boutons_{};
    std::map<int, IndicateurCalcul*> indicateurs_;
    QScrollArea* defilement_ = nullptr;
    QWidget* feuille_ = nullptr;
    GraphiqueStatistique* picConso_ = nullptr;
    GraphiqueStatistique* picTeau_ = nullptr;
    GraphiqueMasque* picMasque_ = nullptr;
    ResultatsGrille* flxResultats_ = nullptr;
    GraphiqueBilan* bilan_ = nullptr;
    RechercheCommune* rechercheCommune_ = nullptr;
    BoutonImage* picResultats_ = nullptr;
    BoutonImage* picSBesoin_ = nullptr;
    BoutonImage* picSSysteme_ = nullptr;
    QPushButton* cmdEconomie_ = nullptr;
    QPushButton* cmdDossier_ = nullptr;
    QPushButton* cmdDimensionnement_ = nullptr;
    QPointer<class frmDimensionnement> dimensionnement_;
    QLabel* lblEconomie_ = nullptr;
};
