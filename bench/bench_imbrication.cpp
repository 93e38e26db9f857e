// The nesting of the example glider's formers by their true outlines, with
// its own 10 formers, then 15, 40, 200 and 1000 (the most a series takes): the time of the nesting alone (the
// formers are traced once, before), with the sheets used and the share of
// their area inside the formers' outer lines.
#include "serie/fichier_fuselage.h"
#include "serie/serie_imbriquee.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

void BM_Imbrication(benchmark::State& state) {
  bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  d.nombre = static_cast<int>(state.range(0));
  const bilobe::SerieTracee serie = bilobe::preparer_serie(d);
  std::vector<bilobe::PieceAImbriquer> pieces;
  double aire = 0;
  for (const bilobe::CoupleTrace& c : serie.couples) {
    pieces.push_back({c.couple.nom, c.gabarit.exterieur, {c.gabarit.interieur}});
    aire += std::abs(bilobe::aire_signee(c.gabarit.exterieur));
  }
  int planches = 0;
  for (auto _ : state) planches = bilobe::imbriquer(pieces, d.planche).planches;
  state.counters["planches"] = planches;
  state.counters["occupation_%"] = 100 * aire / (planches * d.planche.largeur * d.planche.hauteur);
}
BENCHMARK(BM_Imbrication)->Arg(10)->Arg(15)->Arg(40)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
