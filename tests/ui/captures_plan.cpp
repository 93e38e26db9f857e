// The README's pictures of "Depuis un plan", step by step: the test plan
// written into DOSSIER, opened, set to scale, traced, its stations created;
// each step's windows grabbed into DOSSIER as plan-1-ouvert.png…
//   captures-plan DOSSIER
#include "clics_plan.h"

#include "ui/frm_serie.h"

#include <QDir>

using namespace bilobe;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) return 2;
  const QDir dossier(QString::fromLocal8Bit(argv[1]));
  const QString scan = dossier.filePath("plan-planeur.png");
  plan_synthetique::dessiner_scan(scan);
  plan_synthetique::dessiner_dxf(dossier.filePath("plan-planeur.dxf"));

  ui::Frm_Serie serie{ChampsCouple{}};
  serie.resize(1280, 860);
  serie.show();
  serie.ouvrir_plan();
  auto* plan = serie.findChild<ui::Frm_Plan*>("Frm_Plan");
  plan->resize(1400, 900); // as the program opens it on a 1920 x 1080 screen
  plan->demander_distance = [] { return std::optional(plan_synthetique::BARRE_MM); };
  const auto photo = [&](QWidget* w, const char* nom) {
    QTest::qWait(300);
    w->grab().save(dossier.filePath(nom));
  };
  if (!plan->ouvrir_plan(scan)) return 1;
  photo(plan, "plan-1-ouvert.png");
  clics_plan::caler_le_scan(plan);
  plan->attendre();
  photo(plan, "plan-2-cale.png");
  clics_plan::tracer(plan, plan_synthetique::CALAGE, false);
  plan->attendre();
  photo(plan, "plan-3-trace.png");
  clics_plan::outil(plan, "Bt_Creer");
  plan->attendre();
  serie.attendre_les_vues();
  photo(plan, "plan-4-couples.png");
  photo(&serie, "plan-5-serie.png");
  return 0;
}
