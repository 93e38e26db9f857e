#include "serie/plan_trace.h"

#include "common/erreurs.h"

#include <cmath>
#include <numbers>

namespace bilobe {

namespace {

PointMm origine(const CalagePlan& c, VuePlan vue) { return vue == VuePlan::Cote ? c.nez_cote : c.nez_dessus; }

} // namespace

PointMm vers_mm(const CalagePlan& c, VuePlan vue, PointMm plan) {
  const PointMm o = origine(c, vue);
  const double dx = plan.x - o.x, dy = plan.y - o.y;
  const double cs = std::cos(c.angle), sn = std::sin(c.angle);
  // Turned back by the angle; y down on the plan, up in mm.
  const double x = dx * cs + dy * sn, y = -dx * sn + dy * cs;
  return {x * c.mm_par_unite, -y * c.mm_par_unite};
}

PointMm vers_plan(const CalagePlan& c, VuePlan vue, PointMm mm) {
  const PointMm o = origine(c, vue);
  const double x = mm.x / c.mm_par_unite, y = -mm.y / c.mm_par_unite;
  const double cs = std::cos(c.angle), sn = std::sin(c.angle);
  return {o.x + x * cs - y * sn, o.y + x * sn + y * cs};
}

double echelle_par_deux_points(PointMm a, PointMm b, double distance_mm) {
  if (!std::isfinite(distance_mm) || !(distance_mm > 0) || distance_mm > 1e6)
    throw DescriptionInvalide("échelle : la distance doit être un nombre de mm positif");
  const double d = std::hypot(b.x - a.x, b.y - a.y);
  if (!(d > 0) || !std::isfinite(d)) throw DescriptionInvalide("échelle : les deux points sont confondus");
  return distance_mm / d;
}

double angle_par_deux_points(PointMm a, PointMm b) {
  if (a == b) throw DescriptionInvalide("horizontale : les deux points sont confondus");
  double angle = std::atan2(b.y - a.y, b.x - a.x);
  // Clicked right to left, the same line.
  if (angle > std::numbers::pi / 2) angle -= std::numbers::pi;
  if (angle < -std::numbers::pi / 2) angle += std::numbers::pi;
  return angle;
}

} // namespace bilobe
