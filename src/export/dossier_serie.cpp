#include "export/dossier_serie.h"

#include "common/erreurs.h"
#include "export/cible_fichier.h"
#include "export/fichier_dat.h"

#include <filesystem>
#include <system_error>

namespace bilobe {

namespace {

namespace fs = std::filesystem;

std::string chemin_dans(const std::string& dossier, const std::string& nom) {
  return (fs::path(dossier) / nom).string();
}

} // namespace

std::vector<std::string> ecrire_dans_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                             const std::function<void()>& apres_chaque) {
  if (dossier.empty()) lever(GenreErreur::Fichier, dossier, "nom de dossier vide");
  std::error_code erreur;
  const fs::file_status etat = fs::status(dossier, erreur);
  if (fs::exists(etat) && !fs::is_directory(etat)) lever(GenreErreur::Fichier, dossier, "ce n'est pas un dossier");
  if (fs::exists(etat))
    for (const FichierPrepare& f : fichiers) resoudre_cible(chemin_dans(dossier, f.nom));
  else if (fs::create_directories(dossier, erreur); erreur)
    lever(GenreErreur::Fichier, dossier, raison_systeme(erreur.value()));

  std::vector<std::string> ecrits;
  for (const FichierPrepare& f : fichiers) {
    ecrits.push_back(ecrire_fichier(chemin_dans(dossier, f.nom), f.octets));
    if (apres_chaque) apres_chaque();
  }
  return ecrits;
}

} // namespace bilobe
