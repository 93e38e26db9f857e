#include "cli/commande_serie.h"

#include "cli/options_serie.h"
#include "common/erreurs.h"
#include "common/texte_affichable.h"
#include "export/ecriture_serie.h"
#include "export/fichier_fuselage.h"
#include "export/lecture_fichier.h"
#include "export/resume_serie.h"

#include <new>

namespace bilobe::cli {

namespace {

constexpr std::size_t TAILLE_MAX_FUSELAGE = 1 << 20; // bytes: a fuselage file is a few hundred

int executer_options(const OptionsSerie& options, std::ostream& sortie) {
  const std::string texte = lire_fichier(options.fichier, TAILLE_MAX_FUSELAGE);
  const DescriptionSerie description = lire_description(texte, options.fichier);
  // Everything is traced, nested and drawn before the first file is written.
  const SerieTracee serie = preparer_serie(description);
  const std::vector<FichierPrepare> fichiers = fichiers_serie(serie, options.formats);
  const std::vector<std::string> ecrits = ecrire_dans_dossier(options.dossier, fichiers);
  sortie << texte_resume_serie(serie) << "Fichiers écrits :\n";
  for (const std::string& chemin : ecrits) sortie << "  " << texte_affichable(chemin) << "\n";
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
