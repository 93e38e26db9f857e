#include "common/texte_mm.h"

#include "common/chiffres.h"
#include "common/erreurs.h"

#include <cmath>

namespace bilobe {

namespace {
constexpr int DECIMALES = 4;
}

std::string texte_mm(double mm) {
  if (!std::isfinite(mm)) lever(GenreErreur::Depassement, "gabarit : coordonnée");
  // 309 integer digits at most, a sign, a point and the decimals.
  char tampon[320];
  std::string texte(tampon, chiffres::fixe(tampon, tampon + sizeof tampon, mm, DECIMALES));
  while (texte.back() == '0') texte.pop_back();
  if (texte.back() == '.') texte.pop_back();
  if (texte == "-0") texte = "0";
  return texte;
}

} // namespace bilobe
