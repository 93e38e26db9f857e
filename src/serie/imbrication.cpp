#include "serie/imbrication.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/convexe.h"
#include "serie/piece_imbriquee.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <optional>
#include <tuple>

namespace bilobe {

namespace {

using namespace imbrication;

struct Utile {
  Entier gauche, haut, droite, bas; // the margins' inner edges
};
Utile utile(const Planche& planche) {
  return {vers_le_haut(planche.marge), vers_le_haut(planche.marge), vers_le_bas(planche.largeur - planche.marge),
          vers_le_bas(planche.hauteur - planche.marge)};
}

std::string texte_dimensions(double l, double h) { return texte_au_centieme(l) + " x " + texte_au_centieme(h) + " mm"; }

struct Posee {
  std::size_t piece = 0;
  int sens = 0;
  Point a;                        // where its box's top left corner is
  double creux_libre = 0;         // µm² of its hollows not yet taken
  std::vector<std::size_t> hotes; // the parts whose hollow it stands in
};

// The discs tried on a sheet's free space go by this step, rounded down.
constexpr Entier PAS_DES_DISQUES = 500; // µm
// Around the corners the disc's places allow: its centre is rounded.
constexpr double JEU_ZONE = 10; // µm

struct Candidat {
  Point a;
  int sens = 0;
  std::vector<std::size_t> hotes; // the parts whose hollow it stands in
};

// One sheet being filled.
class PlancheEnCours {
public:
  // `debord`: how far a grown outline may reach beyond its part's box;
  // `tuile`: the least side of the tiles the search goes by.
  PlancheEnCours(const std::vector<Piece>& pieces, Utile utile, Entier debord, Entier tuile)
      : pieces_(pieces), utile_(utile), debord_(debord), tuile_(tuile) {}

  // Where the part's inscribed disc may stand on this sheet: nothing to
  // say (the whole sheet) while the sheet has taken every part; otherwise
  // the places free for a disc as large as the one inside its grown outline,
  // none when the part surely cannot go. Spares the search on full sheets,
  // and narrows it to the pockets left elsewhere. Each size of disc is tried
  // once until the sheet changes, and one that found no room never finds
  // any, nor does a larger one.
  std::optional<Zone> ou_chercher(std::size_t k) const {
    if (!a_refuse_) return std::nullopt; // a sheet that took every part so far is worth the whole search
    const Entier rayon = static_cast<Entier>(pieces_[k].rayon) / PAS_DES_DISQUES * PAS_DES_DISQUES;
    if (rayon >= plus_petit_refuse_) return Zone{}; // a sheet only fills: no room now, none later
    auto connu = disques_.find(rayon);
    if (connu == disques_.end()) connu = disques_.emplace(rayon, places_du_disque(rayon)).first;
    if (connu->second.empty()) plus_petit_refuse_ = rayon;
    return connu->second;
  }

  // The highest, then leftmost place of the part on this sheet, either way
  // round, its disc's centre within `regions` when they are given.
  std::optional<Candidat> place_pour(std::size_t k, const std::optional<Zone>& regions) const {
    const Piece& piece = pieces_[k];
    const Boite partout{utile_.gauche, utile_.haut, utile_.droite - piece.largeur, utile_.bas - piece.hauteur};
    std::optional<Candidat> meilleur;
    const auto garder = [&](std::optional<Candidat> c) {
      if (c && (!meilleur || std::tie(c->a.y, c->a.x) < std::tie(meilleur->a.y, meilleur->a.x))) meilleur = c;
    };
    for (int s = 0; s < 2; ++s) {
      if (!regions) {
        garder(place_pour(k, s, rectangle(partout)));
        continue;
      }
      // The disc's centre in this way round, from the box's top left corner;
      // the corners that put it in one of the regions, a little more for its
      // rounding, between the margins.
      const Point c = s == 0 ? piece.centre : Point{piece.largeur - piece.centre.x, piece.hauteur - piece.centre.y};
      Zone coins;
      for (const Polygone& region : *regions) coins.push_back(translate(region, {-c.x, -c.y}));
      coins = polygones::intersection(convexe::decaler_au_moins(coins, JEU_ZONE), rectangle(partout));
      if (!coins.empty()) garder(place_pour(k, s, coins));
    }
    return meilleur;
  }

