#pragma once

#include "fichiers/ecriture_dossier.h"
#include "serie/serie_imbriquee.h"

#include <functional>
#include <string>
#include <vector>

namespace bilobe {

// Which files of a series are written; the profile always is.
struct FormatsSerie {
  bool dat = true;  // F1.dat … FN.dat
  bool svg = true;  // Planche 1.svg, Planche 2.svg…
  bool dxf = true;  // Planches.dxf
  bool pdf = true;  // Planches.pdf: the sheets at 1:1; Couples.pdf: every former's 1:1 template
  bool plan = true; // Plan.pdf: the side and top views at 1:1, to build on
  bool stl = false; // Fuselage.stl, or Fuselage 1.stl… when cut: the whole fuselage in 3D, asked for by name
};

// Every file of a traced and nested series, in memory, in the order they are
// written: the formers' .DAT files (byte for byte the window's save), the
// sheets, the templates, the profile.
// `apres_chaque`, when given, is called after each file made.
std::vector<FichierPrepare> fichiers_serie(const SerieTracee& serie, const FormatsSerie& formats,
                                           const std::function<void()>& apres_chaque = {});

// What bilobe-serie and the series window do with a description: trace and
// nest every former, make every file, and only then write them into
// `dossier`. `progression(fait, total)`, when given, is called as the work goes.
struct SerieExportee {
  std::string resume; // the summary, then "Fichiers écrits :" and one path a line
  std::vector<std::string> chemins;
};
using Progression = std::function<void(int fait, int total)>;
SerieExportee exporter_serie(const DescriptionSerie& description, const std::string& dossier,
                             const FormatsSerie& formats, const Progression& progression = {});

} // namespace bilobe
