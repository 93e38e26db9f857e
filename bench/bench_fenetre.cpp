// The main window's reaction times, on Qt's offscreen platform: from the
// Enter key in a field to the repainted preview, and from the creation of
// the window to the first former drawn on screen; in the series window, from
// an edited cell to the views redrawn, for a 15-former series.
#include "controle.h"
#include "serie/fichier_fuselage.h"
#include "ui/frm_bi_lobe.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

void BM_EntreeJusquAuDessin(benchmark::State& state) {
  bilobe::ui::Frm_Bi_Lobe f;
  f.show();
  QApplication::processEvents();
  for (auto _ : state) {
    QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(controle<QLineEdit>(&f, "txt_xtot"), &appui);
    controle<bilobe::ui::SurfaceDessin>(&f, "Dessin")->repaint(); // paints at once, as the screen would
  }
}
BENCHMARK(BM_EntreeJusquAuDessin)->Unit(benchmark::kMicrosecond);

void BM_CreationJusquAuPremierCouple(benchmark::State& state) {
  for (auto _ : state) {
    bilobe::ui::Frm_Bi_Lobe f;
    f.show();
    QApplication::processEvents();
    f.repaint();
    if (controle<QLabel>(&f, "lbl_nbpts")->text() != QStringLiteral(" 549 points)"))
      state.SkipWithError("pas de couple tracé");
  }
}
BENCHMARK(BM_CreationJusquAuPremierCouple)->Unit(benchmark::kMicrosecond);

// The example glider with 15 formers; each edit changes the widest station,
// so that every former changes.
void BM_SerieCelluleJusquAuxVues(benchmark::State& state) {
  bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  d.nombre = 15;
  bilobe::ui::Frm_Serie s(bilobe::ChampsCouple{});
  s.remplir(d);
  controle<QTabWidget>(&s, "onglets")->setCurrentIndex(static_cast<int>(state.range(0)));
  s.show();
  QApplication::processEvents();
  int k = 0;
  for (auto _ : state) {
    controle<QTableWidget>(&s, "tab_stations")
        ->item(1, 1)
        ->setText(++k % 2 ? QStringLiteral("33") : QStringLiteral("32"));
    controle<QTabWidget>(&s, "onglets")->currentWidget()->repaint();
  }
  if (!s.serie() || s.serie()->couples.size() != 15) state.SkipWithError("série incomplète");
}
BENCHMARK(BM_SerieCelluleJusquAuxVues)->Arg(0)->Arg(1)->Arg(2)->ArgName("onglet")->Unit(benchmark::kMillisecond);

// One frame of the example's 3D tab, the window at its usual size, turned a
// little between two frames as a drag would.
void BM_Vue3dUneImage(benchmark::State& state) {
  bilobe::ui::Frm_Serie s(bilobe::ChampsCouple{});
  s.remplir(bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml"));
  s.resize(bilobe::ui::Frm_Serie::TAILLE_VOULUE);
  auto* vue = controle<bilobe::ui::Vue3d>(&s, "vue_3d");
  controle<QTabWidget>(&s, "onglets")->setCurrentWidget(vue);
  s.show();
  QApplication::processEvents();
  int k = 0;
  for (auto _ : state) {
    const QPoint de(100, 100), a(100 + (++k % 2 ? 3 : -3), 100);
    QMouseEvent appui(QEvent::MouseButtonPress, de, vue->mapToGlobal(de), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent glisse(QEvent::MouseMove, a, vue->mapToGlobal(a), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(vue, &appui);
    QApplication::sendEvent(vue, &glisse);
    vue->repaint();
  }
  state.counters["largeur"] = vue->width();
  state.counters["hauteur"] = vue->height();
}
BENCHMARK(BM_Vue3dUneImage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
