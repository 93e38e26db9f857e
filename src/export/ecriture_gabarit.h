#pragma once

#include "export/format_gabarit.h"
#include "geometry/gabarit.h"
#include "geometry/parametres.h"

#include <string>

namespace bilobe {

// The bytes of a template file (SVG, DXF or PDF). The .DAT file is not a
// template: asking for it here is an invalid operation.
std::string octets_gabarit(const Gabarit& gabarit, FormatGabarit format);

// What the preview's menu and `bilobe-dat --format` both do: traces the
// former, builds its template and writes the file all or nothing. Returns
// the template, for the summary.
Gabarit ecrire_gabarit(const ChampsCouple& champs, FormatGabarit format, const std::string& chemin);

} // namespace bilobe
