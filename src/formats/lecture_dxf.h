#pragma once

// The lines of a DXF plan, to trace a fuselage over: its LINE, LWPOLYLINE,
// POLYLINE and SPLINE entities as polylines.
#include "geometry/boucle.h"

#include <string>
#include <string_view>
#include <vector>

namespace bilobe {

struct TraitsDxf {
  std::vector<std::vector<PointMm>> traits; // in the drawing's units, y up
  double mm_par_unite = 1;                  // from $INSUNITS; mm when it says nothing
};

inline constexpr std::size_t TAILLE_MAX_DXF = 64 << 20;  // bytes
inline constexpr std::size_t POINTS_MAX_DXF = 2'000'000; // in all its lines

// Raises ErreurFichier naming `nom` and the line of the file for a text that
// is not a DXF, an entity cut short, or a drawing without any usable line.
// Arcs of polylines (bulges) are read as straight segments; splines are
// sampled along their knots (fit points alone are joined by straight lines).
TraitsDxf lire_traits_dxf(std::string_view texte, const std::string& nom);

} // namespace bilobe