  void a_refuse() { a_refuse_ = true; }

  void poser(std::size_t k, const Candidat& c) {
    for (const std::size_t hote : c.hotes) posees_[hote].creux_libre -= pieces_[k].aire;
    posees_.push_back({k, c.sens, c.a, pieces_[k].sens[c.sens].aire_creux, c.hotes});
    disques_.clear();
  }

  std::size_t piece(std::size_t posee) const { return posees_[posee].piece; }
  std::size_t nombre() const { return posees_.size(); }

private:
  // Where the centre of a disc of this radius finds room on the sheet, by
  // generous shapes only, so that what is left out surely is no room: within
  // reach of an outline, outside every grown outline grown again by a polygon
  // inside the disc, or in a hollow's hull shrunk by that polygon.
  Zone places_du_disque(Entier rayon) const {
    const double pi = std::acos(-1.0);
    const Chemin disque = convexe::disque(static_cast<double>(rayon - 1) * std::cos(pi / 16) - 1);
    const Entier r = rayon - debord_;
    const Chemin centres{{utile_.gauche + r, utile_.haut + r},
                         {utile_.droite - r, utile_.haut + r},
                         {utile_.droite - r, utile_.bas - r},
                         {utile_.gauche + r, utile_.bas - r}};
    if (centres[0].x > centres[1].x || centres[0].y > centres[2].y) return {};
    Zone interdits;
    for (const Posee& p : posees_)
      interdits.push_back(
          {convexe::somme(convexe::translate(pieces_[p.piece].sens[p.sens].test.exterieur, p.a), disque), {}});
    Zone places = polygones::difference(polygones::zone_de(centres), interdits);
    // In a hollow, away from the outlines other than the ones around it
    // (those whose boxes reach the hollow's).
    std::vector<Boite> boites;
    for (const Polygone& p : interdits) boites.push_back(boite_de(p.exterieur));
    for (std::size_t i = 0; i < posees_.size(); ++i) {
      const Posee& hote = posees_[i];
      if (hote.creux_libre < static_cast<double>(rayon) * static_cast<double>(rayon)) continue;
      for (const Chemin& c : pieces_[hote.piece].sens[hote.sens].test.creux) {
        const Chemin dedans = convexe::erosion(convexe::translate(convexe::enveloppe(c), hote.a), disque);
        if (dedans.empty()) continue;
        const Boite bd = boite_de(dedans);
        Zone autres;
        for (std::size_t j = 0; j < posees_.size(); ++j)
          if (j != i && boites[j].x0 <= bd.x1 && bd.x0 <= boites[j].x1 && boites[j].y0 <= bd.y1 &&
              bd.y0 <= boites[j].y1 && std::find(hote.hotes.begin(), hote.hotes.end(), j) == hote.hotes.end())
            autres.push_back(interdits[j]);
        for (Polygone& p : polygones::difference(polygones::zone_de(dedans), autres)) places.push_back(std::move(p));
      }
    }
    return places;
  }

