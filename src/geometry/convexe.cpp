#include "geometry/convexe.h"

#include <algorithm>
#include <cmath>

namespace bilobe::convexe {

namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;

// Coordinates stay under 2^31 µm apart on any sheet the series accepts, but
// a cross product of differences is kept in 128 bits all the same.
__extension__ using Large = __int128;

Large croix(IntPoint o, IntPoint a, IntPoint b) {
  return static_cast<Large>(a.X - o.X) * (b.Y - o.Y) - static_cast<Large>(a.Y - o.Y) * (b.X - o.X);
}

Large croix_aretes(IntPoint a0, IntPoint a1, IntPoint b0, IntPoint b1) {
  return static_cast<Large>(a1.X - a0.X) * (b1.Y - b0.Y) - static_cast<Large>(a1.Y - a0.Y) * (b1.X - b0.X);
}

bool avant(IntPoint a, IntPoint b) { return a.Y != b.Y ? a.Y < b.Y : a.X < b.X; }

// The polygon started from its lowest point, then the leftmost.
Path depuis_le_plus_bas(const Path& p) {
  const auto debut = std::min_element(p.begin(), p.end(), avant);
  Path r(debut, p.end());
  r.insert(r.end(), p.begin(), debut);
  return r;
}

// Squared distance from p to the segment ab, in µm².
double distance2(IntPoint p, IntPoint a, IntPoint b) {
  const double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
  const double px = static_cast<double>(p.X - a.X), py = static_cast<double>(p.Y - a.Y);
  const double l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp((px * dx + py * dy) / l2, 0.0, 1.0) : 0.0;
  const double ex = px - t * dx, ey = py - t * dy;
  return ex * ex + ey * ey;
}

} // namespace

Path enveloppe(Path p) {
  std::sort(p.begin(), p.end(), [](IntPoint a, IntPoint b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; });
  p.erase(std::unique(p.begin(), p.end()), p.end());
  if (p.size() < 3) return p;
  // Andrew's monotone chain: the lower hull, then the upper one.
  Path h(2 * p.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    while (k >= 2 && croix(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  for (std::size_t i = p.size() - 1, bas = k + 1; i-- > 0;) {
    while (k >= bas && croix(h[k - 2], h[k - 1], p[i]) <= 0) --k;
    h[k++] = p[i];
  }
  h.resize(k - 1);
  return h;
}

Path somme(const Path& a, const Path& b) {
  if (a.empty() || b.empty()) return {};
  Path p = depuis_le_plus_bas(a), q = depuis_le_plus_bas(b);
  const std::size_t n = p.size(), m = q.size();
  p.push_back(p[0]);
  p.push_back(p[1 % n]);
  q.push_back(q[0]);
  q.push_back(q[1 % m]);
  // The edges of both, merged by their direction.
  Path r;
  r.reserve(n + m);
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    r.push_back({p[i].X + q[j].X, p[i].Y + q[j].Y});
    const Large c = croix_aretes(p[i], p[i + 1], q[j], q[j + 1]);
    const bool pour_a = c >= 0 && i < n, pour_b = c <= 0 && j < m;
    // Never stuck on a degenerate polygon: the hull below mends the order.
    if (pour_a || !pour_b) i += i < n;
    if (pour_b || !pour_a) j += j < m;
  }
  return enveloppe(std::move(r));
}

Path disque(double rayon) {
  constexpr int COTES = 16;
  const double pi = std::acos(-1.0);
  // The corners beyond the circle so that the sides touch it, one more
  // micrometre for the rounding.
  const double r = rayon / std::cos(pi / COTES) + 1;
  Path p;
  for (int k = 0; k < COTES; ++k) {
    // Sides, not corners, across the axes: a box grows by the radius alone.
    const double angle = pi * (2 * k + 1) / COTES;
    p.push_back(
        {static_cast<cInt>(std::round(r * std::cos(angle))), static_cast<cInt>(std::round(r * std::sin(angle)))});
  }
  return p;
}

Path erosion(const Path& conteneur, const Path& motif) {
  if (conteneur.size() < 3 || motif.empty()) return {};
  struct Point {
    double x, y;
  };
  // Clipped by each side of the container in turn, moved inwards by the
  // motif's reach across it (Sutherland–Hodgman on a convex polygon).
  // From the box of every t that could be.
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (const IntPoint& c : conteneur)
    for (const IntPoint& m : motif) {
      x0 = std::min(x0, static_cast<double>(c.X - m.X));
      x1 = std::max(x1, static_cast<double>(c.X - m.X));
      y0 = std::min(y0, static_cast<double>(c.Y - m.Y));
      y1 = std::max(y1, static_cast<double>(c.Y - m.Y));
    }
  std::vector<Point> p{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  const std::size_t n = conteneur.size();
  for (std::size_t i = 0; i < n && !p.empty(); ++i) {
    const IntPoint a = conteneur[i], b = conteneur[(i + 1) % n];
    const double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
    // The side's line through the motif's point furthest out across it.
    double recul = INFINITY;
    for (const IntPoint& m : motif)
      recul = std::min(recul, dx * static_cast<double>(m.Y) - dy * static_cast<double>(m.X));
    const auto cote = [&](Point q) {
      return dx * (q.y - static_cast<double>(a.Y)) - dy * (q.x - static_cast<double>(a.X)) + recul;
    };
    std::vector<Point> garde;
    for (std::size_t k = 0; k < p.size(); ++k) {
      const Point u = p[k], v = p[(k + 1) % p.size()];
      const double cu = cote(u), cv = cote(v);
      if (cu >= 0) garde.push_back(u);
      if ((cu >= 0) != (cv >= 0)) {
        const double f = cu / (cu - cv);
        garde.push_back({u.x + f * (v.x - u.x), u.y + f * (v.y - u.y)});
      }
    }
    p = std::move(garde);
  }
  Path r;
  for (const Point& q : p) r.push_back({static_cast<cInt>(std::round(q.x)), static_cast<cInt>(std::round(q.y))});
  r = enveloppe(std::move(r));
  return r.size() >= 3 ? r : Path{};
}

Path oppose(Path p) {
  for (IntPoint& q : p) q = {-q.X, -q.Y};
  return p;
}

Path translate(Path p, IntPoint de) {
  for (IntPoint& q : p) q = {q.X + de.X, q.Y + de.Y};
  return p;
}

Path simplifier(const Path& boucle, double tolerance) {
  if (boucle.size() <= 4) return boucle;
  const double t2 = tolerance * tolerance;
  Path gardes{boucle[0]};
  std::size_t depuis = 0;
  for (std::size_t k = 2; k <= boucle.size(); ++k) {
    const IntPoint fin = boucle[k % boucle.size()];
    bool tient = true;
    for (std::size_t i = depuis + 1; i < k && tient; ++i) tient = distance2(boucle[i], boucle[depuis], fin) <= t2;
    if (!tient) {
      depuis = k - 1;
      gardes.push_back(boucle[depuis]);
    }
  }
  return gardes.size() >= 3 ? gardes : boucle;
}

ClipperLib::Paths decaler_au_moins(const ClipperLib::Paths& boucles, double delta) {
  // Chords of an arc cut inside it by at most the arc tolerance; one more
  // micrometre for the rounding of the points.
  constexpr double TOLERANCE_ARC = 20;
  ClipperLib::ClipperOffset decalage(2.0, TOLERANCE_ARC);
  decalage.AddPaths(boucles, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
  ClipperLib::Paths resultat;
  decalage.Execute(resultat, delta + std::copysign(TOLERANCE_ARC + 1, delta));
  return resultat;
}

} // namespace bilobe::convexe
