#pragma once

#include <string>

namespace bilobe {

// The number as the comment, the file name and the captions show it: a sign
// position (" " or "-"), then the shortest decimal form with at most 15
// significant digits, "." as separator, no zero before the point of a value
// below 1, never an exponent. 549 gives " 549", 0.5 gives " .5", -3 gives "-3".
std::string texte_nombre(double valeur);

// Exact decimal digits of a finite double, rounded to `chiffres` significant
// digits with ties away from zero. Returns the digits (no trailing zeros
// stripped) and sets `exposant10` so that the value is 0.d1d2d3… × 10^exposant10.
std::string chiffres_significatifs(double valeur, int chiffres, int& exposant10);

// A computed dimension as a field text: the exact value rounded to 0.01, a
// tie away from zero, without trailing zeros and never "-0": 32.5 gives
// "32.5", 40 gives "40", 33.333 gives "33.33", -0.004 gives "0". A value that
// is not finite is an overflow.
std::string texte_au_centieme(double valeur);

// The shortest text that reads back to exactly this double ("20.5", "30",
// "1e-05"), "." as separator whatever the locale; -0 is "0". A value that
// is not finite is an overflow.
std::string texte_exact(double valeur);

} // namespace bilobe
