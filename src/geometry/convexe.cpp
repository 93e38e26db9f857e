#include "geometry/convexe.h"

#include <algorithm>
#include <cmath>

namespace bilobe::convexe {

namespace {

using polygones::Chemin;
using polygones::Entier;
using polygones::Point;

// Coordinates stay under 2^31 µm apart on any sheet the series accepts, but
// a cross product of differences is kept in 128 bits all the same.
__extension__ using Large = __int128;

Large croix(Point o, Point a, Point b) {
  return static_cast<Large>(a.x - o.x) * (b.y - o.y) - static_cast<Large>(a.y - o.y) * (b.x - o.x);
}

Large croix_aretes(Point a0, Point a1, Point b0, Point b1) {
  return static_cast<Large>(a1.x - a0.x) * (b1.y - b0.y) - static_cast<Large>(a1.y - a0.y) * (b1.x - b0.x);
}

bool avant(Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; }

// The polygon started from its lowest point, then the leftmost.
Chemin depuis_le_plus_bas(const Chemin& p) {
  const auto debut = std::min_element(p.begin(), p.end(), avant);
  Chemin r(debut, p.end());
  r.insert(r.end(), p.begin(), debut);
  return r;
}

// Squared distance from p to the segment ab, in µm².
double distance2(Point p, Point a, Point b) {
  const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
  const double px = static_cast<double>(p.x - a.x), py = static_cast<double>(p.y - a.y);
  const double l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp((px * dx + py * dy) / l2, 0.0, 1.0) : 0.0;
  const double ex = px - t * dx, ey = py - t * dy;
  return ex * ex + ey * ey;
}

} // namespace

Chemin enveloppe(Chemin p) {
  std::sort(p.begin(), p.end(), [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
  p.erase(std::unique(p.begin(), p.end()), p.end());
  if (p.size() < 3) return p;
  // Andrew's monotone chain: the lower hull, then the upper one.
  Chemin h(2 * p.size());
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

Chemin somme(const Chemin& a, const Chemin& b) {
  if (a.empty() || b.empty()) return {};
  Chemin p = depuis_le_plus_bas(a), q = depuis_le_plus_bas(b);
  const std::size_t n = p.size(), m = q.size();
  p.push_back(p[0]);
  p.push_back(p[1 % n]);
  q.push_back(q[0]);
  q.push_back(q[1 % m]);
  // The edges of both, merged by their direction.
  Chemin r;
  r.reserve(n + m);
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    r.push_back({p[i].x + q[j].x, p[i].y + q[j].y});
    const Large c = croix_aretes(p[i], p[i + 1], q[j], q[j + 1]);
    const bool pour_a = c >= 0 && i < n, pour_b = c <= 0 && j < m;
    // Never stuck on a degenerate polygon: the hull below mends the order.
    if (pour_a || !pour_b) i += i < n;
    if (pour_b || !pour_a) j += j < m;
  }
  return enveloppe(std::move(r));
}

Chemin disque(double rayon) {
  constexpr int COTES = 16;
  const double pi = std::acos(-1.0);
  // The corners beyond the circle so that the sides touch it, one more
  // micrometre for the rounding.
  const double r = rayon / std::cos(pi / COTES) + 1;
  Chemin p;
  for (int k = 0; k < COTES; ++k) {
    // Sides, not corners, across the axes: a box grows by the radius alone.
    const double angle = pi * (2 * k + 1) / COTES;
    p.push_back(
        {static_cast<Entier>(std::round(r * std::cos(angle))), static_cast<Entier>(std::round(r * std::sin(angle)))});
  }
  return p;
}

Chemin erosion(const Chemin& conteneur, const Chemin& motif) {
  if (conteneur.size() < 3 || motif.empty()) return {};
  struct Reel {
    double x, y;
  };
  // Clipped by each side of the container in turn, moved inwards by the
  // motif's reach across it (Sutherland–Hodgman on a convex polygon).
  // From the box of every t that could be.
  double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
  for (const Point& c : conteneur)
    for (const Point& m : motif) {
      x0 = std::min(x0, static_cast<double>(c.x - m.x));
      x1 = std::max(x1, static_cast<double>(c.x - m.x));
      y0 = std::min(y0, static_cast<double>(c.y - m.y));
      y1 = std::max(y1, static_cast<double>(c.y - m.y));
    }
  std::vector<Reel> p{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  const std::size_t n = conteneur.size();
  for (std::size_t i = 0; i < n && !p.empty(); ++i) {
    const Point a = conteneur[i], b = conteneur[(i + 1) % n];
    const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
    // The side's line through the motif's point furthest out across it.
    double recul = INFINITY;
    for (const Point& m : motif) recul = std::min(recul, dx * static_cast<double>(m.y) - dy * static_cast<double>(m.x));
    const auto cote = [&](Reel q) {
      return dx * (q.y - static_cast<double>(a.y)) - dy * (q.x - static_cast<double>(a.x)) + recul;
    };
    std::vector<Reel> garde;
    for (std::size_t k = 0; k < p.size(); ++k) {
      const Reel u = p[k], v = p[(k + 1) % p.size()];
      const double cu = cote(u), cv = cote(v);
      if (cu >= 0) garde.push_back(u);
      if ((cu >= 0) != (cv >= 0)) {
        const double f = cu / (cu - cv);
        garde.push_back({u.x + f * (v.x - u.x), u.y + f * (v.y - u.y)});
      }
    }
    p = std::move(garde);
  }
  Chemin r;
  for (const Reel& q : p) r.push_back({static_cast<Entier>(std::round(q.x)), static_cast<Entier>(std::round(q.y))});
  r = enveloppe(std::move(r));
  return r.size() >= 3 ? r : Chemin{};
}

Chemin oppose(Chemin p) {
  for (Point& q : p) q = {-q.x, -q.y};
  return p;
}

Chemin translate(Chemin p, Point de) {
  for (Point& q : p) q = {q.x + de.x, q.y + de.y};
  return p;
}

Chemin simplifier(const Chemin& boucle, double tolerance) {
  if (boucle.size() <= 4) return boucle;
  const double t2 = tolerance * tolerance;
  Chemin gardes{boucle[0]};
  std::size_t depuis = 0;
  for (std::size_t k = 2; k <= boucle.size(); ++k) {
    const Point fin = boucle[k % boucle.size()];
    bool tient = true;
    for (std::size_t i = depuis + 1; i < k && tient; ++i) tient = distance2(boucle[i], boucle[depuis], fin) <= t2;
    if (!tient) {
      depuis = k - 1;
      gardes.push_back(boucle[depuis]);
    }
  }
  return gardes.size() >= 3 ? gardes : boucle;
}

polygones::Zone decaler_au_moins(const polygones::Zone& zone, double delta) {
  // Chords of an arc cut inside it by at most this; one more micrometre for
  // the rounding of the points.
  constexpr double ECART_ARC = 20;
  return polygones::decaler(zone, delta + std::copysign(ECART_ARC + 1, delta), ECART_ARC);
}

} // namespace bilobe::convexe
