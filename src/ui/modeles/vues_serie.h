#pragma once

#include "common/interruption.h"
#include "serie/resume_serie.h"
#include "serie/serie_imbriquee.h"

#include <memory>
#include <string>
#include <vector>

namespace bilobe {

// Everything the series window draws for a description, made away from the
// window: the formers traced and nested, the profile, each sheet with its
// caption, the list of the formers.
struct VuesSerie {
  SerieTracee serie;
  std::string profil; // SVG
  struct Planche {
    std::string legende, svg;
  };
  std::vector<Planche> planches;
  std::vector<LigneListe> liste;
};

// The views of `description`. When `avant` was made for the same series
// under another name, only the drawings are made again: the name changes
// no former. `arret` may stop the tracing and nesting (TravailInterrompu).
std::shared_ptr<const VuesSerie> vues_serie(const DescriptionSerie& description,
                                            const std::shared_ptr<const VuesSerie>& avant = {},
                                            const Interruption* arret = nullptr);

} // namespace bilobe
