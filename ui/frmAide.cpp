#include "ui/frmAide.h"

#include "common/Notificateur.h"

#include <QApplication>
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
    : QWidget(parent, Qt::Window), page_(new QTextBrowser), recherche_(new QLineEdit),
      message_(new QLabel), proprietaire_(parent) {
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
    precedent->setObjectName(QStringLiteral("cmdPrecedent"));
    suivant->setObjectName(QStringLiteral("cmdSuivant"));
    retour->setObjectName(QStringLiteral("cmdRetour"));
    connect(recherche_, &QLineEdit::returnPressed, this, [this] { Chercher(); });
    connect(suivant, &QPushButton::clicked, this, [this] { Chercher(); });
    connect(precedent, &QPushButton::clicked, this, [this] { Chercher(true); });
    connect(retour, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(page_, &QTextBrowser::backwardAvailable, retour, &QPushButton::setEnabled);
    retour->setEnabled(false);
    message_->setObjectName(QStringLiteral("lblRecherche"));
    message_->setStyleSheet(QStringLiteral("color: #b00020;"));
    // A new search has not failed yet.
    connect(recherche_, &QLineEdit::textChanged, message_, &QLabel::clear);
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
    barre->addWidget(message_);
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(barre);
    disposition->addWidget(page_, 1);
    resize(900, 700);
}

frmAide* frmAide::Unique(QWidget* proprietaire) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* aide = qobject_cast<frmAide*>(w))
            return aide;
    }
    return new frmAide(proprietaire);
}

bool frmAide::Ouvrir(const QString& page, const QString& ancre) {
    const QFileInfo fichier(page);
    if (!fichier.isFile() || !fichier.isReadable())
        return false;
    QUrl adresse = QUrl::fromLocalFile(fichier.absoluteFilePath());
    if (!ancre.isEmpty())
        adresse.setFragment(ancre);
    // The same page is not read again: the view only goes to the section.
    page_->setSource(adresse);
    return !page_->document()->isEmpty();
}

void frmAide::Rattacher(const QWidget* fermee) {
    QWidget* modale = QApplication::activeModalWidget();
    if (modale == fermee)
        modale = nullptr;
    QWidget* parent = modale != nullptr ? modale : proprietaire_.data();
    if (parentWidget() == parent)
        return;
    const bool visible = isVisible();
    const QRect cadre = geometry();
    setParent(parent, windowFlags());
    if (modale != nullptr)
        modale->installEventFilter(this);
    if (visible) {
        setGeometry(cadre);
        show();
    }
}

void frmAide::Montrer() {
    Rattacher(nullptr);
    show();
    raise();
    activateWindow();
}

bool frmAide::eventFilter(QObject* objet, QEvent* evenement) {
    // The dialog that held the help closes: the help stays open, with the dialog
    // under it or its owner.
    if (evenement->type() == QEvent::Hide && objet == parentWidget() &&
        objet != proprietaire_.data()) {
        objet->removeEventFilter(this);
        Rattacher(parentWidget());
    }
    return QWidget::eventFilter(objet, evenement);
}

bool frmAide::Chercher(bool enArriere) {
    const QString texte = recherche_->text();
    message_->clear();
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
    if (page_->find(texte, sens))
        return true;
    message_->setText(QStringLiteral("Aucun résultat pour « %1 ».").arg(texte));
    return false;
}
