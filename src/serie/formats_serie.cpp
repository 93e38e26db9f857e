#include "serie/formats_serie.h"

namespace bilobe {

namespace {

constexpr bool dans_l_ordre() {
  for (std::size_t k = 0; k < FORMATS_SERIE.size(); ++k)
    if (static_cast<std::size_t>(FORMATS_SERIE[k].format) != k) return false;
  return true;
}
static_assert(dans_l_ordre(), "FORMATS_SERIE follows FormatSerie");

} // namespace

FormatsSerie::FormatsSerie() {
  for (const DefinitionFormat& d : FORMATS_SERIE) choisir(d.format, d.par_defaut);
}

bool FormatsSerie::demande_couples() const {
  for (const DefinitionFormat& d : FORMATS_SERIE)
    if (d.couples && (*this)[d.format]) return true;
  return false;
}

bool FormatsSerie::demande_planches() const {
  for (const DefinitionFormat& d : FORMATS_SERIE)
    if (d.planches && (*this)[d.format]) return true;
  return false;
}

std::optional<FormatsSerie> formats_depuis(const std::string& liste) {
  FormatsSerie formats = FormatsSerie::aucun();
  std::size_t debut = 0;
  for (;;) {
    const std::size_t virgule = liste.find(',', debut);
    const std::string nom = liste.substr(debut, virgule == std::string::npos ? std::string::npos : virgule - debut);
    const DefinitionFormat* trouve = nullptr;
    for (const DefinitionFormat& d : FORMATS_SERIE)
      if (nom == d.nom) trouve = &d;
    if (!trouve) return std::nullopt;
    formats.choisir(trouve->format);
    if (virgule == std::string::npos) return formats;
    debut = virgule + 1;
  }
}

std::string noms_des_formats() {
  std::string texte;
  for (std::size_t k = 0; k < FORMATS_SERIE.size(); ++k)
    texte.append(k == 0 ? "" : k + 1 == FORMATS_SERIE.size() ? " et " : ", ").append(FORMATS_SERIE[k].nom);
  return texte;
}

} // namespace bilobe
