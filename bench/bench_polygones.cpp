// Before the polygons leave Clipper (Debian has none for Windows or the
// browser): Clipper's round offset beside Boost.Geometry's buffer, on the
// default former's outer line, for a kerf (0.05 mm) and a constant wall
// (3 mm), outwards and inwards. Counters: how far Boost's points stand from
// Clipper's line (mm), its shortest segment (mm) and its point count.
#include "geometry/decalage.h"
#include "geometry/gabarit.h"
#include "geometry/trace.h"

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

// In µm: a kerf's half and a wall, each way.
BENCHMARK(BM_Clipper)->Arg(50)->Arg(-50)->Arg(3000)->Arg(-3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoostGeometry)->Arg(50)->Arg(-50)->Arg(3000)->Arg(-3000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
