#pragma once

#include "ui/modeles/apercu.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPainter>

#include <optional>

namespace bilobe::ui {

// The preview surface: a light-yellow picture box with a sunken border whose
// logical window runs from x -0.05 to 0.50 and y 1.05 down to -0.05. What is
// drawn is kept, so it survives being covered and uncovered, and is drawn
// again at the screen's own resolution when that changes.
class SurfaceDessin : public QFrame {
  Q_OBJECT
public:
  static inline const QColor FOND{255, 255, 192};
  static inline const QColor COULEUR_KIT{200, 0, 160};
  static constexpr int BORDURE = 2; // pixels, each side

  explicit SurfaceDessin(QWidget* parent = nullptr);

  // Clears the surface, then draws the centre line, the level line and the outline.
  void dessiner(const Apercu& apercu);

  // The drawing area as it is on screen.
  const QImage& image();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void rendre(qreal rapport_pixels);
  void mentionner_kit(QPainter& p);

  std::optional<Apercu> apercu_;
  QImage image_;
};

} // namespace bilobe::ui
