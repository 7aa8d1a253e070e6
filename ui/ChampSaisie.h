#pragma once
// The one-line input field of the project window and its dialogs. It shows a stored
// value on white, turns light orange as soon as it is changed, selects its whole
// text when entered, checks on every key that a numeric text is still a number, and
// hands its value over only when the person presses Enter.

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

    // Bounds checked on Enter; an entry outside them is stored as the minimum.
    void DefinirPlage(float minimum, float maximum);
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
    // comma or a point) becomes "0" and the person is told. False when it did.
    bool VerifierNumerique();
    // The range check: a value outside the bounds is told and replaced by the minimum
    // in the two-decimal format. False when it was.
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
    void ValiderNom();

    Genre genre_;
    std::optional<std::pair<float, float>> plage_;
    bool recalculEnSortie_ = false;
    bool validationEntree_ = true;
    QString messageNomCourt_;
};