  // The corners from which the part lies wholly inside a placed part's
  // hollows: inside the hollow's hull, clear of the pockets between the hull
  // and the hollow's line.
  Zone dans_les_creux(const Posee& hote, const Sens& b, const Chemin& moins_b, double aire_b) const {
    const Sens& a = pieces_[hote.piece].sens[hote.sens];
    if (hote.creux_libre < aire_b) return {};
    const Boite bb = boite_de(b.recherche.exterieur);
    Zone resultat;
    for (const Sens::Creux& creux : a.creux) {
      const Boite& h = creux.boite;
      if (h.x1 - h.x0 < bb.x1 - bb.x0 || h.y1 - h.y0 < bb.y1 - bb.y0) continue;
      Chemin dedans = convexe::erosion(convexe::translate(creux.coque, hote.a), b.recherche.exterieur);
      if (dedans.empty()) continue;
      Zone poches;
      for (const Chemin& p : creux.poches)
        poches.push_back({convexe::somme(convexe::translate(p, hote.a), moins_b), {}});
      for (Polygone& p : polygones::difference(polygones::zone_de(std::move(dedans)), poches))
        resultat.push_back(std::move(p));
    }
    return resultat;
  }

  // Where the part must not have its corner for a placed part: the sum of
  // that part's outline and the part's, less where it would stand in a hollow.
  Zone interdit(const Posee& posee, const Sens& b, const Chemin& moins_b, double aire_b) const {
    const Sens& a = pieces_[posee.piece].sens[posee.sens];
    Zone touche = polygones::zone_de(convexe::somme(convexe::translate(a.recherche.exterieur, posee.a), moins_b));
    const Zone creux = dans_les_creux(posee, b, moins_b, aire_b);
    if (creux.empty()) return touche;
    return polygones::difference(touche, creux);
  }

  // The search for the part's top left corner within `permises`, tile by
  // tile: a polygon operation costs more than its parts' count, so each
  // tile's free space comes from the parts near it only; the rows of tiles
  // go from the top, and the search ends at the first that holds a place.
  // Each tile takes the corners from its top left edges up to, not on, its
  // bottom right ones, and is cut a little beyond: the corners a cut makes
  // fall outside, and the tiles together give the corners of the whole.
  std::optional<Candidat> place_pour(std::size_t k, int s, const Zone& permises) const {
    const Piece& piece = pieces_[k];
    const Sens& b = piece.sens[s];
    const Chemin moins_b = convexe::oppose(b.recherche.exterieur);
    const Boite bb = boite_de(b.recherche.exterieur);
    const Boite zone = boite_de(permises);
    const bool entiere = permises.size() == 1 && permises.front().trous.empty() &&
                         permises.front().exterieur.size() == 4; // the sheet searched whole

    // The placed parts that may stand in the way: their zone's box from the
    // two boxes, the zone itself once a tile needs it.
    struct Obstacle {
      const Posee* posee;
      Boite boite;
      std::optional<Zone> zone;
    };
    std::vector<Obstacle> obstacles;
    for (const Posee& posee : posees_) {
      const Boite ba = boite_de(pieces_[posee.piece].sens[posee.sens].recherche.exterieur).decalee(posee.a);
      const Boite somme{ba.x0 - bb.x1, ba.y0 - bb.y1, ba.x1 - bb.x0, ba.y1 - bb.y0};
      if (somme.touche(zone)) obstacles.push_back({&posee, somme, std::nullopt});
    }

    // The free corners within `ici`, from the parts whose zones reach `boite` only.
    const auto libres_dans = [&](const Zone& ici, const Boite& boite) {
      Zone interdits;
      for (Obstacle& o : obstacles) {
        if (!o.boite.touche(boite)) continue;
        if (!o.zone) o.zone = interdit(*o.posee, b, moins_b, piece.aire);
        interdits.insert(interdits.end(), o.zone->begin(), o.zone->end());
      }
      return polygones::difference(ici, interdits);
    };
    const auto premier_libre = [&](std::vector<Point>& candidats) -> std::optional<Candidat> {
      std::sort(candidats.begin(), candidats.end(),
                [](Point u, Point v) { return std::tie(u.y, u.x) < std::tie(v.y, v.x); });
      candidats.erase(std::unique(candidats.begin(), candidats.end()), candidats.end());
      for (const Point& c : candidats)
        if (auto hotes = libre(b, c)) return Candidat{c, s, std::move(*hotes)};
      return std::nullopt;
    };

    // Pockets apart, none with a hole: each with the parts near it.
    if (!entiere && std::all_of(permises.begin(), permises.end(), [](const Polygone& p) { return p.trous.empty(); })) {
      std::vector<Point> candidats;
      for (const Polygone& p : permises)
        pour_chaque_sommet(libres_dans({p}, boite_de(p.exterieur)), [&](Point q) { candidats.push_back(q); });
      return premier_libre(candidats);
    }

    const Entier cote = std::max(tuile_, 2 * std::max(piece.largeur, piece.hauteur));
    for (Entier y = zone.y0; y <= zone.y1; y += cote) {
      std::vector<Point> candidats;
      const auto prendre = [&](Point q, Entier x) {
        if (q.x >= x && q.x < x + cote && q.y >= y && q.y < y + cote) candidats.push_back(q);
      };
      for (Entier x = zone.x0; x <= zone.x1; x += cote) {
        const Boite tuile{x - 1, y - 1, x + cote, y + cote};
        const Zone ici = entiere                ? rectangle(tuile.coupee(zone))
                         : tuile.contient(zone) ? permises
                                                : polygones::intersection(permises, rectangle(tuile));
        if (ici.empty() || ici.front().exterieur.empty()) continue;
        const Zone libres = libres_dans(ici, tuile);
        // No room as searched: the margins' corners, a few micrometres looser
        // as tested, would not take the part either (most tries on a full
        // sheet end here).
        if (libres.empty() && !posees_.empty()) continue;
        if (entiere)
          for (const Point& q : permises.front().exterieur) prendre(q, x);
        pour_chaque_sommet(libres, [&](Point q) { prendre(q, x); });
      }
      if (auto c = premier_libre(candidats)) return c;
    }
    return std::nullopt;
  }

