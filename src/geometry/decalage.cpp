#include "geometry/decalage.h"

#include "common/erreurs.h"

#include <clipper.hpp>

#include <cmath>

namespace bilobe {

namespace {

// Clipper works on integers: micrometres, far finer than any cutter.
constexpr double MICRONS_PAR_MM = 1000;
// Clipper's own limit on coordinates, with room for the offset.
constexpr double LIMITE = 1e15;

ClipperLib::cInt en_microns(double mm, const char* lieu) {
  const double u = std::round(mm * MICRONS_PAR_MM);
  if (!(std::abs(u) < LIMITE)) lever(GenreErreur::Depassement, lieu, "coordonnée trop grande pour le décalage");
  return static_cast<ClipperLib::cInt>(u);
}

} // namespace

Boucle decaler(const Boucle& boucle, double distance, const char* lieu) {
  ClipperLib::Path chemin;
  chemin.reserve(boucle.size());
  for (const PointMm& p : boucle) chemin.push_back({en_microns(p.x, lieu), en_microns(p.y, lieu)});
  if (!ClipperLib::Orientation(chemin)) ClipperLib::ReversePath(chemin);

  ClipperLib::ClipperOffset decalage;
  decalage.AddPath(chemin, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
  ClipperLib::Paths resultat;
  decalage.Execute(resultat, distance * MICRONS_PAR_MM);
  if (resultat.empty()) lever(GenreErreur::OperationInvalide, lieu, "le décalage ne laisse rien");
  if (resultat.size() > 1) lever(GenreErreur::OperationInvalide, lieu, "le décalage coupe le contour en morceaux");

  ClipperLib::Path& sortie = resultat.front();
  if (!ClipperLib::Orientation(sortie)) ClipperLib::ReversePath(sortie);
  Boucle decale;
  decale.reserve(sortie.size());
  for (const ClipperLib::IntPoint& p : sortie)
    decale.push_back({static_cast<double>(p.X) / MICRONS_PAR_MM, static_cast<double>(p.Y) / MICRONS_PAR_MM});
  return decale;
}

} // namespace bilobe
