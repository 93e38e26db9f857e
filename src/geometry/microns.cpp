#include "geometry/microns.h"

#include "common/erreurs.h"

#include <cmath>

namespace bilobe::microns {

namespace {

// Differences of coordinates must keep their products exact in a double
// (2^52): a kilometre and a half, with room for the offset.
constexpr double LIMITE = 1.5e9;
constexpr double PROCHE_MM = 0.005;
constexpr double ALIGNE_MM = 0.001;

polygones::Entier en_microns(double mm, const char* lieu) {
  const double u = std::round(mm * MICRONS_PAR_MM);
  if (!(std::abs(u) < LIMITE)) lever(GenreErreur::Depassement, lieu, "coordonnée trop grande pour le décalage");
  return static_cast<polygones::Entier>(u);
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

polygones::Chemin en_chemin(const Boucle& boucle, const char* lieu) {
  polygones::Chemin chemin;
  chemin.reserve(boucle.size());
  for (const PointMm& p : boucle) chemin.push_back({en_microns(p.x, lieu), en_microns(p.y, lieu)});
  return polygones::positif(std::move(chemin));
}

Boucle en_boucle(polygones::Chemin chemin) {
  chemin = polygones::positif(std::move(chemin));
  Boucle b;
  b.reserve(chemin.size());
  for (const polygones::Point& p : chemin)
    b.push_back({static_cast<double>(p.x) / MICRONS_PAR_MM, static_cast<double>(p.y) / MICRONS_PAR_MM});
  sans_points_proches(b);
  sans_points_alignes(b);
  return b;
}

Boucle piece_unique(const polygones::Zone& resultat, const char* lieu, const char* quoi) {
  if (resultat.empty()) lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " ne laisse rien");
  if (resultat.size() > 1 || !resultat.front().trous.empty())
    lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " coupe le contour en morceaux");
  return en_boucle(resultat.front().exterieur);
}

} // namespace bilobe::microns
