#include "common/liste_points.h"

#include "common/calcul.h"
#include "common/erreurs.h"

#include <string>

namespace bilobe {

ListePoints::ListePoints(int capacite)
    : tab_x_(static_cast<std::size_t>(capacite), 0.0), tab_y_(static_cast<std::size_t>(capacite), 0.0f) {}

void ListePoints::verifier_indice(int k) const {
  if (k < 1 || k > capacite())
    lever(GenreErreur::IndiceHorsLimites, "entrée " + std::to_string(k),
          "capacité " + std::to_string(capacite()) + " points");
}

void ListePoints::stocker(int k, double x, double y) {
  verifier_indice(k);
  stocker_exact(k, x, calcul::simple(y, "y en simple précision"));
}

void ListePoints::stocker_exact(int k, double x, float y) {
  verifier_indice(k);
  tab_x_[static_cast<std::size_t>(k - 1)] = x;
  tab_y_[static_cast<std::size_t>(k - 1)] = y;
}

double ListePoints::x(int k) const {
  verifier_indice(k);
  return tab_x_[static_cast<std::size_t>(k - 1)];
}

float ListePoints::y(int k) const {
  verifier_indice(k);
  return tab_y_[static_cast<std::size_t>(k - 1)];
}

} // namespace bilobe
