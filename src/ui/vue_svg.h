#pragma once

#include <QSvgRenderer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace bilobe::ui {

// Shows SVG drawings made by the core, each scaled to fit its share of the
// widget with its proportions kept, in a grid, each with its caption above.
class VueSvg : public QWidget {
  Q_OBJECT
public:
  explicit VueSvg(QWidget* parent = nullptr);

  struct Dessin {
    QString legende;
    std::string svg;
  };
  void montrer(std::vector<Dessin> dessins);
  // What is shown now, as given.
  const std::vector<Dessin>& dessins() const { return dessins_; }

protected:
  void paintEvent(QPaintEvent* e) override;

private:
  std::vector<Dessin> dessins_;
  std::vector<std::unique_ptr<QSvgRenderer>> rendus_;
};

} // namespace bilobe::ui
