#include "ui/modeles/sauvegarde.h"

#include "common/erreurs.h"
#include "fichiers/fichiers.h"
#include "formats/texte_dat.h"

#include <filesystem>

namespace bilobe {

std::string chemin_complet(const std::string& dossier, const std::string& nom) {
  // Without a folder the name would land in the root or the current folder.
  if (dossier.empty()) lever(GenreErreur::Fichier, nom, "aucun dossier choisi");
  const char separateur = static_cast<char>(std::filesystem::path::preferred_separator);
  if (dossier.back() == separateur || dossier.back() == '/') return dossier + nom;
  return dossier + separateur + nom;
}

std::string sauvegarder(const std::string& chemin, const DonneesExport& donnees) {
  return fichiers_du_systeme().ecrire(chemin, contenu_dat(donnees.Commentaire, donnees.liste()));
}

} // namespace bilobe
