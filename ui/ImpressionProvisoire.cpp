// Stand-ins for the report until it is built; they say so.

#include "ui/Impression.h"

#include <QMessageBox>

void MontrerApercu(clsprojet&, QWidget* parent) {
    QMessageBox::information(parent, QStringLiteral("Aperçu avant impression"),
                             QStringLiteral("Le rapport n'est pas encore disponible."));
}

bool Imprimer(clsprojet&, QWidget* parent) {
    QMessageBox::information(parent, QStringLiteral("Imprimer"),
                             QStringLiteral("Le rapport n'est pas encore disponible."));
    return false;
}
