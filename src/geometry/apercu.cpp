#include "geometry/apercu.h"

namespace bilobe {

Apercu apercu_de(const ResultatTrace& trace) {
  Apercu a;
  a.niveau = trace.niveau;
  const auto xs = trace.liste.xs();
  const auto ys = trace.liste.ys();
  a.polyligne.reserve(xs.size());
  for (std::size_t k = 0; k < xs.size(); ++k) a.polyligne.push_back({static_cast<float>(xs[k]), ys[k]});
  return a;
}

PositionPixel vers_pixels(PointApercu p) {
  using namespace fenetre_apercu;
  return {(p.x - GAUCHE) * TWIPS_PAR_UNITE_X / TWIPS_PAR_PIXEL, (p.y - HAUT) * TWIPS_PAR_UNITE_Y / TWIPS_PAR_PIXEL};
}

} // namespace bilobe
