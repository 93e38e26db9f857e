#pragma once

#include "export/dossier_serie.h"
#include "geometry/serie_imbriquee.h"

#include <string>
#include <vector>

namespace bilobe {

// Which files of a series are written; the profile always is.
struct FormatsSerie {
  bool dat = true; // F1.dat … FN.dat
  bool svg = true; // Planche 1.svg, Planche 2.svg…
  bool dxf = true; // Planches.dxf
  bool pdf = true; // Planches.pdf: every former's 1:1 template
};

// Every file of a traced and nested series, in memory, in the order they are
// written: the formers' .DAT files (byte for byte the window's save), the
// sheets, the templates, the profile.
std::vector<FichierPrepare> fichiers_serie(const SerieTracee& serie, const FormatsSerie& formats);

} // namespace bilobe
