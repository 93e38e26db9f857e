#include "fichiers/fichiers.h"
#include "fichiers/posix/cible_fichier.h"
#include "fichiers/posix/ecriture_atomique.h"
#include "fichiers/posix/ecriture_dossier.h"
#include "fichiers/posix/lecture_fichier.h"

namespace bilobe {

namespace {

// The files of a POSIX system, with the guarantees of the functions below.
class FichiersPosix : public Fichiers {
public:
  std::string lire(const std::string& chemin, std::size_t taille_max) const override {
    return lire_fichier(chemin, taille_max);
  }
  void verifier_cible(const std::string& chemin) const override { resoudre_cible(chemin); }
  std::string ecrire(const std::string& chemin, const std::string& octets) override {
    return ecrire_fichier(chemin, octets);
  }
  std::vector<std::string> ecrire_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                          const std::function<void()>& apres_chaque) override {
    return ecrire_dans_dossier(dossier, fichiers, apres_chaque);
  }
};

} // namespace

Fichiers& fichiers_du_systeme() {
  static FichiersPosix systeme;
  return systeme;
}

} // namespace bilobe
