#pragma once
// The help window: the installed help page read inside the program, so that help
// works on a machine without a web browser. Its links lead within the help; a web
// address goes to the system's browser. A find field searches the page and says so
// when the page does not hold what was typed.

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

class frmAide : public QWidget {
    Q_OBJECT
public:
    explicit frmAide(QWidget* parent = nullptr);

    // The program's help window: the one already made, else a new one belonging to
    // `proprietaire`. One window, whether F1 or the Help menu opens it.
    static frmAide* Unique(QWidget* proprietaire);

    // Shows the page at its section `ancre` (its top when empty); false, with nothing
    // shown, when the file cannot be read.
    bool Ouvrir(const QString& page, const QString& ancre = {});
    // Brings the window to the front. A modal dialog leaves the person no other window
    // than its own: while one is open the help becomes one of them, and goes back to
    // its owner when the dialog closes.
    void Montrer();

    QTextBrowser* Page() const { return page_; }
    QLineEdit* Recherche() const { return recherche_; }
    // « Aucun résultat pour « ... ». » after a search that found nothing, else empty.
    QLabel* MessageRecherche() const { return message_; }

    // The next (or previous) occurrence of the find field's text, from the cursor,
    // going round the page once; false when the page does not hold it.
    bool Chercher(bool enArriere = false);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // Gives the window to the modal dialog in front (other than `fermee`, which is
    // closing), else to its owner; kept in sight when it was.
    void Rattacher(const QWidget* fermee);

    QTextBrowser* page_;
    QLineEdit* recherche_;
    QLabel* message_;
    QPointer<QWidget> proprietaire_;
};
