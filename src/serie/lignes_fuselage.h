#pragma once

#include "serie/serie_imbriquee.h"

#include <cstddef>
#include <vector>

namespace bilobe {

// Indices of the dimensions the views show, in the order of COTES.
inline constexpr std::size_t XTOT = 0, YTOT = 1, YINF = 4;

// A line of the fuselage along its length: positions, then the values.
struct Ligne {
  std::vector<double> x, y;
};

// Dimension `cote` along the fuselage, times `signe`: through every station,
// and between two of them as the series interpolates (a straight line needs
// no more).
Ligne ligne_de(const SerieTracee& serie, std::size_t cote, double signe);

// Which formers get their name, standing upright `lettres` mm tall above
// them: from the nose, each one far enough from the last named that their
// names do not touch.
std::vector<bool> noms_a_ecrire(const std::vector<CoupleSerie>& couples, double lettres);

} // namespace bilobe