  // The test of a place, on the grown outlines as they are: the part clear
  // of every placed part, or wholly inside its hollow. Gives the hosts.
  std::optional<std::vector<std::size_t>> libre(const Sens& b, Point c) const {
    const Zone ici = polygones::zone_de(convexe::translate(b.test.exterieur, c));
    const Boite boite = b.boite_test.decalee(c);
    std::vector<std::size_t> hotes;
    for (std::size_t i = 0; i < posees_.size(); ++i) {
      const Posee& posee = posees_[i];
      const Sens& a = pieces_[posee.piece].sens[posee.sens];
      if (!boite.croise(a.boite_test.decalee(posee.a))) continue;
      const Zone la = polygones::zone_de(convexe::translate(a.test.exterieur, posee.a));
      if (polygones::aire(polygones::intersection(ici, la)) == 0) continue;
      bool dedans = false;
      for (const Chemin& creux : a.test.creux)
        dedans = dedans || polygones::aire(
                               polygones::difference(ici, polygones::zone_de(convexe::translate(creux, posee.a)))) == 0;
      if (!dedans) return std::nullopt;
      hotes.push_back(i);
    }
    return hotes;
  }

  const std::vector<Piece>& pieces_;
  Utile utile_;
  Entier debord_;
  Entier tuile_;
  std::vector<Posee> posees_;
  bool a_refuse_ = false;
  mutable std::map<Entier, Zone> disques_; // by radius: where such a disc's centre finds room
  mutable Entier plus_petit_refuse_ = std::numeric_limits<Entier>::max(); // no disc this large finds room any more
};

} // namespace

std::vector<std::size_t> ordre_de_coupe(const Imbrication& imbrication) {
  const std::vector<PiecePlacee>& pieces = imbrication.pieces;
  std::vector<std::size_t> profondeur(pieces.size(), 0);
  for (std::size_t k = 0; k < pieces.size(); ++k)
    for (int h = pieces[k].hote; h >= 0 && profondeur[k] <= pieces.size(); h = pieces[static_cast<std::size_t>(h)].hote)
      ++profondeur[k];
  std::vector<std::size_t> ordre(pieces.size());
  std::iota(ordre.begin(), ordre.end(), 0);
  std::stable_sort(ordre.begin(), ordre.end(),
                   [&](std::size_t a, std::size_t b) { return profondeur[a] > profondeur[b]; });
  return ordre;
}

void verifier_taille(const PieceAImbriquer& piece, const Planche& planche) {
  const Utile u = utile(planche);
  const Cadre c = cadre_exterieur(piece);
  const auto t = taille(c);
  if (t && piece.exterieur.size() >= 3 && t->first <= u.droite - u.gauche && t->second <= u.bas - u.haut) return;
  const std::string dimensions = t ? texte_dimensions(c.largeur(), c.hauteur()) : "taille invalide";
  throw ErreurCouple(piece.nom,
                     OperationInvalide("imbrication", dimensions + " ne tient pas sur une planche vide (" +
                                                          texte_dimensions((u.droite - u.gauche) / MICRONS_PAR_MM,
                                                                           (u.bas - u.haut) / MICRONS_PAR_MM) +
                                                          " entre les marges)"));
}

Imbrication imbriquer(const std::vector<PieceAImbriquer>& pieces, const Planche& planche, double tuile,
                      const Interruption* arret) {
  std::vector<Piece> preparees;
  for (const PieceAImbriquer& p : pieces) {
    verifier_taille(p, planche);
    preparees.push_back(preparer(p, planche));
  }

  std::vector<std::size_t> ordre(pieces.size());
  std::iota(ordre.begin(), ordre.end(), 0);
  std::stable_sort(ordre.begin(), ordre.end(), [&](std::size_t a, std::size_t b) {
    const Piece &pa = preparees[a], &pb = preparees[b];
    return std::make_tuple(pa.largeur * pa.hauteur, pa.hauteur, pa.largeur) >
           std::make_tuple(pb.largeur * pb.hauteur, pb.hauteur, pb.largeur);
  });

  Entier debord = 0;
  for (const Piece& p : preparees) {
    const Boite& b = p.sens[0].boite_test;
    debord = std::max({debord, -b.x0, -b.y0, b.x1 - p.largeur, b.y1 - p.hauteur});
  }

  Imbrication resultat;
  resultat.pieces.resize(pieces.size());
  std::vector<PlancheEnCours> planches;
  for (const std::size_t k : ordre) {
    verifier(arret);
    std::size_t n = 0;
    std::optional<Candidat> place;
    for (; n < planches.size() && !place; ++n)
      if (const auto regions = planches[n].ou_chercher(k);
          (!regions || !regions->empty()) && !(place = planches[n].place_pour(k, regions)))
        planches[n].a_refuse();
    if (place) {
      --n;
    } else {
      planches.emplace_back(preparees, utile(planche), debord, std::max<Entier>(1, vers_le_bas(tuile)));
      place = planches.back().place_pour(k, std::nullopt);
    }
    if (planches[n].nombre() == PIECES_PAR_PLANCHE_MAX)
      lever(GenreErreur::Depassement, "imbrication",
            "plus de " + std::to_string(PIECES_PAR_PLANCHE_MAX) +
                " couples sur une planche : le calcul deviendrait trop long, prenez une planche plus petite");
    planches[n].poser(k, *place);
    PiecePlacee& posee = resultat.pieces[k];
    posee.planche = static_cast<int>(n);
    posee.x = static_cast<double>(place->a.x) / MICRONS_PAR_MM;
    posee.y = static_cast<double>(place->a.y) / MICRONS_PAR_MM;
    posee.retournee = place->sens == 1;
    // Of the parts around it, the smallest holds it closest.
    for (const std::size_t hote : place->hotes) {
      const std::size_t i = planches[n].piece(hote);
      if (posee.hote < 0 || preparees[i].aire < preparees[static_cast<std::size_t>(posee.hote)].aire)
        posee.hote = static_cast<int>(i);
    }
  }
  resultat.planches = static_cast<int>(planches.size());
  return resultat;
}

} // namespace bilobe
