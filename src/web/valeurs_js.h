#pragma once

// What both pages' bindings hand to JavaScript and read from it.
#include "common/erreurs.h"
#include "ui/modeles/lecture_kit.h"

#include <emscripten/val.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace bilobe::web {

using emscripten::val;

// A copy the page keeps, out of the module's memory.
template <typename T> val tableau(const std::vector<T>& valeurs) {
  return val(emscripten::typed_memory_view(valeurs.size(), valeurs.data())).call<val>("slice");
}

inline val octets(const std::string& texte) { return tableau(std::vector<unsigned char>(texte.begin(), texte.end())); }

inline val erreur(const std::exception& e) {
  val r = val::object();
  r.set("erreur", texte_erreur(e));
  return r;
}

// The browser has no environment: what SOURCE_DATE_EPOCH would say.
inline void dater_pdf(const std::string& date) {
  if (date.empty())
    ::unsetenv("SOURCE_DATE_EPOCH");
  else
    ::setenv("SOURCE_DATE_EPOCH", date.c_str(), 1);
}

inline std::string texte(const val& v) { return v.isUndefined() || v.isNull() ? std::string() : v.as<std::string>(); }

// The notches' rows and the tabs as both pages hold them (a former's
// options, a series' form):
// {encoches: [[place, largeur, profondeur]…], pattes: null | {dessus, largeur, ecart, distance}}.
inline KitLu kit_de(const val& k, const std::string& nom_distance = "distance") {
  std::vector<LigneEncoche> lignes;
  const val rangees = k["encoches"];
  const unsigned n = rangees.isUndefined() ? 0 : rangees["length"].as<unsigned>();
  for (unsigned i = 0; i < n; ++i) lignes.push_back({texte(rangees[i][0]), texte(rangees[i][1]), texte(rangees[i][2])});
  std::optional<Pattes> pattes;
  if (const val p = k["pattes"]; !p.isUndefined() && !p.isNull())
    pattes =
        Pattes{p["dessus"].as<bool>(), p["largeur"].as<double>(), p["ecart"].as<double>(), p["distance"].as<double>()};
  return lire_kit(lignes, pattes, nom_distance);
}

} // namespace bilobe::web
