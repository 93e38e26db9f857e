#pragma once

#include "serie/fuselage_3d.h"
#include "ui/modeles/scene_3d.h"

#include <QPoint>
#include <QWidget>

namespace bilobe::ui {

// The fuselage in 3D, shaded, with its formers as rings where they stand:
// turned by dragging with the mouse, zoomed with the wheel, back to its
// first view with a double-click. Drawn with a painter, triangles sorted by
// depth: it shows the same everywhere, offscreen too.
class Vue3d : public QWidget {
  Q_OBJECT
public:
  Vue3d();
  void montrer(Apercu3d apercu);
  const Orientation3d& orientation() const { return orientation_; }
  // The fuselage's colour when fully lit; shades of it where it turns away.
  static constexpr QRgb COULEUR = 0x4a86c8;

protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void wheelEvent(QWheelEvent* evenement) override;

private:
  Apercu3d apercu_;
  Orientation3d orientation_;
  QPoint souris_;
};

} // namespace bilobe::ui
