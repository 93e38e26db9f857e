#pragma once

#include "fichiers/fichiers.h"

#include <map>
#include <set>
#include <string>

namespace bilobe {

// Files kept in memory, by path ("/" between names), for the browser and
// the tests: the same promises and refusals as the system's files, without
// a disk. The root "/" is a folder from the start.
class FichiersEnMemoire : public Fichiers {
public:
  std::string lire(const std::string& chemin, std::size_t taille_max) const override;
  void verifier_cible(const std::string& chemin) const override;
  std::string ecrire(const std::string& chemin, const std::string& octets) override;
  std::vector<std::string> ecrire_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                          const std::function<void()>& apres_chaque = {}) override;

  // A folder, with its parents.
  void creer_dossier(const std::string& chemin);
  // A file that may be read but not replaced.
  void proteger(const std::string& chemin) { proteges_.insert(normal(chemin)); }

  const std::map<std::string, std::string>& contenu() const { return fichiers_; }

private:
  // The path without "." names, doubled or trailing "/"; ".." refused.
  static std::string normal(const std::string& chemin);
  static std::string parent(const std::string& chemin);

  std::map<std::string, std::string> fichiers_;
  std::set<std::string> dossiers_{"/"};
  std::set<std::string> proteges_;
};

} // namespace bilobe
