#include "common/liste_points.h"

#include "common/erreurs.h"

#include <string>

namespace bilobe {

ListePoints::ListePoints(int capacite)
    : capacite_(capacite), tab_x_(static_cast<std::size_t>(capacite), 0.0),
      tab_y_(static_cast<std::size_t>(capacite), 0.0f) {}

void ListePoints::hors_limites(int k) const {
  lever(GenreErreur::IndiceHorsLimites, "entrée " + std::to_string(k),
        "capacité " + std::to_string(capacite()) + " points");
}

} // namespace bilobe
