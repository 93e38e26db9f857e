#include "cli/commande.h"

#include "cli/options.h"
#include "common/erreurs.h"
#include "common/texte_affichable.h"
#include "export/cible_fichier.h"
#include "export/ecriture_gabarit.h"
#include "export/remise.h"
#include "export/sauvegarde.h"
#include "export/texte_dat.h"
#include "geometry/trace.h"

#include <cerrno>

namespace bilobe::cli {

namespace {

// "-o -": a failing standard output (a full disk, a closed pipe) is a file
// error like any other.
void ecrire_octets(std::ostream& sortie, const std::string& octets) {
  errno = 0;
  sortie.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  sortie.flush();
  if (!sortie)
    lever(GenreErreur::Fichier, "sortie standard", errno != 0 ? raison_systeme(errno) : "écriture impossible");
}

int executer_dat(const Options& options, std::ostream& sortie) {
  const ResultatTrace trace = tracer(options.champs);
  DonneesExport donnees;
  donnees.nouvelle_liste = true; // as the dialog's activation does
  const std::string nom = remettre(options.champs, trace.liste, trace.nbpts, donnees);

  if (options.sortie == "-") {
    ecrire_octets(sortie, contenu_dat(donnees));
    return 0;
  }
  const std::string ecrit = sauvegarder(options.sortie.value_or(nom), donnees);
  sortie << texte_confirmation(donnees.nbpts()) << "\n" << texte_affichable(ecrit) << "\n";
  return 0;
}

int executer_gabarit(const Options& options, std::ostream& sortie) {
  if (options.sortie == "-") {
    ecrire_octets(sortie, octets_gabarit(construire_gabarit(options.champs), options.format));
    return 0;
  }
  const std::string chemin = options.sortie.value_or(nom_par_defaut(options.champs, options.format));
  const GabaritEcrit ecrit = ecrire_gabarit(options.champs, options.format, chemin);
  sortie << texte_resume(ecrit.gabarit, options.format) << "\n" << texte_affichable(ecrit.chemin) << "\n";
  return 0;
}

} // namespace

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
    return options->format == FormatGabarit::Dat ? executer_dat(*options, sortie) : executer_gabarit(*options, sortie);
  } catch (const ErreurExecution& e) {
    erreurs << "bilobe-dat : " << e.what() << "\n";
    return 1;
  }
}

} // namespace bilobe::cli
