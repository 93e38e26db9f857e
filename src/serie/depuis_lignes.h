#pragma once

#include "geometry/boucle.h"
#include "serie/description.h"

#include <optional>
#include <string>
#include <vector>

namespace bilobe {

// The lines a builder traces over a plan, in mm, x from the nose along the
// fuselage: each a line of points, x strictly increasing, read between them
// by the series' smooth interpolation (it never overshoots the points).
struct LignesTracees {
  std::vector<PointMm> dos;                   // side view: the top line
  std::vector<PointMm> ventre;                // side view: the bottom line
  std::optional<std::vector<PointMm>> niveau; // side view: the widest level; the datum (y = 0) when absent
  std::vector<PointMm> demi_largeur;          // top view: from the centre line to the side
};

// What the lines do not say, set once for the whole fuselage: the junction
// point and the wall of the reference section.
struct SectionReference {
  double xa = 0.6; // the junction's width over the half-width
  double ya = 0.6; // its height over the height above the level
  double ep = 3;   // the wall, mm
};

// The greatest distance, in mm, between what the series gives and the
// lines: its half-width, its height above and below the level.
inline constexpr double ECART_MAX_LIGNES = 0.2;
// Stations at most: more would mean lines no smooth series can follow.
inline constexpr std::size_t STATIONS_MAX_LIGNES = 200;

// The stations of a smooth series that follows the lines within
// ECART_MAX_LIGNES from the nose to the tail (where all the lines are),
// as few as that needs: more where the lines bend. Dimensions to the
// hundredth of a mm, positions to the tenth. Raises DescriptionInvalide,
// naming the line and the place, for lines that cannot make a fuselage: too
// few points, x not increasing, the bottom above the top or the level
// outside them, a half-width that reaches zero, a section out of range.
std::vector<Station> stations_depuis_lignes(const LignesTracees& lignes, const SectionReference& section);

} // namespace bilobe
