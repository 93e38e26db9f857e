#pragma once

#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

// An ASCII DXF (AutoCAD R12) in millimetres, in the former's own frame: the
// origin on the centre line at the level of the widest point. The contours
// are closed polylines on the layer "CONTOUR" (red), the construction lines
// and the dimensions line on "REPERES" (blue). Lines end in CR LF, the text
// is in Windows-1252, as the older cutting programs expect.
std::string contenu_dxf(const Gabarit& gabarit);

} // namespace bilobe
