#include "formats/legende.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <charconv>

namespace bilobe {

namespace {

// Whatever the locale: "." as separator.
std::string deux_decimales(double mm) {
  char texte[400];
  const auto [fin, ec] = std::to_chars(texte, texte + sizeof texte, mm, std::chars_format::fixed, 2);
  if (ec != std::errc()) lever(GenreErreur::Depassement, "gabarit : paroi");
  return std::string(texte, fin);
}

} // namespace

std::string legende_gabarit(const Gabarit& g) {
  return "Couple bi-lobé" + texte_nombre(g.largeur_nominale) + " x" + texte_nombre(g.hauteur_nominale) + " mm - " +
         texte_paroi(g.paroi);
}

std::string texte_paroi(const Paroi& paroi) {
  return "paroi " + deux_decimales(paroi.mince) + " à " + deux_decimales(paroi.epaisse) + " mm";
}

} // namespace bilobe
