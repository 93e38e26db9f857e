// Before the polygons leave Clipper (Debian has none for Windows or the
// browser): Clipper beside Boost.Geometry on the two kinds of work they do.
// - The round offset of the default former's outer line, for a kerf
//   (0.05 mm) and a constant wall (3 mm), outwards and inwards. Counters:
//   how far Boost's points stand from Clipper's line (mm), its shortest
//   segment (mm) and its point count.
// - The nesting's free space: the example's 40 formers nested, then the
//   places left on the first sheet for the smallest former (the sheet less
//   the zones its placed neighbours forbid, which overlap). Clipper takes
//   overlapping zones as they are; Boost must merge them first. Counter:
//   the free area (mm²) each finds.
// - The kit's cut: the former's outline less eight notches (6 x 4 mm
//   rectangles across its edge). Counter: the area left (mm²).
#include "geometry/convexe.h"
#include "geometry/decalage.h"
#include "geometry/gabarit.h"
#include "geometry/trace.h"
#include "serie/fichier_fuselage.h"
#include "serie/imbrication.h"
#include "serie/piece_imbriquee.h"
#include "serie/serie_imbriquee.h"

#include <benchmark/benchmark.h>
#include <boost/geometry.hpp>

#include <cmath>

namespace {

namespace bg = boost::geometry;
using Point = bg::model::d2::point_xy<double>;
using Polygone = bg::model::polygon<Point, false>; // counter-clockwise, as the templates
using Polygones = bg::model::multi_polygon<Polygone>;

const bilobe::Boucle& contour() {
  static const bilobe::Boucle c = bilobe::construire_gabarit(bilobe::tracer(bilobe::ChampsCouple{})).exterieur;
  return c;
}

Polygone en_polygone(const bilobe::Boucle& b) {
  Polygone p;
  for (const bilobe::PointMm& q : b) p.outer().push_back(Point(q.x, q.y));
  p.outer().push_back(p.outer().front());
  bg::correct(p);
  return p;
}

void BM_Clipper(benchmark::State& state) {
  const double d = static_cast<double>(state.range(0)) / 1000;
  bilobe::Boucle resultat;
  for (auto _ : state) resultat = bilobe::decaler(contour(), d, "mesure");
  state.counters["points"] = static_cast<double>(resultat.size());
}

void BM_BoostGeometry(benchmark::State& state) {
  const double d = static_cast<double>(state.range(0)) / 1000;
  const Polygone p = en_polygone(contour());
  // Arcs as fine as Clipper's: within 0.25 µm of the circle.
  const int cotes = static_cast<int>(std::ceil(2 * std::acos(-1.0) / std::acos(1 - 0.00025 / std::abs(d))));
  const bg::strategy::buffer::distance_symmetric<double> distance(d);
  const bg::strategy::buffer::join_round joint(cotes);
  const bg::strategy::buffer::end_flat fin;
  const bg::strategy::buffer::point_circle cercle(cotes);
  const bg::strategy::buffer::side_straight cote;
  Polygones resultat;
  for (auto _ : state) {
    resultat.clear();
    bg::buffer(p, resultat, distance, cote, joint, fin, cercle);
  }
  if (resultat.size() != 1) {
    state.SkipWithError("le décalage n'a pas laissé un seul morceau");
    return;
  }
  const Polygone clipper = en_polygone(bilobe::decaler(contour(), d, "mesure"));
  const bg::model::linestring<Point> ligne(clipper.outer().begin(), clipper.outer().end());
  const auto& anneau = resultat.front().outer();
  double ecart = 0, plus_court = INFINITY;
  for (std::size_t k = 0; k + 1 < anneau.size(); ++k) {
    ecart = std::max(ecart, bg::distance(anneau[k], ligne));
    plus_court = std::min(plus_court, bg::distance(anneau[k], anneau[k + 1]));
  }
  state.counters["points"] = static_cast<double>(anneau.size() - 1);
  state.counters["ecart_mm"] = ecart;
  state.counters["plus_court_mm"] = plus_court;
}

// The sheet's rectangle and the zones forbidden to the smallest former's
// corner on the first sheet of the example's 40 formers, in µm.
struct Espace {
  ClipperLib::Path planche;
  ClipperLib::Paths zones;
};
const Espace& espace() {
  static const Espace e = [] {
    bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
    d.nombre = 40;
    const bilobe::SerieTracee serie = bilobe::preparer_serie(d);
    std::vector<bilobe::imbrication::Piece> pieces;
    std::size_t petite = 0;
    for (std::size_t k = 0; k < serie.couples.size(); ++k) {
      const auto& g = serie.couples[k].gabarit;
      pieces.push_back(bilobe::imbrication::preparer({"F", g.exterieur, {g.interieur}}, d.planche));
      if (pieces[k].aire < pieces[petite].aire) petite = k;
    }
    const ClipperLib::Path moins_b = bilobe::convexe::oppose(pieces[petite].sens[0].recherche.exterieur);
    Espace e;
    const ClipperLib::cInt l = bilobe::imbrication::vers_le_bas(d.planche.largeur),
                           h = bilobe::imbrication::vers_le_bas(d.planche.hauteur);
    e.planche = {{0, 0}, {l, 0}, {l, h}, {0, h}};
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      const bilobe::PiecePlacee& p = serie.imbrication.pieces[k];
      if (p.planche != 0 || k == petite) continue;
      // The places are whole micrometres: rounded back, not cut.
      const ClipperLib::IntPoint a{std::llround(p.x * 1000), std::llround(p.y * 1000)};
      e.zones.push_back(bilobe::convexe::somme(
          bilobe::convexe::translate(pieces[k].sens[p.retournee ? 1 : 0].recherche.exterieur, a), moins_b));
    }
    return e;
  }();
  return e;
}

