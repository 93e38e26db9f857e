#include "geometry/construction.h"

#include "common/lecture_nombre.h"

namespace bilobe {

double Construction::lire(std::string ChampsCouple::*champ) const { return lire_nombre(champs_.*champ); }

void Construction::ajouter(double x, double y) {
  ++compte_;
  liste_.stocker(compte_, x, y);
}

void Construction::ajouter_exact(double x, float y) {
  ++compte_;
  liste_.stocker_exact(compte_, x, y);
}

} // namespace bilobe
