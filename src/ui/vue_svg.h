#pragma once

#include <QSvgRenderer>
#include <QToolButton>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace bilobe::ui {

// Shows SVG drawings made by the core, each scaled to fit its share of the
// widget with its proportions kept, in a grid, each with its caption above.
// The wheel zooms about the pointer, a drag pans, "Ajuster" (or a
// double-click) shows everything again; the zoom stays while the drawings
// are redrawn.
class VueSvg : public QWidget {
  Q_OBJECT
public:
  explicit VueSvg(QWidget* parent = nullptr);

  struct Dessin {
    QString legende;
    std::string svg;
  };
  // Drawings read, ready to show: made in any thread (reading a large SVG
  // takes long), shown in the window's.
  struct Lus {
    std::vector<Dessin> dessins;
    std::vector<std::shared_ptr<QSvgRenderer>> rendus;
  };
  static Lus lire(std::vector<Dessin> dessins);
  void montrer(std::vector<Dessin> dessins) { montrer(lire(std::move(dessins))); }
  void montrer(Lus lus);
  // What is shown now, as given.
  const std::vector<Dessin>& dessins() const { return dessins_; }
  double zoom() const { return zoom_; }
  QPointF decalage() const { return decalage_; }
  // Everything in sight again.
  void ajuster();

protected:
  void paintEvent(QPaintEvent* e) override;
  void wheelEvent(QWheelEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;
  void mouseMoveEvent(QMouseEvent* evenement) override;
  void mouseDoubleClickEvent(QMouseEvent* evenement) override;
  void resizeEvent(QResizeEvent* evenement) override;

private:
  std::vector<Dessin> dessins_;
  std::vector<std::shared_ptr<QSvgRenderer>> rendus_;
  double zoom_ = 1;
  QPointF decalage_; // of the zoomed drawing, px
  QPointF souris_;
  QToolButton* Bt_Ajuster;
};

} // namespace bilobe::ui
