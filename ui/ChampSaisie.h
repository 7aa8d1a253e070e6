#pragma once
// The one-line input field of the project window and its dialogs. It shows a stored
// value on white, turns light orange as soon as it is changed, selects its whole
// text when entered, checks on every key that a numeric text is still a number, and
// hands its value over only when the person presses Enter.

#include "project/ReglesSaisie.h"
#include "ui/modAffichages.h"

#include <QLineEdit>
#include <optional>

class ChampSaisie : public QLineEdit {
    Q_OBJECT
public:
    enum class Genre {
        Numerique, // a number: checked on each key, right-aligned, validated on Enter
        Nom,       // a catalogue item's name: at least 3 characters, "*" appended
        Choisi,    // a value chosen through a button: not typed, never validated
    };

    explicit ChampSaisie(Genre genre, QWidget* parent = nullptr);

    Genre genre() const { return genre_; }

    // Bounds checked on Enter; an entry outside them is refused and the field shows
    // its previous value again.
    void DefinirPlage(float minimum, float maximum);
    // The field's name in its messages: « <label> : <reason> ».
    void DefinirLibelle(const QString& libelle) { libelle_ = libelle; }
    // The label and the bounds of the value's input rule.
    void DefinirRegle(const RegleSaisie& regle);
    // Tells the person why an entry is refused and shows the previous value again.
    void Refuser(const QString& message);
    // The value the program last showed, back in place of the typed text.
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

    // Writes a value from the program: the field returns to white.
    void AfficherTexte(const QString& texte);
    void AfficherValeur(double valeur, FormatAffichage format);

    // True while the text has been changed and not yet redisplayed.
    bool Modifie() const { return CouleurFond(this) == CouleurModifiee; }

    // The numeric check: a text that is neither empty, nor "-", nor a number (with a
    // comma or a point) is refused: the person is told and the previous value comes
    // back. False when it was.
    bool VerifierNumerique();
    // The range check: a value outside the bounds is refused in the same way. False
    // when it was.
    bool VerifierPlage();

    // The value of the text by the program's number conversion.
    double Valeur() const;

signals:
    // Enter on a numeric field, after the range check.
    void valide(double valeur);
    // Enter on a name field with a name long enough, "*" already appended.
    void valideNom(const QString& nom);
    // The field lost the focus and recalculates on leaving.
    void quitte();

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    void focusInEvent(QFocusEvent* evenement) override;
    void focusOutEvent(QFocusEvent* evenement) override;

private:
    void Valider();
    QString MessageRefus(const QString& raison) const;
    void ValiderNom();

    Genre genre_;
    std::optional<std::pair<float, float>> plage_;
    bool recalculEnSortie_ = false;
    bool validationEntree_ = true;
    QString messageNomCourt_;
    QString libelle_;
    QString texteAffiche_;
};
