#include "volume/section.h"

#include "common/erreurs.h"

#include <cmath>

namespace bilobe {

namespace {

// Where the edge from a to b meets the centre line.
PointMm sur_l_axe(const PointMm& a, const PointMm& b) {
  if (a.x == 0) return a;
  if (b.x == 0) return b;
  const double t = a.x / (a.x - b.x);
  return {0, a.y + t * (b.y - a.y)};
}

} // namespace

std::vector<PointMm> moitie_droite(const Boucle& b, const char* lieu) {
  const std::size_t n = b.size();
  // The right side is one run of points with x > 0; it starts after a point
  // that is not on that side.
  std::size_t debut = n, runs = 0;
  for (std::size_t k = 0; k < n; ++k)
    if (b[k].x > 0 && !(b[(k + n - 1) % n].x > 0)) {
      debut = k;
      ++runs;
    }
  if (runs != 1) lever(GenreErreur::OperationInvalide, lieu, "section qui ne coupe pas l'axe deux fois");
  std::vector<PointMm> moitie{sur_l_axe(b[(debut + n - 1) % n], b[debut])};
  std::size_t k = debut;
  for (; b[k].x > 0; k = (k + 1) % n) moitie.push_back(b[k]);
  moitie.push_back(sur_l_axe(b[(k + n - 1) % n], b[k]));
  if (!(moitie.front().y < moitie.back().y))
    lever(GenreErreur::OperationInvalide, lieu, "section tournant dans le sens des aiguilles d'une montre");
  return moitie;
}

std::vector<PointMm> repartir(const std::vector<PointMm>& ligne, std::size_t intervalles) {
  std::vector<double> cumul{0};
  for (std::size_t k = 1; k < ligne.size(); ++k)
    cumul.push_back(cumul.back() + std::hypot(ligne[k].x - ligne[k - 1].x, ligne[k].y - ligne[k - 1].y));
  const double total = cumul.back();
  std::vector<PointMm> points{ligne.front()};
  std::size_t segment = 1;
  for (std::size_t i = 1; i < intervalles; ++i) {
    const double cible = total * static_cast<double>(i) / static_cast<double>(intervalles);
    while (segment + 1 < ligne.size() && cumul[segment] < cible) ++segment;
    const double longueur = cumul[segment] - cumul[segment - 1];
    const double t = longueur > 0 ? (cible - cumul[segment - 1]) / longueur : 0;
    const PointMm &a = ligne[segment - 1], &b = ligne[segment];
    points.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
  }
  points.push_back(ligne.back());
  return points;
}

Boucle anneau(const std::vector<PointMm>& moitie) {
  Boucle boucle(moitie.begin(), moitie.end());
  for (std::size_t k = moitie.size() - 1; k-- > 1;) boucle.push_back({-moitie[k].x, moitie[k].y});
  return boucle;
}

} // namespace bilobe
