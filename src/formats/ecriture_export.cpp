#include "formats/ecriture_export.h"

#include "common/erreurs.h"
#include "formats/gabarit_dxf.h"
#include "formats/gabarit_pdf.h"
#include "formats/gabarit_svg.h"
#include "formats/texte_dat.h"

#include <functional>

namespace bilobe {

namespace {

// Everything that can fail on the former's side is done first (the hand-off,
// the template's shape), then `avant_octets` (the target's check), then the
// bytes.
ContenuExport preparer(const ResultatTrace& trace, FormatGabarit format, const OptionsGabarit& options,
                       const std::function<void()>& avant_octets) {
  if (format == FormatGabarit::Dat) {
    std::string octets = octets_dat(trace);
    avant_octets();
    return {std::move(octets), texte_confirmation(trace.nbpts())};
  }
  const Gabarit gabarit = construire_gabarit(trace, options);
  avant_octets();
  return {octets_gabarit(gabarit, format), texte_resume(gabarit, format)};
}

} // namespace

std::string octets_gabarit(const Gabarit& gabarit, FormatGabarit format) {
  switch (format) {
  case FormatGabarit::Svg:
    return contenu_svg(gabarit);
  case FormatGabarit::Dxf:
    return contenu_dxf(gabarit);
  case FormatGabarit::Pdf:
    return contenu_pdf(gabarit);
  case FormatGabarit::Dat:
    break;
  }
  lever(GenreErreur::OperationInvalide, "gabarit", "le format DAT n'est pas un gabarit");
}

ContenuExport contenu_export(const ResultatTrace& trace, FormatGabarit format, const OptionsGabarit& options) {
  return preparer(trace, format, options, [] {});
}

ExportEcrit ecrire_export(const ResultatTrace& trace, FormatGabarit format, const std::string& chemin,
                          const OptionsGabarit& options, Fichiers& fichiers) {
  ContenuExport contenu = preparer(trace, format, options, [&] { fichiers.verifier_cible(chemin); });
  return {std::move(contenu.resume), fichiers.ecrire(chemin, contenu.octets)};
}

} // namespace bilobe
