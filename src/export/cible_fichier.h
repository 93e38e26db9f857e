#pragma once

#include <string>
#include <sys/stat.h>

namespace bilobe {

// Where a save really lands: the real folder (no link left in it) and the
// name in it. Symbolic links are followed as the kernel follows them when it
// opens a file, including its rule for shared folders: in a sticky folder
// that anyone may write to, a link is followed only when it belongs to the
// user running the program or to the folder's owner.
struct CibleFichier {
  std::string dossier; // absolute, resolved
  std::string nom;
  bool existe = false;
  struct stat etat {}; // of the existing file

  std::string chemin() const { return dossier == "/" ? "/" + nom : dossier + "/" + nom; }
};

// Resolves `chemin` and refuses, with a file error naming it, anything but a
// regular file or a free name in an existing folder: a folder, a device, a
// named pipe, a socket, a link without target, a foreign link in a shared
// folder, a stream of the process reached by its name (/dev/stdout,
// /proc/self/fd/1…), a read-only file (even for root).
CibleFichier resoudre_cible(const std::string& chemin);

// The French reason for a system error code ("support plein"…).
std::string raison_systeme(int code);

} // namespace bilobe
