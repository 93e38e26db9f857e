#include "ui/modeles/scene_3d.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bilobe {

namespace {

// A point turned into the view's frame: x right, y up, z toward the eye.
struct Vu {
  double x, y, z;
};

struct Rotation {
  double cl, sl, ct, st;
  explicit Rotation(const Orientation3d& o)
      : cl(std::cos(o.lacet)), sl(std::sin(o.lacet)), ct(std::cos(o.tangage)), st(std::sin(o.tangage)) {}
  Vu operator()(double x, double y, double z) const {
    const double x1 = cl * x + sl * z, z1 = -sl * x + cl * z;
    return {x1, ct * y - st * z1, st * y + ct * z1};
  }
};

struct Boite {
  double min[3] = {std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
                   std::numeric_limits<double>::max()};
  double max[3] = {std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest(),
                   std::numeric_limits<double>::lowest()};
  void ajouter(double x, double y, double z) {
    const double v[3] = {x, y, z};
    for (int k = 0; k < 3; ++k) {
      min[k] = std::min(min[k], v[k]);
      max[k] = std::max(max[k], v[k]);
    }
  }
  double centre(int k) const { return (min[k] + max[k]) / 2; }
};

// The light comes from above, on the eye's left.
constexpr Vu LUMIERE{-0.45, 0.75, 0.48};
constexpr double AMBIANTE = 0.25;

struct Trie {
  double profondeur;
  ElementScene element;
};

} // namespace

std::vector<ElementScene> scene_3d(const Maillage& coque, const std::vector<std::vector<Point3>>& couples,
                                   const Orientation3d& orientation, double largeur, double hauteur) {
  if (coque.sommets.empty()) return {};
  Boite boite;
  for (const Point3& p : coque.sommets) boite.ajouter(p.x, p.y, p.z);
  const double cx = boite.centre(0), cy = boite.centre(1), cz = boite.centre(2);

  // The scale that fits the box seen from the default orientation.
  const Rotation defaut{Orientation3d{}};
  Boite vue;
  for (const double x : {boite.min[0], boite.max[0]})
    for (const double y : {boite.min[1], boite.max[1]})
      for (const double z : {boite.min[2], boite.max[2]}) {
        const Vu v = defaut(x - cx, y - cy, z - cz);
        vue.ajouter(v.x, v.y, v.z);
      }
  const double echelle =
      orientation.zoom * 0.92 *
      std::min(largeur / std::max(vue.max[0] - vue.min[0], 1e-9), hauteur / std::max(vue.max[1] - vue.min[1], 1e-9));

  const Rotation tourner(orientation);
  std::vector<Vu> vus;
  vus.reserve(coque.sommets.size());
  for (const Point3& p : coque.sommets) vus.push_back(tourner(p.x - cx, p.y - cy, p.z - cz));
  const auto ecran = [&](const Vu& v) {
    return std::array<float, 2>{static_cast<float>(largeur / 2 + echelle * v.x),
                                static_cast<float>(hauteur / 2 - echelle * v.y)};
  };

  std::vector<Trie> tries;
  tries.reserve(coque.triangles.size() / 2 + couples.size() * 64);
  for (const Triangle& t : coque.triangles) {
    const Vu &a = vus[t[0]], &b = vus[t[1]], &c = vus[t[2]];
    const Vu u{b.x - a.x, b.y - a.y, b.z - a.z}, w{c.x - a.x, c.y - a.y, c.z - a.z};
    Vu n{u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
    if (n.z <= 0) continue; // faces away
    const double l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    const double diffuse = std::max(0.0, (n.x * LUMIERE.x + n.y * LUMIERE.y + n.z * LUMIERE.z) / l);
    ElementScene e;
    e.coins = {ecran(a), ecran(b), ecran(c)};
    e.lumiere = static_cast<float>(AMBIANTE + (1 - AMBIANTE) * diffuse);
    tries.push_back({(a.z + b.z + c.z) / 3, e});
  }
  std::stable_sort(tries.begin(), tries.end(),
                   [](const Trie& a, const Trie& b) { return a.profondeur < b.profondeur; });
  std::vector<ElementScene> elements;
  elements.reserve(tries.size() + couples.size() * 64);
  for (const Trie& t : tries) elements.push_back(t.element);
  // The formers' outlines lie on the skin: of each, the segments where the
  // skin faces the eye are drawn over it, the others are hidden by it.
  for (const std::vector<Point3>& anneau : couples)
    for (std::size_t k = 0; k < anneau.size(); ++k) {
      const Point3 &p = anneau[k], &q = anneau[(k + 1) % anneau.size()];
      if (tourner(q.y - p.y, p.x - q.x, 0).z <= 0)
        continue; // the outline turns counter-clockwise: outward on its right
      ElementScene e;
      e.trait = true;
      e.coins = {ecran(tourner(p.x - cx, p.y - cy, p.z - cz)), ecran(tourner(q.x - cx, q.y - cy, q.z - cz)), {}};
      elements.push_back(e);
    }
  return elements;
}

} // namespace bilobe
