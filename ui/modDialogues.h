#pragma once
// What the project window's dialogs share: the month headings, the Ok / Annuler
// buttons, the choice buttons beside chosen values, a silent reading of a number
// being typed, and the notice of the user's copy of the data folder.

#include <QString>
#include <array>
#include <string>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// "Jan", "Fév", ... "Déc", the headings `lblMois` 1 to 12.
QString AbreviationMois(int mois);
// The heading of month m (1..12), named lblMois<m>.
QLabel* EnteteMois(int mois, QWidget* parent = nullptr);

// "Ok" (the default button, calling the dialog's accept, where its checks are) and
// "Annuler" (rejecting), right-aligned in a row.
struct BoutonsDialogue {
    QHBoxLayout* rangee;
    QPushButton* ok;
    QPushButton* annuler;
};
BoutonsDialogue CreerBoutons(QDialog* dialogue, const char* nomAnnuler);

// The small button that opens a choice beside a chosen value.
QToolButton* CreerBoutonChoix(const char* nom, const QString& infobulle, QWidget* parent = nullptr);

// The value of a text being typed, without the conversion's message: 0 for an empty
// or unfinished text ("-", "1e").
double ValeurSaisie(const QString& texte);
// True when the text is empty, "-" or a number (with a comma or a point): what the
// numeric check lets through.
bool SaisieNumerique(const QString& texte);

// Marks, for its lifetime, the fields' texts as written by the program, which must
// not cascade as the person's typing does; the mark is restored whatever happens.
class EcritureProgramme {
public:
    explicit EcritureProgramme(bool& drapeau) : drapeau_(drapeau), avant_(drapeau) {
        drapeau_ = true;
    }
    ~EcritureProgramme() { drapeau_ = avant_; }
    EcritureProgramme(const EcritureProgramme&) = delete;
    EcritureProgramme& operator=(const EcritureProgramme&) = delete;

private:
    bool& drapeau_;
    bool avant_;
};

// Shows, once, the notice that the data folder was copied for the person's entries:
// in the status bar of the main window (the one holding `depuis`, else the one
// shown), else in a message box.
void MontrerAvisCopieUtilisateur(QWidget* depuis);
// The same for a notice already taken (EnregistrerElementUtilisateur returns it); ""
// shows nothing.
void MontrerAvisCopieUtilisateur(QWidget* depuis, const std::string& avis);
