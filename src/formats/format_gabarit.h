#pragma once

#include "geometry/gabarit.h"
#include "geometry/parametres.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// What an export writes: the point file, or a full-size template.
enum class FormatGabarit { Dat, Svg, Dxf, Pdf };

// "dat", "svg", "dxf", "pdf" (any case); anything else is nullopt.
std::optional<FormatGabarit> format_depuis_nom(std::string_view nom);
// "DAT", "SVG"…: the name in messages.
std::string nom_format(FormatGabarit format);
// ".dat", ".svg"…
std::string extension(FormatGabarit format);

// The default name of the .DAT export with the extension of the format:
// "Bi-lobe 140 x 50.svg".
std::string nom_par_defaut(const ChampsCouple& champs, FormatGabarit format);

// "Gabarit SVG : 100 x 140 mm, surface 3326.1615 mm², paroi 8.33 à 10.00 mm,
// saignée 0 mm": the part (width first, then height), its ring, its wall, the kerf.
std::string texte_resume(const Gabarit& gabarit, FormatGabarit format);

} // namespace bilobe
