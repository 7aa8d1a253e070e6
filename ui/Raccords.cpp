#include "ui/Raccords.h"

// TODO(integration): the start-up load, the label table and the calculation-mode flag
// belong to the core (startup/Modgeneral.h `ChargementInitial()`, the `Libelles`
// table of the catalogues, and the program-wide `CalculAuto`). Until they are merged
// the program starts with empty lists and keeps the mode here.

void ChargementDemarrage() {}

std::vector<std::string> ListeDeChoix(int) {
    return {};
}

bool& ModeCalculAuto() {
    static bool calculAuto = true;
    return calculAuto;
}
