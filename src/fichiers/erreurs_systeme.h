#pragma once

#include <string>

namespace bilobe {

// The French reason for a C library error code (errno) ("support plein"…); a code the
// program does not expect is "erreur système N". Never the C library's
// English text.
std::string raison_systeme(int code);

} // namespace bilobe
