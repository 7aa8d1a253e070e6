#pragma once
// The list-choice popup that every choice button opens: the entries of one choice
// list in a small list beside the button. A click on an entry chooses it (a "--"
// separator cannot be chosen); Escape, or a click outside, cancels. A list of more
// than a handful of entries (a catalogue, the departments) gets a search field above
// it: typing any part of a name (case and accents ignored) keeps only the entries
// that hold it, the arrows move in what is left and Enter chooses.

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The last choice: its text and its position in the list (from 0); "-1" and -1 when
// the popup was cancelled.
extern std::string ChoixTexte;
extern int ChoixIndex;

class frmChoix : public QDialog {
    Q_OBJECT
public:
    explicit frmChoix(QWidget* parent = nullptr);

    // Fills the list with the entries up to the first empty one and sizes the popup
    // from their text extents. False when there is no entry (nothing to choose).
    bool FillIn(const std::vector<std::string>& liste);
    // Places the popup beside a control whose top-left corner is at `coin` on a
    // screen of the given geometry.
    void Placer(const QPoint& coin, const QRect& ecran);

    QListWidget* Liste() const { return liste_; }
    // The search field; hidden for a list that is seen whole.
    QLineEdit* Filtre() const { return filtre_; }
    int RangsVisibles() const { return rangs_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void paintEvent(QPaintEvent* evenement) override;
    void reject() override;

private:
    void Choisir(QListWidgetItem* entree);
    void Filtrer(const QString& saisie);

    QListWidget* liste_;
    QLineEdit* filtre_;
    int rangs_ = 0;
};

// The popup's top-left corner for a control at `coin` (screen coordinates) on the
// screen `ecran`: to the lower right of the control, or to its left / above it when
// the control lies in the right / lower half of the screen.
QPoint PositionChoix(const QPoint& coin, const QSize& popup, const QRect& ecran);

// Opens the popup on the entries beside the control and returns the chosen text, or
// "-1" when cancelled. A list whose first entry is blank opens nothing and counts as
// cancelled.
std::string ChoisirDansListe(const std::vector<std::string>& liste, QWidget* controle);
// The same on choice list number k of the program's label table.
std::string ChoisirDansListe(int k, QWidget* controle);
