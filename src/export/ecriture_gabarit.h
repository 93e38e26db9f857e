#pragma once

#include "export/format_gabarit.h"
#include "geometry/gabarit.h"
#include "geometry/parametres.h"

#include <string>

namespace bilobe {

// The bytes of a template file (SVG, DXF or PDF). The .DAT file is not a
// template: asking for it here is an invalid operation.
std::string octets_gabarit(const Gabarit& gabarit, FormatGabarit format);

struct GabaritEcrit {
  Gabarit gabarit;    // for the summary
  std::string chemin; // the file really written
};

// What the preview's menu and `bilobe-dat --format` both do: traces the
// former, builds its template and writes the file all or nothing. The target
// is checked before the bytes are made, so a bad path is said at once.
GabaritEcrit ecrire_gabarit(const ChampsCouple& champs, FormatGabarit format, const std::string& chemin);

} // namespace bilobe
