#include "geometry/kit.h"

#include "common/erreurs.h"
#include "geometry/epissure.h"
#include "geometry/microns.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bilobe {

namespace {

using microns::en_chemin;
using polygones::zone_de;

// How far a notch's rectangle reaches out past the outline, beyond its width
// and depth: enough to clear a concave stretch of the side.
constexpr double DEBORD = 1;
// How far a tab reaches into the part, so that the two join over its width.
constexpr double ANCRAGE = 0.001;
// Two shapes closer than this touch (mm): 2 µm, twice the polygons' unit.
constexpr double CONTACT = 0.002;

PointMm plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm moins(PointMm a, PointMm b) { return {a.x - b.x, a.y - b.y}; }
PointMm fois(double k, PointMm a) { return {k * a.x, k * a.y}; }
PointMm miroir(PointMm a) { return {-a.x, a.y}; }

PointMm unitaire(PointMm v) {
  const double l = std::hypot(v.x, v.y);
  return l > 0 ? PointMm{v.x / l, v.y / l} : PointMm{};
}

void cote_kit(double valeur, const std::string& lieu, const char* quoi) {
  if (!cote_kit_valide(valeur))
    lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " doit aller de 0.01 mm à 1000000 mm");
}

// The right half of the loop is [0, haut]: from the bottom on the centre line
// to the top on it.
std::size_t indice_du_haut(const Boucle& b) {
  std::size_t haut = 0;
  for (std::size_t k = 1; k < b.size() && b[k].x >= 0; ++k)
    if (b[k].x == 0) haut = k;
  if (b.empty() || b[0].x != 0 || haut == 0)
    lever(GenreErreur::OperationInvalide, "encoches", "contour sans ses deux points sur l'axe");
  return haut;
}

// The loop's direction at a vertex: the mean of the two sides that meet there.
PointMm tangente_au_sommet(const Boucle& b, std::size_t k) {
  const PointMm avant = b[(k + b.size() - 1) % b.size()];
  const PointMm apres = b[(k + 1) % b.size()];
  return unitaire(plus(unitaire(moins(b[k], avant)), unitaire(moins(apres, b[k]))));
}

struct PointDeLigne {
  PointMm point;
  PointMm tangente; // along the loop, counter-clockwise
};

// The right half walked down from the top: the length of each side, from
// b[haut] to b[haut - 1] first, and their sum.
struct Moitie {
  std::size_t haut = 0;
  std::vector<double> cotes;
  double longueur = 0;
};
Moitie moitie_de(const Boucle& b, std::size_t haut) {
  Moitie m{haut, {}, 0};
  for (std::size_t k = haut; k > 0; --k) {
    m.cotes.push_back(std::hypot(b[k - 1].x - b[k].x, b[k - 1].y - b[k].y));
    m.longueur += m.cotes.back();
  }
  return m;
}

// The point `s` mm from the top along the right half.
PointDeLigne point_depuis_le_haut(const Boucle& b, const Moitie& m, double s) {
  if (s >= m.longueur) return {b[0], tangente_au_sommet(b, 0)}; // the bottom, not a hair beside it
  double parcouru = 0;
  for (std::size_t k = m.haut; k > 0; --k) {
    const double l = m.cotes[m.haut - k];
    if (s <= parcouru + l || k == 1) {
      const double f = l > 0 ? std::clamp((s - parcouru) / l, 0.0, 1.0) : 0.0;
      if (f == 0) return {b[k], tangente_au_sommet(b, k)};
      if (f == 1) return {b[k - 1], tangente_au_sommet(b, k - 1)};
      return {plus(b[k], fois(f, moins(b[k - 1], b[k]))), unitaire(moins(b[k], b[k - 1]))};
    }
    parcouru += l;
  }
  return {b[m.haut], tangente_au_sommet(b, m.haut)};
}

