// The fuselage in 3D: the mesh of the example's 1 m fuselage at a 5 mm step,
// solid and as a shell, and its STL bytes; the light mesh of the 3D view.
#include "formats/stl.h"
#include "serie/fichier_fuselage.h"
#include "serie/fuselage_3d.h"

#include <benchmark/benchmark.h>

namespace {

bilobe::DescriptionSerie exemple(double paroi) {
  bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  d.impression_3d = {5, paroi, 0};
  return d;
}

void BM_Maillage1mPas5(benchmark::State& state) {
  const bilobe::DescriptionSerie d = exemple(static_cast<double>(state.range(0)));
  std::size_t triangles = 0;
  for (auto _ : state) triangles = bilobe::pieces_du_fuselage(d).front().triangles.size();
  state.counters["triangles"] = static_cast<double>(triangles);
}
BENCHMARK(BM_Maillage1mPas5)->Arg(0)->Arg(2)->ArgName("paroi")->Unit(benchmark::kMillisecond);

void BM_OctetsStl(benchmark::State& state) {
  const bilobe::Maillage m = bilobe::pieces_du_fuselage(exemple(0)).front();
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::contenu_stl(m, "Fuselage"));
}
BENCHMARK(BM_OctetsStl)->Unit(benchmark::kMillisecond);

void BM_ApercuDeLaVue3d(benchmark::State& state) {
  const bilobe::DescriptionSerie d = exemple(0);
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::apercu_3d(d));
}
BENCHMARK(BM_ApercuDeLaVue3d)->Unit(benchmark::kMillisecond);

} // namespace
