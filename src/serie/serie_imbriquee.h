#pragma once

#include "common/interruption.h"
#include "serie/debit.h"
#include "serie/description.h"
#include "serie/imbrication.h"

#include <vector>

namespace bilobe {

// A former of the series that cannot be made, and the error that says why.
struct EchecCouple {
  std::string nom;
  std::string message; // "F3 : Division par zéro (xa / xtot)"
};

// A series ready to write: every former traced with its template, then
// nested on the sheets.
struct SerieTracee {
  DescriptionSerie description;
  std::vector<CoupleSerie> tous;    // every former, made or not
  std::vector<CoupleTrace> couples; // those traced, cut and nested
  std::vector<EchecCouple> echecs;  // the others (only while looking: see apercu_serie)
  Imbrication imbrication;          // one place per former of `couples`
  std::vector<double> occupation;   // per sheet: the share of its area covered by material (rings, hollows excluded)
  std::vector<Courbe> courbes;      // each dimension along the fuselage, in the order of COTES
  double chantier = 0;              // with tabs: the board line's distance from the level line, mm
  std::vector<Lisse> lisses;        // the cut list, through the notches of `couples`
};

// How far a series is prepared: its description checked and its formers
// placed (enough for the 3D fuselage), every former also traced and cut, or
// also nested on the sheets.
enum class Preparation { Positions, Couples, Planches };

// Traces every former and nests them, as far as asked. Any failure (an
// invalid description, a former that cannot be traced or cut, a former too
// large for a sheet) raises before anything is returned, so that nothing is
// written. `arret`, when given, may stop the work between two formers
// (TravailInterrompu).
SerieTracee preparer_serie(const DescriptionSerie& description, Preparation jusqu_a = Preparation::Planches,
                           const Interruption* arret = nullptr);

// The same while the series is being designed: a former that fails is set
// aside in `echecs` with its message and the others are still nested. An
// invalid description still raises DescriptionInvalide.
SerieTracee apercu_serie(const DescriptionSerie& description, const Interruption* arret = nullptr);

// A former's place on its sheet: from its own frame (mm, y up) to the
// sheet's (mm from the top left corner, y down), turned half a turn or not.
struct SurLaPlanche {
  const Cadre& cadre; // of its outer line
  PiecePlacee place;
  PointMm operator()(PointMm p) const {
    if (place.retournee) return {place.x + (cadre.droite - p.x), place.y + (p.y - cadre.bas)};
    return {place.x + (p.x - cadre.gauche), place.y + (cadre.haut - p.y)};
  }
};

// Where a former's name is written on its sheet (mm from the sheet's top
// left corner, y down): inside its hollow, which is waste, on the centre
// line, in the longest stretch that no smaller former placed there covers,
// small enough to stay in it.
struct Etiquette {
  PointMm centre;
  double hauteur = 0; // of the letters, mm
  PointMm debut;      // where the centred line's baseline starts, for readers that ignore the centring
};
Etiquette etiquette(const SerieTracee& serie, std::size_t couple);

} // namespace bilobe
