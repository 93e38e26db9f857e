#include "geometry/kit.h"

#include "common/erreurs.h"
#include "geometry/clipper_mm.h"
#include "geometry/epissure.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bilobe {

namespace {

using clipper_mm::en_chemin;

// How far a notch's rectangle reaches out past the outline, beyond its width
// and depth: enough to clear a concave stretch of the side.
constexpr double DEBORD = 1;
// How far a tab reaches into the part, so that the two join over its width.
constexpr double ANCRAGE = 0.001;
// Two shapes closer than this touch (µm, Clipper's unit).
constexpr double CONTACT_MICRONS = 2;

PointMm plus(PointMm a, PointMm b) { return {a.x + b.x, a.y + b.y}; }
PointMm moins(PointMm a, PointMm b) { return {a.x - b.x, a.y - b.y}; }
PointMm fois(double k, PointMm a) { return {k * a.x, k * a.y}; }
PointMm miroir(PointMm a) { return {-a.x, a.y}; }

PointMm unitaire(PointMm v) {
  const double l = std::hypot(v.x, v.y);
  return l > 0 ? PointMm{v.x / l, v.y / l} : PointMm{};
}

void positif(double valeur, const std::string& lieu, const char* quoi) {
  if (!(valeur > 0 && std::isfinite(valeur)))
    lever(GenreErreur::OperationInvalide, lieu, std::string(quoi) + " doit être un nombre positif");
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

using Cotes = std::vector<std::pair<PointMm, PointMm>>;

// The sides of a loop that reach over the band from x1 to x2.
Cotes cotes_sur(const Boucle& b, double x1, double x2) {
  Cotes cotes;
  for (std::size_t k = 0; k < b.size(); ++k) {
    const PointMm a = b[k], c = b[(k + 1) % b.size()];
    if (std::max(a.x, c.x) >= x1 && std::min(a.x, c.x) <= x2) cotes.emplace_back(a, c);
  }
  return cotes;
}

// The outline's lowest (or highest) point above x, if the vertical line meets it.
bool bord_en(const Cotes& cotes, double x, bool dessus, double& y) {
  bool trouve = false;
  for (const auto& [a, c] : cotes) {
    if (x < std::min(a.x, c.x) || x > std::max(a.x, c.x)) continue;
    const double yk =
        a.x == c.x ? (dessus ? std::max(a.y, c.y) : std::min(a.y, c.y)) : a.y + (x - a.x) / (c.x - a.x) * (c.y - a.y);
    if (!trouve || (dessus ? yk > y : yk < y)) y = yk;
    trouve = true;
  }
  return trouve;
}

bool segments_se_coupent(PointMm a, PointMm b, PointMm c, PointMm d) {
  const double d1 = croix(c, d, a), d2 = croix(c, d, b), d3 = croix(a, b, c), d4 = croix(a, b, d);
  return ((d1 <= 0 && d2 >= 0) || (d1 >= 0 && d2 <= 0)) && ((d3 <= 0 && d4 >= 0) || (d3 >= 0 && d4 <= 0));
}

bool dans_la_boucle(PointMm p, const Boucle& b) {
  bool dedans = false;
  for (std::size_t i = 0, j = b.size() - 1; i < b.size(); j = i++)
    if ((b[i].y > p.y) != (b[j].y > p.y) && p.x < (b[j].x - b[i].x) * (p.y - b[i].y) / (b[j].y - b[i].y) + b[i].x)
      dedans = !dedans;
  return dedans;
}

// The rectangle grown by the contact distance on every side, its corners in order.
Boucle agrandi(const Boucle& r) {
  const double marge = CONTACT_MICRONS / clipper_mm::MICRONS_PAR_MM;
  const PointMm centre = fois(0.25, plus(plus(r[0], r[1]), plus(r[2], r[3])));
  const PointMm u = unitaire(moins(r[1], r[0])), v = unitaire(moins(r[3], r[0]));
  Boucle g;
  for (const PointMm& p : r) {
    const PointMm d = moins(p, centre);
    const double su = (d.x * u.x + d.y * u.y) >= 0 ? 1 : -1, sv = (d.x * v.x + d.y * v.y) >= 0 ? 1 : -1;
    g.push_back(plus(p, plus(fois(su * marge, u), fois(sv * marge, v))));
  }
  return g;
}

// Whether a rectangle comes within the contact distance of a closed loop's
// area: a crossing of their sides, or one inside the other.
bool se_touchent(const Boucle& rectangle, const Boucle& b, const Cadre& cb) {
  const Boucle r = agrandi(rectangle);
  const Cadre cr = cadre_de({&r});
  if (cr.droite < cb.gauche || cb.droite < cr.gauche || cr.haut < cb.bas || cb.haut < cr.bas) return false;
  for (std::size_t j = 0; j < b.size(); ++j) {
    const PointMm a = b[j], c = b[(j + 1) % b.size()];
    if (std::max(a.x, c.x) < cr.gauche || std::min(a.x, c.x) > cr.droite || std::max(a.y, c.y) < cr.bas ||
        std::min(a.y, c.y) > cr.haut)
      continue; // a side away from the rectangle cannot cross it
    for (std::size_t i = 0; i < r.size(); ++i)
      if (segments_se_coupent(r[i], r[(i + 1) % r.size()], a, c)) return true;
  }
  return dans_la_boucle(r[0], b) || dans_la_boucle(b[0], r);
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
    positif(e.largeur, lieu, "la largeur");
    positif(e.profondeur, lieu, "la profondeur");
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
  positif(p.largeur, "pattes", "la largeur");
  if (!(p.ecart >= 0 && std::isfinite(p.ecart)))
    lever(GenreErreur::OperationInvalide, "pattes", "l'écart doit être positif ou nul");
  if (!std::isfinite(p.distance)) lever(GenreErreur::OperationInvalide, "pattes", "distance hors limites");
  const Cadre piece = cadre_de({&exterieur});
  const double chantier = p.dessus ? p.distance : -p.distance;
  if (p.dessus ? !(chantier > piece.haut) : !(chantier < piece.bas))
    lever(GenreErreur::OperationInvalide, "pattes", "la ligne du chantier ne dégage pas la pièce");

  std::vector<double> centres = {0};
  if (p.ecart > 0) centres = {-p.ecart, p.ecart};
  std::vector<PattePlacee> pattes;
  for (const double centre : centres) {
    PattePlacee r;
    r.numero = pattes.size() + 1;
    const double x1 = centre - p.largeur / 2, x2 = centre + p.largeur / 2;
    const std::string lieu = nom(r);
    const Cotes cotes = cotes_sur(exterieur, x1, x2);
    double y1 = 0, y2 = 0;
    if (!bord_en(cotes, x1, p.dessus, y1) || !bord_en(cotes, x2, p.dessus, y2))
      lever(GenreErreur::OperationInvalide, lieu, "la patte dépasse la largeur du couple");
    // The rectangle reaches the outline over its whole width: to its highest
    // point underneath (lowest above), found at the ends or at a vertex.
    double jonction = p.dessus ? std::min(y1, y2) : std::max(y1, y2);
    for (const auto& cote : cotes) {
      double y = 0;
      const PointMm s = cote.first;
      if (s.x > x1 && s.x < x2 && bord_en(cotes, s.x, p.dessus, y))
        jonction = p.dessus ? std::min(jonction, y) : std::max(jonction, y);
    }
    const double haut_patte = p.dessus ? chantier : jonction + ANCRAGE;
    const double bas_patte = p.dessus ? jonction - ANCRAGE : chantier;
    r.rectangle = {{x1, bas_patte}, {x2, bas_patte}, {x2, haut_patte}, {x1, haut_patte}};
    r.marque_debut = {x1, y1};
    r.marque_fin = {x2, y2};
    r.dessus = p.dessus;
    r.chantier = chantier;
    pattes.push_back(r);
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
  const Cadre creux = cadre_de({&interieur});
  for (std::size_t i = 0; i < encoches.size(); ++i) {
    const EncochePlacee& e = encoches[i];
    if (se_touchent(e.rectangle, interieur, creux)) refuser(nom(e), "elle atteint le contour intérieur");
    for (std::size_t j = i + 1; j < encoches.size(); ++j)
      if (se_touchent(e.rectangle, encoches[j].rectangle, cadre_de({&encoches[j].rectangle})))
        refuser(nom(e), encoches[j].numero == e.numero ? "elle chevauche son image de l'autre côté"
                                                       : "elle chevauche l'" + nom(encoches[j]));
    for (const PattePlacee& p : pattes)
      if (se_touchent(e.rectangle, p.rectangle, cadre_de({&p.rectangle})))
        refuser(nom(e), "elle chevauche la " + nom(p));
  }
  for (std::size_t i = 0; i < pattes.size(); ++i) {
    if (se_touchent(pattes[i].rectangle, interieur, creux))
      refuser(nom(pattes[i]), "elle atteint le contour intérieur");
    for (std::size_t j = i + 1; j < pattes.size(); ++j)
      if (se_touchent(pattes[i].rectangle, pattes[j].rectangle, cadre_de({&pattes[j].rectangle})))
        refuser(nom(pattes[i]), "elle chevauche la " + nom(pattes[j]));
  }

  if (auto epissee = episser(exterieur, encoches, pattes)) return *epissee;
  // A rectangle over a bend sharper than itself: the general operation.
  ClipperLib::Clipper c;
  c.AddPath(en_chemin(exterieur, "kit"), ClipperLib::ptSubject, true);
  for (const PattePlacee& p : pattes) c.AddPath(en_chemin(p.rectangle, "pattes"), ClipperLib::ptSubject, true);
  for (const EncochePlacee& e : encoches) c.AddPath(en_chemin(e.rectangle, "encoches"), ClipperLib::ptClip, true);
  ClipperLib::Paths resultat;
  c.Execute(ClipperLib::ctDifference, resultat, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  return clipper_mm::piece_unique(resultat, "encoches et pattes", "le découpage");
}

} // namespace bilobe
