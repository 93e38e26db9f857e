#pragma once

#include "fichiers/fichiers.h"
#include "formats/format_gabarit.h"
#include "geometry/gabarit.h"
#include "geometry/trace.h"

#include <string>

namespace bilobe {

// The bytes of a template file (SVG, DXF or PDF). The .DAT file is not a
// template: asking for it here is an invalid operation.
std::string octets_gabarit(const Gabarit& gabarit, FormatGabarit format);

// A file of a traced former, in any format, and its summary line
// ("Sauvegarde de  549 points effectuée", "Gabarit SVG : …"). The .DAT is
// the hand-off into fresh export data, then its text.
struct ContenuExport {
  std::string octets;
  std::string resume;
};
ContenuExport contenu_export(const ResultatTrace& trace, FormatGabarit format, const OptionsGabarit& options = {});

// What the preview's menu and `bilobe-dat` do with a traced former: checks
// the target before the bytes are made (so a bad path is said at once), then
// writes all or nothing, through `fichiers`. Returns the summary and the
// file really written.
struct ExportEcrit {
  std::string resume;
  std::string chemin;
};
ExportEcrit ecrire_export(const ResultatTrace& trace, FormatGabarit format, const std::string& chemin,
                          const OptionsGabarit& options = {}, Fichiers& fichiers = fichiers_du_systeme());

} // namespace bilobe
