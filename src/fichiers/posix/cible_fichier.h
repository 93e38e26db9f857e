#pragma once

#include "fichiers/posix/descripteur.h"

#include <string>
#include <sys/stat.h>
#include <vector>

namespace bilobe {

// A folder reached by walking a path, held open: everything then done in it
// goes through this descriptor, so that nothing can be swapped between the
// checks and the write.
struct DossierTenu {
  Descripteur fd;
  std::string chemin; // the real path, every link resolved; relative only when the
                      // working folder is deeper than the system can name
};

// Where a save really lands: the real folder and the name in it.
//
// The path is walked one name at a time, and every symbolic link met on the
// way (a folder of the path or the file itself) is followed as the kernel
// follows it, with its rule for shared folders whatever the machine's
// setting: in a sticky folder that anyone may write to, a link is followed
// only when it belongs to the user running the program or to the folder's
// owner.
struct CibleFichier {
  DossierTenu dossier;
  std::string nom;
  bool existe = false;
  struct stat etat {}; // of the existing file

  std::string chemin() const;
};

// "dossier/nom", without doubling the root's "/".
std::string chemin_dans(const std::string& dossier, const std::string& nom);

// Resolves `chemin` and refuses, with a file error naming it, anything but a
// regular file or a free name in an existing folder: a folder, a device, a
// named pipe, a socket, a link without target, a foreign link in a shared
// folder, a stream of the process reached by its name (/dev/stdout,
// /proc/self/fd/1…), a read-only file (even for root).
CibleFichier resoudre_cible(const std::string& chemin);

// The same for the name `nom` of a folder already held; `chemin` names it in
// messages.
CibleFichier resoudre_cible_dans(const DossierTenu& dossier, const std::string& nom, const std::string& chemin);

// A folder to write into: the deepest folder of `chemin` that exists, held,
// and the names below it still to create, in order.
struct DossierAtteint {
  DossierTenu existant;
  std::vector<std::string> a_creer;
};
DossierAtteint atteindre_dossier(const std::string& chemin);

} // namespace bilobe
