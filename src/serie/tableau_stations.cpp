#include "serie/tableau_stations.h"

#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_affichable.h"
#include "common/texte_nombre.h"

#include <algorithm>

namespace bilobe {

namespace {

// One cell: its number, or the reason it has none.
std::optional<double> lire_cellule(const std::string& texte, std::string& defaut) {
  if (texte.find_first_not_of(" \t\n") == std::string::npos) {
    defaut = "cellule vide";
    return std::nullopt;
  }
  if (!est_un_nombre(texte)) {
    defaut = "« " + texte_affichable(texte, 40) + " » n'est pas un nombre (le séparateur décimal est le point)";
    return std::nullopt;
  }
  try {
    return lire_nombre(texte);
  } catch (const ErreurExecution& e) {
    defaut = e.what();
    return std::nullopt;
  }
}

} // namespace

StationsLues lire_stations(const std::vector<LigneStation>& lignes) {
  StationsLues lues;
  std::optional<double> precedente;
  for (std::size_t l = 0; l < lignes.size(); ++l) {
    Station station;
    bool complete = true;
    for (std::size_t c = 0; c < COLONNES_STATION; ++c) {
      std::string defaut;
      const auto valeur = lire_cellule(lignes[l][c], defaut);
      if (!valeur) {
        lues.defauts.push_back({l, c, defaut});
        complete = false;
        continue;
      }
      (c == 0 ? station.position : station.cotes[c - 1]) = *valeur;
    }
    if (complete && precedente && !(*precedente < station.position))
      lues.defauts.push_back({l, 0,
                              std::string("position pas après celle de la station précédente (")
                                  .append(texte_exact(*precedente))
                                  .append(")")});
    if (complete) precedente = station.position;
    lues.stations.push_back(station);
  }
  return lues;
}

std::vector<LigneStation> lignes_de(const std::vector<Station>& stations) {
  std::vector<LigneStation> lignes;
  for (const Station& s : stations) {
    LigneStation ligne;
    ligne[0] = texte_exact(s.position);
    for (std::size_t c = 0; c < NB_COTES; ++c) ligne[c + 1] = texte_exact(s.cotes[c]);
    lignes.push_back(ligne);
  }
  return lignes;
}

std::optional<LigneStation> station_interpolee(const DescriptionSerie& d, double position) {
  if (!(position >= d.stations.front().position && position <= d.stations.back().position)) return std::nullopt;
  const CoupleSerie c = couples_aux({position}, courbes_de(d), d).front();
  LigneStation ligne;
  ligne[0] = texte_exact(position);
  for (std::size_t k = 0; k < NB_COTES; ++k) ligne[k + 1] = texte_exact(c.cotes[k]);
  return ligne;
}

std::vector<std::vector<std::string>> cellules_collees(std::string_view texte) {
  std::vector<std::vector<std::string>> lignes;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    std::size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    std::string_view ligne = texte.substr(debut, fin - debut);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    debut = fin + 1;
    std::vector<std::string> cellules;
    std::size_t d = 0;
    for (;;) {
      const std::size_t f = std::min(ligne.find_first_of("\t;", d), ligne.size());
      std::string cellule(ligne.substr(d, f - d));
      const std::size_t a = cellule.find_first_not_of(" "), b = cellule.find_last_not_of(" ");
      cellule = a == std::string::npos ? std::string() : cellule.substr(a, b - a + 1);
      std::replace(cellule.begin(), cellule.end(), ',', '.');
      cellules.push_back(std::move(cellule));
      if (f == ligne.size()) break;
      d = f + 1;
    }
    lignes.push_back(std::move(cellules));
  }
  return lignes;
}

std::size_t rang_pour(const std::vector<LigneStation>& lignes, double position) {
  for (std::size_t r = 0; r < lignes.size(); ++r) {
    if (!est_un_nombre(lignes[r][0])) continue;
    try {
      if (lire_nombre(lignes[r][0]) > position) return r;
    } catch (const ErreurExecution&) { // a position too large to read: after it all the same
    }
  }
  return lignes.size();
}

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// With semicolons between positions, a comma between two digits is a
// decimal comma ("0; 62,5; 125"): its number, or nothing.
std::optional<std::string_view> virgule_decimale(std::string_view texte) {
  if (texte.find(';') == std::string_view::npos) return std::nullopt;
  for (std::size_t k = 1; k + 1 < texte.size(); ++k)
    if (texte[k] == ',' && chiffre(texte[k - 1]) && chiffre(texte[k + 1])) {
      const std::size_t debut = texte.find_last_of("; \t\n", k) + 1; // npos + 1 is 0
      const std::size_t fin = std::min(texte.find_first_of("; \t\n", k), texte.size());
      return texte.substr(debut, fin - debut);
    }
  return std::nullopt;
}

} // namespace

std::optional<std::vector<double>> lire_positions(std::string_view texte, std::string& defaut) {
  if (const auto nombre = virgule_decimale(texte)) {
    defaut = "« " + texte_affichable(std::string(*nombre), 40) +
             " » : le séparateur décimal est le point (les positions se séparent par des virgules, des "
             "points-virgules ou des espaces)";
    return std::nullopt;
  }
  std::vector<double> positions;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t fin = std::min(texte.find_first_of(",; \t\n", debut), texte.size());
    const std::string morceau(texte.substr(debut, fin - debut));
    debut = fin + 1;
    if (morceau.empty()) continue;
    if (!est_un_nombre(morceau)) {
      defaut = "« " + texte_affichable(morceau, 40) + " » n'est pas une position";
      return std::nullopt;
    }
    try {
      positions.push_back(lire_nombre(morceau));
    } catch (const ErreurExecution& e) {
      defaut = e.what();
      return std::nullopt;
    }
  }
  return positions;
}

std::string texte_positions(const std::vector<double>& positions) {
  std::string texte;
  for (const double p : positions) {
    if (!texte.empty()) texte += ", ";
    texte += texte_exact(p);
  }
  return texte;
}

} // namespace bilobe
