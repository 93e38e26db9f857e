#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace bilobe {

// A file of a series, made in memory before anything is written.
struct FichierPrepare {
  std::string nom; // in the output folder: "F1.dat", "Planche 1.svg"…
  std::string octets;
};

// The one way the program reads and writes files: the system's (POSIX here,
// Windows there) or memory (the browser, the tests). Each failure is a file
// error (ErreurFichier) naming the path, and leaves nothing half-written.
class Fichiers {
public:
  virtual ~Fichiers() = default;

  // The bytes of a regular file of at most `taille_max` bytes.
  virtual std::string lire(const std::string& chemin, std::size_t taille_max) const = 0;

  // Whether a file may be written at `chemin`, said before its bytes are
  // made: an error for a folder, a read-only file, a missing folder…
  virtual void verifier_cible(const std::string& chemin) const = 0;

  // The bytes at `chemin`, all or nothing; the path really written.
  virtual std::string ecrire(const std::string& chemin, const std::string& octets) = 0;

  // The files into `dossier`, created with its parents when missing; every
  // name checked before the first file is written, each file all or
  // nothing. The paths really written, in order; `apres_chaque`, when given,
  // is called after each.
  virtual std::vector<std::string> ecrire_dossier(const std::string& dossier,
                                                  const std::vector<FichierPrepare>& fichiers,
                                                  const std::function<void()>& apres_chaque = {}) = 0;
};

// The computer's own files.
Fichiers& fichiers_du_systeme();

} // namespace bilobe
