#include "cli/commande.h"

#include "cli/options.h"
#include "common/erreurs.h"
#include "export/remise.h"
#include "export/sauvegarde.h"
#include "export/texte_dat.h"
#include "geometry/trace.h"

#include <filesystem>

namespace bilobe::cli {

int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const auto options = analyser(arguments, erreur);
  if (!options) {
    erreurs << "bilobe-dat : " << erreur << "\n" << texte_usage();
    return 2;
  }
  if (options->aide) {
    sortie << texte_aide();
    return 0;
  }
  try {
    const ResultatTrace trace = tracer(options->champs);
    DonneesExport donnees;
    donnees.nouvelle_liste = true; // as the dialog's activation does
    const std::string nom = remettre(options->champs, trace.liste, trace.nbpts, donnees);

    if (options->sortie == "-") {
      const std::string octets = contenu_dat(donnees);
      sortie.write(octets.data(), static_cast<std::streamsize>(octets.size()));
      sortie.flush();
      return sortie ? 0 : 1;
    }
    const std::string chemin = options->sortie.value_or(nom);
    sauvegarder(chemin, donnees);
    sortie << texte_confirmation(donnees.nbpts()) << "\n" << std::filesystem::absolute(chemin).string() << "\n";
    return 0;
  } catch (const ErreurExecution& e) {
    erreurs << "bilobe-dat : " << e.what() << "\n";
    return 1;
  }
}

} // namespace bilobe::cli
