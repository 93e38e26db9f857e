#pragma once

#include <string_view>

namespace bilobe {

// Reads the text of a field as a double: blanks (space, tab, line feed) are
// ignored anywhere; an optional sign, digits, an optional "." and digits, an
// optional exponent ("E" or "e", sign, digits); reading stops at the first
// character that cannot continue the number. No number at all reads as 0.
// The separator is always ".", whatever the locale: "2,5" reads as 2.
// A number beyond the double range raises an overflow error.
double lire_nombre(std::string_view texte);

} // namespace bilobe
