#pragma once
// The project window's dialogs, opened modally on one project. Each follows its own
// rules for storing values and for the recalculation that follows its closing.

class clsprojet;
class QWidget;

void OuvrirBesoins(clsprojet& projet, QWidget* parent);                      // frmBesoins
void OuvrirDebitEnergetique(clsprojet& projet, int numero, QWidget* parent); // flow 1 or 2
void OuvrirDeperdition(clsprojet& projet, QWidget* parent);                  // loop heat loss
void OuvrirStation(clsprojet& projet, QWidget* parent);                      // user station
void OuvrirMasques(clsprojet& projet, QWidget* parent);                      // shading mask
