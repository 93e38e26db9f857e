#include "fichiers/posix/cible_fichier.h"

#include "common/erreurs.h"
#include "fichiers/erreurs_systeme.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <linux/magic.h>
#include <memory>
#include <sys/vfs.h>

namespace bilobe {

namespace {

constexpr int MAX_LIENS = 40; // as the kernel: beyond, a loop

[[noreturn]] void refuser(const std::string& chemin, const std::string& raison) {
  lever(GenreErreur::Fichier, chemin, raison);
}

const char* genre_refuse(mode_t mode) {
  if (S_ISDIR(mode)) return "c'est un dossier";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "c'est un périphérique, pas un fichier";
  if (S_ISFIFO(mode)) return "c'est un tube nommé, pas un fichier";
  if (S_ISSOCK(mode)) return "c'est une socket, pas un fichier";
  return "ce n'est pas un fichier ordinaire";
}

// The names of a path, empty ones included: a last empty name is a path
// ending in "/".
std::deque<std::string> noms_du_chemin(const std::string& chemin) {
  std::deque<std::string> noms;
  std::size_t debut = 0;
  for (;;) {
    const std::size_t barre = chemin.find('/', debut);
    noms.push_back(chemin.substr(debut, barre - debut));
    if (barre == std::string::npos) return noms;
    debut = barre + 1;
  }
}

// One walk along a path: the folder it stands in, held open, and the names
// still ahead. Each name is opened from the folder held, never by a whole
// path, so that the folder checked is the folder used.
class Marche {
public:
  Marche(std::string chemin, DossierTenu depart, std::deque<std::string> devant)
      : chemin_(std::move(chemin)), fd_(std::move(depart.fd)), devant_(std::move(devant)) {
    absolu_ = !depart.chemin.empty() && depart.chemin.front() == '/';
    for (std::string& nom : noms_du_chemin(depart.chemin))
      if (!nom.empty() && nom != ".") pieces_.push_back(std::move(nom));
  }

  // The path's start: the root, or the working folder.
  static DossierTenu depart(const std::string& chemin) {
    const bool absolu = !chemin.empty() && chemin.front() == '/';
    DossierTenu d{Descripteur(::open(absolu ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC)), absolu ? "/" : ""};
    if (d.fd.get() < 0) refuser(chemin, raison_systeme(errno));
    if (!absolu) {
      // Unnamed when deeper than the system can say: the real path then stays relative.
      std::unique_ptr<char, decltype(&std::free)> ici(::getcwd(nullptr, 0), &std::free);
      if (ici && ici.get()[0] == '/') d.chemin = ici.get();
    }
    return d;
  }

  bool fini() const { return devant_.empty(); }

  // Takes the next name ahead; `du_lien` tells whether it came from a link.
  std::string prendre(bool& du_lien) {
    du_lien = noms_du_lien_ > 0;
    if (noms_du_lien_ > 0) --noms_du_lien_;
    std::string nom = std::move(devant_.front());
    devant_.pop_front();
    return nom;
  }
  void remettre(std::string nom, bool du_lien) {
    devant_.push_front(std::move(nom));
    if (du_lien) ++noms_du_lien_;
  }
  std::deque<std::string> reste() { return std::move(devant_); }

