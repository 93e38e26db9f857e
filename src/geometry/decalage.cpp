#include "geometry/decalage.h"

#include "geometry/microns.h"

namespace bilobe {

namespace {

// The arcs of the corners keep within a quarter of a micrometre of the circle.
constexpr double ECART_ARC = 0.25; // µm

} // namespace

Boucle decaler(const Boucle& boucle, double distance, const char* lieu) {
  const polygones::Zone resultat = polygones::decaler(polygones::zone_de(microns::en_chemin(boucle, lieu)),
                                                      distance * microns::MICRONS_PAR_MM, ECART_ARC);
  return microns::piece_unique(resultat, lieu, "le décalage");
}

} // namespace bilobe
