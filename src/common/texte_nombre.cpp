#include "common/texte_nombre.h"

#include "common/chiffres.h"
#include "common/erreurs.h"

#include <cmath>
#include <cstdlib>

namespace bilobe {

std::string chiffres_significatifs(double valeur, int chiffres, int& exposant10) {
  // 767 digits hold the exact expansion of any double, so the rounding below
  // works on the true value, not on an already rounded one.
  const std::string texte = chiffres::scientifique(std::fabs(valeur), 770);
  const auto e = texte.find('e');
  std::string exact = texte.substr(0, 1) + texte.substr(2, e - 2); // mantissa digits without the point
  int exposant = std::atoi(texte.c_str() + e + 1) + 1;

  std::string resultat = exact.substr(0, static_cast<std::size_t>(chiffres));
  if (exact[static_cast<std::size_t>(chiffres)] >= '5') {
    int i = chiffres - 1;
    while (i >= 0 && resultat[static_cast<std::size_t>(i)] == '9') resultat[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++resultat[static_cast<std::size_t>(i)];
    } else {
      resultat.insert(resultat.begin(), '1');
      resultat.pop_back();
      ++exposant;
    }
  }
  exposant10 = exposant;
  return resultat;
}

std::string texte_au_centieme(double valeur) {
  if (!std::isfinite(valeur)) lever(GenreErreur::Depassement, "texte d'une cote");
  // A double's exact expansion has at most 1074 decimals: with 1080 the
  // digits below are the true value's, so the rounding sees a true tie.
  static constexpr int DECIMALES_EXACTES = 1080;
  std::string exact = chiffres::fixe(std::fabs(valeur), DECIMALES_EXACTES);
  const std::size_t point = exact.find('.');
  if (exact.size() < point + 4) exact.append(point + 4 - exact.size(), '0');  // the zeros past the exact digits
  std::string chiffres = exact.substr(0, point) + exact.substr(point + 1, 2); // hundredths
  if (exact[point + 3] >= '5') {
    std::size_t i = chiffres.size();
    while (i > 0 && chiffres[i - 1] == '9') chiffres[--i] = '0';
    if (i == 0)
      chiffres.insert(chiffres.begin(), '1');
    else
      ++chiffres[i - 1];
  }
  std::string entier = chiffres.substr(0, chiffres.size() - 2);
  std::string centiemes = chiffres.substr(chiffres.size() - 2);
  while (!centiemes.empty() && centiemes.back() == '0') centiemes.pop_back();
  std::string texte = centiemes.empty() ? entier : entier + "." + centiemes;
  if (texte != "0" && valeur < 0) texte.insert(texte.begin(), '-');
  return texte;
}

std::string texte_exact(double valeur) {
  if (!std::isfinite(valeur)) lever(GenreErreur::Depassement, "texte d'un nombre");
  return chiffres::plus_court(valeur == 0 ? 0.0 : valeur);
}

std::string texte_nombre(double valeur) {
  if (std::isnan(valeur)) lever(GenreErreur::OperationInvalide, "texte d'un nombre");
  if (std::isinf(valeur)) lever(GenreErreur::Depassement, "texte d'un nombre");
  if (valeur == 0) return " 0";

  int exposant = 0;
  std::string chiffres = chiffres_significatifs(valeur, 15, exposant);
  while (chiffres.size() > 1 && chiffres.back() == '0') chiffres.pop_back();

  std::string texte(1, valeur < 0 ? '-' : ' ');
  const int n = static_cast<int>(chiffres.size());
  if (exposant <= 0) {
    texte += '.';
    texte.append(static_cast<std::size_t>(-exposant), '0');
    texte += chiffres;
  } else if (exposant >= n) {
    texte += chiffres;
    texte.append(static_cast<std::size_t>(exposant - n), '0');
  } else {
    texte += chiffres.substr(0, static_cast<std::size_t>(exposant));
    texte += '.';
    texte += chiffres.substr(static_cast<std::size_t>(exposant));
  }
  return texte;
}

} // namespace bilobe
