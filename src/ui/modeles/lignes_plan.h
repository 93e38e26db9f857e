#pragma once

// The lines as they are traced over a plan: points in the plan's units (a
// scan's pixels, y down), moved, inserted and deleted, read in mm through
// how the plan lies.
#include "serie/description.h"
#include "serie/plan_trace.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bilobe {

// What a click on the plan does.
enum class Outil { Echelle, Horizontale, NezCote, NezDessus, Dos, Ventre, Niveau, DemiLargeur };
inline constexpr std::size_t NB_LIGNES_PLAN = 4; // Dos, Ventre, Niveau, DemiLargeur
// The line an outil traces (0 to 3), none for the others.
std::optional<std::size_t> ligne_de(Outil outil);
VuePlan vue_de_ligne(std::size_t ligne);

struct LignesPlan {
  std::string fichier; // absolute while in the window
  int page = 1;
  CalagePlan calage;
  std::array<std::vector<PointMm>, NB_LIGNES_PLAN> lignes; // plan units, in the order of the clicks' x
  SectionReference section;
};

// The point of `ligne` within `rayon` (plan units) of `p`, the nearest.
std::optional<std::size_t> point_proche(const std::vector<PointMm>& ligne, PointMm p, double rayon);
// Adds `p` where its x along the fuselage falls; its index.
std::size_t ajouter_point(LignesPlan& plan, std::size_t ligne, PointMm p);
// Puts a moved point back in the order of x; its new index.
std::size_t deplacer_point(LignesPlan& plan, std::size_t ligne, std::size_t indice, PointMm p);

// In mm, for the stations and the file; the level line only when traced
// (the datum otherwise), the half-width on one side of the centre line or
// both (then averaged).
LignesTracees en_mm(const LignesPlan& plan);
PlanTrace plan_trace(const LignesPlan& plan); // its `fichier` as it is
LignesPlan lignes_plan(const PlanTrace& plan);

// The smooth curves through a line, in plan units, for drawing: the series'
// own interpolation, sampled; one for each side of the centre line the
// half-width is traced on; none below two points or while x does not grow.
std::vector<std::vector<PointMm>> courbes_sur_plan(const LignesPlan& plan, std::size_t ligne, int echantillons = 200);

// The formers over the plan: for each former of `d`, its section line on
// the side view (from the bottom to the top) and on the top view (from side
// to side), in plan units.
struct TraitCouple {
  PointMm a, b;
};
std::vector<TraitCouple> couples_sur_plan(const LignesPlan& plan, const DescriptionSerie& d);

// The reference section's former at the widest of the stations, as an SVG
// template, and where it stands.
struct SectionLaPlusLarge {
  std::string svg;
  double position = 0;
};
SectionLaPlusLarge section_la_plus_large(const std::vector<Station>& stations);

} // namespace bilobe
