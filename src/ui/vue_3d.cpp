#include "ui/vue_3d.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bilobe::ui {

namespace {

// A drag across the whole view turns the fuselage half a turn: gently, whatever its size.
double radians_par_pixel(int largeur) { return std::numbers::pi / std::max(largeur, 100); }
// Zoomed in or out, the fuselage stays in sight, never a dot.
constexpr double ZOOM_MIN = 0.5, ZOOM_MAX = 6;
constexpr double TANGAGE_MAX = std::numbers::pi / 2 * 0.98; // never quite from straight above
constexpr double ZOOM_PAR_CRAN = 1.15;

QColor ombre(QRgb couleur, float lumiere) {
  return QColor::fromRgbF(qRed(couleur) / 255.f * lumiere, qGreen(couleur) / 255.f * lumiere,
                          qBlue(couleur) / 255.f * lumiere);
}

} // namespace

Vue3d::Vue3d() {
  setMinimumSize(200, 150);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(QStringLiteral("Le fuselage en 3D, avec ses couples : glisser pour le tourner, molette pour zoomer, "
                            "double-clic pour revenir à la vue de départ"));
}

void Vue3d::montrer(Apercu3d apercu) {
  apercu_ = std::move(apercu);
  update();
}

void Vue3d::paintEvent(QPaintEvent*) {
  QPainter peintre(this);
  peintre.fillRect(rect(), isEnabled() ? Qt::white : palette().color(QPalette::Window));
  const std::vector<ElementScene> scene = scene_3d(apercu_.coque, apercu_.couples, orientation_, width(), height());
  const QPen anneau(isEnabled() ? QColor(0xc0, 0x30, 0x20) : Qt::darkGray, 2);
  for (const ElementScene& e : scene) {
    if (e.trait) {
      peintre.setPen(anneau);
      peintre.drawLine(QPointF(e.coins[0][0], e.coins[0][1]), QPointF(e.coins[1][0], e.coins[1][1]));
      continue;
    }
    // Outlined in its own colour: no light seam between two triangles.
    const QColor couleur = isEnabled() ? ombre(COULEUR, e.lumiere) : QColor::fromHsvF(0, 0, 0.4f + 0.5f * e.lumiere);
    peintre.setPen(couleur);
    peintre.setBrush(couleur);
    const QPointF coins[3] = {
        {e.coins[0][0], e.coins[0][1]}, {e.coins[1][0], e.coins[1][1]}, {e.coins[2][0], e.coins[2][1]}};
    peintre.drawConvexPolygon(coins, 3);
  }
}

void Vue3d::mousePressEvent(QMouseEvent* evenement) { souris_ = evenement->position().toPoint(); }

void Vue3d::mouseMoveEvent(QMouseEvent* evenement) {
  if (!(evenement->buttons() & Qt::LeftButton)) return;
  const QPoint ici = evenement->position().toPoint(), ecart = ici - souris_;
  souris_ = ici;
  orientation_.lacet += ecart.x() * radians_par_pixel(width());
  orientation_.tangage =
      std::clamp(orientation_.tangage + ecart.y() * radians_par_pixel(width()), -TANGAGE_MAX, TANGAGE_MAX);
  update();
}

void Vue3d::mouseDoubleClickEvent(QMouseEvent*) {
  orientation_ = {};
  update();
}

void Vue3d::wheelEvent(QWheelEvent* evenement) {
  const double crans = evenement->angleDelta().y() / 120.0;
  orientation_.zoom = std::clamp(orientation_.zoom * std::pow(ZOOM_PAR_CRAN, crans), ZOOM_MIN, ZOOM_MAX);
  update();
}

} // namespace bilobe::ui
