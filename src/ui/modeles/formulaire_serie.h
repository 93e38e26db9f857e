#pragma once

#include "serie/description.h"
#include "serie/tableau_stations.h"
#include "ui/modeles/champs_serie.h"
#include "ui/modeles/lecture_kit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bilobe {

// The series form as the user left it, texts and ticks, whatever they hold:
// what the series window and the series page show and keep.
struct FormulaireSerie {
  std::array<std::string, champs_serie::TEXTES.size()> textes{"", "90", "20"};
  std::array<bool, champs_serie::CASES.size()> cases{};
  std::array<double, champs_serie::LONGUEURS.size()> longueurs{};
  bool par_nombre = true; // else at the positions
  int nombre = 10;
  std::string positions;
  bool lisse = false;
  KitLu kit; // the notches and tabs, read by their dialog's rule
  std::vector<LigneStation> stations;
  std::string plan; // the [plan] table as the file writes it, carried along; empty: none

  FormulaireSerie();
};

// The form read: a description when every part reads and the series holds,
// and each fault where it is, in French.
struct FormulaireLu {
  std::optional<DescriptionSerie> description;
  std::vector<DefautCellule> cellules;         // the station cells that do not read
  std::optional<std::string> defaut_positions; // why the positions do not read
  std::vector<std::size_t> longueurs_fausses;  // the lengths outside their range, by their place in LONGUEURS
  std::vector<std::string> defauts;            // every fault, a line each, in the order of the form
};
FormulaireLu lire_formulaire(const FormulaireSerie& formulaire);

// The form that shows a description.
FormulaireSerie formulaire_de(const DescriptionSerie& description);

} // namespace bilobe
