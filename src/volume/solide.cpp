#include "volume/solide.h"

#include "common/erreurs.h"
#include "volume/triangulation.h"

namespace bilobe {

namespace {

using Indice = std::uint32_t;

// The band between two outlines of n points, starting at indices a and b;
// `dehors` faces it away from the axis (or, for two outlines in one plane,
// toward the tail), else the other way.
void bande(Maillage& m, Indice a, Indice b, Indice n, bool dehors) {
  for (Indice i = 0; i < n; ++i) {
    const Indice j = (i + 1) % n;
    const Indice p = a + i, q = a + j, r = b + j, s = b + i;
    if (dehors) {
      m.triangles.push_back({p, q, r});
      m.triangles.push_back({p, r, s});
    } else {
      m.triangles.push_back({p, r, q});
      m.triangles.push_back({p, s, r});
    }
  }
}

// The end at the section starting at index `debut`: a cap cut from the
// outline, or a flat ring from the outline to the hollow. `avant` faces it
// toward the nose.
void bout(Maillage& m, const Tranche& t, Indice debut, bool avant, const char* lieu) {
  const auto n = static_cast<Indice>(t.exterieur.size());
  if (t.interieur.empty()) {
    Boucle plan; // as written, so that a corner is judged on the very points of the file
    for (const PointMm& p : t.exterieur) plan.push_back({static_cast<float>(p.x), static_cast<float>(p.y)});
    for (const auto& [a, b, c] : trianguler(plan, lieu)) {
      const Indice ia = debut + static_cast<Indice>(a), ib = debut + static_cast<Indice>(b),
                   ic = debut + static_cast<Indice>(c);
      m.triangles.push_back(avant ? Triangle{ia, ic, ib} : Triangle{ia, ib, ic});
    }
    return;
  }
  // The flat ring joins the outline to the hollow as a band joins two
  // sections: facing the tail like the skin faces outward.
  bande(m, debut, debut + n, n, !avant);
}

} // namespace

Maillage solide_par_tranches(std::span<const Tranche> tranches, const char* lieu) {
  if (tranches.size() < 2) lever(GenreErreur::OperationInvalide, lieu, "moins de deux sections");
  const std::size_t n = tranches.front().exterieur.size();
  const bool creux = !tranches.front().interieur.empty();
  for (const Tranche& t : tranches)
    if (t.exterieur.size() != n || t.interieur.size() != (creux ? n : 0) || n < 3)
      lever(GenreErreur::OperationInvalide, lieu, "sections de tailles différentes");
  const auto par_tranche = static_cast<Indice>(creux ? 2 * n : n);
  if (tranches.size() * par_tranche > 0xFFFFFFFFu / 4) lever(GenreErreur::Depassement, lieu, "trop de points");

  Maillage m;
  m.sommets.reserve(tranches.size() * par_tranche);
  for (const Tranche& t : tranches) {
    const auto z = static_cast<float>(t.z);
    for (const Boucle* ligne : {&t.exterieur, &t.interieur})
      for (const PointMm& p : *ligne) m.sommets.push_back({static_cast<float>(p.x), static_cast<float>(p.y), z});
  }
  const auto nn = static_cast<Indice>(n);
  for (std::size_t k = 0; k + 1 < tranches.size(); ++k) {
    const auto a = static_cast<Indice>(k * par_tranche), b = a + par_tranche;
    bande(m, a, b, nn, true);
    if (creux) bande(m, a + nn, b + nn, nn, false);
  }
  bout(m, tranches.front(), 0, true, lieu);
  bout(m, tranches.back(), static_cast<Indice>((tranches.size() - 1) * par_tranche), false, lieu);
  if (!sans_triangle_degenere(m)) lever(GenreErreur::OperationInvalide, lieu, "triangle sans surface");
  return m;
}

} // namespace bilobe
