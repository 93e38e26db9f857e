#pragma once

#include "formats/format_gabarit.h"
#include "geometry/parametres.h"

#include <optional>
#include <string>
#include <vector>

namespace bilobe::cli {

struct Options {
  ChampsCouple champs;
  std::optional<std::string> sortie; // "-" for standard output
  FormatGabarit format = FormatGabarit::Dat;
  OptionsGabarit gabarit; // --paroi-constante, --saignee
  bool aide = false;
};

// Parses the arguments (without the program name). A usage error returns
// nullopt and sets `erreur` to a French sentence.
std::optional<Options> analyser(const std::vector<std::string>& arguments, std::string& erreur);

std::string texte_usage();
std::string texte_aide();

} // namespace bilobe::cli
