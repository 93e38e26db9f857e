#pragma once

#include "serie/description.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bilobe {

// The stations as a table of texts, one row a station: its position, then
// its eight dimensions in the order of COTES.
inline constexpr std::size_t COLONNES_STATION = 1 + NB_COTES;
using LigneStation = std::array<std::string, COLONNES_STATION>;

// A cell that cannot be read, and why (French, for a tooltip).
struct DefautCellule {
  std::size_t ligne = 0;
  std::size_t colonne = 0;
  std::string message;
};

struct StationsLues {
  std::vector<Station> stations; // complete only when there is no fault
  std::vector<DefautCellule> defauts;
};

// Each cell read by the number reading rule; a cell that is not wholly a
// number, and a position not beyond the one of the row above, are faults.
StationsLues lire_stations(const std::vector<LigneStation>& lignes);

// The texts of stations, each number the shortest that reads back the same.
std::vector<LigneStation> lignes_de(const std::vector<Station>& stations);

// The station the series gives at `position`: each dimension read on its
// curve and rounded to the hundredth, as the formers are. Nothing outside
// the first and last stations. The description must be valid.
std::optional<LigneStation> station_interpolee(const DescriptionSerie& description, double position);

// Rows pasted from a spreadsheet: lines, cells between tabs or semicolons,
// blanks around them dropped, a decimal comma made a point ("62,5" is
// "62.5"). A last empty line is not a row.
std::vector<std::vector<std::string>> cellules_collees(std::string_view texte);

// Where a row at `position` goes among rows in order of position: before the
// first whose position reads larger.
std::size_t rang_pour(const std::vector<LigneStation>& lignes, double position);

// "2,5" written "2.5": a number with one decimal comma, with a point; any
// other text as it is.
std::string avec_le_point(const std::string& texte);

// "0, 40, 95.5": positions of formers, separated by commas, semicolons or
// blanks; with semicolons or blanks between them, "62,5" is 62.5. Nothing
// when a piece is not a number; `defaut` then says which.
std::optional<std::vector<double>> lire_positions(std::string_view texte, std::string& defaut);
std::string texte_positions(const std::vector<double>& positions);

} // namespace bilobe
