#include "ui/NotificateurQt.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

NotificateurQt::~NotificateurQt() {
    if (QGuiApplication::instance() == nullptr)
        return;
    while (profondeur_ > 0)
        Sablier(false);
}

void NotificateurQt::Message(const std::string& texte, const std::string& titre) {
    QString t = QString::fromStdString(texte);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox boite(QMessageBox::NoIcon, QString::fromStdString(titre), t, QMessageBox::Ok,
                      QApplication::activeWindow());
    // A box shown in the middle of a long task must still be clickable with a normal
    // pointer; the hourglass comes back when it closes.
    if (profondeur_ > 0)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    boite.exec();
    if (profondeur_ > 0)
        QGuiApplication::restoreOverrideCursor();
}

void NotificateurQt::Sablier(bool actif) {
    if (actif) {
        if (profondeur_++ == 0)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (profondeur_ > 0) {
        if (--profondeur_ == 0)
            QGuiApplication::restoreOverrideCursor();
    }
}
