#pragma once

#include "geometry/kit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bilobe {

// A row of the notches' table as typed: place, width and depth.
struct LigneEncoche {
  std::string place;
  std::string largeur;
  std::string profondeur;
};

// The notches and tabs of a kit dialog, read; each faulty row, and faulty
// tabs, said in one French line. `nom_distance` is the tabs' last value as
// the dialog calls it ("distance", "garde").
struct KitLu {
  std::vector<Encoche> encoches;
  std::optional<Pattes> pattes;
  std::vector<std::string> fautes;
};
KitLu lire_kit(const std::vector<LigneEncoche>& lignes, const std::optional<Pattes>& pattes,
               std::string_view nom_distance);

} // namespace bilobe
