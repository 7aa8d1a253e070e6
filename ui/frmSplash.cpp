#include "ui/frmSplash.h"

#include "common/Notificateur.h"
#include "report/Illustration.h"
#include "ui/modAffichages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSysInfo>
#include <QUrl>

const char* const frmSplash::AdresseWeb = "https://www.nordave.example/varquin";

namespace {
QLabel* Etiquette(const QString& nom, const QString& texte, int taille, bool gras) {
    auto* l = new QLabel(texte);
    l->setObjectName(nom);
    l->setFont(Police(taille, gras));
    return l;
}

QPixmap Image(const QSize& taille) {
    QPixmap image(taille);
    QPainter p(&image);
    DessinerCiel(p, QRectF(QPointF(0, 0), taille));
    DessinerIllustration(p, QRectF(QPointF(0, 0), taille));
    return image;
}
} // namespace

QString TexteVersion() {
    const QStringList parties =
        QString::fromLatin1(VARQUIN_VERSION).split(QLatin1Char('.')).mid(0, 3);
    return QStringLiteral("Version ") + parties.join(QLatin1Char('.'));
}

frmSplash::frmSplash(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("À propos de VARQUIN"));
    auto* image = new QLabel;
    image->setPixmap(Image(QSize(240, 180)));
    image->setFrameShape(QFrame::Panel);
    image->setFrameShadow(QFrame::Sunken);

    auto* web = new QPushButton(QStringLiteral("Site web de NORDAVE"));
    web->setObjectName(QStringLiteral("cmdWeb"));
    connect(web, &QPushButton::clicked, this, [] {
        // Without a web browser nothing would happen: the person gets the address.
        if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(AdresseWeb))))
            notificateur().Message(std::string("Aucun navigateur web n'a pu être ouvert. ") +
                                       "Le site de NORDAVE est à l'adresse " + AdresseWeb + ".",
                                   TitreApplication);
    });
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmSplash::accept);

    auto* d = new QGridLayout(this);
    d->addWidget(image, 0, 0, 6, 1);
    d->addWidget(Etiquette(QStringLiteral("lblProductName"), QStringLiteral("VARQUIN"), 24, true),
                 0, 1, 1, 2);
    d->addWidget(Etiquette(QStringLiteral("lblVersion"), TexteVersion(), 11, true), 1, 1, 1, 2);
    d->addWidget(Etiquette(QStringLiteral("lblPlatform"), QSysInfo::prettyProductName(), 10, false),
                 2, 1, 1, 2);
    d->addWidget(Etiquette(QStringLiteral("lblCompany"), QStringLiteral("NORDAVE"), 12, true), 3, 1,
                 1, 2);
    auto* droits = Etiquette(QStringLiteral("lblCopyright"),
                             QStringLiteral("© NORDAVE. Tous droits réservés."), 8, false);
    d->addWidget(droits, 4, 1, 1, 2);
    d->addWidget(web, 5, 1);
    d->addWidget(ok, 5, 2);
    d->setColumnStretch(1, 1);
    d->setHorizontalSpacing(16);
    d->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSplash::MontrerChargement() {
    show();
    setEnabled(false);
    repaint();
    QCoreApplication::processEvents();
}

void frmSplash::accept() {
    hide();
    QCoreApplication::processEvents();
    QDialog::accept();
}
