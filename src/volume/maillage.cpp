#include "volume/maillage.h"

#include <cmath>

namespace bilobe {

namespace {

using Vecteur = std::array<double, 3>;

Vecteur vers(const Point3& a, const Point3& b) {
  return {double(b.x) - double(a.x), double(b.y) - double(a.y), double(b.z) - double(a.z)};
}

Vecteur croix(const Vecteur& u, const Vecteur& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

Vecteur produit_normal(const Maillage& m, const Triangle& t) {
  const Point3& a = m.sommets[t[0]];
  return croix(vers(a, m.sommets[t[1]]), vers(a, m.sommets[t[2]]));
}

} // namespace

std::array<double, 3> normale(const Maillage& m, const Triangle& t) {
  const Vecteur n = produit_normal(m, t);
  const double longueur = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
  if (longueur == 0) return {0, 0, 0};
  return {n[0] / longueur, n[1] / longueur, n[2] / longueur};
}

double volume(const Maillage& m) {
  double somme = 0;
  for (const Triangle& t : m.triangles) {
    const Point3 &a = m.sommets[t[0]], &b = m.sommets[t[1]], &c = m.sommets[t[2]];
    const Vecteur pa{a.x, a.y, a.z};
    const Vecteur n = croix(Vecteur{b.x, b.y, b.z}, Vecteur{c.x, c.y, c.z});
    somme += pa[0] * n[0] + pa[1] * n[1] + pa[2] * n[2];
  }
  return somme / 6;
}

bool sans_triangle_degenere(const Maillage& m) {
  for (const Triangle& t : m.triangles) {
    const Point3 &a = m.sommets[t[0]], &b = m.sommets[t[1]], &c = m.sommets[t[2]];
    if (a == b || b == c || c == a) return false;
    const Vecteur n = produit_normal(m, t);
    if (n[0] == 0 && n[1] == 0 && n[2] == 0) return false;
  }
  return true;
}

} // namespace bilobe
