#pragma once

// What the fuselage file and the lines file share: a reader that names the
// line of every fault, and TOML strings written back.

#include "common/erreurs.h"
#include "common/texte_affichable.h"
#include "geometry/boucle.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bilobe {

// Reads one table of the file and remembers where each key stands, so that
// every fault names its line.
class Lecteur {
public:
  explicit Lecteur(std::string nom_fichier) : fichier_(std::move(nom_fichier)) {}

  [[noreturn]] void echouer(const toml::source_region& ou, const std::string& message, bool colonne = false) const {
    std::string texte = texte_affichable(fichier_);
    if (ou.begin.line > 0) texte += ", ligne " + std::to_string(ou.begin.line);
    if (ou.begin.line > 0 && colonne) texte += ", colonne " + std::to_string(ou.begin.column);
    throw DescriptionInvalide(texte + " : " + message);
  }

  // A key the file may not hold is most likely a typing error.
  void seulement(const toml::table& table, std::initializer_list<std::string_view> cles,
                 const std::string& prefixe) const {
    for (auto&& [cle, valeur] : table)
      if (std::find(cles.begin(), cles.end(), cle.str()) == cles.end())
        echouer(cle.source(), "clé inconnue « " + texte_affichable(prefixe + std::string(cle.str()), 60) + " »");
  }

  // `nom` is the key as messages write it, followed for a station's key by
  // "#" and the station's index, so that each station's line is kept.
  static std::string sans_indice(const std::string& nom) { return nom.substr(0, nom.find('#')); }

  const toml::node* noeud(const toml::table& table, std::string_view cle, const std::string& nom, bool requis) const {
    const toml::node* n = table.get(cle);
    if (!n && requis) echouer(table.source(), "clé « " + sans_indice(nom) + " » manquante");
    if (n) lignes_[nom] = n->source();
    return n;
  }

  std::optional<double> nombre(const toml::table& table, std::string_view cle, const std::string& nom,
                               bool requis) const {
    const toml::node* n = noeud(table, cle, nom, requis);
    if (!n) return std::nullopt;
    if (const auto* entier = n->as_integer()) return static_cast<double>(entier->get());
    if (const auto* flottant = n->as_floating_point()) {
      if (!std::isfinite(flottant->get()))
        echouer(n->source(), "« " + sans_indice(nom) + " » doit être un nombre fini");
      return flottant->get();
    }
    echouer(n->source(), "« " + sans_indice(nom) + " » doit être un nombre");
  }

  std::optional<bool> booleen(const toml::table& table, std::string_view cle) const {
    const toml::node* n = noeud(table, cle, std::string(cle), false);
    if (!n) return std::nullopt;
    if (const auto* b = n->as_boolean()) return b->get();
    echouer(n->source(), "« " + std::string(cle) + " » doit valoir true ou false");
  }

  std::optional<std::string> texte(const toml::table& table, std::string_view cle, bool entier_permis) const {
    const toml::node* n = noeud(table, cle, std::string(cle), false);
    if (!n) return std::nullopt;
    if (const auto* s = n->as_string()) return s->get();
    if (const auto* entier = n->as_integer(); entier && entier_permis) return std::to_string(entier->get());
    echouer(n->source(), "« " + std::string(cle) + " » doit être un texte entre guillemets");
  }

  // A point, [x, y].
  PointMm point(const toml::node& n, const std::string& forme) const {
    const toml::array* xy = n.as_array();
    if (!xy || xy->size() != 2) echouer(n.source(), forme);
    double v[2];
    for (std::size_t k = 0; k < 2; ++k) {
      const toml::node& c = *xy->get(k);
      if (const auto* entier = c.as_integer())
        v[k] = static_cast<double>(entier->get());
      else if (const auto* flottant = c.as_floating_point(); flottant && std::isfinite(flottant->get()))
        v[k] = flottant->get();
      else
        echouer(c.source(), forme);
    }
    return {v[0], v[1]};
  }

  // A line of points, [[x, y], …]: numbers, at most `points_max`.
  std::optional<std::vector<PointMm>> points(const toml::table& table, std::string_view cle, const std::string& nom,
                                             bool requis, std::size_t points_max) const {
    const toml::node* n = noeud(table, cle, nom, requis);
    if (!n) return std::nullopt;
    const toml::array* liste = n->as_array();
    const std::string forme = "« " + nom + " » doit être une liste de points [[x, y], …]";
    if (!liste) echouer(n->source(), forme);
    if (liste->size() > points_max)
      echouer(n->source(), "« " + nom + " » a plus de " + std::to_string(points_max) + " points");
    std::vector<PointMm> points;
    for (const toml::node& p : *liste) points.push_back(point(p, forme));
    return points;
  }

  // Where a key that a later check names was read; line 0 when it was not.
  toml::source_region ou(const std::string& nom) const {
    const auto it = lignes_.find(nom);
    return it == lignes_.end() ? toml::source_region{} : it->second;
  }

private:
  std::string fichier_;
  mutable std::map<std::string, toml::source_region> lignes_;
};

// "cle = valeur" and its line end.
inline std::string ligne_toml(const char* cle, const std::string& valeur) {
  return std::string(cle) + " = " + valeur + "\n";
}

// A TOML basic string: quotes, backslashes and control characters escaped.
inline std::string chaine_toml(const std::string& texte) {
  std::string toml = "\"";
  for (const char c : texte) {
    const auto octet = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      toml += '\\';
      toml += c;
    } else if (octet < 0x20 || octet == 0x7f) {
      char echappe[8];
      std::snprintf(echappe, sizeof echappe, "\\u%04X", static_cast<unsigned>(octet));
      toml += echappe;
    } else {
      toml += c;
    }
  }
  return toml + "\"";
}

} // namespace bilobe
