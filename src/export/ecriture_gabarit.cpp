#include "export/ecriture_gabarit.h"

#include "common/erreurs.h"
#include "export/cible_fichier.h"
#include "export/fichier_dat.h"
#include "export/gabarit_dxf.h"
#include "export/gabarit_pdf.h"
#include "export/gabarit_svg.h"

namespace bilobe {

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

GabaritEcrit ecrire_gabarit(const ChampsCouple& champs, FormatGabarit format, const std::string& chemin) {
  Gabarit gabarit = construire_gabarit(champs);
  resoudre_cible(chemin);
  const std::string octets = octets_gabarit(gabarit, format); // every byte made before the file is touched
  std::string ecrit = ecrire_fichier(chemin, octets);
  return {std::move(gabarit), std::move(ecrit)};
}

} // namespace bilobe
