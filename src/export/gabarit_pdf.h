#pragma once

#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

// The template at 1:1 on A4 sheets, drawn with Qt's PDF writer: the former
// tiled over as many sheets as it needs, each with the 50 mm scale bar, the
// 10 mm square, the dimensions line and its place in the set. Needs Qt's
// fonts: when the program has no Qt application (the command line), an
// off-screen one lives for the time of the drawing.
std::string contenu_pdf(const Gabarit& gabarit);

} // namespace bilobe
