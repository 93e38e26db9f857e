// The trace and the DAT bytes of a 999-point outline, each beside a baseline
// measured in the same run: the bare sin/cos calls of the trace, and
// std::to_chars of the same 1998 numbers.
#include "formats/texte_dat.h"
#include "geometry/gabarit.h"
#include "geometry/trace.h"
#include "ui/modeles/remise.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

bilobe::ChampsCouple champs_999() {
  bilobe::ChampsCouple c;
  c.nbptel = "165"; // 6 · 165 + 9 = 999 points
  return c;
}

// The angles at which the six arcs of the 999-point trace call cos and sin.
std::vector<double> angles_du_trace() {
  const double nbptel = 165;
  const double t1 = 0.9272952180016122, t2 = 0.6435011087932844;
  const double t1i = 0.9603621177077957, t2i = 0.6287067036928817;
  const double q = bilobe::QUART_DE_TOUR;
  std::vector<double> angles;
  for (double i = 0; i <= nbptel - 1; i += 1) {
    angles.push_back(-q + q / nbptel * i);
    angles.push_back(t1 / nbptel * i);
    angles.push_back(t2 + (q - t2) / nbptel * i);
    angles.push_back(q - (q - t2i) / nbptel * i);
    angles.push_back(t1i - t1i / nbptel * i);
    angles.push_back(-i * (q / nbptel));
  }
  return angles;
}

bilobe::DonneesExport export_999() {
  const bilobe::ChampsCouple c = champs_999();
  const bilobe::ResultatTrace trace = bilobe::tracer(c);
  bilobe::DonneesExport d;
  bilobe::remettre(trace.valeurs, trace.liste, d);
  return d;
}

void BM_Trace999(benchmark::State& state) {
  const bilobe::ChampsCouple c = champs_999();
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::tracer(c));
}
BENCHMARK(BM_Trace999);

void BM_Base_SinCos990(benchmark::State& state) {
  const std::vector<double> angles = angles_du_trace();
  for (auto _ : state) {
    for (const double a : angles) {
      benchmark::DoNotOptimize(std::cos(a));
      benchmark::DoNotOptimize(std::sin(a));
    }
  }
}
BENCHMARK(BM_Base_SinCos990);

void BM_OctetsDat999(benchmark::State& state) {
  const bilobe::DonneesExport d = export_999();
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::contenu_dat(d.Commentaire, d.liste()));
}
BENCHMARK(BM_OctetsDat999);

void BM_Base_ToChars1998(benchmark::State& state) {
  const bilobe::DonneesExport d = export_999();
  std::vector<double> nombres;
  for (int i = 1; i <= d.nbpts(); ++i) {
    nombres.push_back(d.liste().x(i));
    nombres.push_back(d.liste().y(i));
  }
  std::array<char, 64> tampon{};
  for (auto _ : state) {
    for (const double n : nombres) {
      auto r = std::to_chars(tampon.data(), tampon.data() + tampon.size(), n);
      benchmark::DoNotOptimize(r.ptr);
    }
  }
}
BENCHMARK(BM_Base_ToChars1998);

// A kit piece: the default former with 8 notch pairs and two tabs, beside the
// same template without them.
void gabarit(benchmark::State& state, const bilobe::OptionsGabarit& options) {
  const bilobe::ResultatTrace trace = bilobe::tracer(bilobe::ChampsCouple{});
  for (auto _ : state) benchmark::DoNotOptimize(bilobe::construire_gabarit(trace, options));
}
void BM_Base_GabaritSansKit(benchmark::State& state) { gabarit(state, {}); }
BENCHMARK(BM_Base_GabaritSansKit)->Unit(benchmark::kMicrosecond);

void BM_GabaritHuitPairesEtPattes(benchmark::State& state) {
  bilobe::OptionsGabarit o;
  for (int k = 1; k <= 8; ++k) o.encoches.push_back({0.1 * k + 0.02, false, 2, 2});
  o.pattes = bilobe::Pattes{false, 6, 15, 80};
  gabarit(state, o);
}
BENCHMARK(BM_GabaritHuitPairesEtPattes)->Unit(benchmark::kMicrosecond);

} // namespace