  // Goes into the folder `nom`, or follows it when it is a link. False when
  // `nom` does not exist (errno ENOENT), with nothing changed.
  bool avancer(const std::string& nom, bool du_lien) {
    if (nom.empty() || nom == ".") return true;
    if (nom == "..") {
      entrer(Descripteur(::openat(fd_.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC)));
      if (!pieces_.empty() && pieces_.back() != "..")
        pieces_.pop_back();
      else if (!absolu_)
        pieces_.push_back("..");
      return true;
    }
    Descripteur suivant(::openat(fd_.get(), nom.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (suivant.get() >= 0) {
      entrer(std::move(suivant));
      pieces_.push_back(nom);
      return true;
    }
    const int code = errno;
    if (code == ENOENT) {
      if (du_lien) refuser(chemin_, "lien symbolique sans cible");
      return false;
    }
    struct stat etat {};
    if ((code == ENOTDIR || code == ELOOP) && ::fstatat(fd_.get(), nom.c_str(), &etat, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(etat.st_mode)) {
      suivre(nom, du_lien);
      return true;
    }
    refuser(chemin_, raison_systeme(code));
  }

  // Follows the link `nom` of the folder held: its target's names go ahead.
  void suivre(const std::string& nom, bool du_lien) {
    if (++liens_ > MAX_LIENS) refuser(chemin_, raison_systeme(ELOOP));
    // The link itself is opened, so that the link checked is the link read.
    const Descripteur lien(::openat(fd_.get(), nom.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat etat {};
    if (lien.get() < 0 || ::fstat(lien.get(), &etat) != 0) refuser(chemin_, raison_systeme(errno));
    if (!S_ISLNK(etat.st_mode)) { // replaced meanwhile: looked at again
      remettre(nom, du_lien);
      return;
    }
    if (!lien_permis(etat)) refuser(chemin_, "lien symbolique d'un autre utilisateur dans un dossier partagé");
    std::string cible(PATH_MAX, '\0');
    const ssize_t n = ::readlinkat(lien.get(), "", cible.data(), cible.size());
    if (n < 0) refuser(chemin_, raison_systeme(errno));
    if (n == 0) refuser(chemin_, "lien symbolique sans cible");
    cible.resize(static_cast<std::size_t>(n));
    std::deque<std::string> noms = noms_du_chemin(cible);
    if (cible.front() == '/') {
      entrer(Descripteur(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC)));
      absolu_ = true;
      pieces_.clear();
    }
    noms_du_lien_ += noms.size();
    devant_.insert(devant_.begin(), noms.begin(), noms.end());
  }

  // The file `nom` of the folder held, without following it.
  bool etat_du_nom(const std::string& nom, struct stat& etat) const {
    if (::fstatat(fd_.get(), nom.c_str(), &etat, AT_SYMLINK_NOFOLLOW) == 0) return true;
    if (errno != ENOENT) refuser(chemin_, raison_systeme(errno));
    return false;
  }

  DossierTenu tenir() {
    std::string texte;
    for (const std::string& piece : pieces_) {
      if (absolu_ || !texte.empty()) texte += '/';
      texte += piece;
    }
    if (texte.empty()) texte = absolu_ ? "/" : ".";
    return {std::move(fd_), std::move(texte)};
  }

  const std::string& chemin() const { return chemin_; }

private:
  void entrer(Descripteur dossier) {
    if (dossier.get() < 0) refuser(chemin_, raison_systeme(errno));
    // The process's own streams and files, reached by name, are not files to replace.
    struct statfs systeme {};
    if (::fstatfs(dossier.get(), &systeme) == 0 && systeme.f_type == PROC_SUPER_MAGIC)
      refuser(chemin_, "flux du système, pas un fichier (pour la sortie standard, utilisez « -o - »)");
    fd_ = std::move(dossier);
  }

  // The kernel's rule for links in shared folders (sticky and writable by all).
  bool lien_permis(const struct stat& lien) const {
    struct stat d {};
    if (::fstat(fd_.get(), &d) != 0) return false;
    const bool partage = (d.st_mode & S_ISVTX) && (d.st_mode & S_IWOTH);
    return !partage || lien.st_uid == ::geteuid() || lien.st_uid == d.st_uid;
  }

  std::string chemin_; // as the user gave it, for messages
  Descripteur fd_;
  bool absolu_ = false;
  std::vector<std::string> pieces_;
  std::deque<std::string> devant_;
  std::size_t noms_du_lien_ = 0; // the first names ahead that a link gave
  int liens_ = 0;
};

CibleFichier resoudre(Marche& marche) {
  for (;;) {
    bool du_lien = false;
    std::string nom = marche.prendre(du_lien);
    if (!marche.fini()) {
      if (!marche.avancer(nom, du_lien)) refuser(marche.chemin(), raison_systeme(ENOENT));
      continue;
    }
    if (nom.empty() || nom == "." || nom == "..") refuser(marche.chemin(), "nom de fichier vide");
    if (nom.size() > NAME_MAX) refuser(marche.chemin(), raison_systeme(ENAMETOOLONG));
    CibleFichier c;
    if (!marche.etat_du_nom(nom, c.etat)) {
      if (du_lien) refuser(marche.chemin(), "lien symbolique sans cible");
      c.etat = {};
    } else if (S_ISLNK(c.etat.st_mode)) {
      marche.suivre(nom, du_lien);
      continue;
    } else {
      if (!S_ISREG(c.etat.st_mode)) refuser(marche.chemin(), genre_refuse(c.etat.st_mode));
      // Root may write anywhere, so the write bits are checked rather than access().
      if ((c.etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) refuser(marche.chemin(), "fichier en lecture seule");
      c.existe = true;
    }
    c.nom = std::move(nom);
    c.dossier = marche.tenir();
    return c;
  }
}

} // namespace

std::string chemin_dans(const std::string& dossier, const std::string& nom) {
  return dossier.back() == '/' ? dossier + nom : dossier + "/" + nom;
}

std::string CibleFichier::chemin() const { return chemin_dans(dossier.chemin, nom); }

CibleFichier resoudre_cible(const std::string& chemin) {
  if (chemin.empty()) refuser(chemin, "nom de fichier vide");
  Marche marche(chemin, Marche::depart(chemin), noms_du_chemin(chemin));
  return resoudre(marche);
}

CibleFichier resoudre_cible_dans(const DossierTenu& dossier, const std::string& nom, const std::string& chemin) {
  DossierTenu depart{Descripteur(::openat(dossier.fd.get(), ".", O_PATH | O_DIRECTORY | O_CLOEXEC)), dossier.chemin};
  if (depart.fd.get() < 0) refuser(chemin, raison_systeme(errno));
  Marche marche(chemin, std::move(depart), noms_du_chemin(nom));
  return resoudre(marche);
}

DossierAtteint atteindre_dossier(const std::string& chemin) {
  if (chemin.empty()) refuser(chemin, "nom de dossier vide");
  Marche marche(chemin, Marche::depart(chemin), noms_du_chemin(chemin));
  while (!marche.fini()) {
    bool du_lien = false;
    std::string nom = marche.prendre(du_lien);
    if (marche.avancer(nom, du_lien)) continue;
    marche.remettre(std::move(nom), du_lien);
    break;
  }
  DossierAtteint atteint;
  for (std::string& nom : marche.reste()) {
    if (nom.empty() || nom == ".") continue;
    if (nom == "..") {
      if (!atteint.a_creer.empty()) atteint.a_creer.pop_back();
      continue;
    }
    if (nom.size() > NAME_MAX) refuser(chemin, raison_systeme(ENAMETOOLONG));
    atteint.a_creer.push_back(std::move(nom));
  }
  atteint.existant = marche.tenir();
  return atteint;
}

} // namespace bilobe
