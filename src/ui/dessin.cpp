#include "ui/dessin.h"

#include <QPainter>

namespace bilobe::ui {

namespace {
constexpr int LARGEUR = fenetre_apercu::LARGEUR_TWIPS / 15;
constexpr int HAUTEUR = fenetre_apercu::HAUTEUR_TWIPS / 15;

QPointF en_pixels(PointApercu p) {
  const PositionPixel px = vers_pixels(p);
  return {px.x, px.y};
}
} // namespace

SurfaceDessin::SurfaceDessin(QWidget* parent) : QFrame(parent), image_(LARGEUR, HAUTEUR, QImage::Format_RGB32) {
  setObjectName("Dessin");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(BORDURE);
  setFocusPolicy(Qt::NoFocus);
  effacer();
}

void SurfaceDessin::effacer() {
  image_.fill(FOND);
  update();
}

void SurfaceDessin::ligne(PointApercu de, PointApercu a, const QColor& couleur) {
  QPainter p(&image_);
  p.setPen(QPen(couleur, 0)); // thin solid line, clipped at the image's edges
  p.drawLine(en_pixels(de), en_pixels(a));
  update();
}

void SurfaceDessin::dessiner(const Apercu& apercu) {
  using namespace fenetre_apercu;
  effacer();
  ligne(CENTRE_BAS, CENTRE_HAUT, Qt::black);
  ligne({NIVEAU_GAUCHE, apercu.niveau}, {NIVEAU_DROITE, apercu.niveau}, Qt::black);
  QPainter p(&image_);
  p.setPen(QPen(QColor(0, 0, 255), 0));
  for (std::size_t k = 1; k < apercu.polyligne.size(); ++k)
    p.drawLine(en_pixels(apercu.polyligne[k - 1]), en_pixels(apercu.polyligne[k]));
}

void SurfaceDessin::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event); // the sunken border
  QPainter p(this);
  p.drawImage(contentsRect().topLeft(), image_);
}

} // namespace bilobe::ui