// Where the side is widest on the level line: the crossing of y = 0 by the
// right half furthest from the centre line, as a length from the top.
double longueur_au_niveau(const Boucle& b, std::size_t haut) {
  double parcouru = 0, meilleure = -1, x_max = -1;
  for (std::size_t k = haut; k > 0; --k) {
    const PointMm a = b[k], c = b[k - 1];
    const double l = std::hypot(c.x - a.x, c.y - a.y);
    if ((a.y >= 0 && c.y <= 0) || (a.y <= 0 && c.y >= 0)) {
      const double f = a.y == c.y ? 0 : a.y / (a.y - c.y);
      const double x = a.x + f * (c.x - a.x);
      if (x > x_max) x_max = x, meilleure = parcouru + f * l;
    }
    parcouru += l;
  }
  if (meilleure < 0) lever(GenreErreur::OperationInvalide, "encoches", "le contour ne coupe pas la ligne de niveau");
  return meilleure;
}

EncochePlacee placee(std::size_t numero, const PointDeLigne& p, const Encoche& e) {
  EncochePlacee r;
  r.numero = numero;
  r.point = p.point;
  r.tangente = p.tangente;
  r.normale = {-p.tangente.y, p.tangente.x}; // inward, the loop turning counter-clockwise
  r.fond = plus(p.point, fois(e.profondeur, r.normale));
  const PointMm demi = fois(e.largeur / 2, r.tangente);
  const PointMm dehors = plus(p.point, fois(-(e.largeur + e.profondeur + DEBORD), r.normale));
  r.rectangle = {moins(r.fond, demi), plus(r.fond, demi), plus(dehors, demi), moins(dehors, demi)};
  return r;
}

EncochePlacee image(EncochePlacee e) {
  e.gauche = true;
  e.point = miroir(e.point);
  e.fond = miroir(e.fond);
  e.tangente = {e.tangente.x, -e.tangente.y}; // mirrored, and run the other way
  e.normale = miroir(e.normale);
  for (PointMm& p : e.rectangle) p = miroir(p);
  std::reverse(e.rectangle.begin(), e.rectangle.end());
  return e;
}

// Where the vertical line x meets the loop lowest (highest, above): the
// side, from k to k + 1, and the y there.
struct Traversee {
  std::size_t cote = 0;
  double y = 0;
};
std::optional<Traversee> traversee(const Boucle& b, double x, bool dessus) {
  std::optional<Traversee> t;
  for (std::size_t k = 0; k < b.size(); ++k) {
    const PointMm a = b[k], c = b[(k + 1) % b.size()];
    if (x < std::min(a.x, c.x) || x > std::max(a.x, c.x)) continue;
    const double y =
        a.x == c.x ? (dessus ? std::max(a.y, c.y) : std::min(a.y, c.y)) : a.y + (x - a.x) / (c.x - a.x) * (c.y - a.y);
    if (!t || (dessus ? y > t->y : y < t->y)) t = Traversee{k, y};
  }
  return t;
}

Cadre cadre_du_cote(PointMm a, PointMm b) {
  return {std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
}

// Whether two closed loops come within the contact distance of each other:
// two sides that cross or pass that close, or one loop inside the other.
// The first loop is the small one (a notch, a tab): each side of the other
// is first held against its box.
bool se_touchent(const Boucle& a, const Boucle& b, const Cadre& cadre_b) {
  const Cadre ca = cadre_de({&a}).elargi(CONTACT);
  if (!ca.croise(cadre_b.elargi(CONTACT))) return false;
  constexpr double CONTACT2 = CONTACT * CONTACT;
  for (std::size_t j = 0; j < b.size(); ++j) {
    const PointMm r = b[j], t = b[(j + 1) % b.size()];
    const Cadre cote_b = cadre_du_cote(r, t);
    if (!ca.croise(cote_b)) continue; // a side away from the other loop cannot meet it
    for (std::size_t i = 0; i < a.size(); ++i) {
      const PointMm p = a[i], q = a[(i + 1) % a.size()];
      if (!cadre_du_cote(p, q).elargi(CONTACT).croise(cote_b)) continue;
      if (segments_se_touchent(p, q, r, t) || distance2_au_segment(p, r, t) < CONTACT2 ||
          distance2_au_segment(q, r, t) < CONTACT2 || distance2_au_segment(r, p, q) < CONTACT2 ||
          distance2_au_segment(t, p, q) < CONTACT2)
        return true;
    }
  }
  return dans_la_boucle(a[0], b) || dans_la_boucle(b[0], a);
}
bool se_touchent(const Boucle& a, const Boucle& b) { return se_touchent(a, b, cadre_de({&b})); }

// What a notch takes out of the part: its rectangle within the outline.
std::vector<Boucle> matiere_enlevee(const EncochePlacee& e, const Boucle& exterieur) {
  const polygones::Zone resultat =
      polygones::intersection(zone_de(en_chemin(exterieur, "kit")), zone_de(en_chemin(e.rectangle, "encoches")));
  std::vector<Boucle> morceaux;
  for (const polygones::Polygone& p : resultat)
    if (p.exterieur.size() >= 3) morceaux.push_back(microns::en_boucle(p.exterieur));
  return morceaux;
}

std::string nom(const EncochePlacee& e) { return "encoche " + std::to_string(e.numero); }
std::string nom(const PattePlacee& p) { return "patte " + std::to_string(p.numero); }

} // namespace

