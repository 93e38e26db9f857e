#pragma once

#include <string>

namespace bilobe {

// A length in millimetres for the template files: rounded to 0.1 µm, "." as
// separator whatever the locale, no trailing zeros, no exponent, "0" for a
// value that rounds to zero. A value that is not finite is an overflow.
std::string texte_mm(double mm);

} // namespace bilobe
