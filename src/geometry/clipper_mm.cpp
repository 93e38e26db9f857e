#include "geometry/clipper_mm.h"

#include "common/erreurs.h"

#include <cmath>

namespace bilobe::clipper_mm {

namespace {

// Clipper's own limit on coordinates, with room for the offset.
constexpr double LIMITE = 1e15;
constexpr double PROCHE_MM = 0.005;
constexpr double ALIGNE_MM = 0.001;

ClipperLib::cInt en_microns(double mm, const char* lieu) {
  const double u = std::round(mm * MICRONS_PAR_MM);
  if (!(std::abs(u) < LIMITE)) lever(GenreErreur::Depassement, lieu, "coordonnée trop grande pour le décalage");
  return static_cast<ClipperLib::cInt>(u);
}

double carre_distance(const PointMm& a, const PointMm& b) {
  return (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
}

// Whether p lies within ALIGNE_MM of the line through a and b (of a when
// they coincide); compared squared, without a root.
bool aligne(const PointMm& p, const PointMm& a, const PointMm& b) {
  const double l2 = carre_distance(a, b);
  if (l2 == 0) return carre_distance(p, a) < ALIGNE_MM * ALIGNE_MM;
  const double c = croix(a, b, p);
  return c * c < ALIGNE_MM * ALIGNE_MM * l2;
}

// Each point is judged between the last one kept and the next one; passes
// are repeated until nothing changes, since dropping a point can align its
// neighbours. Never fewer than three points.
void sans_points_alignes(Boucle& b) {
  for (bool change = true; change && b.size() > 3;) {
    change = false;
    Boucle gardes;
    gardes.reserve(b.size());
    for (std::size_t k = 0; k < b.size(); ++k) {
      const std::size_t restants = gardes.size() + (b.size() - k);
      const PointMm& avant = gardes.empty() ? b.back() : gardes.back();
      if (restants > 3 && aligne(b[k], avant, k + 1 < b.size() ? b[k + 1] : gardes.front())) {
        change = true;
        continue;
      }
      gardes.push_back(b[k]);
    }
    b = std::move(gardes);
  }
}

} // namespace

void sans_points_proches(Boucle& b) {
  constexpr double PROCHE2 = PROCHE_MM * PROCHE_MM;
  Boucle gardes;
  gardes.reserve(b.size());
  for (const PointMm& p : b)
    if (gardes.empty() || carre_distance(gardes.back(), p) >= PROCHE2) gardes.push_back(p);
  while (gardes.size() > 3 && carre_distance(gardes.back(), gardes.front()) < PROCHE2) gardes.pop_back();
  b = std::move(gardes);
}

ClipperLib::Path en_chemin(const Boucle& boucle, const char* lieu) {
  ClipperLib::Path chemin;
  chemin.reserve(boucle.size());
  for (const PointMm& p : boucle) chemin.push_back({en_microns(p.x, lieu), en_microns(p.y, lieu)});
  if (!ClipperLib::Orientation(chemin)) ClipperLib::ReversePath(chemin);
  return chemin;
}

Boucle en_boucle(ClipperLib::Path chemin) {
  if (!ClipperLib::Orientation(chemin)) ClipperLib::ReversePath(chemin);
  Boucle b;
  b.reserve(chemin.size());
  for (const ClipperLib::IntPoint& p : chemin)
    b.push_back({static_cast<double>(p.X) / MICRONS_PAR_MM, static_cast<double>(p.Y) / MICRONS_PAR_MM});
  sans_points_proches(b);
  sans_points_alignes(b);
  return b;
}

Boucle piece_unique(const ClipperLib::Paths& resultat, const char* lieu, const char* quoi) {
  if (resultat.empty()) lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " ne laisse rien");
  if (resultat.size() > 1)
    lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " coupe le contour en morceaux");
  return en_boucle(resultat.front());
}

} // namespace bilobe::clipper_mm
