#include "geometry/gabarit.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/decalage.h"
#include "geometry/forme.h"
#include "geometry/trace.h"

#include <algorithm>
#include <charconv>
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

void coupable(const Boucle& boucle, const char* lieu) {
  if (boucle.size() < 3) lever(GenreErreur::OperationInvalide, lieu, "moins de trois points distincts");
}

// The inner line turns clockwise, as the half is traced.
Boucle a_rebours(Boucle boucle) {
  if (aire_signee(boucle) > 0) std::reverse(boucle.begin(), boucle.end());
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

// Whatever the locale: "." as separator.
std::string deux_decimales(double mm) {
  char texte[400];
  const auto [fin, ec] = std::to_chars(texte, texte + sizeof texte, mm, std::chars_format::fixed, 2);
  if (ec != std::errc()) lever(GenreErreur::Depassement, "gabarit : paroi");
  return std::string(texte, fin);
}

std::string legende_de(const ValeursCouple& v, const Paroi& paroi) {
  using namespace calcul;
  const double h = add(v.yinf(), v.ytot(), "H = yinf + ytot");
  const double largeur = mul(2, v.xtot(), "2 x xtot");
  return "Couple bi-lobé" + texte_nombre(largeur) + " x" + texte_nombre(h) + " mm - " + texte_paroi(paroi);
}

} // namespace

std::string texte_paroi(const Paroi& paroi) {
  return "paroi " + deux_decimales(paroi.mince) + " à " + deux_decimales(paroi.epaisse) + " mm";
}

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

Lignes lignes_du_couple(const ResultatTrace& trace) {
  const ContourMm& contour = trace.contour;
  const auto moitie_ext = entrees(contour, contour.ligne_exterieure());
  const auto moitie_int = entrees(contour, contour.ligne_interieure());
  double etendue = 1;
  for (const auto* moitie : {&moitie_ext, &moitie_int})
    for (const PointMm& p : *moitie) etendue = std::max({etendue, std::abs(p.x), std::abs(p.y)});
  const double tolerance = TOLERANCE_RELATIVE_AXE * etendue;
  return {boucle_symetrique(moitie_ext, tolerance), boucle_symetrique(moitie_int, tolerance)};
}

Gabarit construire_gabarit(const ResultatTrace& trace, const OptionsGabarit& options) {
  Lignes lignes = lignes_du_couple(trace);
  coupable(lignes.exterieur, "gabarit : contour extérieur");
  coupable(lignes.interieur, "gabarit : contour intérieur");
  const VerificationForme forme = verifier_forme(trace, lignes.exterieur, lignes.interieur);
  if (!forme.valide())
    lever(GenreErreur::OperationInvalide, "gabarit", "forme impossible à découper : " + forme.defaut);
  if (!(options.saignee >= 0 && std::isfinite(options.saignee)))
    lever(GenreErreur::OperationInvalide, "gabarit", "saignée négative");

  Gabarit g;
  g.exterieur = std::move(lignes.exterieur);
  g.interieur = std::move(lignes.interieur);
  if (options.paroi_constante) {
    const double ep = static_cast<float>(trace.valeurs.ep());
    g.interieur = a_rebours(decaler(g.exterieur, -ep, "gabarit : paroi constante"));
  }
  g.surface = std::abs(aire_signee(g.exterieur)) - std::abs(aire_signee(g.interieur));
  if (!std::isfinite(g.surface)) lever(GenreErreur::Depassement, "gabarit : surface");
  g.paroi = mesurer_paroi(g.exterieur, g.interieur);
  g.piece = cadre_de(g.exterieur, g.interieur);
  g.saignee = options.saignee;
  if (options.saignee > 0) {
    // The cutter's centre runs half the kerf outside the part and half
    // inside its hollow, so that the part keeps the drawn size.
    g.exterieur = decaler(g.exterieur, options.saignee / 2, "gabarit : saignée");
    g.interieur = a_rebours(decaler(g.interieur, -options.saignee / 2, "gabarit : saignée"));
  }
  g.cadre = cadre_de(g.exterieur, g.interieur);
  g.legende = legende_de(trace.valeurs, g.paroi);

  const Cadre& c = g.cadre;
  const double d = DEPASSEMENT_REPERES;
  g.axe = {{0, c.bas - d}, {0, c.haut + d}};
  g.niveau = {{c.gauche - d, 0}, {c.droite + d, 0}};
  return g;
}

} // namespace bilobe
