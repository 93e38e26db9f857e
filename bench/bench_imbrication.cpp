// The nesting of the example glider's formers by their true outlines, with
// its own 10 formers, then 15, 40, 200 and 1000 (the most a series takes): the time of the nesting alone (the
// formers are traced once, before), with the sheets used, the share of
// their area covered by material and the time per former; then 200 formers
// on one 2 x 2 m sheet (the most one sheet takes).
#include "serie/fichier_fuselage.h"
#include "serie/serie_imbriquee.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The example with `nombre` formers on sheets of `largeur` x `hauteur` mm.
void imbriquer(benchmark::State& state, double largeur, double hauteur) {
  bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  d.nombre = static_cast<int>(state.range(0));
  d.planche.largeur = largeur;
  d.planche.hauteur = hauteur;
  const bilobe::SerieTracee serie = bilobe::preparer_serie(d);
  std::vector<bilobe::PieceAImbriquer> pieces;
  double aire = 0;
  for (const bilobe::CoupleTrace& c : serie.couples) {
    pieces.push_back({c.couple.nom, c.gabarit.exterieur, {c.gabarit.interieur}});
    aire += c.gabarit.surface;
  }
  int planches = 0;
  for (auto _ : state) planches = bilobe::imbriquer(pieces, d.planche).planches;
  state.counters["planches"] = planches;
  state.counters["occupation_%"] = 100 * aire / (planches * d.planche.largeur * d.planche.hauteur);
  state.counters["par_couple"] = benchmark::Counter(
      static_cast<double>(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Imbrication(benchmark::State& state) { imbriquer(state, 200, 150); }
BENCHMARK(BM_Imbrication)->Arg(10)->Arg(15)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// Every former on one large sheet: the search among many placed parts.
void BM_ImbricationGrandePlanche(benchmark::State& state) { imbriquer(state, 2000, 2000); }
BENCHMARK(BM_ImbricationGrandePlanche)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
