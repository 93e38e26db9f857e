#pragma once

#include <initializer_list>
#include <vector>

namespace bilobe {

// A point of the whole former in millimetres: x across from the centre line,
// y up from the level where the side is widest (the trace's own frame).
struct PointMm {
  double x = 0;
  double y = 0;
  bool operator==(const PointMm&) const = default;
};

// A closed line: the last point joins the first and is not repeated.
using Boucle = std::vector<PointMm>;

// A box, edges parallel to the axes.
struct Cadre {
  double gauche = 0;
  double droite = 0;
  double bas = 0;
  double haut = 0;
  double largeur() const { return droite - gauche; }
  double hauteur() const { return haut - bas; }
  Cadre elargi(double d) const { return {gauche - d, droite + d, bas - d, haut + d}; }
  // Whether the two boxes meet, edges included.
  bool croise(const Cadre& b) const {
    return gauche <= b.droite && b.gauche <= droite && bas <= b.haut && b.bas <= haut;
  }
};

// The box around the points of every loop given (at least one point in all).
Cadre cadre_de(std::initializer_list<const Boucle*> boucles);
// The box around both boxes.
Cadre reunion(Cadre a, const Cadre& b);

// Shoelace formula: positive for a counter-clockwise loop.
double aire_signee(const Boucle& boucle);

// Twice the signed area of the triangle o, a, b: positive when it turns
// counter-clockwise, zero when the three points are on one line.
inline double croix(PointMm o, PointMm a, PointMm b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// Ray casting: whether p lies inside the closed loop.
bool dans_la_boucle(PointMm p, const Boucle& boucle);

// Whether segments ab and cd cross or touch (an end of one on the other).
bool segments_se_touchent(PointMm a, PointMm b, PointMm c, PointMm d);

// The square of the distance from p to the segment ab. Inline: the wall's
// measure calls it for every point against its nearest sides.
inline double distance2_au_segment(PointMm p, PointMm a, PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l2 = dx * dx + dy * dy;
  double t = l2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2;
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  const double ex = p.x - a.x - t * dx, ey = p.y - a.y - t * dy;
  return ex * ex + ey * ey;
}

} // namespace bilobe
