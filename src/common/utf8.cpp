#include "common/utf8.h"

namespace bilobe {

CaractereUtf8 caractere_utf8(std::string_view t, std::size_t i) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
  const unsigned char c = octet(i);
  if (c < 0x80) return {c, 1, true};
  std::size_t n = 0;
  char32_t minimum = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
    minimum = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    minimum = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    minimum = 0x10000;
  } else {
    return {};
  }
  if (i + n > t.size()) return {};
  char32_t point = c & (0xFFu >> (n + 1));
  for (std::size_t k = 1; k < n; ++k) {
    if ((octet(i + k) & 0xC0) != 0x80) return {};
    point = (point << 6) | (octet(i + k) & 0x3Fu);
  }
  const bool valide = point >= minimum && point <= 0x10FFFF && !(point >= 0xD800 && point <= 0xDFFF);
  return {point, n, valide};
}

} // namespace bilobe
