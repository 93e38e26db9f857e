#pragma once

#include "geometry/boucle.h"
#include "geometry/trace.h"

#include <string>
#include <vector>

namespace bilobe {

// Whether a traced former can be cut: its wall is positive, its dimensions
// are not negative, each line has at least three distinct points, nothing
// crosses, and the inner line lies strictly inside the outer one.
struct VerificationForme {
  std::string defaut;               // empty when sound, else a short French phrase
  std::vector<PointMm> croisements; // where the lines cross or touch, in mm
  bool valide() const { return defaut.empty(); }
};
VerificationForme verifier_forme(const ResultatTrace& trace);
VerificationForme verifier_forme(const ResultatTrace& trace, const Boucle& exterieur, const Boucle& interieur);

// The thinnest and thickest wall: from a point of the inner line to the
// outer line.
struct Paroi {
  double mince = 0;
  double epaisse = 0;
};

// The wall between the two lines: the shortest and the longest distance from
// a point of the inner line to the outer line.
Paroi mesurer_paroi(const Boucle& exterieur, const Boucle& interieur);

} // namespace bilobe
