#include "formats/largeur_texte.h"

#include "common/utf8.h"

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

// From the no-break space (0xA0) to ÿ (0xFF), as in Latin-1 and code page 1252.
constexpr std::array<std::uint16_t, 96> LATIN1{
    278, 333, 556, 556, 556, 556, 260,  556, 333, 737, 370, 556, 584, 333, 737, 333,  // nbsp to ¯
    400, 584, 333, 333, 333, 556, 537,  278, 333, 333, 365, 556, 834, 834, 834, 611,  // ° to ¿
    667, 667, 667, 667, 667, 667, 1000, 722, 667, 667, 667, 667, 278, 278, 278, 278,  // À to Ï
    722, 722, 778, 778, 778, 778, 778,  584, 778, 722, 722, 722, 722, 667, 667, 611,  // Ð to ß
    556, 556, 556, 556, 556, 556, 889,  500, 556, 556, 556, 556, 278, 278, 278, 278,  // à to ï
    556, 556, 556, 556, 556, 556, 556,  584, 611, 556, 556, 556, 556, 500, 556, 500}; // ð to ÿ
// Code page 1252's own, from 0x80 to 0x9F (0 where it has none).
constexpr std::array<std::uint16_t, 32> CP1252{
    556, 0,   222, 556, 333, 1000, 556, 556,  333, 1000, 667, 333, 1000, 0, 611, 0,    // € to 0x8F
    0,   222, 222, 333, 333, 350,  556, 1000, 333, 1000, 500, 333, 944,  0, 500, 667}; // 0x90 to Ÿ

double largeur_du_code(unsigned code) {
  if (code >= 32 && code < 127) return ASCII[code - 32];
  if (code >= 0xA0 && code <= 0xFF) return LATIN1[code - 0xA0];
  return CHIFFRE;
}

} // namespace

double largeur_winansi(std::string_view octets) {
  double milliemes = 0;
  for (const char c : octets) {
    const auto code = static_cast<unsigned char>(c);
    milliemes += code >= 0x80 && code < 0xA0 && CP1252[code - 0x80] != 0 ? CP1252[code - 0x80] : largeur_du_code(code);
  }
  return milliemes;
}

double largeur_texte(const std::string& utf8, double hauteur) {
  double milliemes = 0;
  for (std::size_t k = 0; k < utf8.size();) {
    const CaractereUtf8 c = caractere_utf8(utf8, k);
    milliemes += largeur_du_code(c.valide ? static_cast<unsigned>(c.code) : 0xFFFD);
    k += c.longueur;
  }
  return milliemes / HAUTEUR_CAPITALES * hauteur;
}

} // namespace bilobe
