#include "formats/largeur_texte.h"

#include <array>
#include <cstdint>

namespace bilobe {

namespace {

// Advance widths in thousandths of the em, from the space (32) to the tilde (126).
constexpr std::array<std::uint16_t, 95> ASCII{
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};     // p to ~
// The capitals' height in Liberation Sans, the free face with Arial's and
// Helvetica's widths that CAD programs find on every system.
constexpr double HAUTEUR_CAPITALES = 1409.0 / 2048 * 1000; // thousandths of the em
constexpr double CHIFFRE = 556;

// A Latin-1 letter with an accent is as wide as the letter under it.
char lettre_de_base(unsigned code) {
  constexpr const char* MAJUSCULES = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYPs"; // 0xC0 to 0xDF
  constexpr const char* MINUSCULES = "aaaaaaaceeeeiiiidnooooo/ouuuuypy"; // 0xE0 to 0xFF
  if (code >= 0xC0 && code < 0xE0) return MAJUSCULES[code - 0xC0];
  if (code >= 0xE0 && code <= 0xFF) return MINUSCULES[code - 0xE0];
  return 0;
}

double largeur_du_code(unsigned code) {
  if (code >= 32 && code < 127) return ASCII[code - 32];
  if (code == 0xB2 || code == 0xB3 || code == 0xB9) return 333; // ², ³, ¹
  if (code == 0xB0) return 400;                                 // °
  if (code == 0xD7) return 584;                                 // ×
  if (code == 0xE6) return 889;                                 // æ
  if (code == 0xC6) return 1000;                                // Æ
  if (const char base = lettre_de_base(code); base != 0 && base != '*' && base != '/')
    return ASCII[static_cast<unsigned char>(base) - 32];
  return CHIFFRE;
}

} // namespace

double largeur_texte(const std::string& utf8, double hauteur) {
  double milliemes = 0;
  for (std::size_t k = 0; k < utf8.size();) {
    const auto octet = static_cast<unsigned char>(utf8[k]);
    unsigned code = octet;
    std::size_t longueur = 1;
    if (octet >= 0xC0 && octet < 0xE0 && k + 1 < utf8.size()) {
      code = ((octet & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[k + 1]) & 0x3Fu);
      longueur = 2;
    } else if (octet >= 0xE0) {
      code = 0x100; // beyond Latin-1
      longueur = octet >= 0xF0 ? 4 : 3;
    }
    milliemes += largeur_du_code(code);
    k += longueur;
  }
  return milliemes / HAUTEUR_CAPITALES * hauteur;
}

} // namespace bilobe
