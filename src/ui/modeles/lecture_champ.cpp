#include "ui/modeles/lecture_champ.h"

#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"
#include "serie/description.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace bilobe {

std::optional<std::string> defaut_champ(std::string_view texte) {
  if (est_un_nombre(texte)) return std::nullopt;
  std::string lu;
  try {
    lu = "lu " + texte_exact(lire_nombre(texte));
  } catch (const ErreurExecution&) {
    return "nombre trop grand";
  }
  if (texte.find(',') != std::string_view::npos) return lu + " : le séparateur décimal est le point";
  if (texte.find_first_not_of(" \t\r\n") == std::string_view::npos) return lu + " : le champ est vide";
  return lu + " : ce n'est pas entièrement un nombre";
}

std::string champs_en_cause(const std::string& lieu, const ChampsCouple& champs) {
  struct Champ {
    const char* cle;
    std::string ChampsCouple::*texte;
    const char* libelle;
  };
  std::vector<Champ> tous;
  for (const Cote& c : COTES) tous.push_back({c.cle, c.champ, c.libelle});
  tous.push_back({"nbptel", &ChampsCouple::nbptel, "Nb pts arcs d'ellipses"});
  tous.push_back({"nbptseg", &ChampsCouple::nbptseg, "Nb pts segments"});
  // The words of the place, each field once, in the order they come.
  std::vector<const Champ*> nommes;
  for (std::size_t debut = 0; debut < lieu.size();) {
    std::size_t fin = debut;
    while (fin < lieu.size() && (std::isalnum(static_cast<unsigned char>(lieu[fin])) || lieu[fin] == '_')) ++fin;
    const std::string mot = lieu.substr(debut, fin - debut);
    for (const Champ& c : tous)
      if (mot == c.cle && std::find(nommes.begin(), nommes.end(), &c) == nommes.end()) nommes.push_back(&c);
    debut = fin + 1;
  }
  const auto fautif = [&](const Champ* c) { return !est_un_nombre(champs.*(c->texte)); };
  const bool un_fautif = std::any_of(nommes.begin(), nommes.end(), fautif);
  std::string texte;
  for (const Champ* c : nommes) {
    if (un_fautif && !fautif(c)) continue;
    std::string lu;
    try {
      lu = texte_exact(lire_nombre(champs.*(c->texte)));
    } catch (const ErreurExecution&) {
      lu = "un nombre trop grand";
    }
    texte += (texte.empty() ? "« " : " ; « ") + std::string(c->libelle) + " » se lit " + lu;
  }
  return texte;
}

} // namespace bilobe
