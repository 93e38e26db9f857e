#pragma once

#include "fichiers/posix/cible_fichier.h"

#include <string>

namespace bilobe {

// Writes the bytes to the file at `chemin`, all or nothing, and returns the
// path of the file really written (a link is written through).
//
// The bytes go to a temporary file of the target's folder (unnamed where the
// system offers it), which replaces the target by a rename only once
// everything is written and on disk: an existing file is either wholly old or
// wholly new, even if the program is killed. Only a regular file is ever
// replaced; what `resoudre_cible` refuses is refused. A replaced file keeps
// its mode, less the set-user-ID and set-group-ID bits, its group where the
// user may give it (root, or a member), and its owner where the user may
// (root, or the owner itself); a new one gets the usual mode (0666 less the
// umask). Temporary files that an earlier, killed run left in the folder are
// removed.
//
// Failures raise an ErreurExecution of kind Fichier naming the path; nothing
// is then left behind and an existing file keeps its content.
std::string ecrire_fichier(const std::string& chemin, const std::string& octets);

// The same for the name `nom` of a folder already held; `chemin` names the
// file in messages.
std::string ecrire_fichier_dans(const DossierTenu& dossier, const std::string& nom, const std::string& octets,
                                const std::string& chemin);

} // namespace bilobe
