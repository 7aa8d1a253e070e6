#pragma once
// Decimal digits of a binary floating-point value, computed exactly with 128-bit
// integers. They round as the C library's "%e" and "%f" do (to nearest, ties to even on
// the exact binary value) and know whether the digits read back to the same value, so a
// shortest text needs no reading back. Builds whose standard library lacks the
// floating-point to_chars use them in place of the C library, whose conversions go
// through a software long double there.

#include <cstdint>
#include <optional>

struct ArrondiDecimal {
    std::uint64_t entier = 0; // |valeur| × 10^k rounded to nearest, ties to even
    int exposant = 0;         // with n significant digits: the exponent of the first one
    bool relu = false;        // entier × 10^-k reads back to valeur
};

// The integer nearest to |valeur| × 10^k. `simple`: valeur holds a float, and reading
// back means reading as a float. Nothing for zero, infinities, values below the normal
// range, and where the exact computation would not fit; the caller then falls back to a
// slower routine.
std::optional<ArrondiDecimal> ArrondirExact(double valeur, int k, bool simple = false);

// |valeur| with n significant digits (1 to 19): entier has exactly n digits.
std::optional<ArrondiDecimal> ChiffresExacts(double valeur, int n, bool simple = false);
