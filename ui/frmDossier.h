#pragma once
// « Dossier » : who the study is for and who made it. The client, the site's address
// and commune, the installer and its contact, the quote's reference and the study's
// date, printed on the report's first page with the installer's logo. The installer's
// details and logo are remembered for the next projects and proposed when the project
// has none; an empty date is the report's day. Ok keeps the values the person changed,
// through the input rules.

#include <QDialog>
#include <map>
#include <string>

class ChampSaisie;
class QLabel;
class clsprojet;

class frmDossier : public QDialog {
    Q_OBJECT
public:
    explicit frmDossier(clsprojet& projet, QWidget* parent = nullptr);

    ChampSaisie* Champ(const std::string& cle) const { return champs_.at(cle); }
    QLabel* lblLogo() const { return lblLogo_; }
    // The logo file chosen (or "" for none), remembered for every project.
    void DefinirLogo(const QString& chemin);

    void accept() override;

private:
    void Afficher();
    void ChoisirLogo();

    clsprojet& projet_;
    std::map<std::string, ChampSaisie*> champs_;
    QLabel* lblLogo_ = nullptr;
};

// Opens the dialog on the project; true when Ok changed it.
bool OuvrirDossier(clsprojet& projet, QWidget* parent);
