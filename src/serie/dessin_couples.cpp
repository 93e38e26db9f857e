#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "serie/dessins_serie.h"

#include <algorithm>

namespace bilobe {

namespace {

using namespace style_gabarit;

constexpr double LETTRES = 2.5;           // mm, the captions' font
constexpr double LARGEUR_CARACTERE = 0.6; // of the font's size, on average, with room
constexpr double ECART = 8;               // mm between two templates on a page

// A former's template in its own frame with its caption above: its name and
// size, then the wall and the cut.
Dessin vignette(const CoupleTrace& c) {
  const Gabarit& g = c.gabarit;
  Dessin d = dessin_gabarit(g);
  Cadre cadre = g.cadre;
  for (const Repere* r : {&g.axe, &g.niveau}) {
    const Boucle bout{r->debut, r->fin};
    cadre = reunion(cadre, cadre_de({&bout}));
  }
  const std::string legende = legende_gabarit(g);
  const std::size_t coupure = legende.find(" - ");
  const std::string lignes[2] = {c.couple.nom + " - " + legende.substr(0, coupure),
                                 coupure == std::string::npos ? std::string() : legende.substr(coupure + 3)};
  double largeur = 0;
  for (int i = 0; i < 2; ++i) {
    d.ecrire({cadre.gauche, cadre.haut + 2 + (1 - i) * 1.4 * LETTRES}, lignes[i], LETTRES);
    largeur = std::max(largeur, static_cast<double>(lignes[i].size()) * LARGEUR_CARACTERE * LETTRES);
  }
  d.cadre = {cadre.gauche, std::max(cadre.droite, cadre.gauche + largeur), cadre.bas, cadre.haut + 2 + 2.4 * LETTRES};
  return d;
}

void ajouter(Dessin& page, const Dessin& morceau) {
  page.traits.insert(page.traits.end(), morceau.traits.begin(), morceau.traits.end());
  page.textes.insert(page.textes.end(), morceau.textes.begin(), morceau.textes.end());
}

} // namespace

std::vector<PageCouples> pages_couples(const SerieTracee& serie) {
  const FeuilleA4 a4;
  const double largeur = a4.zone_largeur(), hauteur = a4.zone_hauteur();
  std::vector<PageCouples> pages;
  PageCouples page;
  // Rows from the top left of the page's drawing area (y up from its bottom).
  double x = 0, haut_rangee = hauteur, bas_rangee = hauteur;
  const auto finir_page = [&] {
    if (page.legende.empty()) return;
    page.dessin.cadre = {0, largeur, 0, hauteur};
    pages.push_back(std::move(page));
    page = {};
    x = 0;
    haut_rangee = bas_rangee = hauteur;
  };
  for (const CoupleTrace& c : serie.couples) {
    Dessin v = vignette(c);
    if (v.cadre.largeur() > largeur || v.cadre.hauteur() > hauteur) {
      finir_page();
      pages.push_back({std::move(v), c.couple.nom + " - " + legende_gabarit(c.gabarit)});
      continue;
    }
    if (x > 0 && x + v.cadre.largeur() > largeur) { // a new row
      x = 0;
      haut_rangee = bas_rangee - ECART;
    }
    if (haut_rangee - v.cadre.hauteur() < 0) {
      finir_page();
    }
    ajouter(page.dessin, deplace(v, x - v.cadre.gauche, haut_rangee - v.cadre.haut));
    page.legende += (page.legende.empty() ? "" : ", ") + c.couple.nom;
    x += v.cadre.largeur() + ECART;
    bas_rangee = std::min(bas_rangee, haut_rangee - v.cadre.hauteur());
  }
  finir_page();
  return pages;
}

} // namespace bilobe
