#include "geometry/lignes.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// The trace leaves its centre-line points up to a0 · 2.05e-10 off the line
// (the literal quarter turn); this bound catches them at any size.
constexpr double TOLERANCE_RELATIVE_AXE = 1e-9;
void sans_doublons(Boucle& points) { points.erase(std::unique(points.begin(), points.end()), points.end()); }

std::vector<PointMm> entrees(const ContourMm& contour, Plage plage) {
  std::vector<PointMm> points;
  for (int k = plage.premiere; k <= plage.derniere; ++k) points.push_back({contour.liste.x(k), contour.liste.y(k)});
  return points;
}

} // namespace

Boucle boucle_symetrique(const std::vector<PointMm>& moitie, double tolerance) {
  Boucle boucle;
  boucle.reserve(2 * moitie.size());
  for (PointMm p : moitie) {
    if (std::abs(p.x) <= tolerance) p.x = 0;
    boucle.push_back(p);
  }
  sans_doublons(boucle);
  // The way back is the mirror image; points on the centre line are their
  // own image and are not repeated.
  for (std::size_t k = boucle.size(); k-- > 0;)
    if (boucle[k].x != 0) boucle.push_back({-boucle[k].x, boucle[k].y});
  sans_doublons(boucle);
  while (boucle.size() > 1 && boucle.back() == boucle.front()) boucle.pop_back();
  return boucle;
}

Lignes lignes_du_couple(const ResultatTrace& trace) {
  const ContourMm& contour = trace.contour;
  const auto moitie_ext = entrees(contour, contour.ligne_exterieure());
  const auto moitie_int = entrees(contour, contour.ligne_interieure());
  double etendue = 1;
  for (const auto* moitie : {&moitie_ext, &moitie_int})
    for (const PointMm& p : *moitie) etendue = std::max({etendue, std::abs(p.x), std::abs(p.y)});
  const double tolerance = TOLERANCE_RELATIVE_AXE * etendue;
  return {boucle_symetrique(moitie_ext, tolerance), boucle_symetrique(moitie_int, tolerance)};
}

} // namespace bilobe
