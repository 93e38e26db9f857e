#include "ui/modeles/formulaire_serie.h"

#include "common/texte_mm.h"
#include "serie/fichier_plan.h"

#include <cctype>

namespace bilobe {

namespace {

std::string texte_defaut_cellule(const DefautCellule& d) {
  const std::string colonne = d.colonne == 0 ? "Position" : COTES[d.colonne - 1].titre;
  return "Station " + std::to_string(d.ligne + 1) + ", " + colonne + " : " + d.message;
}

// "Station 2 : …", or the sentence with its first letter raised.
std::string texte_defaut(const DefautDescription& d) {
  if (d.station) return "Station " + std::to_string(*d.station + 1) + " : " + d.message;
  std::string texte = d.message;
  if (!texte.empty()) texte[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(texte[0])));
  return texte;
}

} // namespace

FormulaireSerie::FormulaireSerie() {
  for (std::size_t k = 0; k < champs_serie::LONGUEURS.size(); ++k) longueurs[k] = champs_serie::LONGUEURS[k].defaut;
}

FormulaireLu lire_formulaire(const FormulaireSerie& f) {
  using namespace champs_serie;
  FormulaireLu lu;
  const StationsLues stations = lire_stations(f.stations);
  lu.cellules = stations.defauts;
  for (const DefautCellule& d : stations.defauts) lu.defauts.push_back(texte_defaut_cellule(d));

  DescriptionSerie d;
  d.interpolation = f.lisse ? Interpolation::Lisse : Interpolation::Lineaire;
  if (f.par_nombre) {
    d.nombre = f.nombre;
  } else {
    std::string defaut;
    d.positions = lire_positions(f.positions, defaut);
    if (!d.positions) {
      lu.defaut_positions = defaut;
      lu.defauts.push_back("Positions : " + defaut);
    }
  }
  for (std::size_t k = 0; k < TEXTES.size(); ++k) d.*(TEXTES[k].valeur) = f.textes[k];
  for (std::size_t k = 0; k < CASES.size(); ++k) CASES[k].ecrire(d, f.cases[k]);
  for (std::size_t k = 0; k < LONGUEURS.size(); ++k) {
    // The window's boxes keep their range; a page's field does not.
    const Longueur& l = LONGUEURS[k];
    LONGUEURS[k].valeur(d) = f.longueurs[k];
    if (f.longueurs[k] >= l.min && f.longueurs[k] <= l.max) continue;
    lu.longueurs_fausses.push_back(k);
    std::string nom = l.libelle;
    nom.erase(nom.find_last_not_of(" :") + 1);
    lu.defauts.push_back(nom + " : entre " + texte_mm(l.min) + " et " + texte_mm(l.max) + " mm");
  }
  lu.defauts.insert(lu.defauts.end(), f.kit.fautes.begin(), f.kit.fautes.end());
  d.gabarit.encoches = f.kit.encoches;
  d.pattes = f.kit.pattes;
  if (!lu.defauts.empty()) return lu;
  d.stations = stations.stations;
  d.plan = plan_du_texte(f.plan); // written by texte_plan: a fault here is the program's
  if (const auto defaut = defaut_description(d)) {
    lu.defauts.push_back(texte_defaut(*defaut));
    return lu;
  }
  lu.description = std::move(d);
  return lu;
}

FormulaireSerie formulaire_de(const DescriptionSerie& d) {
  using namespace champs_serie;
  FormulaireSerie f;
  DescriptionSerie copie = d; // the lengths are reached through references
  for (std::size_t k = 0; k < TEXTES.size(); ++k) f.textes[k] = d.*(TEXTES[k].valeur);
  for (std::size_t k = 0; k < CASES.size(); ++k) f.cases[k] = CASES[k].lire(d);
  for (std::size_t k = 0; k < LONGUEURS.size(); ++k) f.longueurs[k] = LONGUEURS[k].valeur(copie);
  f.stations = lignes_de(d.stations);
  f.par_nombre = d.nombre.has_value();
  if (d.nombre) f.nombre = *d.nombre;
  f.positions = d.positions ? texte_positions(*d.positions) : std::string();
  f.lisse = d.interpolation == Interpolation::Lisse;
  f.kit.encoches = d.gabarit.encoches;
  f.kit.pattes = d.pattes;
  if (d.plan) f.plan = texte_plan(*d.plan);
  return f;
}

} // namespace bilobe
