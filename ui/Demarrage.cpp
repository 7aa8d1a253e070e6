#include "ui/Demarrage.h"

#include "ui/modAffichages.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void ConfigurerApplication(QApplication& application) {
    QCoreApplication::setOrganizationName(QStringLiteral("NORDAVE"));
    QCoreApplication::setApplicationName(QStringLiteral("VARQUIN"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setFont(QFont(PoliceInterface, 9));
}

QString ProjetEnArgument(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}
