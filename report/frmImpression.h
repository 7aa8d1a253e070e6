#pragma once
// The report window "Aperçu avant impression": the report page of a project exactly
// as it prints, and the commands to print it or close the window. The page is drawn
// by DessinerRapport (PageRapport.h) here, on the printer and into PDF files alike.

#include "report/PageRapport.h"

#include <QDialog>
#include <QPrinter>

class clsprojet;
class QPushButton;

// The page drawn across the width of its view, on a grey desk.
class ApercuPage : public QWidget {
public:
    explicit ApercuPage(QWidget* parent = nullptr);
    void DefinirContenu(const ContenuRapport& contenu);
    // Where the sheet lies in the widget.
    QRectF Feuille() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    ContenuRapport contenu_;
};

class frmImpression : public QDialog {
    Q_OBJECT

public:
    // The window filled from the project once, as it stands now; it keeps no link to
    // the project afterwards, so it may outlive it.
    explicit frmImpression(const clsprojet& projet, QWidget* parent = nullptr);

    // Fills the date, the characteristics and the results from the project.
    void Go(const clsprojet& projet);
    const ContenuRapport& Contenu() const { return contenu_; }
    ApercuPage* Page() const { return page_; }
    // The printer the print command uses (A4 until the person chooses otherwise).
    QPrinter& Imprimante() { return imprimante_; }

    // The printer dialog "Imprimer"; once a printer is chosen, the page printed on it
    // and the window closed. Cancelling leaves the window open. True when printed.
    bool DemanderImpression();

private:
    ContenuRapport contenu_;
    ApercuPage* page_ = nullptr;
    QPushButton* cmdImprimer_ = nullptr;
    QPrinter imprimante_{QPrinter::HighResolution};
    QString pdf_; // the project's folder and name, with .pdf
};

// "&Aperçu avant impression": the report window of the project, modal.
void MontrerApercu(clsprojet& projet, QWidget* parent);

// "&Imprimer...": the report window shown, then the printer dialog over it. Printed,
// the window closes; cancelled, it stays open (it deletes itself when closed). True
// when the page was printed.
bool Imprimer(clsprojet& projet, QWidget* parent);
