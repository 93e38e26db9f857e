#include "geometry/decalage.h"

#include "geometry/clipper_mm.h"

namespace bilobe {

Boucle decaler(const Boucle& boucle, double distance, const char* lieu) {
  ClipperLib::ClipperOffset decalage;
  decalage.AddPath(clipper_mm::en_chemin(boucle, lieu), ClipperLib::jtRound, ClipperLib::etClosedPolygon);
  ClipperLib::Paths resultat;
  decalage.Execute(resultat, distance * clipper_mm::MICRONS_PAR_MM);
  return clipper_mm::piece_unique(resultat, lieu, "le décalage");
}

} // namespace bilobe
