#include "ui/Demarrage.h"

#include "ui/Illustration.h"
#include "ui/modAffichages.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <clocale>

void ConfigurerApplication(QApplication& application) {
    // The core writes and reads numbers with its own decimal comma; the C library's
    // formatting must not follow the desktop's locale.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("NORDAVE"));
    QCoreApplication::setApplicationName(QStringLiteral("VARQUIN"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setFont(Police(9));
    QPixmap icone(64, 64);
    icone.fill(Qt::transparent);
    QPainter p(&icone);
    DessinerIcone(p, QRectF(0, 0, 64, 64));
    p.end();
    QApplication::setWindowIcon(QIcon(icone));
}

QString ProjetEnArgument(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}
