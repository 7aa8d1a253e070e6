#include "ui/Demarrage.h"

#include "report/Illustration.h"
#include "ui/AideContextuelle.h"
#include "ui/DialoguesFichiers.h"
#include "ui/modAffichages.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>
#include <clocale>

namespace {
// Qt's own dialogs (files, printing, the buttons of message boxes) speak French like
// the rest of the program, whatever the desktop's language.
void TraduireQt(QApplication& application) {
    const QLocale francais(QLocale::French, QLocale::France);
    QLocale::setDefault(francais);
    // Sizes and dates of the file dialogs follow the system's locale, not this one.
    FranciserDialoguesFichiers(application);
    if (application.findChild<QTranslator*>() != nullptr)
        return;
    auto* traduction = new QTranslator(&application);
    if (traduction->load(francais, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
}
} // namespace

void ConfigurerApplication(QApplication& application) {
    // The core writes and reads numbers with its own decimal comma; the C library's
    // formatting must not follow the desktop's locale.
    std::setlocale(LC_NUMERIC, "C");
    QCoreApplication::setOrganizationName(QStringLiteral("NORDAVE"));
    QCoreApplication::setApplicationName(QStringLiteral("VARQUIN"));
    TraduireQt(application);
    InstallerAideContextuelle(application);
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
