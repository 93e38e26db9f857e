#include "formats/legende.h"

#include "common/chiffres.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <cmath>

namespace bilobe {

namespace {

// Whatever the locale: "." as separator.
std::string deux_decimales(double mm) {
  char texte[400];
  char* fin = chiffres::fixe(texte, texte + sizeof texte, mm, 2);
  if (!fin) lever(GenreErreur::Depassement, "gabarit : paroi");
  return std::string(texte, fin);
}

double au_centieme(double mm) { return std::round(mm * 100) / 100; }

} // namespace

std::string legende_gabarit(const Gabarit& g) {
  std::string texte = "Couple bi-lobé" + texte_nombre(g.largeur_nominale) + " x" + texte_nombre(g.hauteur_nominale) +
                      " mm - " + texte_paroi(g.paroi);
  // The cutter follows the cut line: its size tells the program's operator
  // which kerf the file was made for.
  if (g.saignee > 0)
    texte += " - coupe" + texte_nombre(au_centieme(g.cadre.largeur())) + " x" +
             texte_nombre(au_centieme(g.cadre.hauteur())) + " mm, saignée" + texte_nombre(g.saignee) + " mm";
  return texte;
}

std::string texte_paroi(const Paroi& paroi) {
  const std::string mince = deux_decimales(paroi.mince), epaisse = deux_decimales(paroi.epaisse);
  if (mince == epaisse) return "paroi " + mince + " mm";
  return "paroi " + mince + " à " + epaisse + " mm";
}

} // namespace bilobe
