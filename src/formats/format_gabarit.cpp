#include "formats/format_gabarit.h"

#include "common/texte_mm.h"
#include "formats/legende.h"
#include "formats/texte_dat.h"

#include <array>
#include <cctype>

namespace bilobe {

namespace {

struct DescriptionFormat {
  FormatGabarit format;
  const char* nom;
};
constexpr std::array<DescriptionFormat, 4> FORMATS{{
    {FormatGabarit::Dat, "dat"},
    {FormatGabarit::Svg, "svg"},
    {FormatGabarit::Dxf, "dxf"},
    {FormatGabarit::Pdf, "pdf"},
}};

constexpr bool dans_l_ordre() {
  for (std::size_t k = 0; k < FORMATS.size(); ++k)
    if (static_cast<std::size_t>(FORMATS[k].format) != k) return false;
  return true;
}
static_assert(dans_l_ordre(), "FORMATS follows the order of FormatGabarit");

const char* nom_minuscule(FormatGabarit format) { return FORMATS[static_cast<std::size_t>(format)].nom; }

} // namespace

std::optional<FormatGabarit> format_depuis_nom(std::string_view nom) {
  std::string minuscule;
  for (char c : nom) minuscule += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& f : FORMATS)
    if (minuscule == f.nom) return f.format;
  return std::nullopt;
}

std::string nom_format(FormatGabarit format) {
  std::string nom = nom_minuscule(format);
  for (char& c : nom) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return nom;
}

std::string extension(FormatGabarit format) { return std::string(".") + nom_minuscule(format); }

std::string nom_par_defaut(const ChampsCouple& champs, FormatGabarit format) {
  std::string nom = textes_dat(ValeursCouple(champs)).nom_fichier;
  nom.resize(nom.size() - extension(FormatGabarit::Dat).size());
  return nom + extension(format);
}

std::string texte_resume(const Gabarit& g, FormatGabarit format) {
  return "Gabarit " + nom_format(format) + " : " + texte_mm(g.piece.largeur()) + " x " + texte_mm(g.piece.hauteur()) +
         " mm, surface " + texte_mm(g.surface) + " mm², " + texte_paroi(g.paroi) + ", saignée " + texte_mm(g.saignee) +
         " mm";
}

} // namespace bilobe
