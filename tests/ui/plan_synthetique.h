#pragma once

// A plan whose truth is known: the example fuselage's side and top views,
// drawn from its own series into a scan (turned a little, at a known
// scale) and into a DXF in mm, with the points a builder would click.
#include "formats/ecrivain_dxf.h"
#include "serie/fichier_fuselage.h"
#include "serie/interpolation.h"
#include "serie/plan_trace.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace plan_synthetique {

using bilobe::PointMm;

// How the scan lies: 0.25 mm per pixel, turned by 1.5°.
inline const bilobe::CalagePlan CALAGE{0.25, 1.5 * std::numbers::pi / 180, {200, 700}, {200, 1500}};
inline constexpr double BARRE_MM = 200; // the scale bar's length

// The four lines in mm (x from the nose): top, bottom, the datum as level,
// the half-width; `n` points each.
inline std::array<std::vector<PointMm>, 4> lignes_vraies(int n = 25) {
  const bilobe::DescriptionSerie d = bilobe::lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  std::vector<double> x;
  std::array<std::vector<double>, 3> v;
  for (const bilobe::Station& s : d.stations) {
    x.push_back(s.position);
    v[0].push_back(s.cotes[1]);
    v[1].push_back(s.cotes[4]);
    v[2].push_back(s.cotes[0]);
  }
  const bilobe::Courbe ytot(x, v[0], bilobe::Interpolation::Lisse), yinf(x, v[1], bilobe::Interpolation::Lisse),
      xtot(x, v[2], bilobe::Interpolation::Lisse);
  std::array<std::vector<PointMm>, 4> l;
  for (int k = 0; k < n; ++k) {
    const double xk = x.front() + (x.back() - x.front()) * k / (n - 1);
    l[0].push_back({xk, ytot(xk)});
    l[1].push_back({xk, -yinf(xk)});
    l[3].push_back({xk, xtot(xk)});
  }
  l[2] = {{x.front(), 0}, {x.back(), 0}};
  return l;
}

// The scale bar's ends on the scan.
inline std::array<PointMm, 2> barre() {
  using bilobe::VuePlan;
  return {bilobe::vers_plan(CALAGE, VuePlan::Dessus, {0, -100}),
          bilobe::vers_plan(CALAGE, VuePlan::Dessus, {BARRE_MM, -100})};
}

inline void dessiner_scan(const QString& chemin) {
  using bilobe::VuePlan;
  QImage image(4600, 2200, QImage::Format_RGB32);
  image.fill(QColor(250, 248, 240));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const auto sur = [](VuePlan vue, double x, double y) {
    const PointMm q = bilobe::vers_plan(CALAGE, vue, {x, y});
    return QPointF(q.x, q.y);
  };
  const auto fines = lignes_vraies(400);
  p.setPen(QPen(QColor(40, 40, 40), 5));
  for (const auto& [vue, l, signe] : {std::tuple{VuePlan::Cote, 0, 1.0}, std::tuple{VuePlan::Cote, 1, 1.0},
                                      std::tuple{VuePlan::Dessus, 3, 1.0}, std::tuple{VuePlan::Dessus, 3, -1.0}}) {
    QPolygonF trait;
    for (const PointMm& q : fines[static_cast<std::size_t>(l)]) trait << sur(vue, q.x, signe * q.y);
    p.drawPolyline(trait);
  }
  p.setPen(QPen(QColor(90, 90, 90), 3, Qt::DashDotLine));
  for (const VuePlan vue : {VuePlan::Cote, VuePlan::Dessus}) p.drawLine(sur(vue, -60, 0), sur(vue, 1060, 0));
  const auto [a, b] = barre();
  p.setPen(QPen(Qt::black, 6));
  p.drawLine(QPointF(a.x, a.y), QPointF(b.x, b.y));
  QFont police = p.font();
  police.setPixelSize(60);
  p.setFont(police);
  p.drawText(QPointF(a.x, a.y + 90), QStringLiteral("200 mm"));
  p.drawText(QPointF(200, 120), QStringLiteral("Planeur — vue de côté, vue de dessus"));
  p.end();
  image.save(chemin, "PNG");
}

// The same views in a DXF, in mm, y up: the side view's nose at (0, 0), the
// top view's at (0, -200).
inline void dessiner_dxf(const QString& chemin) {
  bilobe::Dxf dxf(0);
  dxf.section("HEADER")(9, "$INSUNITS")(70, "4")(0, "ENDSEC").section("ENTITIES");
  const auto fines = lignes_vraies(200);
  const auto polyligne = [&](const std::vector<PointMm>& points, double dy, double signe) {
    dxf(0, "LWPOLYLINE")(8, "0")(90, std::to_string(points.size()))(70, "0");
    for (const PointMm& q : points) dxf(10, std::to_string(q.x))(20, std::to_string(dy + signe * q.y));
  };
  polyligne(fines[0], 0, 1);
  polyligne(fines[1], 0, 1);
  polyligne(fines[3], -200, 1);
  polyligne(fines[3], -200, -1);
  dxf(0, "LINE")(8, "0").point(10, {-50, 0}).point(11, {1050, 0});
  dxf(0, "ENDSEC");
  QFile f(chemin);
  if (f.open(QIODevice::WriteOnly)) f.write(QByteArray::fromStdString(dxf.fin()));
}

} // namespace plan_synthetique
