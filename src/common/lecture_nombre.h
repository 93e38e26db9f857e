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

// True when the whole text is one number as lire_nombre reads it (blanks
// aside): nothing before it, nothing after it that the reading would skip.
// "2.5", " -3 ", "1e3" are; "", "abc", "2,5", "1e" are not.
bool est_un_nombre(std::string_view texte);

} // namespace bilobe
