#include "common/texte_nombre.h"
#include "serie/dessins_serie.h"
#include "serie/lignes_fuselage.h"

#include <algorithm>

namespace bilobe {

namespace {

using namespace style_gabarit;

constexpr double LETTRES = 3;     // mm, the names and positions
constexpr double TITRE = 4;       // mm, each view's title
constexpr double DEPASSE = 5;     // mm, a station line beyond the fuselage
constexpr double PLACE_NOMS = 25; // mm above a view, for the names standing up
constexpr double ENTRE_VUES = 15; // mm between the two views
constexpr Trait CONTOUR{{0, 0, 0}, 7, "", "", "", 0.35, 0, 0};
constexpr Trait STATION{{0, 128, 0}, 3, "", "", "", 0.25, 0, 0};

std::vector<PointMm> points(const Ligne& l, double dy) {
  std::vector<PointMm> p;
  for (std::size_t k = 0; k < l.x.size(); ++k) p.push_back({l.x[k], l.y[k] + dy});
  return p;
}

double plus_haut(const Ligne& l) { return *std::max_element(l.y.begin(), l.y.end()); }
double plus_bas(const Ligne& l) { return *std::min_element(l.y.begin(), l.y.end()); }

// One view with its level `dy` mm up the drawing: the fuselage's two lines,
// the reference line, each former's station line, its name and position.
void vue(Dessin& d, const SerieTracee& serie, const std::string& titre, const Ligne& dessus, const Ligne& dessous,
         std::size_t cote_haut, std::size_t cote_bas, double dy, const char* reference) {
  const double debut = serie.description.stations.front().position;
  const double fin = serie.description.stations.back().position;
  d.trait(points(dessus, dy), CONTOUR);
  d.trait(points(dessous, dy), CONTOUR);
  d.trait({{debut - 15, dy}, {fin + 15, dy}}, REPERES);
  d.ecrire({fin + 17, dy - LETTRES / 3}, reference, LETTRES);
  const std::vector<bool> nommes = noms_a_ecrire(serie.tous, LETTRES);
  for (std::size_t k = 0; k < serie.tous.size(); ++k) {
    const CoupleSerie& c = serie.tous[k];
    const double haut = dy + c.cotes[cote_haut] + DEPASSE;
    d.trait({{c.position, dy - c.cotes[cote_bas] - DEPASSE}, {c.position, haut}}, STATION);
    if (nommes[k])
      d.ecrire({c.position + LETTRES / 3, haut + 1}, c.nom + "  " + texte_au_centieme(c.position) + " mm", LETTRES,
               true);
  }
  d.ecrire({debut, dy + plus_haut(dessus) + PLACE_NOMS + 4}, titre, TITRE);
}

} // namespace

Dessin dessin_plan(const SerieTracee& serie) {
  const DescriptionSerie& desc = serie.description;
  const std::string nom = desc.nom.empty() ? "Fuselage" : desc.nom;
  const Ligne dos = ligne_de(serie, YTOT, 1), ventre = ligne_de(serie, YINF, -1);
  const Ligne droite = ligne_de(serie, XTOT, 1), gauche = ligne_de(serie, XTOT, -1);
  double haut_cote = plus_haut(dos), bas_cote = plus_bas(ventre), demi_largeur = plus_haut(droite);
  for (const CoupleSerie& c : serie.tous) {
    haut_cote = std::max(haut_cote, c.cotes[YTOT]);
    bas_cote = std::min(bas_cote, -c.cotes[YINF]);
    demi_largeur = std::max(demi_largeur, c.cotes[XTOT]);
  }
  Dessin d;
  // The side view on its level line at 0, the top view below it.
  vue(d, serie, nom + " : vue de côté", dos, ventre, YTOT, YINF, 0, "niveau");
  const double dy = bas_cote - DEPASSE - ENTRE_VUES - PLACE_NOMS - TITRE - demi_largeur;
  vue(d, serie, nom + " : vue de dessus", droite, gauche, XTOT, XTOT, dy, "axe");

  // The overall length under everything, ticked at both ends.
  const double debut = desc.stations.front().position, fin = desc.stations.back().position;
  const double y = dy - demi_largeur - DEPASSE - 10;
  d.trait({{debut, y}, {fin, y}}, CONTOUR);
  for (const double x : {debut, fin}) d.trait({{x, y - 3}, {x, y + 3}}, CONTOUR);
  d.ecrire({debut, y - 3 - LETTRES},
           "Longueur " + texte_au_centieme(fin - debut) + " mm, de " + texte_au_centieme(debut) + " à " +
               texte_au_centieme(fin) + " mm du nez",
           LETTRES);
  d.cadre = {debut - 20, fin + 30, y - 3 - 2 * LETTRES, haut_cote + DEPASSE + PLACE_NOMS + 4 + TITRE};
  return d;
}

} // namespace bilobe
