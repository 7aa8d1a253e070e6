#pragma once
// The report of one project: previewed in a modal window, or printed after the
// printer dialog.

class clsprojet;
class QWidget;

// "&Aperçu avant impression": the report window of the project, modal.
void MontrerApercu(clsprojet& projet, QWidget* parent);
// "&Imprimer...": the report window, then the printer dialog over it. True when the
// page was printed.
bool Imprimer(clsprojet& projet, QWidget* parent);
