#pragma once

#include <vector>

namespace bilobe {

// How a dimension runs from one station to the next along the fuselage.
enum class Interpolation {
  Lineaire, // straight between two stations
  Lisse,    // monotone cubic (Fritsch-Carlson): smooth, and no bulge between stations
};

// One dimension known at a few stations (positions strictly increasing),
// read at any position. At a station's own position it is that station's
// value; beyond the first or last station the end piece is carried on.
class Courbe {
public:
  Courbe(std::vector<double> positions, std::vector<double> valeurs, Interpolation mode);
  double operator()(double position) const;

private:
  std::vector<double> x_, y_;
  std::vector<double> pentes_; // tangents of the cubic, one per station
  Interpolation mode_;
};

} // namespace bilobe
