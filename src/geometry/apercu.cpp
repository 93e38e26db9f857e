#include "geometry/apercu.h"

namespace bilobe {

PositionPixel vers_pixels(PointApercu p) {
  using namespace fenetre_apercu;
  return {(p.x - GAUCHE) * TWIPS_PAR_UNITE_X / TWIPS_PAR_PIXEL, (p.y - HAUT) * TWIPS_PAR_UNITE_Y / TWIPS_PAR_PIXEL};
}

} // namespace bilobe
