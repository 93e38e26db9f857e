#include "common/liste_points.h"

#include "common/erreurs.h"

#include <string>

namespace bilobe {

ListePoints::ListePoints(int capacite)
    : tab_x_(static_cast<std::size_t>(capacite), 0.0), tab_y_(static_cast<std::size_t>(capacite), 0.0f) {}

void ListePoints::hors_limites(int k) const {
  lever(GenreErreur::IndiceHorsLimites, "entrée " + std::to_string(k),
        "capacité " + std::to_string(capacite()) + " points");
}

void ListePoints::verifier_indice(int k) const {
  if (k < 1 || k > capacite()) hors_limites(k);
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
