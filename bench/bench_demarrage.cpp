// Process start to first frame: a bare Qt window against the program drawing
// its default former, on the same display (run under xvfb-run or a desktop).
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void lancer(benchmark::State& state, const char* programme) {
  for (auto _ : state) {
    char* arguments[] = {const_cast<char*>(programme), nullptr};
    pid_t pid = 0;
    int statut = 0;
    if (posix_spawn(&pid, programme, nullptr, nullptr, arguments, environ) != 0 || waitpid(pid, &statut, 0) != pid ||
        !WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
      state.SkipWithError("le programme n'a pas dessiné sa première image");
      return;
    }
  }
}

void BM_FenetreQtNue(benchmark::State& state) { lancer(state, DEMARRAGE_NU); }
BENCHMARK(BM_FenetreQtNue)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

void BM_CoupleParDefaut(benchmark::State& state) { lancer(state, DEMARRAGE_COUPLE); }
BENCHMARK(BM_CoupleParDefaut)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

} // namespace

BENCHMARK_MAIN();
