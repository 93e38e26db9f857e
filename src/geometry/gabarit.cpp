#include "geometry/gabarit.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/trace.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// The trace leaves its centre-line points up to a0 · 2.05e-10 off the line
// (the literal quarter turn); this bound catches them at any size.
constexpr double TOLERANCE_RELATIVE_AXE = 1e-9;
// How far the construction lines run past the former, in mm.
constexpr double DEPASSEMENT_REPERES = 5;

void sans_doublons(Boucle& points) { points.erase(std::unique(points.begin(), points.end()), points.end()); }

std::vector<PointMm> entrees(const ContourMm& contour, Plage plage) {
  std::vector<PointMm> points;
  for (int k = plage.premiere; k <= plage.derniere; ++k) points.push_back({contour.liste.x(k), contour.liste.y(k)});
  return points;
}

Boucle boucle_coupable(const std::vector<PointMm>& moitie, double tolerance, const char* lieu) {
  Boucle boucle = boucle_symetrique(moitie, tolerance);
  if (boucle.size() < 3) lever(GenreErreur::OperationInvalide, lieu, "moins de trois points distincts");
  return boucle;
}

Cadre cadre_de(const Boucle& a, const Boucle& b) {
  Cadre c{a.front().x, a.front().x, a.front().y, a.front().y};
  for (const Boucle* boucle : {&a, &b})
    for (const PointMm& p : *boucle) {
      c.gauche = std::min(c.gauche, p.x);
      c.droite = std::max(c.droite, p.x);
      c.bas = std::min(c.bas, p.y);
      c.haut = std::max(c.haut, p.y);
    }
  return c;
}

std::string legende_de(const ValeursCouple& v) {
  using namespace calcul;
  const double h = add(v.yinf(), v.ytot(), "H = yinf + ytot");
  const double largeur = mul(2, v.xtot(), "2 x xtot");
  return "Couple bi-lobé" + texte_nombre(largeur) + " x" + texte_nombre(h) + " mm - paroi" + texte_nombre(v.ep()) +
         " mm";
}

} // namespace

Boucle boucle_symetrique(const std::vector<PointMm>& moitie, double tolerance) {
  Boucle boucle;
  boucle.reserve(2 * moitie.size());
  for (PointMm p : moitie) {
    if (std::abs(p.x) <= tolerance) p.x = 0;
    boucle.push_back(p);
  }
  sans_doublons(boucle);
  // The way back is the mirror image; points on the centre line are their
  // own image and are not repeated.
  for (std::size_t k = boucle.size(); k-- > 0;)
    if (boucle[k].x != 0) boucle.push_back({-boucle[k].x, boucle[k].y});
  sans_doublons(boucle);
  while (boucle.size() > 1 && boucle.back() == boucle.front()) boucle.pop_back();
  return boucle;
}

double aire_signee(const Boucle& boucle) {
  double somme = 0;
  const std::size_t n = boucle.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PointMm& a = boucle[k];
    const PointMm& b = boucle[k + 1 < n ? k + 1 : 0];
    somme += a.x * b.y - b.x * a.y;
  }
  return somme / 2;
}

Gabarit construire_gabarit(const ResultatTrace& trace) {
  const ContourMm& contour = trace.contour;
  const auto moitie_ext = entrees(contour, contour.ligne_exterieure());
  const auto moitie_int = entrees(contour, contour.ligne_interieure());
  double etendue = 1;
  for (const auto* moitie : {&moitie_ext, &moitie_int})
    for (const PointMm& p : *moitie) etendue = std::max({etendue, std::abs(p.x), std::abs(p.y)});
  const double tolerance = TOLERANCE_RELATIVE_AXE * etendue;

  Gabarit g;
  g.exterieur = boucle_coupable(moitie_ext, tolerance, "gabarit : contour extérieur");
  g.interieur = boucle_coupable(moitie_int, tolerance, "gabarit : contour intérieur");
  g.surface = std::abs(aire_signee(g.exterieur)) - std::abs(aire_signee(g.interieur));
  if (!std::isfinite(g.surface)) lever(GenreErreur::Depassement, "gabarit : surface");
  g.cadre = cadre_de(g.exterieur, g.interieur);
  g.legende = legende_de(trace.valeurs);

  const Cadre& c = g.cadre;
  const double d = DEPASSEMENT_REPERES;
  g.axe = {{0, c.bas - d}, {0, c.haut + d}};
  g.niveau = {{c.gauche - d, 0}, {c.droite + d, 0}};
  return g;
}

} // namespace bilobe
