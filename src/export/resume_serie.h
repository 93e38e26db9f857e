#pragma once

#include "geometry/serie_imbriquee.h"

#include <string>

namespace bilobe {

// What a series holds, one line each: the series itself, every former
// ("F2 à 140 mm : 64.5 x 70.25 mm, anneau 512.34 mm², paroi mini 3 mm"),
// then every sheet with its formers and its use.
std::string texte_resume_serie(const SerieTracee& serie);

// "F2 à 140 mm : 64.5 x 70.25 mm, anneau 512.34 mm², paroi mini 3 mm"
std::string ligne_couple(const CoupleTrace& couple);

} // namespace bilobe
