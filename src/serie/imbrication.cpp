#include "serie/imbrication.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <tuple>

namespace bilobe {

namespace {

// The layout is worked out in whole micrometres, so that it is exact and the
// same on every machine.
using Um = std::int64_t;
constexpr double UM_PAR_MM = 1000;

Um vers_le_haut(double mm) { return static_cast<Um>(std::ceil(mm * UM_PAR_MM)); }
Um vers_le_bas(double mm) { return static_cast<Um>(std::floor(mm * UM_PAR_MM)); }

struct Rect {
  Um x = 0, y = 0, l = 0, h = 0;
  bool contient(const Rect& r) const { return r.x >= x && r.y >= y && r.x + r.l <= x + l && r.y + r.h <= y + h; }
  bool croise(const Rect& r) const { return r.x < x + l && x < r.x + r.l && r.y < y + h && y < r.y + r.h; }
};

// One sheet's free space as the largest free rectangles, which may overlap
// (the "maximal rectangles" method).
class PlancheLibre {
public:
  PlancheLibre(Um l, Um h) : libres_{{0, 0, l, h}} {}

  // The free rectangle that leaves the least on its shorter side, then on
  // its longer side, then the highest, then the leftmost.
  std::optional<Rect> place_pour(Um l, Um h) const {
    std::optional<Rect> meilleure;
    std::tuple<Um, Um, Um, Um> cle_meilleure{};
    for (const Rect& r : libres_) {
      if (l > r.l || h > r.h) continue;
      const Um reste_l = r.l - l, reste_h = r.h - h;
      const auto cle = std::make_tuple(std::min(reste_l, reste_h), std::max(reste_l, reste_h), r.y, r.x);
      if (!meilleure || cle < cle_meilleure) {
        meilleure = Rect{r.x, r.y, l, h};
        cle_meilleure = cle;
      }
    }
    return meilleure;
  }

  void occuper(const Rect& pris) {
    std::vector<Rect> restes;
    for (const Rect& r : libres_) {
      if (!r.croise(pris)) {
        restes.push_back(r);
        continue;
      }
      if (pris.x > r.x) restes.push_back({r.x, r.y, pris.x - r.x, r.h});
      if (pris.x + pris.l < r.x + r.l) restes.push_back({pris.x + pris.l, r.y, r.x + r.l - pris.x - pris.l, r.h});
      if (pris.y > r.y) restes.push_back({r.x, r.y, r.l, pris.y - r.y});
      if (pris.y + pris.h < r.y + r.h) restes.push_back({r.x, pris.y + pris.h, r.l, r.y + r.h - pris.y - pris.h});
    }
    // A rectangle inside another adds nothing; of two equal ones the first stays.
    libres_.clear();
    for (std::size_t i = 0; i < restes.size(); ++i) {
      bool inutile = false;
      for (std::size_t j = 0; j < restes.size() && !inutile; ++j)
        if (i != j && restes[j].contient(restes[i])) inutile = !restes[i].contient(restes[j]) || j < i;
      if (!inutile) libres_.push_back(restes[i]);
    }
  }

private:
  std::vector<Rect> libres_;
};

std::string texte_dimensions(double l, double h) { return texte_au_centieme(l) + " x " + texte_au_centieme(h) + " mm"; }

} // namespace

namespace {

struct Utile {
  Um largeur, hauteur; // between the margins
};
Utile utile(const Planche& planche) {
  return {vers_le_bas(planche.largeur - 2 * planche.marge), vers_le_bas(planche.hauteur - 2 * planche.marge)};
}

// The part's box in whole micrometres; nothing when it is not a size at all.
std::optional<std::pair<Um, Um>> taille(const PieceAImbriquer& piece) {
  // Not NaN, and far within the micrometre count.
  if (!(piece.largeur >= 0 && piece.hauteur >= 0 && piece.largeur < 1e9 && piece.hauteur < 1e9)) return std::nullopt;
  return std::make_pair(vers_le_haut(piece.largeur), vers_le_haut(piece.hauteur));
}

} // namespace

void verifier_taille(const PieceAImbriquer& piece, const Planche& planche) {
  const Utile u = utile(planche);
  const auto t = taille(piece);
  if (t && t->first <= u.largeur && t->second <= u.hauteur) return;
  const std::string dimensions = t ? texte_dimensions(piece.largeur, piece.hauteur) : "taille invalide";
  throw ErreurCouple(
      piece.nom, OperationInvalide("imbrication", dimensions + " ne tient pas sur une planche vide (" +
                                                      texte_dimensions(u.largeur / UM_PAR_MM, u.hauteur / UM_PAR_MM) +
                                                      " entre les marges)"));
}

Imbrication imbriquer(const std::vector<PieceAImbriquer>& pieces, const Planche& planche) {
  // Each part takes its box plus the spacing on its right and below; the
  // sheet gives the same spacing back beyond its far margins.
  const Um espacement = vers_le_haut(planche.espacement);
  const Um utile_l = utile(planche).largeur, utile_h = utile(planche).hauteur;
  std::vector<Um> l(pieces.size()), h(pieces.size());
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    verifier_taille(pieces[k], planche);
    std::tie(l[k], h[k]) = *taille(pieces[k]);
  }

  std::vector<std::size_t> ordre(pieces.size());
  std::iota(ordre.begin(), ordre.end(), 0);
  std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) {
    return std::make_tuple(l[a] * h[a], h[a], l[a]) > std::make_tuple(l[b] * h[b], h[b], l[b]);
  });

  Imbrication resultat;
  resultat.pieces.resize(pieces.size());
  std::vector<PlancheLibre> planches;
  for (const std::size_t k : ordre) {
    const Um pl = l[k] + espacement, ph = h[k] + espacement;
    std::size_t n = 0;
    std::optional<Rect> place;
    for (; n < planches.size() && !place; ++n) place = planches[n].place_pour(pl, ph);
    if (place) {
      --n;
    } else {
      planches.emplace_back(utile_l + espacement, utile_h + espacement);
      place = planches.back().place_pour(pl, ph);
    }
    planches[n].occuper(*place);
    resultat.pieces[k] = {static_cast<int>(n), planche.marge + static_cast<double>(place->x) / UM_PAR_MM,
                          planche.marge + static_cast<double>(place->y) / UM_PAR_MM};
  }
  resultat.planches = static_cast<int>(planches.size());
  return resultat;
}

} // namespace bilobe
