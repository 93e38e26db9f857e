#include "volume/triangulation.h"

#include "common/erreurs.h"

#include <cmath>
#include <numeric>

namespace bilobe {

namespace {

// Strictly convex: three points almost on one line would give a triangle
// with no area once written in single precision.
bool convexe(const PointMm& a, const PointMm& b, const PointMm& c) {
  const double ab = std::hypot(b.x - a.x, b.y - a.y), bc = std::hypot(c.x - b.x, c.y - b.y);
  return croix(a, b, c) > 1e-9 * ab * bc;
}

// Inside the counter-clockwise triangle abc or on its edges.
bool dans_triangle(const PointMm& p, const PointMm& a, const PointMm& b, const PointMm& c) {
  return croix(a, b, p) >= 0 && croix(b, c, p) >= 0 && croix(c, a, p) >= 0;
}

} // namespace

// Ear clipping: a convex corner with no other point in its triangle is cut
// off, until three corners are left.
std::vector<std::array<std::size_t, 3>> trianguler(const Boucle& p, const char* lieu) {
  if (p.size() < 3) lever(GenreErreur::OperationInvalide, lieu, "moins de trois points");
  std::vector<std::size_t> restants(p.size());
  std::iota(restants.begin(), restants.end(), 0);
  std::vector<std::array<std::size_t, 3>> triangles;
  triangles.reserve(p.size() - 2);
  std::size_t i = 0, essais = 0;
  while (restants.size() > 3) {
    const std::size_t m = restants.size();
    i %= m;
    const std::size_t a = restants[(i + m - 1) % m], b = restants[i], c = restants[(i + 1) % m];
    bool oreille = convexe(p[a], p[b], p[c]);
    for (std::size_t r = 0; oreille && r < m; ++r) {
      const std::size_t q = restants[r];
      oreille = q == a || q == b || q == c || !dans_triangle(p[q], p[a], p[b], p[c]);
    }
    if (oreille) {
      triangles.push_back({a, b, c});
      restants.erase(restants.begin() + static_cast<std::ptrdiff_t>(i));
      i = i == 0 ? 0 : i - 1; // the corner before may have become an ear
      essais = 0;
    } else if (++essais > m) {
      lever(GenreErreur::OperationInvalide, lieu, "contour qui se croise");
    } else {
      ++i;
    }
  }
  if (!convexe(p[restants[0]], p[restants[1]], p[restants[2]]))
    lever(GenreErreur::OperationInvalide, lieu, "contour sans surface");
  triangles.push_back({restants[0], restants[1], restants[2]});
  return triangles;
}

} // namespace bilobe
