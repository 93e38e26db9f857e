#include "geometry/epissure.h"

#include "geometry/microns.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// A rectangle in its own frame: u along the loop's way, v into the part from
// the origin. The loop leaves the band u1 <= u <= u2 for the two corners at
// v = fond; a notch goes in (its removed stretch lies at v <= fond), a tab
// goes out to the board line (origin on it, fond 0).
struct Saillie {
  PointMm origine, t, n;
  double u1 = 0, u2 = 0, fond = 0;
  bool creuse = false;
  double u(PointMm p) const { return (p.x - origine.x) * t.x + (p.y - origine.y) * t.y; }
  double v(PointMm p) const { return (p.x - origine.x) * n.x + (p.y - origine.y) * n.y; }
  PointMm coin(double uc) const { return {origine.x + uc * t.x + fond * n.x, origine.y + uc * t.y + fond * n.y}; }
};

Saillie saillie(const EncochePlacee& e) {
  const double demi = std::hypot(e.rectangle[1].x - e.rectangle[0].x, e.rectangle[1].y - e.rectangle[0].y) / 2;
  Saillie s{e.point, e.tangente, e.normale, -demi, demi, 0, true};
  s.fond = s.v(e.fond);
  return s;
}

Saillie saillie(const PattePlacee& p) {
  const double centre = (p.marque_debut.x + p.marque_fin.x) / 2;
  const double demi = (p.marque_fin.x - p.marque_debut.x) / 2;
  // Counter-clockwise, the loop runs rightwards along its bottom and leftwards along its top.
  const PointMm t = p.dessus ? PointMm{-1, 0} : PointMm{1, 0};
  const PointMm n = p.dessus ? PointMm{0, -1} : PointMm{0, 1};
  return {{centre, p.chantier}, t, n, -demi, demi, 0, false};
}

// Where the loop's stretch for this rectangle begins and ends: the side
// (k, k + 1) on which it crosses u1 and the one on which it crosses u2.
struct Coupe {
  std::size_t debut = 0, fin = 0; // sides
  PointMm entree, sortie;
};

PointMm sur_le_cote(const Boucle& b, std::size_t k, const Saillie& s, double uc) {
  const PointMm a = b[k], c = b[(k + 1) % b.size()];
  const double ua = s.u(a), uc2 = s.u(c);
  const double f = ua == uc2 ? 0 : (uc - ua) / (uc2 - ua);
  return {a.x + f * (c.x - a.x), a.y + f * (c.y - a.y)};
}

std::optional<Coupe> couper(const Boucle& b, const Saillie& s) {
  const std::size_t n = b.size();
  // The side that crosses u = 0 nearest the origin's line.
  std::optional<std::size_t> depart;
  double meilleur = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const PointMm a = b[k], c = b[(k + 1) % n];
    const double ua = s.u(a), uc = s.u(c);
    if (!(ua <= 0 && uc > 0)) continue; // the loop's own way through the band
    const double v = std::abs(s.v(sur_le_cote(b, k, s, 0)));
    if (!depart || v < meilleur) depart = k, meilleur = v;
  }
  if (!depart) return std::nullopt;
  Coupe coupe;
  // Forwards to the crossing of u2, backwards to that of u1: every point
  // in between is on the removed (or covered) side of the corners.
  std::size_t k = *depart, pas = 0;
  while (s.u(b[(k + 1) % n]) < s.u2) {
    const PointMm p = b[(k + 1) % n];
    if (s.creuse ? s.v(p) >= s.fond : s.v(p) <= s.fond) return std::nullopt;
    k = (k + 1) % n;
    if (++pas >= n) return std::nullopt;
  }
  coupe.fin = k;
  coupe.sortie = sur_le_cote(b, k, s, s.u2);
  k = *depart;
  while (s.u(b[k]) > s.u1) {
    if (s.creuse ? s.v(b[k]) >= s.fond : s.v(b[k]) <= s.fond) return std::nullopt;
    k = (k + n - 1) % n;
    if (++pas >= n) return std::nullopt;
  }
  coupe.debut = k;
  coupe.entree = sur_le_cote(b, k, s, s.u1);
  return coupe;
}

} // namespace

std::optional<Boucle> episser(const Boucle& exterieur, const std::vector<EncochePlacee>& encoches,
                              const std::vector<PattePlacee>& pattes) {
  const std::size_t n = exterieur.size();
  std::vector<Saillie> saillies;
  for (const EncochePlacee& e : encoches) saillies.push_back(saillie(e));
  for (const PattePlacee& p : pattes) saillies.push_back(saillie(p));
  // Each stretch: from the point after its first side to its last side's start.
  struct Troncon {
    Coupe coupe;
    const Saillie* s;
  };
  std::vector<Troncon> troncons;
  std::vector<int> retire(n, -1); // the stretch a point is left out for
  for (const Saillie& s : saillies) {
    const auto coupe = couper(exterieur, s);
    if (!coupe) return std::nullopt;
    const int numero = static_cast<int>(troncons.size());
    for (std::size_t k = (coupe->debut + 1) % n; k != (coupe->fin + 1) % n; k = (k + 1) % n) {
      if (retire[k] >= 0) return std::nullopt; // two stretches that meet
      retire[k] = numero;
    }
    troncons.push_back({*coupe, &s});
  }
  for (const Troncon& t : troncons)
    if (retire[t.coupe.debut] >= 0) return std::nullopt; // a stretch that starts inside another
  // Start at a point kept, and walk the loop once.
  std::size_t depart = 0;
  while (depart < n && retire[depart] >= 0) ++depart;
  if (depart == n) return std::nullopt;
  std::vector<std::vector<const Troncon*>> depuis(n); // the stretches that start after each point
  for (const Troncon& t : troncons) depuis[t.coupe.debut].push_back(&t);
  Boucle resultat;
  resultat.reserve(n + 4 * troncons.size());
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t k = (depart + i) % n;
    if (retire[k] >= 0) continue;
    resultat.push_back(exterieur[k]);
    for (const Troncon* t : depuis[k]) {
      const Saillie& s = *t->s;
      for (const PointMm& p : {t->coupe.entree, s.coin(s.u1), s.coin(s.u2), t->coupe.sortie}) resultat.push_back(p);
    }
  }
  microns::sans_points_proches(resultat);
  return resultat;
}

} // namespace bilobe
