#pragma once
// Run-time errors of the system. A routine that "raises a run-time error" throws one
// of these; callers that run in a resume-next mode catch them and go on.

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

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

// "de" before the name of what is computed, as French writes it: "d'une puissance",
// "d'Etap", "du T" for "le T", "de T".
std::string De(std::string_view quoi);

// The French text of a system error number (errno): "Permission refusée", "Fichier ou
// dossier introuvable"...; the rarer ones as "erreur système n° 71".
std::string TexteErreurSysteme(int numero);
std::string TexteErreurSysteme(const std::error_code& code);

// The French text of any exception that reaches a front end: the system's own errors
// carry theirs, a file-system error names its path and the system error, a lack of
// memory is "Mémoire insuffisante.", anything else a general French text.
std::string TexteException(const std::exception& e);
