#pragma once

#include "geometry/boucle.h"

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
// point, the segments and the wall of the reference section.
struct SectionReference {
  double xa = 0.6; // the junction's width over the half-width
  double ya = 0.6; // its height over the height above the level
  double ep = 3;   // the wall, mm
  double segh = 0; // the flat bottom over the half-width: none when 0
  double segv = 0; // the straight side below the level over the height below it: none when 0
};

// The two views of a plan the lines are traced on.
enum class VuePlan { Cote, Dessus };

// How a plan lies: its units (pixels of a scan, units of a DXF, y down) to
// the fuselage's mm, x from the nose along the datum, y up from the datum
// (side view) or out from the centre line (top view).
struct CalagePlan {
  double mm_par_unite = 1; // the scale
  double angle = 0;        // radians: how far the datum line is turned on the plan
  PointMm nez_cote{};      // the nose on the datum, side view
  PointMm nez_dessus{};    // the nose on the centre line, top view
  bool operator==(const CalagePlan&) const = default;
};

PointMm vers_mm(const CalagePlan& calage, VuePlan vue, PointMm plan);
// The inverse; on the top view, a positive half-width lies above the centre line.
PointMm vers_plan(const CalagePlan& calage, VuePlan vue, PointMm mm);

// The scale that makes two clicked points `distance_mm` apart. Raises
// DescriptionInvalide for points that coincide or a distance that is not
// a positive number.
double echelle_par_deux_points(PointMm a, PointMm b, double distance_mm);
// The angle that makes the line through two clicked points level.
double angle_par_deux_points(PointMm a, PointMm b);

// A plan as the fuselage file keeps it: where it is, how it lies, the lines
// traced on it (in mm, so that a script may write them) and the section.
struct PlanTrace {
  std::string fichier; // relative to the fuselage file; empty for lines without a plan
  int page = 1;        // of a PDF
  CalagePlan calage;
  LignesTracees lignes;
  SectionReference section;
};

} // namespace bilobe
