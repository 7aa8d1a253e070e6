#pragma once
// Run-time errors of the system. A routine that "raises a run-time error" throws one
// of these; callers that run in a resume-next mode catch them and go on.

#include <stdexcept>
#include <string>

// Any run-time error, with a French text fit to show to the person.
class ErreurExecution : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read or written.
class ErreurFichier : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

// An index outside the bounds of an array or list.
class ErreurIndice : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

// A division by zero, an invalid power or an overflow, detected before it happens.
class ErreurArithmetique : public ErreurExecution {
public:
    using ErreurExecution::ErreurExecution;
};

// Helpers that check an arithmetic operation and throw ErreurArithmetique with the
// name of what was being computed.
double DivisionSure(double numerateur, double denominateur, const char* quoi);
// Throws when the value is NaN or infinite.
double VerifierFini(double valeur, const char* quoi);

// The French text of any error: the system's own errors keep their text; the
// library's (memory, files, system calls) are given one in French.
std::string MessageErreur(const std::exception& erreur);
