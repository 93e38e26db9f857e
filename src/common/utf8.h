#pragma once

#include <cstddef>
#include <string_view>

namespace bilobe {

// The character of UTF-8 text that starts at byte `i`.
struct CaractereUtf8 {
  char32_t code = 0;
  // The bytes it spans: a whole sequence, even one that encodes no character
  // (an overlong form, a surrogate, beyond U+10FFFF); 1 for a byte that
  // begins no sequence, or one cut short.
  std::size_t longueur = 1;
  bool valide = false; // a well-formed character, `code` its code point
};
CaractereUtf8 caractere_utf8(std::string_view texte, std::size_t i);

} // namespace bilobe
