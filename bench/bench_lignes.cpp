// The stations from traced lines, as the plan window's worker computes them
// after each change and for "Créer les stations": lines clicked by a builder (25
// points each), then lines no smooth series can follow (the 200-station
// limit reached), with and without the 10 000 points a line may have.
#include "serie/depuis_lignes.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using bilobe::LignesTracees;
using bilobe::PointMm;

LignesTracees lignes(int points, bool en_zigzag) {
  LignesTracees l;
  for (int k = 0; k < points; ++k) {
    const double x = 1000.0 * k / (points - 1), bosse = std::sin(x / 1000 * 3.14159);
    l.dos.push_back({x, 10 + 30 * bosse});
    l.ventre.push_back({x, -8 - 22 * bosse});
    l.demi_largeur.push_back({x, en_zigzag && k % 2 ? 30.0 : 10 + 20 * bosse});
  }
  return l;
}

void BM_Lignes(benchmark::State& state) {
  const LignesTracees l = lignes(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(bilobe::stations_depuis_lignes(l, {}));
    } catch (const std::exception&) { // the limit reached: what it costs is the point
    }
  }
}
BENCHMARK(BM_Lignes)->Args({25, 0})->Args({1001, 1})->Args({10000, 1})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