std::vector<EncochePlacee> placer_encoches(const Boucle& exterieur, const std::vector<Encoche>& encoches) {
  std::vector<EncochePlacee> placees;
  if (encoches.empty()) return placees;
  const std::size_t haut = indice_du_haut(exterieur);
  const Moitie moitie = moitie_de(exterieur, haut);
  for (std::size_t k = 0; k < encoches.size(); ++k) {
    const Encoche& e = encoches[k];
    const std::string lieu = "encoche " + std::to_string(k + 1);
    if (k == ENCOCHES_MAX)
      lever(GenreErreur::OperationInvalide, lieu, "plus de " + std::to_string(ENCOCHES_MAX) + " encoches");
    cote_kit(e.largeur, lieu, "la largeur");
    cote_kit(e.profondeur, lieu, "la profondeur");
    if (!e.au_niveau && !(e.place >= 0 && e.place <= 1))
      lever(GenreErreur::OperationInvalide, lieu, "la place doit aller de 0 (dos) à 1 (ventre)");
    const double s = e.au_niveau ? longueur_au_niveau(exterieur, haut) : e.place * moitie.longueur;
    const EncochePlacee droite = placee(k + 1, point_depuis_le_haut(exterieur, moitie, s), e);
    placees.push_back(droite);
    if (droite.point.x != 0) placees.push_back(image(droite));
  }
  return placees;
}

std::vector<PattePlacee> placer_pattes(const Boucle& exterieur, const Pattes& p) {
  cote_kit(p.largeur, "pattes", "la largeur");
  if (!ecart_kit_valide(p.ecart))
    lever(GenreErreur::OperationInvalide, "pattes", "l'écart doit aller de 0 à 1000000 mm");
  if (!(std::abs(p.distance) < COTE_KIT_MAX))
    lever(GenreErreur::OperationInvalide, "pattes", "la distance doit rester sous 1000000 mm");
  const Cadre piece = cadre_de({&exterieur});
  const double chantier = p.dessus ? p.distance : -p.distance;
  if (p.dessus ? !(chantier > piece.haut) : !(chantier < piece.bas))
    lever(GenreErreur::OperationInvalide, "pattes", "la ligne du chantier ne dégage pas la pièce");

  std::vector<double> centres = {0};
  if (p.ecart > 0) centres = {-p.ecart, p.ecart};
  const std::size_t n = exterieur.size();
  const double vers_la_piece = p.dessus ? -ANCRAGE : ANCRAGE;
  std::vector<PattePlacee> pattes;
  for (const double centre : centres) {
    PattePlacee r;
    r.numero = pattes.size() + 1;
    const double x1 = centre - p.largeur / 2, x2 = centre + p.largeur / 2;
    const auto t1 = traversee(exterieur, x1, p.dessus), t2 = traversee(exterieur, x2, p.dessus);
    if (!t1 || !t2) lever(GenreErreur::OperationInvalide, nom(r), "la patte dépasse la largeur du couple");
    // Counter-clockwise, the loop runs rightwards along its bottom and
    // leftwards along its top: from the crossing at xa to the one at xb.
    const double xa = p.dessus ? x2 : x1, xb = p.dessus ? x1 : x2;
    const Traversee ta = p.dessus ? *t2 : *t1, tb = p.dessus ? *t1 : *t2;
    r.region = {{xa, chantier}, {xb, chantier}, {xb, tb.y + vers_la_piece}};
    // Back along the outline from xb to xa: the tab's top.
    for (std::size_t k = tb.cote, pas = 0; k != ta.cote; k = (k + n - 1) % n) {
      if (++pas > n) lever(GenreErreur::OperationInvalide, nom(r), "contour introuvable sous la patte");
      r.region.push_back({exterieur[k].x, exterieur[k].y + vers_la_piece});
    }
    r.region.push_back({xa, ta.y + vers_la_piece});
    r.marque_debut = {x1, t1->y};
    r.marque_fin = {x2, t2->y};
    r.dessus = p.dessus;
    r.chantier = chantier;
    pattes.push_back(std::move(r));
  }
  return pattes;
}

