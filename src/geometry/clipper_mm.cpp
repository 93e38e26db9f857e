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

double distance(const PointMm& a, const PointMm& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Distance from p to the line through a and b (to a when they coincide).
double ecart_a_la_droite(const PointMm& p, const PointMm& a, const PointMm& b) {
  const double l = distance(a, b);
  if (l == 0) return distance(p, a);
  return std::abs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / l;
}

void sans_points_proches(Boucle& b) {
  Boucle gardes;
  for (const PointMm& p : b)
    if (gardes.empty() || distance(gardes.back(), p) >= PROCHE_MM) gardes.push_back(p);
  while (gardes.size() > 3 && distance(gardes.back(), gardes.front()) < PROCHE_MM) gardes.pop_back();
  b = std::move(gardes);
}

// Repeated until nothing changes: dropping a point can align its neighbours.
void sans_points_alignes(Boucle& b) {
  for (bool change = true; change && b.size() > 3;) {
    change = false;
    for (std::size_t k = 0; k < b.size() && b.size() > 3;) {
      const PointMm& avant = b[(k + b.size() - 1) % b.size()];
      const PointMm& apres = b[(k + 1) % b.size()];
      if (ecart_a_la_droite(b[k], avant, apres) < ALIGNE_MM) {
        b.erase(b.begin() + static_cast<std::ptrdiff_t>(k));
        change = true;
      } else {
        ++k;
      }
    }
  }
}

} // namespace

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
