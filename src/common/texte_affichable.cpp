#include "common/texte_affichable.h"

#include "common/utf8.h"

namespace bilobe {

namespace {

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
    if (c >= 0x80) {
      const CaractereUtf8 lu = caractere_utf8(texte, i);
      n = lu.valide ? lu.longueur : 0;
    }
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
