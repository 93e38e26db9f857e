#include "export/sauvegarde.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "export/fichier_dat.h"
#include "export/texte_dat.h"

#include <filesystem>

namespace bilobe {

std::string chemin_complet(const std::string& dossier, const std::string& nom) {
  // Without a folder the name would land in the root or the current folder.
  if (dossier.empty()) lever(GenreErreur::Fichier, nom, "aucun dossier choisi");
  const char separateur = static_cast<char>(std::filesystem::path::preferred_separator);
  if (!dossier.empty() && (dossier.back() == separateur || dossier.back() == '/')) return dossier + nom;
  return dossier + separateur + nom;
}

std::string texte_confirmation(std::int16_t nbpts) {
  return "Sauvegarde de " + texte_nombre(nbpts) + " points effectuée";
}

std::string sauvegarder(const std::string& chemin, const DonneesExport& donnees) {
  return ecrire_fichier(chemin, contenu_dat(donnees));
}

} // namespace bilobe
