#include "cli/commande.h"

#include "cli/cadre_commande.h"
#include "cli/options.h"
#include "common/erreurs.h"
#include "common/texte_affichable.h"
#include "fichiers/erreurs_systeme.h"
#include "fichiers/sans_signal_taille.h"
#include "formats/ecriture_export.h"
#include "geometry/forme.h"
#include "geometry/trace.h"

#include <cerrno>

namespace bilobe::cli {

namespace {

// "-o -": a failing standard output (a full disk, a closed pipe) is a file
// error like any other.
void ecrire_octets(std::ostream& sortie, const std::string& octets) {
  const SansSignalTaille sans_signal;
  errno = 0;
  sortie.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  sortie.flush();
  if (!sortie)
    lever(GenreErreur::Fichier, "sortie standard", errno != 0 ? raison_systeme(errno) : "écriture impossible");
}

// One trace, then the one export entry: to standard output or to a file.
int executer_export(const Options& options, std::ostream& sortie, std::ostream& erreurs) {
  const bool sur_la_sortie = options.sortie == "-";
  std::string chemin;
  // A template's default name is made before the trace, the .DAT's after it,
  // so that an impossible former is reported as it always was.
  if (!sur_la_sortie && options.format != FormatGabarit::Dat)
    chemin = options.sortie.value_or(nom_par_defaut(options.champs, options.format));
  const ResultatTrace trace = tracer(options.champs);
  // The .DAT stays as it always was, whatever its shape; the user is told.
  if (options.format == FormatGabarit::Dat) {
    if (const VerificationForme forme = verifier_forme(trace); !forme.valide())
      erreurs << "bilobe-dat : attention, forme impossible à découper : " << forme.defaut << "\n";
    if (!options.gabarit.encoches.empty() || options.gabarit.pattes)
      erreurs << "bilobe-dat : le .DAT garde le contour du couple ; encoches et pattes vont dans les gabarits "
                 "(--format svg, dxf ou pdf)\n";
  }
  if (sur_la_sortie) {
    ecrire_octets(sortie, contenu_export(trace, options.format, options.gabarit).octets);
    return 0;
  }
  if (options.format == FormatGabarit::Dat)
    chemin = options.sortie.value_or(nom_par_defaut(options.champs, options.format));
  const ExportEcrit ecrit = ecrire_export(trace, options.format, chemin, options.gabarit);
  sortie << ecrit.resume << "\n" << texte_affichable(ecrit.chemin) << "\n";
  return 0;
}

} // namespace

int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs) {
  std::string erreur;
  const auto options = analyser(arguments, erreur);
  return executer_commande(
      {"bilobe-dat", texte_usage, texte_aide}, options ? std::optional(options->aide) : std::nullopt, erreur,
      [&] { return executer_export(*options, sortie, erreurs); }, sortie, erreurs);
}

} // namespace bilobe::cli
