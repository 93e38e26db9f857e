// The full-size templates of a 999-point outline: the template itself (two
// traces and the mirrored loops) beside one trace, and each file's bytes.
#include "formats/gabarit_dxf.h"
#include "formats/gabarit_pdf.h"
#include "formats/gabarit_svg.h"
#include "geometry/trace.h"

#include <benchmark/benchmark.h>

namespace {

bilobe::ChampsCouple champs_999() {
  bilobe::ChampsCouple c;
  c.nbptel = "165"; // 6 · 165 + 9 = 999 points
  return c;
}

void BM_Base_Trace999(benchmark::State& state) {
  const bilobe::ChampsCouple c = champs_999();
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::tracer(c));
}
BENCHMARK(BM_Base_Trace999)->Unit(benchmark::kMicrosecond);

// The template of the published trace, as the menu and the command make it.
void BM_Gabarit999(benchmark::State& state) {
  const bilobe::ResultatTrace trace = bilobe::tracer(champs_999());
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::construire_gabarit(trace));
}
BENCHMARK(BM_Gabarit999)->Unit(benchmark::kMicrosecond);

// A whole template action: the one trace, then the template.
void BM_TraceEtGabarit999(benchmark::State& state) {
  const bilobe::ChampsCouple c = champs_999();
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::construire_gabarit(bilobe::tracer(c)));
}
BENCHMARK(BM_TraceEtGabarit999)->Unit(benchmark::kMicrosecond);

template <std::string (*ecrire)(const bilobe::Gabarit&)> void BM_Octets(benchmark::State& state) {
  const bilobe::Gabarit g = bilobe::construire_gabarit(bilobe::tracer(champs_999()));
  std::size_t taille = 0;
  for (auto _ : state) taille = ecrire(g).size();
  state.counters["octets"] = static_cast<double>(taille);
}
BENCHMARK(BM_Octets<bilobe::contenu_svg>)->Name("BM_OctetsSvg999")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Octets<bilobe::contenu_dxf>)->Name("BM_OctetsDxf999")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Octets<bilobe::contenu_pdf>)->Name("BM_OctetsPdf999")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
