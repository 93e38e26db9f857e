#include "formats/pages_pdf.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

using namespace page_a4;

// The number of sheets along one side, in double so that an absurd size
// cannot overflow an int before it is refused.
double nombre_de_feuilles(double longueur, double zone) {
  if (longueur <= zone) return 1;
  return std::ceil((longueur - RECOUVREMENT) / (zone - RECOUVREMENT));
}

// Where the tiles begin along one side, centred on the box, and the middles
// of the overlaps between neighbours.
struct Bande {
  double debut = 0;
  std::vector<double> milieux_recouvrement;
};
Bande decouper(double milieu, int n, double zone) {
  const double pas = zone - RECOUVREMENT;
  Bande b{milieu - (n * pas + RECOUVREMENT) / 2, {}};
  for (int k = 1; k < n; ++k) b.milieux_recouvrement.push_back(b.debut + k * pas + RECOUVREMENT / 2);
  return b;
}

bool dans(const Cadre& c, PointMm p) { return p.x >= c.gauche && p.x <= c.droite && p.y >= c.bas && p.y <= c.haut; }

// Liang–Barsky: whether some part of the segment ab lies in the box.
bool segment_dans(const Cadre& c, PointMm a, PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - c.gauche, c.droite - a.x, a.y - c.bas, c.haut - a.y};
  double debut = 0, fin = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false; // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      debut = std::max(debut, t);
    else
      fin = std::min(fin, t);
    if (debut > fin) return false;
  }
  return true;
}

} // namespace

FeuilleA4 feuille_pour(const Cadre& a_couvrir) {
  const auto pages = [&](const FeuilleA4& f) {
    return nombre_de_feuilles(a_couvrir.largeur(), f.zone_largeur()) *
           nombre_de_feuilles(a_couvrir.hauteur(), f.zone_hauteur());
  };
  FeuilleA4 paysage;
  paysage.paysage = true;
  return pages(paysage) < pages(FeuilleA4{}) ? paysage : FeuilleA4{};
}

MiseEnPage mettre_en_page(const Cadre& a_couvrir, const FeuilleA4& feuille) {
  const double zone_l = feuille.zone_largeur(), zone_h = feuille.zone_hauteur();
  const double colonnes = nombre_de_feuilles(a_couvrir.largeur(), zone_l);
  const double lignes = nombre_de_feuilles(a_couvrir.hauteur(), zone_h);
  if (!(colonnes * lignes <= PAGES_MAX))
    lever(GenreErreur::Depassement, "gabarit PDF", "il faudrait plus de" + texte_nombre(PAGES_MAX) + " pages A4");

  MiseEnPage m{static_cast<int>(lignes), static_cast<int>(colonnes), {}};
  // Across from the left; down from the top, so rows run in the -y direction.
  const Bande x = decouper((a_couvrir.gauche + a_couvrir.droite) / 2, m.colonnes, zone_l);
  const Bande y = decouper(-(a_couvrir.bas + a_couvrir.haut) / 2, m.lignes, zone_h);

  std::vector<PointMm> marques;
  for (double mx : x.milieux_recouvrement)
    for (int l = 0; l < m.lignes; ++l) {
      const double haut = -(y.debut + l * (zone_h - RECOUVREMENT));
      marques.push_back({mx, haut - zone_h / 4});
      marques.push_back({mx, haut - 3 * zone_h / 4});
    }
  for (double my : y.milieux_recouvrement)
    for (int c = 0; c < m.colonnes; ++c) {
      const double gauche = x.debut + c * (zone_l - RECOUVREMENT);
      marques.push_back({gauche + zone_l / 4, -my});
      marques.push_back({gauche + 3 * zone_l / 4, -my});
    }

  for (int l = 0; l < m.lignes; ++l)
    for (int c = 0; c < m.colonnes; ++c) {
      PageGabarit p;
      p.ligne = l;
      p.colonne = c;
      p.zone.gauche = x.debut + c * (zone_l - RECOUVREMENT);
      p.zone.droite = p.zone.gauche + zone_l;
      p.zone.haut = -(y.debut + l * (zone_h - RECOUVREMENT));
      p.zone.bas = p.zone.haut - zone_h;
      for (const PointMm& q : marques)
        if (dans(p.zone, q)) p.marques.push_back(q);
      m.pages.push_back(std::move(p));
    }
  return m;
}

bool montre_le_contour(const PageGabarit& page, const Gabarit& g) {
  for (const Boucle* boucle : {&g.exterieur, &g.interieur})
    for (std::size_t k = 0; k < boucle->size(); ++k)
      if (segment_dans(page.zone, (*boucle)[k], (*boucle)[k + 1 < boucle->size() ? k + 1 : 0])) return true;
  return false;
}

PointMm sur_la_page(const PageGabarit& page, PointMm p) {
  return {ZONE_GAUCHE + (p.x - page.zone.gauche), ZONE_HAUT + (page.zone.haut - p.y)};
}

} // namespace bilobe
