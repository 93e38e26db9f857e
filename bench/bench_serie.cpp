// A 40-former series of the example glider written in every format by
// bilobe-serie, beside 40 runs of bilobe-dat on the same formers' texts (in
// every format too, then the .DAT alone). Both write into a scratch folder
// and run in this process, as one command run does, without the start of a
// process. Usage: bench_serie FICHIER.toml
#include "cli/commande.h"
#include "cli/commande_serie.h"
#include "fichiers/fichiers.h"
#include "serie/fichier_fuselage.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string g_exemple;
fs::path g_brouillon;

// The example with 40 formers instead of its own count.
fs::path fuselage_40() {
  std::string texte = bilobe::fichiers_du_systeme().lire(g_exemple, 1 << 20);
  const auto debut = texte.find("\nnombre = ") + 1;
  texte.replace(debut, texte.find('\n', debut) - debut, "nombre = 40");
  const fs::path chemin = g_brouillon / "fuselage-40.toml";
  std::ofstream(chemin) << texte;
  return chemin;
}

void BM_Serie40(benchmark::State& state, const char* formats) {
  const fs::path fuselage = fuselage_40();
  const std::string dossier = (g_brouillon / "serie").string();
  for (auto _ : state) {
    std::ostringstream out, err;
    if (bilobe::cli::executer_serie({fuselage.string(), "-o", dossier, "--format", formats}, out, err) != 0)
      state.SkipWithError(err.str().c_str());
  }
}
BENCHMARK_CAPTURE(BM_Serie40, tous_formats, "dat,svg,dxf,pdf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Serie40, dat, "dat")->Unit(benchmark::kMillisecond);

void BM_BilobeDat40(benchmark::State& state, std::vector<const char*> formats) {
  const auto couples = bilobe::couples_de(
      bilobe::lire_description(bilobe::fichiers_du_systeme().lire(fuselage_40().string(), 1 << 20), "f"));
  std::vector<std::vector<std::string>> runs;
  for (const auto& c : couples)
    for (const char* format : formats) {
      const auto& t = c.champs;
      runs.push_back({"--xtot", t.xtot,     "--ytot", t.ytot,   "--xa",
                      t.xa,     "--ya",     t.ya,     "--yinf", t.yinf,
                      "--segh", t.segh,     "--segv", t.segv,   "--ep",
                      t.ep,     "--format", format,   "-o",     (g_brouillon / (c.nom + "." + format)).string()});
    }
  for (auto _ : state)
    for (const auto& arguments : runs) {
      std::ostringstream out, err;
      if (bilobe::cli::executer(arguments, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
  state.counters["runs"] = static_cast<double>(runs.size());
}
BENCHMARK_CAPTURE(BM_BilobeDat40, tous_formats, std::vector<const char*>{"dat", "svg", "dxf", "pdf"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BilobeDat40, dat, std::vector<const char*>{"dat"})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "Usage : bench_serie FICHIER.toml\n");
    return 2;
  }
  g_exemple = argv[1];
  g_brouillon = fs::temp_directory_path() / ("bilobe-bench-serie-" + std::to_string(::getpid()));
  fs::create_directories(g_brouillon);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(g_brouillon);
  return 0;
}
