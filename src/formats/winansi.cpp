#include "formats/winansi.h"

#include "common/utf8.h"

#include <array>
#include <utility>

namespace bilobe {

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
  for (std::size_t i = 0; i < utf8.size();) {
    const CaractereUtf8 c = caractere_utf8(utf8, i);
    resultat.push_back(c.valide ? octet_winansi(c.code) : '?');
    i += c.longueur;
  }
  return resultat;
}

} // namespace bilobe
