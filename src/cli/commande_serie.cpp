#include "cli/commande_serie.h"

#include "cli/options_serie.h"
#include "common/erreurs.h"
#include "export/ecriture_serie.h"
#include "export/fichier_fuselage.h"

#include <new>

namespace bilobe::cli {

namespace {

int executer_options(const OptionsSerie& options, std::ostream& sortie) {
  sortie << exporter_serie(lire_fichier_fuselage(options.fichier), options.dossier, options.formats).resume;
  return 0;
}

} // namespace

int executer_serie(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const auto options = analyser_serie(arguments, erreur);
  if (!options) {
    erreurs << "bilobe-serie : " << erreur << "\n" << texte_usage_serie();
    return 2;
  }
  if (options->aide) {
    sortie << texte_aide_serie();
    return 0;
  }
  try {
    return executer_options(*options, sortie);
  } catch (const DescriptionInvalide& e) {
    erreurs << "bilobe-serie : " << e.what() << "\n";
    return 2;
  } catch (const ErreurExecution& e) {
    erreurs << "bilobe-serie : " << e.what() << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    erreurs << "bilobe-serie : Mémoire insuffisante\n";
    return 1;
  }
}

} // namespace bilobe::cli
