// Stand-ins for the project window's dialogs until each one is built; they say so.

#include "ui/Dialogues.h"

#include <QMessageBox>

namespace {
void Provisoire(QWidget* parent, const char* titre) {
    QMessageBox::information(parent, QString::fromUtf8(titre),
                             QStringLiteral("Cette fenêtre n'est pas encore disponible."));
}
} // namespace

void OuvrirBesoins(clsprojet&, QWidget* parent) {
    Provisoire(parent, "Besoins");
}
void OuvrirDebitEnergetique(clsprojet&, int, QWidget* parent) {
    Provisoire(parent, "Débit énergétique");
}
void OuvrirDeperdition(clsprojet&, QWidget* parent) {
    Provisoire(parent, "Déperdition");
}
void OuvrirStation(clsprojet&, QWidget* parent) {
    Provisoire(parent, "Station");
}
void OuvrirMasques(clsprojet&, QWidget* parent) {
    Provisoire(parent, "Saisie des masques");
}
