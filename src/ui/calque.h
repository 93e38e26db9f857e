#pragma once

#include "ui/modeles/lignes_plan.h"
#include "ui/source_plan.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace bilobe::ui {

// The plan with what is traced over it, as on tracing paper. A left click does what the tool
// says: a point of the scale or of the datum, a nose, or a point of a line
// (dragged when it is on one already); a right click deletes the line's
// point under it. The wheel zooms about the pointer, the middle button
// pans, a double-click of it shows everything.
class Calque : public QWidget {
  Q_OBJECT
public:
  Calque(LignesPlan& lignes, QWidget* parent = nullptr);

  void montrer(const SourcePlan* source); // nothing: an empty plan
  void choisir_outil(Outil outil);
  Outil outil() const { return outil_; }
  void montrer_couples(std::vector<TraitCouple> couples); // empty: none
  const std::vector<TraitCouple>& couples() const { return couples_; }
  void ajuster();

  QPointF vers_ecran(PointMm plan) const;
  PointMm point_du_plan(QPointF ecran) const;

signals:
  void lignesChangees();
  void deuxPoints(bilobe::Outil outil, bilobe::PointMm a, bilobe::PointMm b);
  void unPoint(bilobe::Outil outil, bilobe::PointMm p);

protected:
  void paintEvent(QPaintEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

private:
  void dessiner_lignes(QPainter& p) const;
  LignesPlan& lignes_;
  const SourcePlan* source_ = nullptr;
  Outil outil_ = Outil::Echelle;
  std::vector<PointMm> clics_;      // of the scale or the datum, until the second
  std::optional<std::size_t> tire_; // the point being dragged
  std::vector<TraitCouple> couples_;
  double zoom_ = 1;
  QPointF decalage_;
  QPointF souris_;
  bool ajuste_ = true; // follows the window's size until zoomed or panned
};

} // namespace bilobe::ui
