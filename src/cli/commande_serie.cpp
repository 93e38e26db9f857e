#include "cli/commande_serie.h"

#include "cli/cadre_commande.h"
#include "cli/options_serie.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"
#include "serie/fichier_lignes.h"

namespace bilobe::cli {

namespace {

int executer_options(const OptionsSerie& options, std::ostream& sortie) {
  if (options.lignes) {
    const DescriptionSerie d = lire_fichier_lignes(*options.lignes);
    const std::string ecrit = fichiers_du_systeme().ecrire(options.dossier, texte_fuselage(d));
    sortie << ecrit << " : " << d.stations.size() << " stations à 0,2 mm des lignes\n";
    return 0;
  }
  sortie << exporter_serie(lire_fichier_fuselage(options.fichier), options.dossier, options.formats).resume;
  return 0;
}

} // namespace

int executer_serie(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const auto options = analyser_serie(arguments, erreur);
  return executer_commande(
      {"bilobe-serie", texte_usage_serie, texte_aide_serie}, options ? std::optional(options->aide) : std::nullopt,
      erreur, [&] { return executer_options(*options, sortie); }, sortie, erreurs);
}

} // namespace bilobe::cli
