#pragma once
// Operating-system services used at start-up.

#include <string>

// The folder of the running executable, "" when it cannot be found.
std::string DossierExecutable();
