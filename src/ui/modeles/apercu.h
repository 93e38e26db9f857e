#pragma once

#include "geometry/gabarit.h"
#include "geometry/trace.h"

#include <string>
#include <vector>

namespace bilobe {

// A point of the preview, in the logical coordinates of the drawing surface,
// single precision as the surface receives it.
struct PointApercu {
  float x = 0;
  float y = 0;
};

// What the preview shows after a trace: the centre line, the level line of
// the widest point, and the outline as a polyline (nbpts - 1 segments).
struct Apercu {
  float niveau = 0; // y of the level line, yinf / H
  std::vector<PointApercu> polyligne;
  // A shape that cannot be cut: what is wrong, and where its lines cross
  // on the half that is drawn.
  std::string alerte;
  std::vector<PointApercu> croisements;
  // The notches and tabs of the template, over the outline.
  std::vector<std::vector<PointApercu>> kit;
  // What the templates add, said in the preview's corner (a setting kept
  // from the last run is seen): "saignée 0,2 mm · 2 encoches · pattes".
  std::string mention_kit;
};

// "saignée 0,2 mm · 2 encoches · pattes", what is on; empty when nothing is.
std::string mention_kit(const OptionsGabarit& kit);

// The preview of a trace: its relative outline, x passed in single
// precision, and the outcome of the shape check.
Apercu apercu_de(const ResultatTrace& trace);
// The same with the notches and tabs of the templates drawn over it; notches
// or tabs that cannot be cut are said as a shape that cannot be.
Apercu apercu_de(const ResultatTrace& trace, const OptionsGabarit& kit);

// The logical window of the drawing surface: x from -0.05 to 0.50, y from
// 1.05 down to -0.05, over a drawing area of 2475 × 4875 twips.
namespace fenetre_apercu {
inline constexpr double GAUCHE = -0.05;
inline constexpr double HAUT = 1.05;
inline constexpr float TWIPS_PAR_UNITE_X = 4500.0f;            // 2475 / 0.55
inline constexpr float TWIPS_PAR_UNITE_Y = -4431.81787109375f; // 4875 / -1.1
inline constexpr int LARGEUR_TWIPS = 2475;
inline constexpr int HAUTEUR_TWIPS = 4875;
inline constexpr double TWIPS_PAR_PIXEL = 15.0; // at 96 dots per inch
// A length of the windows' layout in whole pixels.
constexpr int en_pixels(int twips) { return twips / static_cast<int>(TWIPS_PAR_PIXEL); }

inline constexpr PointApercu CENTRE_BAS{0.0f, -0.03f};
inline constexpr PointApercu CENTRE_HAUT{0.0f, 1.03f};
inline constexpr float NIVEAU_GAUCHE = -0.03f;
inline constexpr float NIVEAU_DROITE = 0.53f;
} // namespace fenetre_apercu

// Position in pixels (at 96 dpi) from the top-left corner of the drawing area.
struct PositionPixel {
  double x = 0;
  double y = 0;
};
PositionPixel vers_pixels(PointApercu p);

// How the preview's window is drawn into its area, in pixels: p' = p ×
// echelle + (dx, dy). As it always was, unless the notches and tabs reach
// beyond it: then it is shrunk and centred so that the whole template shows.
struct Cadrage {
  double echelle = 1, dx = 0, dy = 0;
};
Cadrage cadrage(const Apercu& apercu);

} // namespace bilobe
