#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bilobe {

// Text the user typed, made safe to repeat in a one-line message: control
// characters and bytes that are not UTF-8 are written as escapes ("\n",
// "\x1b"), and the text is cut after at most `max_octets` bytes of the
// original, never inside a character. Nothing else changes.
std::string texte_affichable(std::string_view texte, std::size_t max_octets = std::string_view::npos);

} // namespace bilobe
