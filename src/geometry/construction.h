#pragma once

#include "common/calcul.h"
#include "common/liste_points.h"
#include "geometry/contour.h"
#include "geometry/parametres.h"

#include <cmath>

namespace bilobe {

// The state of one trace while it builds the outline in millimetres: the
// values it reads and the outline (new, empty), with the pieces marked as
// they end.
class Construction {
public:
  Construction(const ValeursCouple& valeurs, ContourMm& contour) : v(valeurs), contour_(contour) {}

  const ValeursCouple& v;

  // Appends a point; a 1001st point is an index-out-of-range error.
  void ajouter(double x, double y) { contour_.liste.ajouter(x, y); }
  // The pieces appended since the last mark form `plage`.
  void marquer(Plage& plage) {
    plage = {debut_, contour_.nbpts()};
    debut_ = contour_.nbpts() + 1;
  }

  ContourMm& contour() { return contour_; }

private:
  ContourMm& contour_;
  int debut_ = 1;
};

// The values that the reduction by the wall thickness replaces.
struct DimensionsHautes {
  double xtot = 0;
  double ytot = 0;
  double xa = 0;
  double ya = 0;
};

// The lower ellipse: centre (cx0, cy0), semi-axes a0, b0, from the typed width
// and the segments that are ticked.
struct EllipseBasse {
  double cx0 = 0;
  double cy0 = 0;
  double a0 = 0;
  double b0 = 0;
};
EllipseBasse ellipse_basse(const ValeursCouple& v);

// Appends the point of parameter angle t on the lower ellipse.
inline void ajouter_point_ellipse(Construction& c, const EllipseBasse& e, double t) {
  using namespace calcul;
  c.ajouter(add(e.cx0, mul(e.a0, std::cos(t), "x"), "x"), add(e.cy0, mul(e.b0, std::sin(t), "y"), "y"));
}

// Steps 1 to 9 of the trace: reads and derives, appends pieces 1 to 6.
// Returns the upper dimensions with their ellipses, for the reduction.
struct ResultatExterieur {
  DimensionsHautes dimensions;
  EllipsesHautes ellipses;
  float ep = 0;
};
ResultatExterieur construire_contour_exterieur(Construction& c);

// The reduction by the wall thickness, in its four steps.
DimensionsHautes reduire(const ResultatExterieur& exterieur);

// Appends pieces 7 to 12 from the reduced dimensions.
void construire_contour_interieur(Construction& c, const DimensionsHautes& reduites, float ep);

} // namespace bilobe
