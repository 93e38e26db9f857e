#pragma once

#include "common/interruption.h"
#include "serie/description.h"
#include "serie/piece_a_imbriquer.h"

#include <string>
#include <vector>

namespace bilobe {

// Where a part lands: its sheet (from 0) and the top left corner of its
// outer line's box, in mm from the sheet's top left corner, y down. A part
// is either as drawn or turned half a turn, so that the grain runs the same
// way through it.
struct PiecePlacee {
  int planche = 0;
  double x = 0;
  double y = 0;
  bool retournee = false;
  int hote = -1; // the part in whose hollow it stands (the innermost), or -1
};

struct Imbrication {
  int planches = 0;
  std::vector<PiecePlacee> pieces; // in the order of the parts given
};

// Lays the parts on as many sheets as they need, by their true outlines: a
// part may stand inside another's hollow, as long as every cut line stays at
// least `espacement` from every other part's and `marge` inside the edges.
// The larger parts go first, each on the first sheet where it fits, at its
// highest free place, then the leftmost. Worked in whole micrometres, the
// same parts always give the same layout. A part larger than an empty sheet
// is an ErreurCouple naming it.
//
// The search goes by tiles at least `tuile` mm wide (twice the part's size
// if more), each with the parts near it: the layout is the same whatever
// their size, only the time differs.
inline constexpr double TUILE_MM = 400;
Imbrication imbriquer(const std::vector<PieceAImbriquer>& pieces, const Planche& planche, double tuile = TUILE_MM,
                      const Interruption* arret = nullptr);

// The parts in the order to cut them: a part standing in a hollow before
// the part around it, so that nothing drops out uncut; otherwise as given.
std::vector<std::size_t> ordre_de_coupe(const Imbrication& imbrication);

// Each part placed is searched for among all those on its sheet: beyond
// this many on one sheet, the work would grow past any wait, and the nesting
// is refused (an overflow error) rather than left to run for minutes.
inline constexpr std::size_t PIECES_PAR_PLANCHE_MAX = 200;

// The ErreurCouple of a part larger than an empty sheet; nothing for one that fits.
void verifier_taille(const PieceAImbriquer& piece, const Planche& planche);

} // namespace bilobe
