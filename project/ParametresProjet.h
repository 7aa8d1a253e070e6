#pragma once
// Changing a project's inputs by name, as a script does: the keys are those of the
// project file (with a few component choices that the file holds only through their
// consequences, such as "TypeSysteme"), and every change goes through the component's
// property, so that the rules the window applies (the area made of whole collectors,
// the cascade from country to station, the coupling of the two flow choices) apply
// here too.

#include "common/Erreurs.h"

#include <string>
#include <vector>

class clsprojet;

// A key that names no input, or a value that does not suit it.
class ErreurParametre : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

// Sets the input `cle` to `valeur`. A key shared by several sections ("TypeDeCalcul",
// "cp"...) is written with its section: "Débit énergétique 2:cp". Numbers take a
// comma or a point; a monthly series takes one value (every month) or twelve,
// separated by spaces or ";"; a calculation choice takes its label or its code 0, 1,
// 2; a model, tilt or orientation takes a name of its list. Throws ErreurParametre,
// leaving the project unchanged, when the key or the value is refused.
void DefinirParametre(clsprojet& projet, const std::string& cle, const std::string& valeur);

// "KEY=VALUE" split at the first "=" and applied; ErreurParametre without "=".
void DefinirParametre(clsprojet& projet, const std::string& affectation);

// Every accepted key, with its section ("Section:key"), in file order.
std::vector<std::string> ClesParametres();
