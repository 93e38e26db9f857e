#include "serie/lignes_fuselage.h"

#include <limits>

namespace bilobe {

namespace {

constexpr int ECHANTILLONS = 48; // points of a smooth line between two stations

} // namespace

Ligne ligne_de(const SerieTracee& serie, std::size_t cote, double signe) {
  const DescriptionSerie& d = serie.description;
  const Courbe& courbe = serie.courbes[cote];
  std::vector<double> x, y;
  for (const Station& s : d.stations) {
    x.push_back(s.position);
    y.push_back(s.cotes[cote]);
  }
  const int pas = d.interpolation == Interpolation::Lisse ? ECHANTILLONS : 1;
  Ligne ligne;
  for (std::size_t k = 0; k + 1 < x.size(); ++k)
    for (int i = 0; i < pas; ++i) {
      const double p = x[k] + (x[k + 1] - x[k]) * i / pas;
      ligne.x.push_back(p);
      ligne.y.push_back(signe * courbe(p));
    }
  ligne.x.push_back(x.back());
  ligne.y.push_back(signe * y.back());
  return ligne;
}

std::vector<bool> noms_a_ecrire(const std::vector<CoupleSerie>& couples, double lettres) {
  // A name is about as wide as its letters are tall; a little air between two.
  const double place = 1.2 * lettres;
  std::vector<bool> ecrire(couples.size(), false);
  double dernier = -std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < couples.size(); ++k)
    if (couples[k].position - dernier >= place) {
      ecrire[k] = true;
      dernier = couples[k].position;
    }
  return ecrire;
}

} // namespace bilobe
