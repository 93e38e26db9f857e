#include "fichiers/posix/ecriture_atomique.h"

#include "common/erreurs.h"
#include "fichiers/erreurs_systeme.h"
#include "fichiers/posix/cible_fichier.h"
#include "fichiers/posix/signaux.h"
#include "fichiers/sans_signal_taille.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace bilobe {

namespace {

[[noreturn]] void echec(const std::string& chemin, int code) {
  lever(GenreErreur::Fichier, chemin, raison_systeme(code));
}

// Our temporary names: ".bilobe-PID-N.tmp", short, so that a target name of
// the longest length still saves.
std::string nom_temporaire(long pid, int n) {
  return ".bilobe-" + std::to_string(pid) + "-" + std::to_string(n) + ".tmp";
}

// The PID in one of our temporary names, or 0.
long pid_du_temporaire(const std::string& nom) {
  const std::string debut = ".bilobe-", fin = ".tmp";
  if (nom.size() <= debut.size() + fin.size() || nom.rfind(debut, 0) != 0 ||
      nom.compare(nom.size() - fin.size(), fin.size(), fin) != 0)
    return 0;
  const std::string milieu = nom.substr(debut.size(), nom.size() - debut.size() - fin.size());
  const std::size_t tiret = milieu.find('-');
  if (tiret == 0 || tiret == std::string::npos || tiret + 1 == milieu.size()) return 0;
  for (std::size_t i = 0; i < milieu.size(); ++i)
    if (i != tiret && (milieu[i] < '0' || milieu[i] > '9')) return 0;
  if (tiret > 9) return 0;
  return std::stol(milieu.substr(0, tiret));
}

// Removes the temporary files of ours that a killed run left: ours by name
// and owner, and their process gone.
void nettoyer_restes(int dossier) {
  const int fd = ::openat(dossier, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  DIR* d = ::fdopendir(fd);
  if (!d) {
    ::close(fd);
    return;
  }
  while (const dirent* e = ::readdir(d)) {
    const std::string nom = e->d_name;
    const long pid = pid_du_temporaire(nom);
    if (pid <= 0 || pid == ::getpid()) continue;
    struct stat s {};
    if (::fstatat(dossier, nom.c_str(), &s, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(s.st_mode) || s.st_uid != ::geteuid())
      continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlinkat(dossier, nom.c_str(), 0);
  }
  ::closedir(d);
}

// The temporary file: unnamed (O_TMPFILE) where the folder's file system
// allows it, else named; removed unless it took the target's name.
class FichierTemporaire {
public:
  FichierTemporaire(int dossier, const std::string& chemin) : dossier_(dossier) {
    // An unnamed file must be given a name at the end: root links the
    // descriptor itself, anyone else through /proc.
    const bool nommable = ::geteuid() == 0 || ::access("/proc/self/fd", X_OK) == 0;
    if (nommable) fd_ = ::openat(dossier, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0) return;
    for (int essai = 0; essai < 100 && fd_ < 0; ++essai) {
      nom_ = nom_temporaire(::getpid(), essai);
      fd_ = ::openat(dossier, nom_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
      if (fd_ < 0 && errno != EEXIST) echec(chemin, errno);
    }
    if (fd_ < 0) lever(GenreErreur::Fichier, chemin, "impossible de créer un fichier temporaire");
  }
  ~FichierTemporaire() {
    if (fd_ >= 0) ::close(fd_);
    if (!nom_.empty() && !garde_) ::unlinkat(dossier_, nom_.c_str(), 0);
  }
  FichierTemporaire(const FichierTemporaire&) = delete;
  FichierTemporaire& operator=(const FichierTemporaire&) = delete;

  int fd() const { return fd_; }

  // Gives the unnamed file a short name of ours, just before the rename.
  void nommer(const std::string& chemin) {
    if (!nom_.empty()) return;
    const std::string source = "/proc/self/fd/" + std::to_string(fd_);
    for (int essai = 0; essai < 100; ++essai) {
      const std::string nom = nom_temporaire(::getpid(), essai);
      // Root may link the descriptor itself; everyone may link through /proc.
      if (::linkat(fd_, "", dossier_, nom.c_str(), AT_EMPTY_PATH) == 0 ||
          ::linkat(AT_FDCWD, source.c_str(), dossier_, nom.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        nom_ = nom;
        return;
      }
      if (errno != EEXIST) echec(chemin, errno);
    }
    lever(GenreErreur::Fichier, chemin, "impossible de nommer le fichier temporaire");
  }
  const std::string& nom() const { return nom_; }
  int fermer() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }
  void garder() { garde_ = true; }

private:
  int dossier_;
  int fd_ = -1;
  std::string nom_;
  bool garde_ = false;
};

void ecrire_tout(int fd, const std::string& octets, const std::string& chemin) {
  const char* p = octets.data();
  std::size_t reste = octets.size();
  while (reste > 0) {
    const ssize_t n = ::write(fd, p, reste);
    if (n < 0) {
      if (errno == EINTR) continue;
      echec(chemin, errno);
    }
    p += n;
    reste -= static_cast<std::size_t>(n);
  }
}

mode_t masque_de_creation() {
  const mode_t masque = ::umask(0);
  ::umask(masque);
  return masque;
}

// A replaced file keeps its owner, group and mode, without the set-ID bits;
// a new one gets the mode any new file gets.
void donner_droits(int fd, const CibleFichier& cible, const std::string& chemin) {
  if (!cible.existe) {
    if (::fchmod(fd, 0666 & ~masque_de_creation()) != 0) echec(chemin, errno);
    return;
  }
  struct stat temporaire {};
  if (::fstat(fd, &temporaire) != 0) echec(chemin, errno);
  if (temporaire.st_uid != cible.etat.st_uid || temporaire.st_gid != cible.etat.st_gid) {
    // Only root may give a file away; a user keeps at least the group if a member.
    if (::fchown(fd, cible.etat.st_uid, cible.etat.st_gid) != 0 && errno == EPERM)
      (void)::fchown(fd, static_cast<uid_t>(-1), cible.etat.st_gid);
  }
  if (::fchmod(fd, cible.etat.st_mode & 01777) != 0) echec(chemin, errno);
}

// Writes through the folder that the target's check holds.
std::string ecrire_cible(const CibleFichier& cible, const std::string& octets, const std::string& chemin) {
  const int dossier = cible.dossier.fd.get();
  nettoyer_restes(dossier);

  std::optional<SignauxRetenus> retenus; // released after the temporary file is gone
  FichierTemporaire temporaire(dossier, chemin);
  ecrire_tout(temporaire.fd(), octets, chemin);
  donner_droits(temporaire.fd(), cible, chemin);
  if (::fsync(temporaire.fd()) != 0) echec(chemin, errno);

  retenus.emplace();
  temporaire.nommer(chemin);
  if (temporaire.fermer() != 0) echec(chemin, errno);
  // Another program may have saved the same name meanwhile; anything but a
  // regular file standing there now is refused as before.
  struct stat maintenant {};
  if (::fstatat(dossier, cible.nom.c_str(), &maintenant, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(maintenant.st_mode))
    lever(GenreErreur::Fichier, chemin, "le fichier a changé pendant l'écriture");
  if (::renameat(dossier, temporaire.nom().c_str(), dossier, cible.nom.c_str()) != 0) echec(chemin, errno);
  temporaire.garder();
  return cible.chemin();
}

} // namespace

std::string ecrire_fichier(const std::string& chemin, const std::string& octets) {
  const SansSignalTaille sans_signal;
  return ecrire_cible(resoudre_cible(chemin), octets, chemin);
}

std::string ecrire_fichier_dans(const DossierTenu& dossier, const std::string& nom, const std::string& octets,
                                const std::string& chemin) {
  const SansSignalTaille sans_signal;
  return ecrire_cible(resoudre_cible_dans(dossier, nom, chemin), octets, chemin);
}

} // namespace bilobe
