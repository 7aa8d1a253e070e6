#include "project/clsBoucle.h"

namespace {
const char* const Forcee = "Val. forcée";
const char* const Simple = "Calc. simple";
} // namespace

void clsBoucle::TypeDeCalcul1(const std::string& choix) {
    typeDeCalcul1_ = choix;
    if (typeDeCalcul2_ == Forcee && choix != Forcee)
        typeDeCalcul2_ = Simple;
}

void clsBoucle::TypeDeCalcul2(const std::string& choix) {
    typeDeCalcul2_ = (typeDeCalcul1_ != Forcee && choix == Forcee) ? Simple : choix;
}
