#include "geometry/forme.h"

#include "geometry/lignes.h"

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

bool sur_le_segment(PointMm a, PointMm b, PointMm p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Where two segments cross or touch, if they do.
bool croisement(const Segment& s, const Segment& t, PointMm& ou) {
  const double d1 = croix(t.a, t.b, s.a), d2 = croix(t.a, t.b, s.b);
  const double d3 = croix(s.a, s.b, t.a), d4 = croix(s.a, s.b, t.b);
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
  const std::size_t ecart = s.k > t.k ? s.k - t.k : t.k - s.k;
  return ecart == 1 || ecart == s.n - 1; // one after the other, the last and the first included
}

void ajouter_segments(std::vector<Segment>& segments, const Boucle& boucle, int numero) {
  for (std::size_t k = 0; k < boucle.size(); ++k)
    segments.push_back({boucle[k], boucle[k + 1 < boucle.size() ? k + 1 : 0], numero, k, boucle.size()});
}

// The segments of a loop filed in square cells, so that the nearest one to
// a point is found among the cells around it, ring after ring.
class GrilleSegments {
public:
  GrilleSegments(const Boucle& boucle, const Cadre& etendue) : boucle_(boucle), cadre_(etendue) {
    const double cote = std::max(etendue.largeur(), etendue.hauteur());
    n_ = std::clamp(static_cast<int>(std::sqrt(static_cast<double>(boucle.size()))), 1, 256);
    pas_ = cote > 0 ? cote / n_ : 1;
    // Each segment in every cell its box covers, filed cell by cell.
    debuts_.assign(static_cast<std::size_t>(n_ * n_) + 1, 0);
    parcourir([&](std::size_t, std::size_t c) { ++debuts_[c + 1]; });
    for (std::size_t c = 1; c < debuts_.size(); ++c) debuts_[c] += debuts_[c - 1];
    segments_.resize(debuts_.back());
    std::vector<std::size_t> rempli(debuts_.begin(), debuts_.end() - 1);
    parcourir([&](std::size_t k, std::size_t c) { segments_[rempli[c]++] = k; });
  }

  double distance(PointMm p) const {
    const int cx = colonne(p.x), cy = ligne(p.y);
    double meilleure = std::numeric_limits<double>::infinity();
    const auto voir = [&](int x, int y) {
      if (x < 0 || y < 0 || x >= n_ || y >= n_) return;
      // A cell farther than the best so far holds nothing nearer.
      const double gauche = cadre_.gauche + x * pas_, bas = cadre_.bas + y * pas_;
      const double ex = std::max({gauche - p.x, 0.0, p.x - gauche - pas_});
      const double ey = std::max({bas - p.y, 0.0, p.y - bas - pas_});
      if (ex * ex + ey * ey > meilleure) return;
      const std::size_t c = static_cast<std::size_t>(y * n_ + x);
      for (std::size_t i = debuts_[c]; i < debuts_[c + 1]; ++i) {
        const std::size_t k = segments_[i];
        meilleure = std::min(meilleure, distance2_au_segment(p, boucle_[k], boucle_[suivant(k)]));
      }
    };
    for (int r = 0; r < n_; ++r) {
      // Every cell of ring r is at least r - 1 cells away from p.
      const double proche = (r - 1) * pas_;
      if (r > 1 && proche * proche > meilleure) break;
      for (int x = cx - r; x <= cx + r; ++x) {
        voir(x, cy - r);
        if (r > 0) voir(x, cy + r);
      }
      for (int y = cy - r + 1; y <= cy + r - 1; ++y) {
        voir(cx - r, y);
        voir(cx + r, y);
      }
    }
    return std::sqrt(meilleure);
  }

private:
  std::size_t suivant(std::size_t k) const { return k + 1 < boucle_.size() ? k + 1 : 0; }
  int colonne(double x) const { return std::clamp(static_cast<int>((x - cadre_.gauche) / pas_), 0, n_ - 1); }
  int ligne(double y) const { return std::clamp(static_cast<int>((y - cadre_.bas) / pas_), 0, n_ - 1); }
  template <typename F> void parcourir(F&& ranger) const {
    for (std::size_t k = 0; k < boucle_.size(); ++k) {
      const PointMm a = boucle_[k], b = boucle_[suivant(k)];
      const int x0 = colonne(std::min(a.x, b.x)), x1 = colonne(std::max(a.x, b.x));
      const int y0 = ligne(std::min(a.y, b.y)), y1 = ligne(std::max(a.y, b.y));
      for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) ranger(k, static_cast<std::size_t>(y * n_ + x));
    }
  }

  const Boucle& boucle_;
  Cadre cadre_;
  int n_ = 1;
  double pas_ = 1;
  std::vector<std::size_t> debuts_;   // cell c holds segments_[debuts_[c]] to segments_[debuts_[c + 1] - 1]
  std::vector<std::size_t> segments_; // indices of the segments' first points
};

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
  segments.reserve(exterieur.size() + interieur.size());
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
  if (!dans_la_boucle(interieur.front(), exterieur)) r.defaut = "intérieur hors du contour";
  return r;
}

Paroi mesurer_paroi(const Boucle& exterieur, const Boucle& interieur) {
  const GrilleSegments grille(exterieur, cadre_de({&exterieur, &interieur}));
  Paroi m{std::numeric_limits<double>::infinity(), 0};
  for (const PointMm& p : interieur) {
    const double d = grille.distance(p);
    m.mince = std::min(m.mince, d);
    m.epaisse = std::max(m.epaisse, d);
  }
  return m;
}

} // namespace bilobe
