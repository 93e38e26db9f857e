#include "formats/style_gabarit.h"

namespace bilobe::style_gabarit {

std::string hexa(Couleur c) {
  static const char chiffres[] = "0123456789abcdef";
  std::string t = "#";
  for (int v : {c.rouge, c.vert, c.bleu}) {
    t += chiffres[(v >> 4) & 0xF];
    t += chiffres[v & 0xF];
  }
  return t;
}

} // namespace bilobe::style_gabarit
