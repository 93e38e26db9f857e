#pragma once

#include <cstddef>
#include <string>

namespace bilobe {

// The bytes of a regular file of at most `taille_max` bytes. A folder, a
// named pipe, a device, a missing or unreadable file, or a larger one raise
// a file error naming the path; nothing ever waits on a pipe.
std::string lire_fichier(const std::string& chemin, std::size_t taille_max);

} // namespace bilobe
