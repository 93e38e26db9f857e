#pragma once

#include "serie/description.h"
#include "volume/maillage.h"
#include "volume/solide.h"

#include <cstddef>
#include <vector>

namespace bilobe {

// Where a section of the 3D fuselage stands (mm from the nose), and whether
// the fuselage is cut there into two pieces.
struct PositionSection {
  double z = 0;
  bool coupe = false;
};

// Every `pas` mm from the first station to the last, every station, and
// every `troncon` mm (when positive) a cut; a step that falls within
// 0.01 mm of a station or a cut is left out.
std::vector<PositionSection> positions_des_sections(const DescriptionSerie& description, double pas, double troncon);

// The outline of the fuselage at each position (increasing), traced as a
// former there, and with a positive `paroi` its inward offset by that wall.
// Each outline's right half is spread evenly into `intervalles` steps, or, at
// 0, as many as the most detailed traced half has. A section that cannot be
// traced or offset is an ErreurCouple that names its position.
std::vector<Tranche> tranches_du_fuselage(const DescriptionSerie& description, const std::vector<double>& positions,
                                          double paroi, std::size_t intervalles = 0);

// How many pieces the fuselage is printed in.
std::size_t nombre_de_pieces(const DescriptionSerie& description);

// The fuselage to print, as its [impression] asks: one closed mesh a piece,
// from the nose back.
inline constexpr std::size_t TRIANGLES_MAX = 4'000'000; // all pieces together: a 200 MB file
std::vector<Maillage> pieces_du_fuselage(const DescriptionSerie& description);

// The fuselage as the 3D view shows it, light enough to turn live: about
// 80 sections of 24 steps a half, and each former's outline where it stands.
struct Apercu3d {
  Maillage coque;
  std::vector<std::vector<Point3>> couples;
};
Apercu3d apercu_3d(const DescriptionSerie& description);

} // namespace bilobe
