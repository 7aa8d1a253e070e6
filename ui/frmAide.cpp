#include "ui/frmAide.h"

#include "common/Notificateur.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

frmAide::frmAide(QWidget* parent)
    : QWidget(parent, Qt::Window), page_(new QTextBrowser), recherche_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Aide de VARQUIN"));
    page_->setObjectName(QStringLiteral("pageAide"));
    // Links inside the help are followed here; a web address is the browser's.
    page_->setOpenLinks(false);
    connect(page_, &QTextBrowser::anchorClicked, this, [this](const QUrl& lien) {
        if (lien.isLocalFile() || lien.isRelative() || lien.scheme() == QLatin1String("qrc")) {
            page_->setSource(lien);
            return;
        }
        if (!QDesktopServices::openUrl(lien))
            notificateur().Message("Aucun navigateur web n'a pu ouvrir l'adresse " +
                                       lien.toString().toStdString() + ".",
                                   TitreApplication);
    });
    recherche_->setObjectName(QStringLiteral("txtRecherche"));
    recherche_->setPlaceholderText(QStringLiteral("Texte à chercher dans l'aide"));
    recherche_->setClearButtonEnabled(true);
    auto* precedent = new QPushButton(QStringLiteral("&Précédent"));
    auto* suivant = new QPushButton(QStringLiteral("&Suivant"));
    auto* retour = new QPushButton(QStringLiteral("&Retour"));
    connect(recherche_, &QLineEdit::returnPressed, this, [this] { Chercher(); });
    connect(suivant, &QPushButton::clicked, this, [this] { Chercher(); });
    connect(precedent, &QPushButton::clicked, this, [this] { Chercher(true); });
    connect(retour, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(page_, &QTextBrowser::backwardAvailable, retour, &QPushButton::setEnabled);
    retour->setEnabled(false);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        recherche_->setFocus();
        recherche_->selectAll();
    });

    auto* barre = new QHBoxLayout;
    barre->addWidget(retour);
    barre->addSpacing(12);
    barre->addWidget(new QLabel(QStringLiteral("Chercher :")));
    barre->addWidget(recherche_, 1);
    barre->addWidget(precedent);
    barre->addWidget(suivant);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(barre);
    disposition->addWidget(page_, 1);
    resize(900, 700);
}

bool frmAide::Ouvrir(const QString& page) {
    const QFileInfo fichier(page);
    if (!fichier.isFile() || !fichier.isReadable())
        return false;
    page_->setSource(QUrl::fromLocalFile(fichier.absoluteFilePath()));
    return !page_->document()->isEmpty();
}

bool frmAide::Chercher(bool enArriere) {
    const QString texte = recherche_->text();
    if (texte.isEmpty())
        return false;
    const QTextDocument::FindFlags sens =
        enArriere ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (page_->find(texte, sens))
        return true;
    // Round the page once: from the other end.
    QTextCursor debut(page_->document());
    debut.movePosition(enArriere ? QTextCursor::End : QTextCursor::Start);
    page_->setTextCursor(debut);
    return page_->find(texte, sens);
}
