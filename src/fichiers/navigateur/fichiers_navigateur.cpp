#include "fichiers/fichiers_en_memoire.h"

namespace bilobe {

// The browser has no disk of ours: what is written waits in memory until the
// page hands it to the user as a download.
Fichiers& fichiers_du_systeme() {
  static FichiersEnMemoire memoire;
  return memoire;
}

} // namespace bilobe
