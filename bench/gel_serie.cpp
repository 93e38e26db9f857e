// How long the series window keeps its user waiting: a timer that should
// tick at once measures the longest stretch the window's thread is busy
// while a user types in a cell, in the name and in the count, and looks at
// each view, on the example fuselage and with 1000 formers.
// Run by hand: QT_QPA_PLATFORM=offscreen build/bench/bench/gel_serie
#include "ui/frm_bi_lobe.h"
#include "ui/frm_serie.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The longest gap between two ticks while `geste` runs and its views come.
double plus_long_blocage_ms(bilobe::ui::Frm_Serie& s, const std::function<void()>& geste) {
  QElapsedTimer horloge;
  horloge.start();
  qint64 dernier = 0, pire = 0;
  QTimer battement;
  QObject::connect(&battement, &QTimer::timeout, [&] {
    const qint64 t = horloge.nsecsElapsed();
    pire = std::max(pire, t - dernier);
    dernier = t;
  });
  battement.start(0);
  QTest::qWait(20);
  dernier = horloge.nsecsElapsed();
  pire = 0;
  geste();
  while (s.calcul_en_cours()) QTest::qWait(5);
  QTest::qWait(100); // the paint that follows
  return static_cast<double>(pire) / 1e6;
}

void mesurer(bilobe::ui::Frm_Serie& s, const char* cas) {
  auto* table = s.findChild<QTableWidget*>("tab_stations");
  auto* nom = s.findChild<QLineEdit*>("txt_nom");
  auto* onglets = s.findChild<QTabWidget*>("onglets");
  const auto cellule = [&] { table->item(1, 1)->setText(table->item(1, 1)->text() == "33" ? "34" : "33"); };
  // Each gesture from the tab given first.
  const struct {
    const char* nom;
    int onglet;
    std::function<void()> geste;
  } gestes[] = {
      {"cellule", 0, cellule},
      {"nom", 0, [&] { QTest::keyClicks(nom, "ab", Qt::NoModifier, 30); }},
      {"onglet Planches", 0, [&] { onglets->setCurrentIndex(1); }},
      {"onglet 3D", 0, [&] { onglets->setCurrentIndex(2); }},
      {"onglet Profil", 1, [&] { onglets->setCurrentIndex(0); }},
      {"cellule (Plan.)", 1, cellule},
      {"cellule (3D)", 2, cellule},
  };
  for (const auto& g : gestes) {
    std::vector<double> fois;
    for (int k = 0; k < 5; ++k) {
      plus_long_blocage_ms(s, [&] { onglets->setCurrentIndex(g.onglet); });
      fois.push_back(plus_long_blocage_ms(s, g.geste));
    }
    std::sort(fois.begin(), fois.end());
    std::printf("%-14s %-16s médiane %6.1f ms, pire %6.1f ms\n", cas, g.nom, fois[2], fois.back());
  }
}

} // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bilobe::ui::Frm_Bi_Lobe f;
  f.show();
  f.ouvrir_serie();
  bilobe::ui::Frm_Serie& s = *f.fenetre_serie();
  s.ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
  s.attendre_les_vues();
  mesurer(s, "exemple");
  s.findChild<QSpinBox*>("txt_nombre")->setValue(1000);
  s.attendre_les_vues();
  QTest::qWait(200);
  mesurer(s, "1000 couples");
  s.setWindowModified(false);
  return 0;
}
