#pragma once

#include "geometry/apercu.h"

#include <QColor>
#include <QFrame>
#include <QImage>

namespace bilobe::ui {

// The preview surface: a light-yellow picture box with a sunken border whose
// logical window runs from x -0.05 to 0.50 and y 1.05 down to -0.05. What is
// drawn is kept in an image, so it survives being covered and uncovered.
class SurfaceDessin : public QFrame {
  Q_OBJECT
public:
  static inline const QColor FOND{255, 255, 192};
  static constexpr int BORDURE = 2; // pixels, each side

  explicit SurfaceDessin(QWidget* parent = nullptr);

  void effacer();
  void ligne(PointApercu de, PointApercu a, const QColor& couleur);
  // Clears, then draws the centre line, the level line and the outline.
  void dessiner(const Apercu& apercu);

  const QImage& image() const { return image_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage image_;
};

} // namespace bilobe::ui
