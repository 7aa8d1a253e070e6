#include "ui/ChampSaisie.h"

#include "common/Nombres.h"
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
    connect(this, &QLineEdit::textEdited, this, [this] { edite_ = true; });
    DefinirCouleurFond(this, CouleurAffichee);
}

void ChampSaisie::DefinirPlage(float minimum, float maximum) {
    plage_ = std::make_pair(minimum, maximum);
}

void ChampSaisie::DefinirRegle(const RegleSaisie& regle, std::function<const clsprojet*()> projet) {
    projet_ = std::move(projet);
    DefinirLibelle(QString::fromUtf8(regle.libelle.data(), static_cast<int>(regle.libelle.size())));
    regle_ = &regle;
}

void ChampSaisie::AfficherTexte(const QString& texte) {
    setText(texte);
    texteAffiche_ = texte;
    valeurAffichee_.reset();
    edite_ = retenuEdite_ = false;
    DefinirCouleurFond(this, CouleurAffichee);
}

void ChampSaisie::AfficherValeur(double valeur, const QString& texte) {
    AfficherTexte(texte);
    valeurAffichee_ = valeur;
}

void ChampSaisie::Restaurer() {
    const std::optional<double> valeur = valeurAffichee_;
    const bool saisi = retenuEdite_;
    AfficherTexte(texteAffiche_);
    valeurAffichee_ = valeur;
    edite_ = retenuEdite_ = saisi;
}

std::optional<std::string> ChampSaisie::Refus(const std::string& texte) const {
    const clsprojet* projet = projet_ ? projet_() : nullptr;
    const RegleSaisie* regle = regle_;
    if (projet != nullptr) {
        if (const RegleSaisie* r = RegleDuChamp(objectName().toStdString(), projet))
            regle = r;
    } else if (regle->bornesDuProjet) {
        return std::nullopt; // bounds only the project knows: the project checks them
    }
    return VerifierValeur(*regle, texte, projet);
}

void ChampSaisie::Retenir() {
    // A dialog hands its values over on Ok only: a valid value the person leaves a
    // field with is the one a later refusal brings back.
    if (!edite_ || validationEntree_)
        return;
    const std::string t = text().toStdString();
    const bool valable = regle_ != nullptr ? !Refus(t) : LireNombre(t).has_value();
    if (!valable)
        return;
    texteAffiche_ = text();
    valeurAffichee_.reset();
    retenuEdite_ = true;
}

void ChampSaisie::Refuser(const QString& message) {
    Restaurer();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Informer(message);
}

void ChampSaisie::AfficherValeur(double valeur, FormatAffichage format) {
    AfficherValeur(valeur, TexteFormate(valeur, format));
}

void ChampSaisie::Saisir(const QString& texte) {
    setText(texte);
    edite_ = true;
}

double ChampSaisie::Valeur() const {
    if (!edite_ && valeurAffichee_)
        return *valeurAffichee_;
    const std::string t = text().toStdString();
    return LireNombre(t).value_or(LireNombreEnTete(t));
}

QString ChampSaisie::Saisie() const {
    if (edite_ || !valeurAffichee_)
        return text();
    // The shortest text that gives the value back: a Single's, a double's.
    const double v = *valeurAffichee_;
    const bool simple = static_cast<double>(static_cast<float>(v)) == v;
    for (int n = 7; n < 17; ++n) {
        const std::string t = EcrireGeneral(v, n);
        const auto relu = LireNombre(t);
        if (relu && (simple ? static_cast<float>(*relu) == static_cast<float>(v) : *relu == v))
            return QString::fromStdString(t);
    }
    return QString::fromStdString(EcrireGeneral(v, 17));
}

bool ChampSaisie::VerifierNumerique() {
    const std::string t = Rogner(text().toStdString());
    // What may still become a number as the person types ("-", "1,", "1e-") passes.
    if (t.empty() || LireNombre(t) || LireNombre(t + "0"))
        return true;
    // A value that may also be a label of a list ("Verticale") is judged on Enter.
    if (regle_ != nullptr && regle_->liste >= 0)
        return true;
    if (regle_ != nullptr) {
        if (const auto refus = Refus(t)) {
            Refuser(QString::fromStdString(*refus));
            return false;
        }
    }
    Refuser(MessageRefus(QStringLiteral("Cette valeur doit être numérique")));
    return false;
}

bool ChampSaisie::VerifierPlage() {
    if (regle_ != nullptr) {
        if (const auto refus = Refus(text().toStdString())) {
            Refuser(QString::fromStdString(*refus));
            return false;
        }
        return true;
    }
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
    // Enter on a text the person did not touch hands nothing over: the value stays the
    // one stored, not the rounding the field shows.
    if (Verrouille() || !edite_)
        return;
    if (!VerifierPlage())
        return;
    emit valide(Valeur());
}

QString ChampSaisie::MessageRefus(const QString& raison) const {
    return libelle_.isEmpty() ? raison : libelle_ + QStringLiteral(" : ") + raison;
}

void ChampSaisie::ValiderNom() {
    if (Verrouille() || !edite_)
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

bool ChampSaisie::event(QEvent* e) {
    // Undo and redo belong to the field only while it holds a text being typed; else
    // they are the project's, and reach the window's commands.
    if (e->type() == QEvent::ShortcutOverride && !edite_) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
            k->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            k->ignore();
            return true;
        }
    }
    return QLineEdit::event(e);
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
    if (genre_ == Genre::Numerique && edite_)
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
    if (!passager)
        Retenir();
    if (recalculEnSortie_ && !passager)
        emit quitte();
}
