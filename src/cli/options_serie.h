#pragma once

#include "serie/ecriture_serie.h"

#include <optional>
#include <string>
#include <vector>

namespace bilobe::cli {

struct OptionsSerie {
  std::string fichier;       // the fuselage file
  std::string dossier = "."; // where the files go
  FormatsSerie formats;
  bool aide = false;
  // --depuis-lignes: a lines file becomes the fuselage file `dossier` names.
  std::optional<std::string> lignes;
  bool sortie_donnee = false;
  bool formats_donnes = false;
};

// Parses the arguments of bilobe-serie (without the program name). A usage
// error returns nullopt and sets `erreur` to a French sentence.
std::optional<OptionsSerie> analyser_serie(const std::vector<std::string>& arguments, std::string& erreur);

std::string texte_usage_serie();
std::string texte_aide_serie();

} // namespace bilobe::cli
