#pragma once

#include <string>

namespace bilobe {

// Writes the bytes to the file at `chemin`, all or nothing: into a temporary
// file of the same folder, renamed over the target only once everything was
// written and closed. On failure an existing file keeps its content and no
// temporary file is left. A read-only target is refused, even for root.
// Failures raise an ErreurExecution of kind Fichier naming the path.
void ecrire_fichier(const std::string& chemin, const std::string& octets);

} // namespace bilobe
