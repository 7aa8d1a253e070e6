#pragma once
// The help window: the installed help page read inside the program, so that help
// works on a machine without a web browser. Its links lead within the help; a web
// address goes to the system's browser. A find field searches the page.

#include <QWidget>

class QLineEdit;
class QTextBrowser;

class frmAide : public QWidget {
    Q_OBJECT
public:
    explicit frmAide(QWidget* parent = nullptr);

    // Shows the page; false, with nothing shown, when the file cannot be read.
    bool Ouvrir(const QString& page);

    QTextBrowser* Page() const { return page_; }
    QLineEdit* Recherche() const { return recherche_; }

    // The next (or previous) occurrence of the find field's text, from the cursor,
    // going round the page once; false when the page does not hold it.
    bool Chercher(bool enArriere = false);

private:
    QTextBrowser* page_;
    QLineEdit* recherche_;
};
