#include "ui/dessin.h"

#include <QPainter>

namespace bilobe::ui {

namespace {
constexpr int LARGEUR = fenetre_apercu::en_pixels(fenetre_apercu::LARGEUR_TWIPS);
constexpr int HAUTEUR = fenetre_apercu::en_pixels(fenetre_apercu::HAUTEUR_TWIPS);

QPointF en_pixels(PointApercu p) {
  const PositionPixel px = vers_pixels(p);
  return {px.x, px.y};
}
} // namespace

SurfaceDessin::SurfaceDessin(QWidget* parent) : QFrame(parent) {
  setObjectName("Dessin");
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(BORDURE);
  setFocusPolicy(Qt::NoFocus);
  rendre(1.0);
}

void SurfaceDessin::dessiner(const Apercu& apercu) {
  apercu_ = apercu;
  rendre(devicePixelRatioF());
  update();
}

const QImage& SurfaceDessin::image() {
  if (image_.devicePixelRatio() != devicePixelRatioF()) rendre(devicePixelRatioF());
  return image_;
}

void SurfaceDessin::rendre(qreal rapport_pixels) {
  using namespace fenetre_apercu;
  image_ = QImage(QSize(LARGEUR, HAUTEUR) * rapport_pixels, QImage::Format_RGB32);
  image_.setDevicePixelRatio(rapport_pixels);
  image_.fill(FOND);
  if (!apercu_) return;
  QPainter p(&image_);
  // Shrunk only when the notches and tabs reach beyond the window.
  const Cadrage c = cadrage(*apercu_);
  p.setTransform(QTransform(c.echelle, 0, 0, c.echelle, c.dx, c.dy));
  p.setPen(QPen(Qt::black, 0)); // thin solid lines, clipped at the edges
  p.drawLine(en_pixels(CENTRE_BAS), en_pixels(CENTRE_HAUT));
  p.drawLine(en_pixels({NIVEAU_GAUCHE, apercu_->niveau}), en_pixels({NIVEAU_DROITE, apercu_->niveau}));
  p.setPen(QPen(QColor(0, 0, 255), 0));
  const auto& points = apercu_->polyligne;
  for (std::size_t k = 1; k < points.size(); ++k) p.drawLine(en_pixels(points[k - 1]), en_pixels(points[k]));
  // The notches and tabs of the templates, in the kit's own colour.
  p.setPen(QPen(COULEUR_KIT, 0));
  for (const auto& trait : apercu_->kit)
    for (std::size_t k = 1; k < trait.size(); ++k) p.drawLine(en_pixels(trait[k - 1]), en_pixels(trait[k]));
  p.resetTransform();
  if (!apercu_->mention_kit.empty()) mentionner_kit(p);
  if (apercu_->alerte.empty()) return;

  // A shape that cannot be cut: its crossings ringed in red, and what is
  // wrong in red in the middle of the drawing, where the hollow usually is.
  const QColor rouge(255, 0, 0);
  p.setPen(QPen(rouge, 1.5));
  p.setBrush(Qt::NoBrush);
  p.setRenderHint(QPainter::Antialiasing);
  for (const PointApercu& c : apercu_->croisements) p.drawEllipse(en_pixels(c), 3.5, 3.5);
  p.setPen(rouge);
  p.setFont(font());
  const QRect milieu(2, HAUTEUR / 2, LARGEUR - 4, 2 * fontMetrics().height());
  p.drawText(milieu, Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
             QStringLiteral("Forme impossible à découper :\n") + QString::fromStdString(apercu_->alerte));
}

// What the templates add, in the top right corner, one item a line, over
// a pale ground that keeps it readable across a line.
void SurfaceDessin::mentionner_kit(QPainter& p) {
  QFont petite = font();
  petite.setPointSizeF(petite.pointSizeF() * 0.85);
  p.setFont(petite);
  const QString texte =
      QString::fromStdString(apercu_->mention_kit).replace(QStringLiteral(" · "), QStringLiteral("\n"));
  const QRect zone = QFontMetrics(petite)
                         .boundingRect(QRect(0, 0, LARGEUR, HAUTEUR), Qt::AlignRight | Qt::AlignTop, texte)
                         .adjusted(-3, -1, 3, 1)
                         .translated(-3, 3);
  p.fillRect(zone, QColor(255, 255, 255, 200));
  p.setPen(COULEUR_KIT);
  p.drawText(zone, Qt::AlignRight | Qt::AlignVCenter, texte);
}

void SurfaceDessin::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event); // the sunken border
  QPainter p(this);
  p.drawImage(contentsRect().topLeft(), image());
}

} // namespace bilobe::ui
