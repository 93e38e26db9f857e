#include "ui/vue_svg.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace bilobe::ui {

namespace {
constexpr int MARGE = 6;            // px around each drawing
constexpr int HAUTEUR_LEGENDE = 18; // px for a caption
constexpr double ZOOM_PAR_CRAN = 1.25;
constexpr double ZOOM_MAX = 64;
} // namespace

VueSvg::VueSvg(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  Bt_Ajuster = new QToolButton(this);
  Bt_Ajuster->setObjectName("Bt_Ajuster");
  Bt_Ajuster->setText(QStringLiteral("Ajuster"));
  Bt_Ajuster->setToolTip(QStringLiteral("Tout voir (aussi : double-clic)"));
  Bt_Ajuster->hide(); // while nothing is zoomed
  connect(Bt_Ajuster, &QToolButton::clicked, this, &VueSvg::ajuster);
}

void VueSvg::ajuster() {
  zoom_ = 1;
  decalage_ = {};
  Bt_Ajuster->hide();
  update();
}

// About the pointer: the point under it stays under it.
void VueSvg::wheelEvent(QWheelEvent* evenement) {
  const double crans = evenement->angleDelta().y() / 120.0;
  if (crans == 0) return;
  const double nouveau = std::clamp(zoom_ * std::pow(ZOOM_PAR_CRAN, crans), 1.0, ZOOM_MAX);
  const QPointF ici = evenement->position();
  decalage_ = ici - (ici - decalage_) * (nouveau / zoom_);
  zoom_ = nouveau;
  if (zoom_ == 1) decalage_ = {};
  Bt_Ajuster->setVisible(zoom_ > 1);
  evenement->accept();
  update();
}

void VueSvg::mousePressEvent(QMouseEvent* evenement) { souris_ = evenement->position(); }

void VueSvg::mouseMoveEvent(QMouseEvent* evenement) {
  if (!(evenement->buttons() & Qt::LeftButton) || zoom_ == 1) return;
  decalage_ += evenement->position() - souris_;
  souris_ = evenement->position();
  update();
}

void VueSvg::mouseDoubleClickEvent(QMouseEvent*) { ajuster(); }

void VueSvg::resizeEvent(QResizeEvent*) {
  Bt_Ajuster->adjustSize();
  Bt_Ajuster->move(width() - Bt_Ajuster->width() - MARGE, MARGE);
}

VueSvg::Lus VueSvg::lire(std::vector<Dessin> dessins) {
  Lus lus{std::move(dessins), {}};
  for (const Dessin& d : lus.dessins) {
    auto rendu = std::make_shared<QSvgRenderer>(QByteArray(d.svg.data(), static_cast<qsizetype>(d.svg.size())));
    rendu->moveToThread(QCoreApplication::instance()->thread()); // where it will be drawn
    lus.rendus.push_back(std::move(rendu));
  }
  return lus;
}

void VueSvg::montrer(Lus lus) {
  dessins_ = std::move(lus.dessins);
  rendus_ = std::move(lus.rendus);
  update();
}

void VueSvg::paintEvent(QPaintEvent*) {
  if (rendus_.empty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(decalage_);
  p.scale(zoom_, zoom_);
  const int n = static_cast<int>(rendus_.size());
  const int colonnes = static_cast<int>(std::ceil(std::sqrt(n)));
  const int lignes = (n + colonnes - 1) / colonnes;
  const double largeur = static_cast<double>(width()) / colonnes;
  const double hauteur = static_cast<double>(height()) / lignes;
  for (int k = 0; k < n; ++k) {
    QRectF case_(largeur * (k % colonnes), hauteur * (k / colonnes), largeur, hauteur);
    case_.adjust(MARGE, MARGE, -MARGE, -MARGE);
    if (!dessins_[static_cast<std::size_t>(k)].legende.isEmpty()) {
      p.setPen(Qt::black);
      // Shortened in the middle when too long: its end ("occupation 46.7 %") stays.
      const QRectF ligne = case_.adjusted(0, 0, 0, -(case_.height() - HAUTEUR_LEGENDE));
      p.drawText(ligne, Qt::AlignLeft | Qt::AlignVCenter,
                 p.fontMetrics().elidedText(dessins_[static_cast<std::size_t>(k)].legende, Qt::ElideMiddle,
                                            static_cast<int>(ligne.width())));
      case_.adjust(0, HAUTEUR_LEGENDE, 0, 0);
    }
    // The drawing's own proportions, centred in its share.
    const QSizeF taille = rendus_[static_cast<std::size_t>(k)]->viewBoxF().size();
    if (taille.isEmpty() || case_.isEmpty()) continue;
    const double echelle = std::min(case_.width() / taille.width(), case_.height() / taille.height());
    const QSizeF vue = taille * echelle;
    const QRectF cible(case_.center() - QPointF(vue.width() / 2, vue.height() / 2), vue);
    rendus_[static_cast<std::size_t>(k)]->render(&p, cible);
  }
  p.resetTransform();
  if (!isEnabled()) p.fillRect(rect(), QColor(255, 255, 255, 160)); // greyed: what was last drawn
}

} // namespace bilobe::ui