void BM_PlaceLibreClipper(benchmark::State& state) {
  ClipperLib::Paths libre;
  for (auto _ : state)
    libre = bilobe::imbrication::operation(ClipperLib::ctDifference, {espace().planche}, espace().zones);
  state.counters["zones"] = static_cast<double>(espace().zones.size());
  state.counters["aire_mm2"] = bilobe::imbrication::aire(libre) / 1e6;
}

using PointEntier = bg::model::d2::point_xy<std::int64_t>;
using PolygoneEntier = bg::model::polygon<PointEntier, false>;
using PolygonesEntiers = bg::model::multi_polygon<PolygoneEntier>;

PolygoneEntier en_boost(const ClipperLib::Path& p) {
  PolygoneEntier q;
  for (const ClipperLib::IntPoint& a : p) q.outer().push_back(PointEntier(a.X, a.Y));
  q.outer().push_back(q.outer().front());
  bg::correct(q);
  return q;
}

void BM_PlaceLibreBoostGeometry(benchmark::State& state) {
  const PolygoneEntier planche = en_boost(espace().planche);
  std::vector<PolygoneEntier> zones;
  for (const ClipperLib::Path& z : espace().zones) zones.push_back(en_boost(z));
  PolygonesEntiers libre;
  for (auto _ : state) {
    // The zones overlap: merged one by one, then taken from the sheet.
    PolygonesEntiers reunion;
    for (const PolygoneEntier& z : zones) {
      PolygonesEntiers suivante;
      bg::union_(reunion, z, suivante);
      reunion = std::move(suivante);
    }
    libre.clear();
    bg::difference(planche, reunion, libre);
  }
  state.counters["zones"] = static_cast<double>(zones.size());
  state.counters["aire_mm2"] = static_cast<double>(bg::area(libre)) / 1e6;
}

BENCHMARK(BM_PlaceLibreClipper)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlaceLibreBoostGeometry)->Unit(benchmark::kMicrosecond);

// The default former's outline and eight notch rectangles across it, in µm.
struct Kit {
  ClipperLib::Path contour;
  ClipperLib::Paths encoches;
};
const Kit& kit() {
  static const Kit k = [] {
    Kit k;
    const bilobe::Boucle& c = contour();
    for (const bilobe::PointMm& p : c) k.contour.push_back({std::llround(p.x * 1000), std::llround(p.y * 1000)});
    if (!ClipperLib::Orientation(k.contour)) ClipperLib::ReversePath(k.contour);
    for (std::size_t n = 0; n < 8; ++n) {
      const bilobe::PointMm& p = c[n * c.size() / 8];
      const ClipperLib::cInt x = std::llround(p.x * 1000), y = std::llround(p.y * 1000);
      k.encoches.push_back({{x - 3000, y - 2000}, {x + 3000, y - 2000}, {x + 3000, y + 2000}, {x - 3000, y + 2000}});
    }
    return k;
  }();
  return k;
}

void BM_KitClipper(benchmark::State& state) {
  ClipperLib::Paths reste;
  for (auto _ : state)
    reste = bilobe::imbrication::operation(ClipperLib::ctDifference, {kit().contour}, kit().encoches);
  state.counters["aire_mm2"] = bilobe::imbrication::aire(reste) / 1e6;
}

void BM_KitBoostGeometry(benchmark::State& state) {
  const PolygoneEntier contour = en_boost(kit().contour);
  PolygonesEntiers encoches;
  for (const ClipperLib::Path& e : kit().encoches) encoches.push_back(en_boost(e));
  PolygonesEntiers reste;
  for (auto _ : state) {
    reste.clear();
    bg::difference(contour, encoches, reste);
  }
  state.counters["aire_mm2"] = static_cast<double>(bg::area(reste)) / 1e6;
}

BENCHMARK(BM_KitClipper)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KitBoostGeometry)->Unit(benchmark::kMicrosecond);

// In µm: a kerf's half and a wall, each way.
BENCHMARK(BM_Clipper)->Arg(50)->Arg(-50)->Arg(3000)->Arg(-3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoostGeometry)->Arg(50)->Arg(-50)->Arg(3000)->Arg(-3000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
