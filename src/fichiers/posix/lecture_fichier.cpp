#include "fichiers/posix/lecture_fichier.h"

#include "common/erreurs.h"
#include "fichiers/posix/descripteur.h"
#include "fichiers/erreurs_systeme.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bilobe {

namespace {

[[noreturn]] void refuser(const std::string& chemin, int code) {
  lever(GenreErreur::Fichier, chemin, code == ENOENT ? "fichier introuvable" : raison_systeme(code));
}

void ordinaire(const std::string& chemin, const struct stat& etat) {
  if (S_ISDIR(etat.st_mode)) lever(GenreErreur::Fichier, chemin, "c'est un dossier");
  if (!S_ISREG(etat.st_mode)) lever(GenreErreur::Fichier, chemin, "ce n'est pas un fichier ordinaire");
}

} // namespace

std::string lire_fichier(const std::string& chemin, std::size_t taille_max) {
  // A device is not even opened (opening some has effects); non-blocking,
  // so that a pipe put there meanwhile is refused instead of waited on.
  struct stat etat {};
  if (::stat(chemin.c_str(), &etat) != 0) refuser(chemin, errno);
  ordinaire(chemin, etat);
  const Descripteur fd(::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) refuser(chemin, errno);
  if (::fstat(fd.get(), &etat) != 0) refuser(chemin, errno);
  ordinaire(chemin, etat);
  if (static_cast<std::size_t>(etat.st_size) > taille_max)
    lever(GenreErreur::Fichier, chemin, "fichier trop grand (plus de " + std::to_string(taille_max) + " octets)");

  std::string octets;
  char tampon[65536];
  for (;;) {
    const ssize_t lus = ::read(fd.get(), tampon, sizeof tampon);
    if (lus < 0 && errno == EINTR) continue;
    if (lus < 0) lever(GenreErreur::Fichier, chemin, raison_systeme(errno));
    if (lus == 0) break;
    octets.append(tampon, static_cast<std::size_t>(lus));
    if (octets.size() > taille_max)
      lever(GenreErreur::Fichier, chemin, "fichier trop grand (plus de " + std::to_string(taille_max) + " octets)");
  }
  return octets;
}

} // namespace bilobe
