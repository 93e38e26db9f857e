#include "serie/piece_imbriquee.h"

#include "geometry/convexe.h"

#include <algorithm>
#include <cmath>

namespace bilobe::imbrication {

namespace {

// The outlines as the search sees them: fewer points, each within this of
// the true line, and the offsets grown by as much so as to stay on the safe side.
constexpr double SIMPLIFICATION = 100; // µm
// Beyond half the spacing: the rounding of a part's points to the
// micrometre, and of its box for a part turned half a turn in it; more
// again while searching, so that a place found between rounded corners
// still passes the test.
constexpr double JEU_TEST = 3;      // µm
constexpr double JEU_RECHERCHE = 7; // µm

cInt au_plus_pres(double mm) { return static_cast<cInt>(std::round(mm * MICRONS_PAR_MM)); }

// The part's lines in µm from its box's top left corner, y down: the
// outline's hull and each hollow, simplified, with the room their
// simplification needs (none for a loop left whole).
struct LignesLocales {
  Path coque;
  double reserve_coque = 0;
  std::vector<std::pair<Path, double>> creux;
};

Path chemin_local(const Boucle& boucle, const Cadre& c) {
  Path p;
  p.reserve(boucle.size());
  for (const PointMm& q : boucle) p.push_back({au_plus_pres(q.x - c.gauche), au_plus_pres(c.haut - q.y)});
  if (!ClipperLib::Orientation(p)) ClipperLib::ReversePath(p);
  return p;
}

LignesLocales lignes_locales(const PieceAImbriquer& piece, const Cadre& c) {
  const auto reserve = [](const Path& avant, const Path& apres) {
    return apres.size() < avant.size() ? SIMPLIFICATION : 0.0;
  };
  LignesLocales l;
  const Path enveloppe = convexe::enveloppe(chemin_local(piece.exterieur, c));
  l.coque = convexe::simplifier(enveloppe, SIMPLIFICATION);
  l.reserve_coque = reserve(enveloppe, l.coque);
  for (const Boucle& creux : piece.creux) {
    if (creux.size() < 3) continue;
    const Path ligne = chemin_local(creux, c);
    Path simple = convexe::simplifier(ligne, SIMPLIFICATION);
    const double r = reserve(ligne, simple);
    l.creux.emplace_back(std::move(simple), r);
  }
  return l;
}

Contours contours(const LignesLocales& l, double demi_espacement, double jeu) {
  Contours r{convexe::somme(l.coque, convexe::disque(demi_espacement + jeu + l.reserve_coque)), {}};
  for (const auto& [creux, reserve] : l.creux)
    for (Path& p : convexe::decaler_au_moins({creux}, -(demi_espacement + jeu + reserve)))
      if (ClipperLib::Area(p) > 0) r.creux.push_back(std::move(p));
  return r;
}

Sens sens_de(const LignesLocales& l, double demi_espacement) {
  Sens sens;
  sens.recherche = contours(l, demi_espacement, JEU_RECHERCHE);
  sens.test = contours(l, demi_espacement, JEU_TEST);
  sens.boite_test = boite_de(sens.test.exterieur);
  for (const Path& creux : sens.recherche.creux) {
    Sens::Creux c{convexe::enveloppe(creux), {}, boite_de(creux)};
    for (Path& poche : operation(ClipperLib::ctDifference, {c.coque}, {creux}))
      c.poches.push_back(convexe::enveloppe(std::move(poche)));
    sens.creux.push_back(std::move(c));
  }
  sens.aire_creux = aire(sens.test.creux);
  return sens;
}

// The same part turned half a turn within its box, l x h µm.
Sens retourne(Sens sens, cInt l, cInt h) {
  const auto tourner = [&](Path& p) {
    for (IntPoint& q : p) q = {l - q.X, h - q.Y};
  };
  for (Contours* c : {&sens.recherche, &sens.test}) {
    tourner(c->exterieur);
    for (Path& p : c->creux) tourner(p);
  }
  sens.boite_test = boite_de(sens.test.exterieur);
  for (std::size_t i = 0; i < sens.creux.size(); ++i) {
    tourner(sens.creux[i].coque);
    for (Path& p : sens.creux[i].poches) tourner(p);
    sens.creux[i].boite = boite_de(sens.recherche.creux[i]);
  }
  return sens;
}

// A disc inside the convex polygon: about the mean of its corners, as far
// as its nearest side.
std::pair<double, IntPoint> disque_inscrit(const Path& p) {
  if (p.size() < 3) return {0, {}};
  double cx = 0, cy = 0;
  for (const IntPoint& q : p) {
    cx += static_cast<double>(q.X);
    cy += static_cast<double>(q.Y);
  }
  cx /= static_cast<double>(p.size());
  cy /= static_cast<double>(p.size());
  double r = INFINITY;
  for (std::size_t k = 0; k < p.size(); ++k) {
    const IntPoint a = p[k], b = p[(k + 1) % p.size()];
    const double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
    const double l = std::hypot(dx, dy);
    if (l > 0)
      r = std::min(r, std::abs(dx * (cy - static_cast<double>(a.Y)) - dy * (cx - static_cast<double>(a.X))) / l);
  }
  return {std::isfinite(r) ? r : 0, {static_cast<cInt>(std::round(cx)), static_cast<cInt>(std::round(cy))}};
}

} // namespace

cInt vers_le_haut(double mm) { return static_cast<cInt>(std::ceil(mm * MICRONS_PAR_MM)); }
cInt vers_le_bas(double mm) { return static_cast<cInt>(std::floor(mm * MICRONS_PAR_MM)); }

Boite boite_de(const Path& p) {
  Boite b{p[0].X, p[0].Y, p[0].X, p[0].Y};
  for (const IntPoint& q : p) {
    b.x0 = std::min(b.x0, q.X);
    b.y0 = std::min(b.y0, q.Y);
    b.x1 = std::max(b.x1, q.X);
    b.y1 = std::max(b.y1, q.Y);
  }
  return b;
}

double aire(const Paths& p) {
  double a = 0;
  for (const Path& q : p) a += ClipperLib::Area(q);
  return a;
}

Paths operation(ClipperLib::ClipType type, const Paths& sujet, const Paths& outil) {
  ClipperLib::Clipper c;
  c.AddPaths(sujet, ClipperLib::ptSubject, true);
  c.AddPaths(outil, ClipperLib::ptClip, true);
  Paths resultat;
  c.Execute(type, resultat, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  return resultat;
}

std::optional<std::pair<cInt, cInt>> taille(const Cadre& c) {
  // Not NaN, and far within the micrometre count.
  const double l = c.largeur(), h = c.hauteur();
  if (!(l >= 0 && h >= 0 && l < 1e9 && h < 1e9)) return std::nullopt;
  return std::make_pair(vers_le_haut(l), vers_le_haut(h));
}

Cadre cadre_exterieur(const PieceAImbriquer& piece) {
  if (piece.exterieur.empty()) return {};
  return cadre_de({&piece.exterieur});
}

Piece preparer(const PieceAImbriquer& p, const Planche& planche) {
  const Cadre c = cadre_exterieur(p);
  Piece piece;
  std::tie(piece.largeur, piece.hauteur) = *taille(c);
  piece.sens[0] = sens_de(lignes_locales(p, c), planche.espacement * MICRONS_PAR_MM / 2);
  piece.sens[1] = retourne(piece.sens[0], piece.largeur, piece.hauteur);
  piece.aire = ClipperLib::Area(piece.sens[0].test.exterieur);
  std::tie(piece.rayon, piece.centre) = disque_inscrit(piece.sens[0].test.exterieur);
  return piece;
}

} // namespace bilobe::imbrication
