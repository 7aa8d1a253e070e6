#include "ui/ChampSaisie.h"

#include "common/Notificateur.h"
#include "common/Texte.h"
#include "data/modTexte.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {
bool EstEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

void Informer(const QString& texte) {
    notificateur().Message(texte.toStdString(), TitreApplication);
}
} // namespace

ChampSaisie::ChampSaisie(Genre genre, QWidget* parent) : QLineEdit(parent), genre_(genre) {
    if (genre_ == Genre::Numerique) {
        setProperty(ProprieteTag, QStringLiteral("R"));
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // A chosen value changes only through its button; typing into it would leave an
    // orange text that nothing ever stores.
    if (genre_ == Genre::Choisi)
        setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this,
            [this] { DefinirCouleurFond(this, CouleurModifiee); });
    DefinirCouleurFond(this, CouleurAffichee);
}

void ChampSaisie::DefinirPlage(float minimum, float maximum) {
    plage_ = std::make_pair(minimum, maximum);
}

void ChampSaisie::DefinirRegle(const RegleSaisie& regle) {
    DefinirLibelle(QString::fromUtf8(regle.libelle.data(), static_cast<int>(regle.libelle.size())));
    // Bounds that depend on the project are the project's to check.
    if (regle.bornes && !regle.bornesDuProjet)
        DefinirPlage(static_cast<float>(regle.bornes->minimum),
                     static_cast<float>(regle.bornes->maximum));
}

void ChampSaisie::AfficherTexte(const QString& texte) {
    setText(texte);
    texteAffiche_ = texte;
    DefinirCouleurFond(this, CouleurAffichee);
}

void ChampSaisie::Restaurer() {
    AfficherTexte(texteAffiche_);
}

void ChampSaisie::Refuser(const QString& message) {
    Restaurer();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Informer(message);
}

void ChampSaisie::AfficherValeur(double valeur, FormatAffichage format) {
    AfficherTexte(TexteFormate(valeur, format));
}

double ChampSaisie::Valeur() const {
    return ConvertirNombre(text().toStdString());
}

bool ChampSaisie::VerifierNumerique() {
    const QString t = text();
    if (t.isEmpty() || t == QLatin1String("-"))
        return true;
    // The conversion accepts a point as well as a comma; so does the check.
    if (EstNumerique(Remplacer(t.toStdString(), ".", ",")))
        return true;
    Refuser(MessageRefus(QStringLiteral("Cette valeur doit être numérique")));
    return false;
}

bool ChampSaisie::VerifierPlage() {
    if (!plage_)
        return true;
    const auto [minimum, maximum] = *plage_;
    const float v = static_cast<float>(Valeur());
    if (!(v < minimum) && !(v > maximum))
        return true;
    Refuser(
        MessageRefus(QString::fromStdString(PhrasePlage({static_cast<double>(minimum), maximum}))));
    return false;
}

void ChampSaisie::Valider() {
    if (Verrouille() || !VerifierPlage())
        return;
    emit valide(Valeur());
}

QString ChampSaisie::MessageRefus(const QString& raison) const {
    return libelle_.isEmpty() ? raison : libelle_ + QStringLiteral(" : ") + raison;
}

void ChampSaisie::ValiderNom() {
    if (Verrouille())
        return;
    std::string nom = Rogner(text().toStdString());
    if (NbCaracteres(nom) < 3) {
        Informer(messageNomCourt_);
        return;
    }
    if (nom.back() != '*')
        nom += '*';
    setText(QString::fromStdString(nom));
    emit valideNom(text());
}

void ChampSaisie::keyPressEvent(QKeyEvent* e) {
    // Enter is acted on when the key is released; it must not also reach the window
    // (a dialog's default button).
    if (EstEntree(e) && validationEntree_ && genre_ != Genre::Choisi) {
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void ChampSaisie::keyReleaseEvent(QKeyEvent* e) {
    QLineEdit::keyReleaseEvent(e);
    if (e->isAutoRepeat())
        return;
    if (genre_ == Genre::Numerique)
        VerifierNumerique();
    if (!EstEntree(e) || !validationEntree_)
        return;
    if (genre_ == Genre::Numerique)
        Valider();
    else if (genre_ == Genre::Nom)
        ValiderNom();
}

void ChampSaisie::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // After the mouse press that gave the focus has placed the cursor, so that typing
    // replaces the whole text.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void ChampSaisie::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // A message box or a menu taking the focus for a moment is not leaving the field.
    const bool passager =
        e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
    if (recalculEnSortie_ && !passager)
        emit quitte();
}
