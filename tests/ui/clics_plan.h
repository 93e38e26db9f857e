#pragma once

// A builder's clicks on the plan window: exact points of the plan, the
// tools chosen by their buttons.
#include "controle.h"
#include "plan_synthetique.h"

#include "ui/frm_plan.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace clics_plan {

using namespace bilobe;

inline void cliquer(ui::Calque* c, PointMm p, Qt::MouseButton bouton = Qt::LeftButton) {
  const QPointF e = c->vers_ecran(p);
  QMouseEvent appui(QEvent::MouseButtonPress, e, c->mapToGlobal(e), bouton, bouton, Qt::NoModifier);
  QApplication::sendEvent(c, &appui);
  QMouseEvent lache(QEvent::MouseButtonRelease, e, c->mapToGlobal(e), bouton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(c, &lache);
}

inline void outil(ui::Frm_Plan* p, const char* bouton) {
  QTest::mouseClick(controle<QPushButton>(p, bouton), Qt::LeftButton);
}

// The scan's scale by its bar, its turn by two points of the datum.
inline void caler_le_scan(ui::Frm_Plan* p) {
  const auto [a, b] = plan_synthetique::barre();
  outil(p, "Bt_Echelle");
  cliquer(p->calque(), a);
  cliquer(p->calque(), b);
  const CalagePlan& vrai = plan_synthetique::CALAGE;
  outil(p, "Bt_Horizontale");
  cliquer(p->calque(), vers_plan(vrai, VuePlan::Cote, {900, 0}));
  cliquer(p->calque(), vers_plan(vrai, VuePlan::Cote, {100, 0}));
}

// The noses, then the lines clicked where the plan `vrai` draws them.
inline void tracer(ui::Frm_Plan* p, const CalagePlan& vrai, bool avec_niveau) {
  ui::Calque* c = p->calque();
  outil(p, "Bt_NezCote");
  cliquer(c, vers_plan(vrai, VuePlan::Cote, {0, 0}));
  outil(p, "Bt_NezDessus");
  cliquer(c, vers_plan(vrai, VuePlan::Dessus, {0, 0}));
  const auto lignes = plan_synthetique::lignes_vraies();
  const char* boutons[] = {"Bt_Dos", "Bt_Ventre", "Bt_Niveau", "Bt_DemiLargeur"};
  for (std::size_t l = 0; l < 4; ++l) {
    if (l == 2 && !avec_niveau) continue;
    outil(p, boutons[l]);
    for (const PointMm& q : lignes[l]) cliquer(c, vers_plan(vrai, l == 3 ? VuePlan::Dessus : VuePlan::Cote, q));
  }
}

} // namespace clics_plan
