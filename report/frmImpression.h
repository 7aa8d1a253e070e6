#pragma once
// The report window "Aperçu avant impression": the report's pages of a project exactly
// as they print, one under the other, and the commands to print them or close the
// window. The pages are drawn by DessinerPage (DocumentRapport.h) here, on the printer
// and into PDF files alike.

#include "report/PageRapport.h"

#include <QDialog>
#include <QPrinter>

class clsprojet;
class QPushButton;

// The pages drawn across the width of their view, one under the other, on a grey desk.
class ApercuPage : public QWidget {
public:
    explicit ApercuPage(QWidget* parent = nullptr);
    void DefinirContenu(const DocumentRapport& document);
    // Where sheet `page` (0 the summary) lies in the widget.
    QRectF Feuille(int page = 0) const;
    int NbFeuilles() const { return NbPages(document_); }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    DocumentRapport document_;
};

class frmImpression : public QDialog {
    Q_OBJECT

public:
    // The window filled from the project once, as it stands now; it keeps no link to
    // the project afterwards, so it may outlive it.
    explicit frmImpression(const clsprojet& projet, QWidget* parent = nullptr);

    // Fills the date, the characteristics, the results and the study from the project.
    void Go(const clsprojet& projet);
    const ContenuRapport& Contenu() const { return document_.resume; }
    const DocumentRapport& Document() const { return document_; }
    ApercuPage* Page() const { return page_; }
    // The printer the print command uses (A4 until the person chooses otherwise).
    QPrinter& Imprimante() { return imprimante_; }

    // The printer dialog "Imprimer"; once a printer is chosen, the pages printed on it
    // and the window closed. Cancelling leaves the window open. True when printed.
    bool DemanderImpression();

private:
    DocumentRapport document_;
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
