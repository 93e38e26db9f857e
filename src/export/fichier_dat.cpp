#include "export/fichier_dat.h"

#include "common/erreurs.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace bilobe {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void echec(const std::string& chemin, const std::string& raison) {
  lever(GenreErreur::Fichier, chemin, raison);
}

std::string raison_systeme(int code) {
  switch (code) {
  case ENOENT:
    return "dossier introuvable";
  case EACCES:
  case EPERM:
    return "accès refusé";
  case EROFS:
    return "support protégé en écriture";
  case ENOSPC:
  case EDQUOT:
    return "support plein";
  case ENAMETOOLONG:
    return "nom trop long";
  case EISDIR:
    return "c'est un dossier";
  case ENOTDIR:
    return "chemin invalide";
  default:
    return std::strerror(code);
  }
}

// Closes and removes the temporary file unless the write went through.
class FichierTemporaire {
public:
  FichierTemporaire(const fs::path& dossier, const std::string& nom, const std::string& cible) {
    for (int essai = 0; essai < 100 && fd_ < 0; ++essai) {
      chemin_ = dossier / ("." + nom + "." + std::to_string(::getpid()) + "." + std::to_string(essai) + ".tmp");
      fd_ = ::open(chemin_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) echec(cible, raison_systeme(errno));
    }
    if (fd_ < 0) echec(cible, "impossible de créer un fichier temporaire");
  }
  FichierTemporaire(const FichierTemporaire&) = delete;
  FichierTemporaire& operator=(const FichierTemporaire&) = delete;
  ~FichierTemporaire() {
    if (fd_ >= 0) ::close(fd_);
    if (!garde_) ::unlink(chemin_.c_str());
  }

  int fd() const { return fd_; }
  const fs::path& chemin() const { return chemin_; }
  int fermer() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }
  void garder() { garde_ = true; }

private:
  fs::path chemin_;
  int fd_ = -1;
  bool garde_ = false;
};

void ecrire_tout(int fd, const std::string& octets, const std::string& cible) {
  const char* p = octets.data();
  std::size_t reste = octets.size();
  while (reste > 0) {
    const ssize_t n = ::write(fd, p, reste);
    if (n < 0) {
      if (errno == EINTR) continue;
      echec(cible, raison_systeme(errno));
    }
    p += n;
    reste -= static_cast<std::size_t>(n);
  }
}

} // namespace

void ecrire_fichier(const std::string& chemin, const std::string& octets) {
  fs::path cible(chemin);
  if (cible.filename().empty()) echec(chemin, "nom de fichier vide");

  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(cible, ec))) {
    cible = fs::canonical(cible, ec); // replace the file, not the link
    if (ec) echec(chemin, "lien symbolique sans cible");
  }

  struct stat existant {};
  const bool existe = ::stat(cible.c_str(), &existant) == 0;
  if (existe) {
    if (S_ISDIR(existant.st_mode)) echec(chemin, "c'est un dossier");
    // Root may write anywhere, so the write bits are checked rather than access().
    if ((existant.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) echec(chemin, "fichier en lecture seule");
  }

  const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
  FichierTemporaire temporaire(dossier, cible.filename().string(), chemin);
  ecrire_tout(temporaire.fd(), octets, chemin);
  if (existe) ::fchmod(temporaire.fd(), existant.st_mode & 07777);
  if (::fsync(temporaire.fd()) != 0) echec(chemin, raison_systeme(errno));
  if (temporaire.fermer() != 0) echec(chemin, raison_systeme(errno));
  if (::rename(temporaire.chemin().c_str(), cible.c_str()) != 0) echec(chemin, raison_systeme(errno));
  temporaire.garder();
}

} // namespace bilobe
