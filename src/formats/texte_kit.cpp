#include "formats/texte_kit.h"

#include "common/chiffres.h"
#include "common/texte_nombre.h"

#include <cmath>
#include <vector>

namespace bilobe {

namespace {

std::vector<std::string> morceaux(const std::string& texte) {
  std::vector<std::string> m(1);
  for (const char c : texte) {
    if (c == ':')
      m.emplace_back();
    else
      m.back() += c;
  }
  return m;
}

} // namespace

std::optional<double> lire_mm(const std::string& texte) {
  const char* fin = texte.data() + texte.size();
  const chiffres::Lu lu = chiffres::lire(texte.data(), fin);
  if (texte.empty() || lu.erreur != std::errc() || lu.fin != fin || !std::isfinite(lu.valeur)) return std::nullopt;
  return lu.valeur;
}

std::optional<Encoche> lire_place(const std::string& texte) {
  Encoche e;
  if (texte == "dos") return e;
  if (texte == "ventre") {
    e.place = 1;
    return e;
  }
  if (texte == "niveau") {
    e.au_niveau = true;
    return e;
  }
  const auto t = lire_mm(texte);
  if (!t || !(*t >= 0 && *t <= 1)) return std::nullopt;
  e.place = *t;
  return e;
}

std::string texte_place(const Encoche& e) {
  if (e.au_niveau) return "niveau";
  if (e.place == 0) return "dos";
  if (e.place == 1) return "ventre";
  return texte_exact(e.place);
}

std::optional<Encoche> lire_encoche(const std::string& texte) {
  const auto m = morceaux(texte);
  if (m.size() != 3) return std::nullopt;
  auto e = lire_place(m[0]);
  const auto largeur = lire_mm(m[1]), profondeur = lire_mm(m[2]);
  if (!e || !largeur || !profondeur || !cote_kit_valide(*largeur) || !cote_kit_valide(*profondeur)) return std::nullopt;
  e->largeur = *largeur;
  e->profondeur = *profondeur;
  return e;
}

std::optional<Pattes> lire_pattes(const std::string& texte) {
  const auto m = morceaux(texte);
  if (m.size() != 4 || (m[0] != "dessous" && m[0] != "dessus")) return std::nullopt;
  const auto largeur = lire_mm(m[1]), ecart = lire_mm(m[2]), distance = lire_mm(m[3]);
  if (!largeur || !ecart || !distance || !cote_kit_valide(*largeur) || !ecart_kit_valide(*ecart) ||
      !(std::abs(*distance) < COTE_KIT_MAX))
    return std::nullopt;
  return Pattes{m[0] == "dessus", *largeur, *ecart, *distance};
}

} // namespace bilobe
