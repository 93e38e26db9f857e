#pragma once

#include "volume/maillage.h"

#include <array>
#include <vector>

namespace bilobe {

// How the 3D view looks at the fuselage: turned about the vertical axis
// (`lacet`) then tilted (`tangage`), in radians, and magnified by `zoom`.
struct Orientation3d {
  double lacet = 1.25;
  double tangage = 0.3;
  double zoom = 1;
};

// One thing to paint, in pixels from the view's top left: a shaded triangle
// (`lumiere` from 0, dark, to 1, fully lit) or a segment of a former's
// outline (`trait`, its first two corners).
struct ElementScene {
  std::array<std::array<float, 2>, 3> coins{};
  float lumiere = 0;
  bool trait = false;
};

// The view of the fuselage and its formers, orthographic: the triangles that
// face away left out, the others ordered from the farthest to the nearest
// so that painting in order hides what is behind, then the visible side of
// each former's outline. The whole
// fuselage fits a `largeur` × `hauteur` view at zoom 1 seen from the default
// orientation, and keeps that scale when turned.
std::vector<ElementScene> scene_3d(const Maillage& coque, const std::vector<std::vector<Point3>>& couples,
                                   const Orientation3d& orientation, double largeur, double hauteur);

} // namespace bilobe
