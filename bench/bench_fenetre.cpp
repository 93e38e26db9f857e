// The main window's reaction times, on Qt's offscreen platform: from the
// Enter key in a field to the repainted preview, and from the creation of
// the window to the first former drawn on screen.
#include "ui/frm_bi_lobe.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

namespace {

void BM_EntreeJusquAuDessin(benchmark::State& state) {
  bilobe::ui::Frm_Bi_Lobe f;
  f.show();
  QApplication::processEvents();
  for (auto _ : state) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(f.txt_xtot, &appui);
    f.Dessin->repaint(); // paints at once, as the screen would
  }
}
BENCHMARK(BM_EntreeJusquAuDessin)->Unit(benchmark::kMicrosecond);

void BM_CreationJusquAuPremierCouple(benchmark::State& state) {
  for (auto _ : state) {
    bilobe::ui::Frm_Bi_Lobe f;
    f.show();
    QApplication::processEvents();
    f.repaint();
    if (f.lbl_nbpts->text() != QStringLiteral(" 549 points)")) state.SkipWithError("pas de couple tracé");
  }
}
BENCHMARK(BM_CreationJusquAuPremierCouple)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
