#pragma once

#include "volume/maillage.h"

#include <string>
#include <string_view>

namespace bilobe {

// The bytes of a binary STL file: an 80-byte header holding `entete` (cut
// to fit; never starting with "solid", which readers take for a text STL),
// the triangle count, then each triangle's normal and three corners, all
// little-endian whatever the machine.
std::string contenu_stl(const Maillage& maillage, std::string_view entete);

} // namespace bilobe
