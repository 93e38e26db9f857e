#include "ui/modeles/nombres_francais.h"

#include <cstring>

namespace bilobe {

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// What may stand before and after a number on its own: a blank, a bracket,
// a punctuation mark, the "x" of dimensions, or "%".
bool borne_avant(const std::string& t, std::size_t k) {
  if (k == 0) return true;
  const char c = t[k - 1];
  return std::strchr(" (\t\n-", c) != nullptr && (c != '-' || k == 1 || t[k - 2] == ' ' || t[k - 2] == '(');
}
bool borne_apres(const std::string& t, std::size_t k) {
  if (k == t.size()) return true;
  if (t[k] == '.' || t[k] == ',' || t[k] == ':' || t[k] == ';') // a full stop or a comma ends a number too
    return k + 1 == t.size() || !chiffre(t[k + 1]);
  return std::strchr(" )\t\n%", t[k]) != nullptr;
}

constexpr const char* ESPACE_FINE = "\u202f"; // narrow no-break space

} // namespace

std::string a_la_francaise(const std::string& t) {
  std::string sortie;
  std::size_t k = 0;
  while (k < t.size()) {
    if (!chiffre(t[k]) || !borne_avant(t, k)) {
      sortie += t[k++];
      continue;
    }
    std::size_t fin = k;
    while (fin < t.size() && chiffre(t[fin])) ++fin;
    const std::size_t entiers = fin - k;
    std::size_t decimales = 0;
    if (fin + 1 < t.size() && t[fin] == '.' && chiffre(t[fin + 1])) {
      std::size_t d = fin + 1;
      while (d < t.size() && chiffre(t[d])) ++d;
      decimales = d - fin;
    }
    const std::size_t bout = fin + decimales;
    if (!borne_apres(t, bout)) { // part of a word or a path: as it is
      sortie.append(t, k, bout - k);
      k = bout;
      continue;
    }
    for (std::size_t i = 0; i < entiers; ++i) {
      if (entiers >= 4 && i > 0 && (entiers - i) % 3 == 0) sortie += ESPACE_FINE;
      sortie += t[k + i];
    }
    if (decimales) sortie += ',' + t.substr(fin + 1, decimales - 1);
    k = bout;
  }
  return sortie;
}

} // namespace bilobe
