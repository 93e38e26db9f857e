#include "serie/piece_imbriquee.h"

#include "geometry/convexe.h"

#include <algorithm>
#include <cmath>
#include <tuple>

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

Entier au_plus_pres(double mm) { return static_cast<Entier>(std::round(mm * MICRONS_PAR_MM)); }

// The part's lines in µm from its box's top left corner, y down: the
// outline's hull and each hollow, simplified, with the room their
// simplification needs (none for a loop left whole).
struct LignesLocales {
  Chemin coque;
  double reserve_coque = 0;
  std::vector<std::pair<Chemin, double>> creux;
};

Chemin chemin_local(const Boucle& boucle, const Cadre& c) {
  Chemin p;
  p.reserve(boucle.size());
  for (const PointMm& q : boucle) p.push_back({au_plus_pres(q.x - c.gauche), au_plus_pres(c.haut - q.y)});
  return polygones::positif(std::move(p));
}

LignesLocales lignes_locales(const PieceAImbriquer& piece, const Cadre& c) {
  const auto reserve = [](const Chemin& avant, const Chemin& apres) {
    return apres.size() < avant.size() ? SIMPLIFICATION : 0.0;
  };
  LignesLocales l;
  const Chemin enveloppe = convexe::enveloppe(chemin_local(piece.exterieur, c));
  l.coque = convexe::simplifier(enveloppe, SIMPLIFICATION);
  l.reserve_coque = reserve(enveloppe, l.coque);
  for (const Boucle& creux : piece.creux) {
    if (creux.size() < 3) continue;
    const Chemin ligne = chemin_local(creux, c);
    Chemin simple = convexe::simplifier(ligne, SIMPLIFICATION);
    const double r = reserve(ligne, simple);
    l.creux.emplace_back(std::move(simple), r);
  }
  return l;
}

Contours contours(const LignesLocales& l, double demi_espacement, double jeu) {
  Contours r{convexe::somme(l.coque, convexe::disque(demi_espacement + jeu + l.reserve_coque)), {}};
  for (const auto& [creux, reserve] : l.creux)
    for (Polygone& p : convexe::decaler_au_moins(polygones::zone_de(creux), -(demi_espacement + jeu + reserve)))
      r.creux.push_back(std::move(p.exterieur));
  return r;
}

Sens sens_de(const LignesLocales& l, double demi_espacement) {
  Sens sens;
  sens.recherche = contours(l, demi_espacement, JEU_RECHERCHE);
  sens.test = contours(l, demi_espacement, JEU_TEST);
  sens.boite_test = boite_de(sens.test.exterieur);
  for (const Chemin& creux : sens.recherche.creux) {
    Sens::Creux c{convexe::enveloppe(creux), {}, boite_de(creux)};
    for (Polygone& poche : polygones::difference(polygones::zone_de(c.coque), polygones::zone_de(creux)))
      c.poches.push_back(convexe::enveloppe(std::move(poche.exterieur)));
    sens.creux.push_back(std::move(c));
  }
  for (const Chemin& c : sens.test.creux) sens.aire_creux += polygones::aire(c);
  return sens;
}

// The same part turned half a turn within its box, l x h µm.
Sens retourne(Sens sens, Entier l, Entier h) {
  const auto tourner = [&](Chemin& p) {
    for (Point& q : p) q = {l - q.x, h - q.y};
  };
  for (Contours* c : {&sens.recherche, &sens.test}) {
    tourner(c->exterieur);
    for (Chemin& p : c->creux) tourner(p);
  }
  sens.boite_test = boite_de(sens.test.exterieur);
  for (std::size_t i = 0; i < sens.creux.size(); ++i) {
    tourner(sens.creux[i].coque);
    for (Chemin& p : sens.creux[i].poches) tourner(p);
    sens.creux[i].boite = boite_de(sens.recherche.creux[i]);
  }
  return sens;
}

// A disc inside the convex polygon: about the mean of its corners, as far
// as its nearest side.
std::pair<double, Point> disque_inscrit(const Chemin& p) {
  if (p.size() < 3) return {0, {}};
  double cx = 0, cy = 0;
  for (const Point& q : p) {
    cx += static_cast<double>(q.x);
    cy += static_cast<double>(q.y);
  }
  cx /= static_cast<double>(p.size());
  cy /= static_cast<double>(p.size());
  double r = INFINITY;
  for (std::size_t k = 0; k < p.size(); ++k) {
    const Point a = p[k], b = p[(k + 1) % p.size()];
    const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
    const double l = std::hypot(dx, dy);
    if (l > 0)
      r = std::min(r, std::abs(dx * (cy - static_cast<double>(a.y)) - dy * (cx - static_cast<double>(a.x))) / l);
  }
  return {std::isfinite(r) ? r : 0, {static_cast<Entier>(std::round(cx)), static_cast<Entier>(std::round(cy))}};
}

} // namespace

Entier vers_le_haut(double mm) { return static_cast<Entier>(std::ceil(mm * MICRONS_PAR_MM)); }
Entier vers_le_bas(double mm) { return static_cast<Entier>(std::floor(mm * MICRONS_PAR_MM)); }

Boite boite_de(const Chemin& p) {
  Boite b{p[0].x, p[0].y, p[0].x, p[0].y};
  for (const Point& q : p) {
    b.x0 = std::min(b.x0, q.x);
    b.y0 = std::min(b.y0, q.y);
    b.x1 = std::max(b.x1, q.x);
    b.y1 = std::max(b.y1, q.y);
  }
  return b;
}

Boite boite_de(const Zone& zone) {
  Boite b = boite_de(zone.front().exterieur);
  for (const Polygone& p : zone) b = b.reunie(boite_de(p.exterieur));
  return b;
}

Zone rectangle(const Boite& b) { return polygones::zone_de({{b.x0, b.y0}, {b.x1, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}}); }

Polygone translate(Polygone p, Point de) {
  p.exterieur = convexe::translate(std::move(p.exterieur), de);
  for (Chemin& t : p.trous) t = convexe::translate(std::move(t), de);
  return p;
}

std::optional<std::pair<Entier, Entier>> taille(const Cadre& c) {
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
  piece.aire = polygones::aire(piece.sens[0].test.exterieur);
  std::tie(piece.rayon, piece.centre) = disque_inscrit(piece.sens[0].test.exterieur);
  return piece;
}

} // namespace bilobe::imbrication
