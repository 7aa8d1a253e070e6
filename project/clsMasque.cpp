#include "project/clsMasque.h"

clsMasque::clsMasque() {
    Masque_Angle.Add(-130.0);
    Masque_Angle.Add(130.0);
    Masque_Hauteur.Add(0.0);
    Masque_Hauteur.Add(0.0);
}
