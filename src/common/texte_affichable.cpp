#include "common/texte_affichable.h"

namespace bilobe {

namespace {

// Length of the UTF-8 character that starts at `i`, or 0 when the bytes
// there are no valid character.
std::size_t longueur_caractere(std::string_view t, std::size_t i) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
  const unsigned char c = octet(i);
  std::size_t n = 0;
  unsigned minimum = 0;
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
    return 0;
  }
  if (i + n > t.size()) return 0;
  unsigned point = c & (0xFF >> (n + 1));
  for (std::size_t k = 1; k < n; ++k) {
    if ((octet(i + k) & 0xC0) != 0x80) return 0;
    point = (point << 6) | (octet(i + k) & 0x3F);
  }
  if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
  return n;
}

void echapper(std::string& sortie, unsigned char c) {
  switch (c) {
  case '\n':
    sortie += "\\n";
    return;
  case '\r':
    sortie += "\\r";
    return;
  case '\t':
    sortie += "\\t";
    return;
  default:
    static const char hex[] = "0123456789abcdef";
    sortie += "\\x";
    sortie += hex[c >> 4];
    sortie += hex[c & 0xF];
  }
}

} // namespace

std::string texte_affichable(std::string_view texte, std::size_t max_octets) {
  std::string sortie;
  std::size_t i = 0;
  while (i < texte.size()) {
    const auto c = static_cast<unsigned char>(texte[i]);
    std::size_t n = 1;
    if (c >= 0x80) n = longueur_caractere(texte, i);
    if (i + (n == 0 ? 1 : n) > max_octets) break;
    if (c < 0x20 || c == 0x7F || n == 0) {
      echapper(sortie, c);
      n = 1;
    } else {
      sortie.append(texte.substr(i, n));
    }
    i += n;
  }
  return sortie;
}

} // namespace bilobe
