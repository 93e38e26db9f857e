#include "fichiers/posix/ecriture_dossier.h"

#include "common/erreurs.h"
#include "fichiers/posix/cible_fichier.h"
#include "fichiers/posix/ecriture_atomique.h"
#include "fichiers/erreurs_systeme.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bilobe {

namespace {

// The folders this run created, removed again (when still empty) unless the
// first file made it into them.
class DossiersCrees {
public:
  ~DossiersCrees() {
    if (garder_) return;
    for (std::size_t k = noms_.size(); k-- > 0;) ::unlinkat(parents_[k].get(), noms_[k].c_str(), AT_REMOVEDIR);
  }
  void ajouter(const DossierTenu& parent, const std::string& nom) {
    parents_.emplace_back(::openat(parent.fd.get(), ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    noms_.push_back(nom);
  }
  void garder() { garder_ = true; }

private:
  std::vector<Descripteur> parents_;
  std::vector<std::string> noms_;
  bool garder_ = false;
};

// Creates the missing folders one below the other, each opened from its
// parent without following a link that someone put there meanwhile.
DossierTenu creer(DossierAtteint atteint, DossiersCrees& crees, const std::string& chemin) {
  DossierTenu dossier = std::move(atteint.existant);
  for (const std::string& nom : atteint.a_creer) {
    if (::mkdirat(dossier.fd.get(), nom.c_str(), 0777) != 0) lever(GenreErreur::Fichier, chemin, raison_systeme(errno));
    crees.ajouter(dossier, nom);
    Descripteur suivant(::openat(dossier.fd.get(), nom.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (suivant.get() < 0) lever(GenreErreur::Fichier, chemin, raison_systeme(errno));
    dossier.fd = std::move(suivant);
    dossier.chemin = chemin_dans(dossier.chemin, nom);
  }
  return dossier;
}

} // namespace

std::vector<std::string> ecrire_dans_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                             const std::function<void()>& apres_chaque) {
  DossierAtteint atteint = atteindre_dossier(dossier);
  // Every target is known to be writable before anything is created.
  if (atteint.a_creer.empty()) {
    for (const FichierPrepare& f : fichiers) resoudre_cible_dans(atteint.existant, f.nom, chemin_dans(dossier, f.nom));
  } else if (::faccessat(atteint.existant.fd.get(), ".", W_OK | X_OK, AT_EACCESS) != 0) {
    lever(GenreErreur::Fichier, dossier, raison_systeme(errno));
  }
  DossiersCrees crees;
  const DossierTenu tenu = creer(std::move(atteint), crees, dossier);

  std::vector<std::string> ecrits;
  for (const FichierPrepare& f : fichiers) {
    ecrits.push_back(ecrire_fichier_dans(tenu, f.nom, f.octets, chemin_dans(dossier, f.nom)));
    crees.garder();
    if (apres_chaque) apres_chaque();
  }
  return ecrits;
}

} // namespace bilobe
