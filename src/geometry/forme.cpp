#include "geometry/forme.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bilobe {

namespace {

struct Segment {
  PointMm a, b;
  int boucle;    // 0 outer, 1 inner
  std::size_t k; // index of a in its loop
  std::size_t n; // size of its loop
  double gauche() const { return std::min(a.x, b.x); }
  double droite() const { return std::max(a.x, b.x); }
};

double vectoriel(PointMm o, PointMm a, PointMm b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool sur_le_segment(PointMm a, PointMm b, PointMm p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Where two segments cross or touch, if they do.
bool croisement(const Segment& s, const Segment& t, PointMm& ou) {
  const double d1 = vectoriel(t.a, t.b, s.a), d2 = vectoriel(t.a, t.b, s.b);
  const double d3 = vectoriel(s.a, s.b, t.a), d4 = vectoriel(s.a, s.b, t.b);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
    const double u = d1 / (d1 - d2);
    ou = {s.a.x + u * (s.b.x - s.a.x), s.a.y + u * (s.b.y - s.a.y)};
    return true;
  }
  // Touching: an end of one lies on the other.
  struct Contact {
    double cote;
    PointMm point, a, b;
  };
  for (const Contact& c :
       {Contact{d1, s.a, t.a, t.b}, Contact{d2, s.b, t.a, t.b}, Contact{d3, t.a, s.a, s.b}, Contact{d4, t.b, s.a, s.b}})
    if (c.cote == 0 && sur_le_segment(c.a, c.b, c.point)) {
      ou = c.point;
      return true;
    }
  return false;
}

bool voisins(const Segment& s, const Segment& t) {
  if (s.boucle != t.boucle) return false;
  const std::size_t n = s.n;
  return (s.k + 1) % n == t.k || (t.k + 1) % n == s.k;
}

void ajouter_segments(std::vector<Segment>& segments, const Boucle& boucle, int numero) {
  for (std::size_t k = 0; k < boucle.size(); ++k)
    segments.push_back({boucle[k], boucle[(k + 1) % boucle.size()], numero, k, boucle.size()});
}

// Ray casting: whether p lies inside the closed loop.
bool dedans(const Boucle& boucle, PointMm p) {
  bool dedans = false;
  for (std::size_t i = 0, j = boucle.size() - 1; i < boucle.size(); j = i++) {
    const PointMm& a = boucle[i];
    const PointMm& b = boucle[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) dedans = !dedans;
  }
  return dedans;
}

double distance_au_segment(PointMm p, PointMm a, PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l2 = dx * dx + dy * dy;
  const double t = l2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

} // namespace

VerificationForme verifier_forme(const ResultatTrace& trace) {
  const Lignes l = lignes_du_couple(trace);
  return verifier_forme(trace, l.exterieur, l.interieur);
}

VerificationForme verifier_forme(const ResultatTrace& trace, const Boucle& exterieur, const Boucle& interieur) {
  const ValeursCouple& v = trace.valeurs;
  if (!(static_cast<float>(v.ep()) > 0)) return {"paroi nulle ou négative", {}};
  if (v.xtot() < 0 || v.ytot() < 0 || v.yinf() < 0 || v.xa() < 0 || v.ya() < 0 || (v.ch == 1 && v.segh() < 0) ||
      (v.cv == 1 && v.segv() < 0))
    return {"dimension négative", {}};
  if (exterieur.size() < 3 || interieur.size() < 3) return {"moins de trois points distincts", {}};

  // The segments by their left end, so that each is compared only with those
  // that overlap it from left to right.
  std::vector<Segment> segments;
  ajouter_segments(segments, exterieur, 0);
  ajouter_segments(segments, interieur, 1);
  std::sort(segments.begin(), segments.end(),
            [](const Segment& s, const Segment& t) { return s.gauche() < t.gauche(); });
  VerificationForme r;
  bool entre_les_deux = false;
  for (std::size_t i = 0; i < segments.size(); ++i)
    for (std::size_t j = i + 1; j < segments.size() && segments[j].gauche() <= segments[i].droite(); ++j) {
      const Segment& s = segments[i];
      const Segment& t = segments[j];
      PointMm ou;
      if (voisins(s, t) || !croisement(s, t, ou)) continue;
      r.croisements.push_back(ou);
      entre_les_deux |= s.boucle != t.boucle;
    }
  if (!r.croisements.empty()) {
    r.defaut = entre_les_deux ? "contours croisés" : "contour croisé sur lui-même";
    return r;
  }
  if (!dedans(exterieur, interieur.front())) r.defaut = "intérieur hors du contour";
  return r;
}

Paroi mesurer_paroi(const Boucle& exterieur, const Boucle& interieur) {
  Paroi m{std::numeric_limits<double>::infinity(), 0};
  for (const PointMm& p : interieur) {
    double d = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < exterieur.size(); ++k)
      d = std::min(d, distance_au_segment(p, exterieur[k], exterieur[(k + 1) % exterieur.size()]));
    m.mince = std::min(m.mince, d);
    m.epaisse = std::max(m.epaisse, d);
  }
  return m;
}

} // namespace bilobe
