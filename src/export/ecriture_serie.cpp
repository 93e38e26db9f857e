#include "export/ecriture_serie.h"

#include "export/ecriture_export.h"
#include "export/gabarit_pdf.h"
#include "export/planches.h"
#include "export/profil_svg.h"

namespace bilobe {

std::vector<FichierPrepare> fichiers_serie(const SerieTracee& serie, const FormatsSerie& formats) {
  std::vector<FichierPrepare> fichiers;
  if (formats.dat)
    for (const CoupleTrace& c : serie.couples)
      fichiers.push_back({c.couple.nom + ".dat", contenu_export(c.trace, FormatGabarit::Dat).octets});
  if (formats.svg)
    for (int k = 0; k < serie.imbrication.planches; ++k)
      fichiers.push_back({"Planche " + std::to_string(k + 1) + ".svg", contenu_planche_svg(serie, k)});
  if (formats.dxf) fichiers.push_back({"Planches.dxf", contenu_planches_dxf(serie)});
  if (formats.pdf) {
    std::vector<GabaritNomme> gabarits;
    for (const CoupleTrace& c : serie.couples) gabarits.push_back({c.couple.nom, &c.gabarit});
    const std::string nom = serie.description.nom.empty() ? "Fuselage" : serie.description.nom;
    fichiers.push_back(
        {"Planches.pdf", contenu_pdf(gabarits, nom + " - " + std::to_string(serie.couples.size()) + " couples")});
  }
  fichiers.push_back({"Profil.svg", contenu_profil_svg(serie)});
  return fichiers;
}

} // namespace bilobe
