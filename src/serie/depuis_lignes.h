#pragma once

#include "common/interruption.h"
#include "serie/description.h"
#include "serie/plan_trace.h"

#include <vector>

namespace bilobe {

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
// Lines of many points that no series follows take long (0.8 s): `arret`
// stops it between two stations (TravailInterrompu).
std::vector<Station> stations_depuis_lignes(const LignesTracees& lignes, const SectionReference& section,
                                            const Interruption* arret = nullptr);

} // namespace bilobe
