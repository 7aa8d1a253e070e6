#include "project/clsBesoin.h"

clsBesoin::clsBesoin() {
    RemplirCollection(Conso, 1000.0, 12);
    RemplirCollection(Tref, 50.0, 12);
}
