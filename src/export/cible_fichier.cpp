#include "export/cible_fichier.h"

#include "common/erreurs.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace bilobe {

namespace {

constexpr int MAX_LIENS = 40; // as the kernel: beyond, a loop

[[noreturn]] void refuser(const std::string& chemin, const std::string& raison) {
  lever(GenreErreur::Fichier, chemin, raison);
}

std::string dossier_reel(const std::string& chemin, const std::string& dossier) {
  std::unique_ptr<char, decltype(&std::free)> reel(::realpath(dossier.c_str(), nullptr), &std::free);
  if (!reel) refuser(chemin, raison_systeme(errno));
  return reel.get();
}

bool sous(const std::string& dossier, const std::string& racine) {
  return dossier == racine || dossier.rfind(racine + "/", 0) == 0;
}

// The kernel's rule for links in shared folders (sticky and writable by all).
bool lien_permis(const struct stat& lien, const std::string& dossier) {
  struct stat d {};
  if (::stat(dossier.c_str(), &d) != 0) return false;
  const bool partage = (d.st_mode & S_ISVTX) && (d.st_mode & S_IWOTH);
  return !partage || lien.st_uid == ::geteuid() || lien.st_uid == d.st_uid;
}

std::string lire_lien(const std::string& chemin, const std::string& lien) {
  std::string cible(PATH_MAX, '\0');
  const ssize_t n = ::readlink(lien.c_str(), cible.data(), cible.size());
  if (n < 0) refuser(chemin, raison_systeme(errno));
  cible.resize(static_cast<std::size_t>(n));
  return cible;
}

const char* genre_refuse(mode_t mode) {
  if (S_ISDIR(mode)) return "c'est un dossier";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "c'est un périphérique, pas un fichier";
  if (S_ISFIFO(mode)) return "c'est un tube nommé, pas un fichier";
  if (S_ISSOCK(mode)) return "c'est une socket, pas un fichier";
  return "ce n'est pas un fichier ordinaire";
}

} // namespace

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
  case EFBIG:
    return "fichier trop grand pour la limite de taille";
  case ENAMETOOLONG:
    return "nom trop long";
  case EISDIR:
    return "c'est un dossier";
  case ENOTDIR:
    return "chemin invalide";
  case ELOOP:
    return "trop de liens symboliques";
  default:
    return std::strerror(code);
  }
}

CibleFichier resoudre_cible(const std::string& chemin) {
  std::string courant = chemin;
  for (int liens = 0; liens <= MAX_LIENS; ++liens) {
    const std::size_t barre = courant.find_last_of('/');
    CibleFichier c;
    c.nom = barre == std::string::npos ? courant : courant.substr(barre + 1);
    if (c.nom.empty() || c.nom == "." || c.nom == "..") refuser(chemin, "nom de fichier vide");
    if (c.nom.size() > NAME_MAX) refuser(chemin, raison_systeme(ENAMETOOLONG));
    const std::string dossier = barre == std::string::npos ? "." : barre == 0 ? "/" : courant.substr(0, barre);
    c.dossier = dossier_reel(chemin, dossier);
    // The process's own streams and files, reached by name, are not files to replace.
    if (sous(c.dossier, "/proc") || sous(c.dossier, "/dev/fd"))
      refuser(chemin, "flux du système, pas un fichier (pour la sortie standard, utilisez « -o - »)");

    const std::string complet = c.chemin();
    if (::lstat(complet.c_str(), &c.etat) != 0) {
      if (errno != ENOENT) refuser(chemin, raison_systeme(errno));
      if (liens > 0) refuser(chemin, "lien symbolique sans cible");
      c.etat = {};
      return c;
    }
    if (S_ISLNK(c.etat.st_mode)) {
      if (!lien_permis(c.etat, c.dossier))
        refuser(chemin, "lien symbolique d'un autre utilisateur dans un dossier partagé");
      const std::string cible = lire_lien(chemin, complet);
      courant = cible.rfind('/', 0) == 0 ? cible : c.dossier + "/" + cible;
      continue;
    }
    if (!S_ISREG(c.etat.st_mode)) refuser(chemin, genre_refuse(c.etat.st_mode));
    // Root may write anywhere, so the write bits are checked rather than access().
    if ((c.etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) refuser(chemin, "fichier en lecture seule");
    c.existe = true;
    return c;
  }
  refuser(chemin, raison_systeme(ELOOP));
}

} // namespace bilobe
