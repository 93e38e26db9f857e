#pragma once

#include "fichiers/fichiers.h"
#include "serie/formats_serie.h"
#include "serie/serie_imbriquee.h"

#include <functional>
#include <string>
#include <vector>

namespace bilobe {

// Every file of a series prepared as far as the formats need, in memory, in
// the order they are written: the formers' .DAT files (byte for byte the
// window's save), the sheets, the templates, the 3D fuselage; with any
// format of the formers, the profile and the cut list.
// `apres_chaque`, when given, is called after each file made.
std::vector<FichierPrepare> fichiers_serie(const SerieTracee& serie, const FormatsSerie& formats,
                                           const std::function<void()>& apres_chaque = {});

// What bilobe-serie and the series window do with a description: trace
// every former and nest them as far as the formats need, make every file,
// and only then write them into `dossier` through `fichiers`.
// `progression(fait, total)`, when given, is called as the work goes.
// `arret`, when given, may stop it until the first file is written: a
// stopped export writes nothing.
struct SerieExportee {
  std::string sommaire; // the series and each former, a line each
  std::string resume;   // the summary, then "Fichiers écrits :" and one path a line
  std::vector<std::string> chemins;
};
using Progression = std::function<void(int fait, int total)>;
SerieExportee exporter_serie(const DescriptionSerie& description, const std::string& dossier,
                             const FormatsSerie& formats, const Progression& progression = {},
                             Fichiers& fichiers = fichiers_du_systeme(), const Interruption* arret = nullptr);

} // namespace bilobe
