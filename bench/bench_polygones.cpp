// The polygon work, as the templates and the nesting do it:
// - the round offset of the default former's outer line, for a kerf
//   (0.05 mm) and a constant wall (3 mm), outwards and inwards; counters:
//   the point count and the shortest segment (mm);
// - the nesting's free space: the example's 40 formers nested, then the
//   places left on the first sheet for the smallest former (the sheet less
//   the zones its placed neighbours forbid, which overlap); counter: the
//   free area (mm²);
// - the kit's cut: the former's outline less eight notches (6 x 4 mm
//   rectangles across its edge); counter: the area left (mm²).
#include "geometry/convexe.h"
#include "geometry/decalage.h"
#include "geometry/gabarit.h"
#include "geometry/polygones.h"
#include "geometry/trace.h"
#include "serie/fichier_fuselage.h"
#include "serie/imbrication.h"
#include "serie/piece_imbriquee.h"
#include "serie/serie_imbriquee.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

namespace pg = bilobe::polygones;

const bilobe::Boucle& contour() {
  static const bilobe::Boucle c = bilobe::construire_gabarit(bilobe::tracer(bilobe::ChampsCouple{})).exterieur;
  return c;
}

void BM_Decalage(benchmark::State& state) {
  const double d = static_cast<double>(state.range(0)) / 1000;
  bilobe::Boucle resultat;
  for (auto _ : state) resultat = bilobe::decaler(contour(), d, "mesure");
  double plus_court = INFINITY;
  for (std::size_t k = 0; k < resultat.size(); ++k) {
    const bilobe::PointMm a = resultat[k], b = resultat[(k + 1) % resultat.size()];
    plus_court = std::min(plus_court, std::hypot(b.x - a.x, b.y - a.y));
  }
  state.counters["points"] = static_cast<double>(resultat.size());
  state.counters["plus_court_mm"] = plus_court;
}
// In µm: a kerf's half and a wall, each way.
BENCHMARK(BM_Decalage)->Arg(50)->Arg(-50)->Arg(3000)->Arg(-3000)->Unit(benchmark::kMicrosecond);

// The sheet's rectangle and the zones forbidden to the smallest former's
// corner on the first sheet of the example's 40 formers, in µm.
struct Espace {
  pg::Zone planche, zones;
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
    const pg::Chemin moins_b = bilobe::convexe::oppose(pieces[petite].sens[0].recherche.exterieur);
    Espace e;
    const pg::Entier l = bilobe::imbrication::vers_le_bas(d.planche.largeur),
                     h = bilobe::imbrication::vers_le_bas(d.planche.hauteur);
    e.planche = pg::zone_de({{0, 0}, {l, 0}, {l, h}, {0, h}});
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      const bilobe::PiecePlacee& p = serie.imbrication.pieces[k];
      if (p.planche != 0 || k == petite) continue;
      // The places are whole micrometres: rounded back, not cut.
      const pg::Point a{std::llround(p.x * 1000), std::llround(p.y * 1000)};
      e.zones.push_back(
          {bilobe::convexe::somme(
               bilobe::convexe::translate(pieces[k].sens[p.retournee ? 1 : 0].recherche.exterieur, a), moins_b),
           {}});
    }
    return e;
  }();
  return e;
}

void BM_PlaceLibre(benchmark::State& state) {
  pg::Zone libre;
  for (auto _ : state) libre = pg::difference(espace().planche, espace().zones);
  state.counters["zones"] = static_cast<double>(espace().zones.size());
  state.counters["aire_mm2"] = pg::aire(libre) / 1e6;
}
BENCHMARK(BM_PlaceLibre)->Unit(benchmark::kMicrosecond);

// The default former's outline and eight notch rectangles across it, in µm.
struct Kit {
  pg::Zone contour, encoches;
};
const Kit& kit() {
  static const Kit k = [] {
    Kit k;
    const bilobe::Boucle& c = contour();
    pg::Chemin chemin;
    for (const bilobe::PointMm& p : c) chemin.push_back({std::llround(p.x * 1000), std::llround(p.y * 1000)});
    k.contour = pg::zone_de(pg::positif(std::move(chemin)));
    for (std::size_t n = 0; n < 8; ++n) {
      const bilobe::PointMm& p = c[n * c.size() / 8];
      const pg::Entier x = std::llround(p.x * 1000), y = std::llround(p.y * 1000);
      k.encoches.push_back(
          {{{x - 3000, y - 2000}, {x + 3000, y - 2000}, {x + 3000, y + 2000}, {x - 3000, y + 2000}}, {}});
    }
    return k;
  }();
  return k;
}

void BM_Kit(benchmark::State& state) {
  pg::Zone reste;
  for (auto _ : state) reste = pg::difference(kit().contour, kit().encoches);
  state.counters["aire_mm2"] = pg::aire(reste) / 1e6;
}
BENCHMARK(BM_Kit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
