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
  const std::string nombre = avec_le_point(texte);
  if (!est_un_nombre(nombre)) {
    defaut = "« " + texte_affichable(texte, 40) + " » n'est pas un nombre";
    return std::nullopt;
  }
  try {
    return lire_nombre(nombre);
  } catch (const ErreurExecution& e) {
    defaut = e.what();
    return std::nullopt;
  }
}

} // namespace

std::string avec_le_point(const std::string& texte) {
  const std::size_t virgule = texte.find(',');
  if (virgule == std::string::npos || texte.find_first_of(".,", virgule + 1) != std::string::npos ||
      texte.find('.') != std::string::npos)
    return texte;
  std::string avec = texte;
  avec[virgule] = '.';
  return est_un_nombre(avec) ? avec : texte;
}

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

// Commas separate the positions ("0, 40, 95" or "0,40,95") unless they
// are separated otherwise: by semicolons ("0; 62,5; 125"), or by spaces
// alone with every comma between two digits ("0 62,5 125"). Then a comma
// is a decimal comma.
bool virgules_decimales(std::string_view texte) {
  if (texte.find(';') != std::string_view::npos) return true;
  if (texte.find_first_of(" \t\n") == std::string_view::npos) return false;
  const std::size_t debut = texte.find_first_not_of(" \t\n");
  const std::size_t fin = texte.find_last_not_of(" \t\n");
  if (debut == std::string_view::npos ||
      texte.substr(debut, fin - debut).find_first_of(" \t\n") == std::string_view::npos)
    return false; // one number alone: "2,5" is 2 and 5, as always
  for (std::size_t k = 0; k < texte.size(); ++k)
    if (texte[k] == ',' && (k == 0 || k + 1 == texte.size() || !chiffre(texte[k - 1]) || !chiffre(texte[k + 1])))
      return false;
  return true;
}

} // namespace

std::optional<std::vector<double>> lire_positions(std::string_view texte, std::string& defaut) {
  const bool decimales = virgules_decimales(texte);
  const char* separateurs = decimales ? "; \t\n" : ",; \t\n";
  std::vector<double> positions;
  std::size_t debut = 0;
  while (debut < texte.size()) {
    const std::size_t fin = std::min(texte.find_first_of(separateurs, debut), texte.size());
    std::string morceau(texte.substr(debut, fin - debut));
    debut = fin + 1;
    if (morceau.empty()) continue;
    if (decimales) morceau = avec_le_point(morceau);
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
