#include "geometry/polygones.h"

#include "common/erreurs.h"

// Boost 1.74 rescales floating-point polygons onto an integer grid of its
// own before each operation by default; without it, the operations take
// half the time and give the same layouts, to the micrometre.
#define BOOST_GEOMETRY_NO_ROBUSTNESS
#include <boost/geometry.hpp>

#include <algorithm>
#include <cmath>

namespace bilobe::polygones {

namespace {

namespace bg = boost::geometry;

// The library works on doubles: on integers it would cut its intersection
// points towards zero, and the next operation would see other edges than the
// true ones (a layout would then depend on how its search is cut into tiles).
using PointBoost = bg::model::d2::point_xy<double>;
using PolygoneBoost = bg::model::polygon<PointBoost, false>; // counter-clockwise outlines, closed
using AnneauBoost = PolygoneBoost::ring_type;
using ZoneBoost = bg::model::multi_polygon<PolygoneBoost>;
using Boite = bg::model::box<PointBoost>;

void copier(const Chemin& c, AnneauBoost& a) {
  a.reserve(c.size() + 1);
  for (const Point& p : c) a.emplace_back(static_cast<double>(p.x), static_cast<double>(p.y));
  a.push_back(a.front());
}

// Rings with no area are left out: they cover nothing, and the operations
// refuse them.
ZoneBoost en_boost(const Zone& zone) {
  ZoneBoost z;
  for (const Polygone& p : zone) {
    if (p.exterieur.size() < 3 || aire(p.exterieur) <= 0) continue;
    z.emplace_back();
    copier(p.exterieur, z.back().outer());
    for (const Chemin& t : p.trous)
      if (t.size() >= 3 && aire(t) < 0) copier(t, z.back().inners().emplace_back());
  }
  return z;
}

Chemin chemin_de(const AnneauBoost& a) {
  Chemin c;
  c.reserve(a.size());
  for (const PointBoost& p : a)
    c.push_back({static_cast<Entier>(std::llround(p.x())), static_cast<Entier>(std::llround(p.y()))});
  if (c.size() > 1 && c.back() == c.front()) c.pop_back();
  return c;
}

Zone zone_de(const ZoneBoost& z) {
  Zone zone;
  zone.reserve(z.size());
  for (const PolygoneBoost& p : z) {
    Polygone q{chemin_de(p.outer()), {}};
    for (const AnneauBoost& t : p.inners()) q.trous.push_back(chemin_de(t));
    zone.push_back(std::move(q));
  }
  return zone;
}

// The operations should never fail on the polygons the program makes; if
// one does, it is an error of the operation, not a crash.
template <typename F> auto sans_exception(F f) {
  try {
    return f();
  } catch (const bg::exception& e) {
    lever(GenreErreur::OperationInvalide, "polygones", e.what());
  }
}

// The library simplifies a zone by a thousandth of the offset before
// offsetting it: 20 µm for a 20 mm wall, which the cutter would see. Only
// what is within a tenth of a micrometre of a line goes here.
struct DistanceSansSimplifier : bg::strategy::buffer::distance_symmetric<double> {
  using distance_symmetric::distance_symmetric;
  double simplify_distance() const { return 0.1; }
};

Boite boite(const ZoneBoost& z) { return bg::return_envelope<Boite>(z); }

// Unions by halves, so that each operation joins zones of like size; zones
// whose boxes are apart are simply put together.
ZoneBoost reunir(const ZoneBoost& z, std::size_t debut, std::size_t fin) {
  if (fin - debut == 1) return {z[debut]};
  const std::size_t milieu = debut + (fin - debut) / 2;
  ZoneBoost a = reunir(z, debut, milieu), b = reunir(z, milieu, fin);
  if (bg::disjoint(boite(a), boite(b))) {
    a.insert(a.end(), std::make_move_iterator(b.begin()), std::make_move_iterator(b.end()));
    return a;
  }
  ZoneBoost r;
  bg::union_(a, b, r);
  return r;
}

ZoneBoost reunie(const Zone& zone) {
  const ZoneBoost z = en_boost(zone);
  return z.size() < 2 ? z : reunir(z, 0, z.size());
}

// Of the tool, only the polygons whose boxes reach the subject's.
ZoneBoost pres_de(const ZoneBoost& sujet, const Zone& outil) {
  const Boite b = boite(sujet);
  Zone proches;
  for (const Polygone& p : outil) {
    if (p.exterieur.empty()) continue;
    Boite q;
    bg::assign_inverse(q);
    for (const Point& a : p.exterieur) bg::expand(q, PointBoost(static_cast<double>(a.x), static_cast<double>(a.y)));
    if (!bg::disjoint(b, q)) proches.push_back(p);
  }
  return reunie(proches);
}

} // namespace

double aire(const Chemin& c) {
  double a = 0;
  for (std::size_t k = 0, j = c.size() - 1; k < c.size(); j = k++)
    a += (static_cast<double>(c[j].x) + static_cast<double>(c[k].x)) *
         (static_cast<double>(c[k].y) - static_cast<double>(c[j].y));
  return a / 2;
}

double aire(const Zone& zone) {
  double a = 0;
  for (const Polygone& p : zone) {
    a += aire(p.exterieur);
    for (const Chemin& t : p.trous) a += aire(t);
  }
  return a;
}

Chemin positif(Chemin c) {
  if (aire(c) < 0) std::reverse(c.begin(), c.end());
  return c;
}

Zone zone_de(Chemin exterieur) { return {Polygone{std::move(exterieur), {}}}; }

Zone reunion(Zone zone) {
  return sans_exception([&] { return zone_de(reunie(zone)); });
}

Zone difference(const Zone& sujet, const Zone& outil) {
  return sans_exception([&] {
    const ZoneBoost s = reunie(sujet);
    if (s.empty()) return Zone{};
    const ZoneBoost o = pres_de(s, outil);
    if (o.empty()) return zone_de(s);
    ZoneBoost r;
    bg::difference(s, o, r);
    return zone_de(r);
  });
}

Zone intersection(const Zone& sujet, const Zone& outil) {
  return sans_exception([&] {
    const ZoneBoost s = reunie(sujet);
    if (s.empty()) return Zone{};
    const ZoneBoost o = pres_de(s, outil);
    ZoneBoost r;
    if (!o.empty()) bg::intersection(s, o, r);
    return zone_de(r);
  });
}

Zone decaler(const Zone& zone, double delta, double ecart_arc) {
  return sans_exception([&] {
    // Merged and back on the micrometres first, as any zone an operation gives.
    const ZoneBoost z = en_boost(zone_de(reunie(zone)));
    if (z.empty() || delta == 0) return zone_de(z);
    // Points on the circle, so many that a chord's middle is within the
    // allowed distance of it.
    const double r = std::abs(delta), pi = std::acos(-1.0);
    const int cotes = ecart_arc >= r ? 4 : std::max(4, static_cast<int>(std::ceil(pi / std::acos(1 - ecart_arc / r))));
    ZoneBoost resultat;
    bg::buffer(z, resultat, DistanceSansSimplifier(delta), bg::strategy::buffer::side_straight(),
               bg::strategy::buffer::join_round(cotes), bg::strategy::buffer::end_flat(),
               bg::strategy::buffer::point_circle(cotes));
    return zone_de(resultat);
  });
}

} // namespace bilobe::polygones
