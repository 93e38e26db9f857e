#pragma once

#include "fichiers/fichiers.h"

#include <functional>
#include <string>
#include <vector>

namespace bilobe {

// Writes the files into `dossier`, creating it (and its parents) when it is
// missing. Every target is checked before the first file is written, so that
// a bad name is said with nothing written; each file is then written all or
// nothing. Returns the paths really written, in order.
// `apres_chaque`, when given, is called after each file written.
std::vector<std::string> ecrire_dans_dossier(const std::string& dossier, const std::vector<FichierPrepare>& fichiers,
                                             const std::function<void()>& apres_chaque = {});

} // namespace bilobe
