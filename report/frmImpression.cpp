#include "report/frmImpression.h"

#include "common/Notificateur.h"
#include "project/clsprojet.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <optional>

namespace {
constexpr int MargeBureau = 16; // grey around the sheet, in pixels
constexpr double Proportion = HauteurFeuilleMm / LargeurFeuilleMm;

// Qt's printer dialog names the file it proposes after the current folder and the
// document's name; for the time it is built, the current folder is the project's.
class DossierCourant {
public:
    explicit DossierCourant(const QString& dossier) : avant_(QDir::currentPath()) {
        QDir::setCurrent(dossier);
    }
    ~DossierCourant() { QDir::setCurrent(avant_); }
    DossierCourant(const DossierCourant&) = delete;
    DossierCourant& operator=(const DossierCourant&) = delete;

private:
    QString avant_;
};
} // namespace

ApercuPage::ApercuPage(QWidget* parent) : QWidget(parent) {
    QSizePolicy politique(QSizePolicy::Expanding, QSizePolicy::Preferred);
    politique.setHeightForWidth(true);
    setSizePolicy(politique);
    setMinimumWidth(320);
}

void ApercuPage::DefinirContenu(const DocumentRapport& document) {
    document_ = document;
    updateGeometry();
    update();
}

int ApercuPage::heightForWidth(int largeur) const {
    const int feuille = static_cast<int>((largeur - 2 * MargeBureau) * Proportion);
    return NbFeuilles() * (feuille + MargeBureau) + MargeBureau;
}

QSize ApercuPage::sizeHint() const {
    return {760, heightForWidth(760)};
}

QRectF ApercuPage::Feuille(int page) const {
    const int n = std::max(1, NbFeuilles());
    const double hauteur = (height() - MargeBureau) / static_cast<double>(n) - MargeBureau;
    const double largeur = std::min<double>(width() - 2 * MargeBureau, hauteur / Proportion);
    return {(width() - largeur) / 2, MargeBureau + page * (largeur * Proportion + MargeBureau),
            largeur, largeur * Proportion};
}

void ApercuPage::paintEvent(QPaintEvent* evenement) {
    QPainter p(this);
    p.fillRect(rect(), QColor(128, 132, 140));
    for (int page = 0; page < NbFeuilles(); ++page) {
        const QRectF feuille = Feuille(page);
        if (!feuille.adjusted(0, 0, 3, 3).intersects(evenement->rect()))
            continue;
        p.fillRect(feuille.translated(3, 3), QColor(70, 72, 78));
        p.fillRect(feuille, Qt::white);
        DessinerPage(p, feuille, document_, page);
    }
}

frmImpression::frmImpression(const clsprojet& projet, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    page_ = new ApercuPage;
    auto* defilement = new QScrollArea;
    defilement->setWidget(page_);
    defilement->setWidgetResizable(true);
    defilement->setAlignment(Qt::AlignHCenter);
    auto* boutons = new QDialogButtonBox;
    cmdImprimer_ = boutons->addButton(QStringLiteral("&Imprimer..."), QDialogButtonBox::ActionRole);
    QPushButton* cmdFermer =
        boutons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    connect(cmdImprimer_, &QPushButton::clicked, this, [this] { DemanderImpression(); });
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 6);
    disposition->addWidget(defilement, 1);
    disposition->addWidget(boutons);
    boutons->setContentsMargins(8, 0, 8, 0);
    // A page's height, within the screen (the buttons stay in sight on 1280 x 800).
    QSize taille(820, 900);
    if (const QScreen* ecran =
            parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
        taille = taille.boundedTo(ecran->availableGeometry().size() - QSize(40, 60));
    resize(taille);

    imprimante_.setPageSize(QPageSize(QPageSize::A4));
    imprimante_.setPageOrientation(QPageLayout::Portrait);
    // Printed to a file, the report goes beside the project, under its name.
    const QFileInfo fichier(QString::fromStdString(projet.Fichier));
    pdf_ = fichier.absolutePath() + QLatin1Char('/') + fichier.completeBaseName() +
           QStringLiteral(".pdf");
    imprimante_.setDocName(fichier.completeBaseName());
    Go(projet);
}

void frmImpression::Go(const clsprojet& projet) {
    document_ = LireDocumentRapport(projet, DateCourteDuJour());
    page_->DefinirContenu(document_);
}

bool frmImpression::DemanderImpression() {
    // Without a printer the dialog can only write a file: it proposes that one.
    const bool sansImprimante = QPrinterInfo::availablePrinterNames().isEmpty();
    if (sansImprimante && imprimante_.outputFileName().isEmpty())
        imprimante_.setOutputFileName(pdf_);
    std::optional<DossierCourant> dossier;
    if (!sansImprimante)
        dossier.emplace(QFileInfo(pdf_).absolutePath());
    QPrintDialog dialogue(&imprimante_, this);
    dossier.reset();
    dialogue.setWindowTitle(QStringLiteral("Imprimer"));
    dialogue.setOptions(QAbstractPrintDialog::PrintToFile |
                        QAbstractPrintDialog::PrintShowPageSize);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    if (!ImprimerRapport(imprimante_, document_)) {
        const QString cible = imprimante_.outputFileName().isEmpty() ? imprimante_.printerName()
                                                                     : imprimante_.outputFileName();
        notificateur().Message("L'impression n'a pas pu se faire sur « " + cible.toStdString() +
                                   " ».",
                               TitreApplication);
        return false;
    }
    accept();
    return true;
}

void MontrerApercu(clsprojet& projet, QWidget* parent) {
    frmImpression fenetre(projet, parent);
    fenetre.exec();
}

bool Imprimer(clsprojet& projet, QWidget* parent) {
    auto* fenetre = new frmImpression(projet, parent);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
    fenetre->repaint();
    return fenetre->DemanderImpression();
}
