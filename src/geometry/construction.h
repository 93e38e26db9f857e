#pragma once

#include "common/liste_points.h"
#include "geometry/parametres.h"
#include "geometry/trace.h"

namespace bilobe {

// The state of one trace while it builds the outline in millimetres: the
// values it reads and the outline, with the pieces marked as they end.
class Construction {
public:
  explicit Construction(const ValeursCouple& valeurs) : v(valeurs) {}

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
  ContourMm contour_;
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
void ajouter_point_ellipse(Construction& c, const EllipseBasse& e, double t);

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
