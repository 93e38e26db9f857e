#include "formats/winansi.h"

#include <array>
#include <utility>

namespace bilobe {

char32_t LecteurUtf8::suivant() {
  constexpr char32_t REMPLACEMENT = 0xFFFD;
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(texte_[k]); };
  const unsigned char premier = octet(position_);
  int suite = 0;
  char32_t code = premier;
  char32_t minimum = 0;
  if (premier >= 0xC2 && premier <= 0xDF) {
    suite = 1, code = premier & 0x1Fu, minimum = 0x80;
  } else if (premier >= 0xE0 && premier <= 0xEF) {
    suite = 2, code = premier & 0x0Fu, minimum = 0x800;
  } else if (premier >= 0xF0 && premier <= 0xF4) {
    suite = 3, code = premier & 0x07u, minimum = 0x10000;
  } else if (premier >= 0x80) {
    ++position_;
    return REMPLACEMENT;
  }
  if (position_ + static_cast<std::size_t>(suite) >= texte_.size()) { // cut short
    ++position_;
    return REMPLACEMENT;
  }
  for (int k = 1; k <= suite; ++k) {
    const unsigned char c = octet(position_ + static_cast<std::size_t>(k));
    if ((c & 0xC0u) != 0x80) {
      ++position_;
      return REMPLACEMENT;
    }
    code = (code << 6) | (c & 0x3Fu);
  }
  position_ += static_cast<std::size_t>(suite) + 1;
  // Overlong forms, surrogates and code points beyond Unicode are not characters.
  if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return REMPLACEMENT;
  return code;
}

namespace {

// The characters of code page 1252 between 0x80 and 0x9F, and their bytes.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> SPECIAUX{{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86}, {0x2021, 0x87},
    {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C}, {0x017D, 0x8E}, {0x2018, 0x91},
    {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95}, {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98},
    {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B}, {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

char octet_winansi(char32_t c) {
  if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (const auto& [code, octet] : SPECIAUX)
    if (code == c) return static_cast<char>(octet);
  return '?';
}

} // namespace

std::string en_winansi(std::string_view utf8) {
  std::string resultat;
  resultat.reserve(utf8.size());
  for (LecteurUtf8 lecteur(utf8); !lecteur.fini();) resultat.push_back(octet_winansi(lecteur.suivant()));
  return resultat;
}

} // namespace bilobe
