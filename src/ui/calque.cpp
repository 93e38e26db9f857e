#include "ui/calque.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace bilobe::ui {

namespace {

const QColor COULEURS[NB_LIGNES_PLAN] = {QColor(200, 30, 30), QColor(30, 60, 200), QColor(20, 140, 40),
                                         QColor(220, 120, 0)};
constexpr double RAYON_PX = 8; // a click this close to a point takes it

QPolygonF polygone(const std::vector<PointMm>& points) {
  QPolygonF p;
  for (const PointMm& q : points) p << QPointF(q.x, q.y);
  return p;
}

} // namespace

Calque::Calque(LignesPlan& lignes, QWidget* parent) : QWidget(parent), lignes_(lignes) {
  setMinimumSize(300, 200); // the window fits a small screen
  setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
}

void Calque::montrer(const SourcePlan* source) {
  source_ = source;
  ajuster();
}

void Calque::choisir_outil(Outil outil) {
  outil_ = outil;
  clics_.clear();
  setCursor(ligne_de(outil) ? Qt::CrossCursor : Qt::PointingHandCursor);
  update();
}

void Calque::montrer_couples(std::vector<TraitCouple> couples) {
  couples_ = std::move(couples);
  update();
}

void Calque::ajuster() {
  ajuste_ = true;
  const QRectF cadre = source_ ? source_->cadre() : QRectF();
  if (cadre.width() <= 0 || cadre.height() <= 0 || width() <= 0) {
    zoom_ = 1, decalage_ = {};
  } else {
    zoom_ = std::min(width() / cadre.width(), height() / cadre.height()) * 0.98;
    decalage_ = QPointF(width() / 2.0, height() / 2.0) - cadre.center() * zoom_;
  }
  update();
}

QPointF Calque::vers_ecran(PointMm p) const { return QPointF(p.x, p.y) * zoom_ + decalage_; }

PointMm Calque::point_du_plan(QPointF e) const {
  const QPointF p = (e - decalage_) / zoom_;
  return {p.x(), p.y()};
}

void Calque::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.save();
  p.translate(decalage_);
  p.scale(zoom_, zoom_);
  p.setRenderHint(QPainter::SmoothPixmapTransform); // a scan shrunk keeps its thin lines
  if (source_ && !source_->image.isNull()) {
    p.save();
    p.scale(source_->unites_par_pixel, source_->unites_par_pixel);
    p.drawImage(QPointF(0, 0), source_->image);
    p.restore();
  }
  if (source_) {
    p.setPen(QPen(Qt::black, 0));
    for (const auto& trait : source_->traits) p.drawPolyline(polygone(trait));
  }
  p.restore();
  p.setRenderHint(QPainter::Antialiasing);
  dessiner_lignes(p);
}

void Calque::dessiner_lignes(QPainter& p) const {
  // The datum and the centre line, through each nose along the plan's turn.
  const double loin = 1e5;
  p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
  for (const bilobe::VuePlan vue : {bilobe::VuePlan::Cote, bilobe::VuePlan::Dessus})
    p.drawLine(vers_ecran(bilobe::vers_plan(lignes_.calage, vue, {-loin, 0})),
               vers_ecran(bilobe::vers_plan(lignes_.calage, vue, {loin, 0})));
  for (const PointMm nez : {lignes_.calage.nez_cote, lignes_.calage.nez_dessus}) {
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(vers_ecran(nez), 5, 5);
  }
  p.setPen(QPen(QColor(180, 0, 180), 1.5));
  for (const TraitCouple& t : couples_) p.drawLine(vers_ecran(t.a), vers_ecran(t.b));
  for (std::size_t l = 0; l < NB_LIGNES_PLAN; ++l) {
    p.setPen(QPen(COULEURS[l], ligne_de(outil_) == l ? 2.5 : 1.5));
    for (const auto& trace : courbes_sur_plan(lignes_, l)) {
      QPolygonF courbe;
      for (const PointMm& q : trace) courbe << vers_ecran(q);
      p.drawPolyline(courbe);
    }
    p.setBrush(COULEURS[l]);
    for (const PointMm& q : lignes_.lignes[l]) p.drawRect(QRectF(vers_ecran(q) - QPointF(3, 3), QSizeF(6, 6)));
    p.setBrush(Qt::NoBrush);
  }
  p.setPen(QPen(QColor(0, 150, 200), 2));
  for (const PointMm& q : clics_) p.drawEllipse(vers_ecran(q), 4, 4);
}

void Calque::mousePressEvent(QMouseEvent* e) {
  souris_ = e->position();
  const PointMm ici = point_du_plan(e->position());
  const auto ligne = ligne_de(outil_);
  if (e->button() == Qt::RightButton && ligne) {
    if (const auto k = point_proche(lignes_.lignes[*ligne], ici, RAYON_PX / zoom_)) {
      lignes_.lignes[*ligne].erase(lignes_.lignes[*ligne].begin() + static_cast<std::ptrdiff_t>(*k));
      emit lignesChangees();
      update();
    }
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  if (ligne) {
    tire_ = point_proche(lignes_.lignes[*ligne], ici, RAYON_PX / zoom_);
    if (!tire_) {
      tire_ = ajouter_point(lignes_, *ligne, ici);
      emit lignesChangees();
    }
  } else if (outil_ == Outil::NezCote || outil_ == Outil::NezDessus) {
    emit unPoint(outil_, ici);
  } else {
    clics_.push_back(ici);
    if (clics_.size() == 2) {
      const auto [a, b] = std::pair(clics_[0], clics_[1]);
      clics_.clear();
      emit deuxPoints(outil_, a, b);
    }
  }
  update();
}

void Calque::mouseMoveEvent(QMouseEvent* e) {
  if (e->buttons() & Qt::MiddleButton) {
    decalage_ += e->position() - souris_;
    ajuste_ = false;
  } else if (tire_ && (e->buttons() & Qt::LeftButton)) {
    if (const auto ligne = ligne_de(outil_)) {
      tire_ = deplacer_point(lignes_, *ligne, *tire_, point_du_plan(e->position()));
      emit lignesChangees();
    }
  }
  souris_ = e->position();
  update();
}

void Calque::mouseReleaseEvent(QMouseEvent*) { tire_.reset(); }

void Calque::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::MiddleButton) ajuster();
}

void Calque::wheelEvent(QWheelEvent* e) {
  const double facteur = std::pow(1.0015, e->angleDelta().y());
  const double nouveau = std::clamp(zoom_ * facteur, 1e-4, 1e4);
  const QPointF ici = e->position();
  decalage_ = ici - (ici - decalage_) * (nouveau / zoom_);
  zoom_ = nouveau;
  ajuste_ = false;
  update();
}

void Calque::resizeEvent(QResizeEvent*) {
  if (ajuste_) ajuster();
}

} // namespace bilobe::ui
