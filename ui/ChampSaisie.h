#pragma once
// The one-line input field of the project window and its dialogs. It shows a stored
// value on white, turns light orange as soon as it is changed, selects its whole
// text when entered, checks on every key that a numeric text is still a number, and
// hands its value over only when the person presses Enter.

#include "project/ReglesSaisie.h"
#include "ui/modAffichages.h"

#include <QLineEdit>
#include <functional>
#include <optional>

class ChampSaisie : public QLineEdit {
    Q_OBJECT
public:
    enum class Genre {
        Numerique, // a number: checked on each key, right-aligned, validated on Enter
        Nom,       // a catalogue item's name: at least 3 characters, "*" appended
        Choisi,    // a value chosen through a button: not typed, never validated
        Texte,     // free text: checked by its rule when its dialog's Ok takes it
    };

    explicit ChampSaisie(Genre genre, QWidget* parent = nullptr);

    Genre genre() const { return genre_; }

    // Bounds checked on Enter; an entry outside them is refused and the field shows
    // its previous value again.
    void DefinirPlage(float minimum, float maximum);
    // The field's name in its messages: « <label> : <reason> ».
    void DefinirLibelle(const QString& libelle) { libelle_ = libelle; }
    // The label and the bounds of the value's input rule; `projet`, when given, tells
    // the project whose bounds and kind of system the rule depends on.
    void DefinirRegle(const RegleSaisie& regle, std::function<const clsprojet*()> projet = {});
    // Tells the person why an entry is refused and shows the previous value again.
    void Refuser(const QString& message);
    // The value the field held before the edit, back in place of the typed text: the
    // one the program last showed or, in a dialog, the last one the person left it with.
    void Restaurer();
    // Whether leaving the field recalculates the project (which throws away any text
    // typed and not validated).
    void DefinirRecalculEnSortie(bool actif) { recalculEnSortie_ = actif; }
    // Whether Enter hands the value over (off for dialog fields, where Enter is the
    // dialog's own).
    void DefinirValidationEntree(bool active) { validationEntree_ = active; }
    // The message shown when a name is shorter than 3 characters.
    void DefinirMessageNomCourt(const QString& message) { messageNomCourt_ = message; }
    // A locked field (a catalogue item) cannot be edited and ignores Enter.
    void DefinirVerrouille(bool verrouille) { setReadOnly(verrouille); }
    bool Verrouille() const { return isReadOnly(); }

    // Writes a value from the program: the field returns to white. A value is shown
    // rounded but kept whole: as long as the person does not edit the text, the field
    // gives back that exact value, never the rounding it shows.
    void AfficherTexte(const QString& texte);
    void AfficherValeur(double valeur, FormatAffichage format);
    void AfficherValeur(double valeur, const QString& texte);

    // True while the text has been changed and not yet redisplayed.
    bool Modifie() const { return CouleurFond(this) == CouleurModifiee; }

    // The check made on each key: a text that cannot be the start of a number (with a
    // comma or a point, in any notation) is refused: the person is told why, in the
    // words of the value's rule, and the previous value comes back. False when it was.
    bool VerifierNumerique();
    // The check made on Enter: the value's rule (or the field's bounds) refuses an
    // empty text, a non-number or a value out of range in the same way. False when it
    // did.
    bool VerifierPlage();

    // True once the person has typed or pasted into the field since the program last
    // wrote it: only then does the field have anything to hand over.
    bool Edite() const { return edite_; }
    // A text the program enters on the person's behalf (a mean copied to every month):
    // handed over as if typed.
    void Saisir(const QString& texte);
    // The value shown, exactly as the program gave it, while the text is not edited;
    // then the value of the typed text (its leading number, 0 when none).
    double Valeur() const;
    // The text to hand over: the typed one, or the exact value shown in full.
    QString Saisie() const;

signals:
    // Enter on a numeric field, after the range check.
    void valide(double valeur);
    // Enter on a name field with a name long enough, "*" already appended.
    void valideNom(const QString& nom);
    // The field lost the focus and recalculates on leaving.
    void quitte();

protected:
    bool event(QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    void Valider();
    QString MessageRefus(const QString& raison) const;
    void ValiderNom();
    void Retenir();
    // The rule's refusal of the text, for the project when the field knows it.
    std::optional<std::string> Refus(const std::string& texte) const;

    Genre genre_;
    std::optional<std::pair<float, float>> plage_;
    bool recalculEnSortie_ = false;
    bool validationEntree_ = true;
    QString messageNomCourt_;
    QString libelle_;
    QString texteAffiche_;
    const RegleSaisie* regle_ = nullptr;
    std::function<const clsprojet*()> projet_;
    std::optional<double> valeurAffichee_;
    bool edite_ = false;
    bool retenuEdite_ = false; // the value to come back to is one the person typed
};