std::vector<PointMm> trait_kit(const EncochePlacee& e) {
  const PointMm vers_le_point = moins(e.point, e.fond);
  return {plus(e.rectangle[0], vers_le_point), e.rectangle[0], e.rectangle[1], plus(e.rectangle[1], vers_le_point)};
}

std::vector<PointMm> trait_kit(const PattePlacee& p) {
  return {p.marque_debut, {p.marque_debut.x, p.chantier}, {p.marque_fin.x, p.chantier}, p.marque_fin};
}

Boucle decouper_kit(const Boucle& exterieur, const Boucle& interieur, const std::vector<EncochePlacee>& encoches,
                    const std::vector<PattePlacee>& pattes) {
  const auto refuser = [](const std::string& lieu, const std::string& detail) {
    lever(GenreErreur::OperationInvalide, lieu, detail);
  };
  // Two notches whose rectangles meet only in the air, outside the part,
  // leave material between them: what each takes out is compared, worked
  // out only for the rectangles that meet.
  std::vector<std::optional<std::vector<Boucle>>> enlevees(encoches.size());
  const auto enlevee = [&](std::size_t k) -> const std::vector<Boucle>& {
    if (!enlevees[k]) enlevees[k] = matiere_enlevee(encoches[k], exterieur);
    return *enlevees[k];
  };
  const auto se_chevauchent = [&](std::size_t i, std::size_t j) {
    if (!se_touchent(encoches[i].rectangle, encoches[j].rectangle)) return false;
    for (const Boucle& a : enlevee(i))
      for (const Boucle& b : enlevee(j))
        if (se_touchent(a, b)) return true;
    return false;
  };
  const Cadre creux = cadre_de({&interieur});
  for (std::size_t i = 0; i < encoches.size(); ++i) {
    const EncochePlacee& e = encoches[i];
    if (se_touchent(e.rectangle, interieur, creux)) refuser(nom(e), "elle atteint le contour intérieur");
    for (std::size_t j = i + 1; j < encoches.size(); ++j)
      if (se_chevauchent(i, j))
        refuser(nom(e), encoches[j].numero == e.numero ? "elle chevauche son image de l'autre côté"
                                                       : "elle chevauche l'" + nom(encoches[j]));
    for (const PattePlacee& p : pattes)
      if (se_touchent(e.rectangle, p.region)) refuser(nom(e), "elle chevauche la " + nom(p));
  }
  for (std::size_t i = 0; i < pattes.size(); ++i) {
    if (se_touchent(pattes[i].region, interieur, creux))
      refuser(nom(pattes[i]), "elle atteint le contour intérieur : la paroi n'y laisse aucun jour");
    for (std::size_t j = i + 1; j < pattes.size(); ++j)
      if (se_touchent(pattes[i].region, pattes[j].region))
        refuser(nom(pattes[i]), "elle chevauche la " + nom(pattes[j]));
  }

  if (auto epissee = episser(exterieur, encoches, pattes)) return *epissee;
  // A rectangle over a bend sharper than itself: the general operation.
  polygones::Zone piece = zone_de(en_chemin(exterieur, "kit")), rectangles;
  for (const PattePlacee& p : pattes) piece.push_back({en_chemin(p.region, "pattes"), {}});
  for (const EncochePlacee& e : encoches) rectangles.push_back({en_chemin(e.rectangle, "encoches"), {}});
  return microns::piece_unique(polygones::difference(piece, rectangles), "encoches et pattes", "le découpage");
}

} // namespace bilobe
