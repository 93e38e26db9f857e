#include "serie/depuis_lignes.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "serie/interpolation.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace bilobe {

namespace {

[[noreturn]] void refuser(const std::string& texte) { throw DescriptionInvalide(texte); }

std::string mm(double x) { return texte_au_centieme(x) + " mm"; }

// A traced line read at any x, after its points are checked.
Courbe courbe_de(const std::vector<PointMm>& points, const char* nom) {
  if (points.size() < 2) refuser(std::string("lignes.") + nom + " : il faut au moins deux points");
  std::vector<double> x, y;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const PointMm& p = points[k];
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > 1e6 || std::abs(p.y) > 1e6)
      refuser(std::string("lignes.") + nom + " : point " + std::to_string(k + 1) + " hors des limites (1 km)");
    if (k > 0 && !(p.x > points[k - 1].x))
      refuser(std::string("lignes.") + nom + " : les x doivent croître (point " + std::to_string(k + 1) + ")");
    x.push_back(p.x);
    y.push_back(p.y);
  }
  return Courbe(std::move(x), std::move(y), Interpolation::Lisse);
}

// The top view's line: one side of the centre line, or both, averaged where
// both are traced (a plan drawn a little askew, a scan not quite square).
std::vector<PointMm> demi_largeur_de(const std::vector<PointMm>& points) {
  std::vector<PointMm> gauche, droite;
  for (const PointMm& p : points) (p.y >= 0 ? gauche : droite).push_back({p.x, std::abs(p.y)});
  // One side: either.
  if (gauche.empty() || droite.empty()) return gauche.empty() ? droite : gauche;
  const Courbe g = courbe_de(gauche, "demi_largeur (au-dessus de l'axe)"),
               d = courbe_de(droite, "demi_largeur (au-dessous de l'axe)");
  const double debut = std::max(gauche.front().x, droite.front().x), fin = std::min(gauche.back().x, droite.back().x);
  if (!(fin > debut)) refuser("lignes.demi_largeur : les deux côtés de l'axe n'ont pas de tronçon commun");
  std::vector<double> x{debut, fin};
  for (const auto* cote : {&gauche, &droite})
    for (const PointMm& p : *cote)
      if (p.x > debut && p.x < fin) x.push_back(p.x);
  std::sort(x.begin(), x.end());
  x.erase(std::unique(x.begin(), x.end()), x.end());
  std::vector<PointMm> moyenne;
  for (const double xk : x) moyenne.push_back({xk, (g(xk) + d(xk)) / 2});
  return moyenne;
}

struct Verite {
  Courbe dos, ventre, niveau, demi;
  // The three dimensions the lines give at x: half-width, height above and below the level.
  std::array<double, 3> cotes(double x) const { return {demi(x), dos(x) - niveau(x), niveau(x) - ventre(x)}; }
};

// To the 1/n of a mm, as the nearest double to the decimal a person would write.
double arrondi(double v, double n) { return std::round(v * n) / n; }

Station station_a(const Verite& v, const SectionReference& s, double x) {
  const auto [demi, haut, bas] = v.cotes(x);
  Station st;
  st.position = arrondi(x, 10);
  const double xtot = arrondi(demi, 100), ytot = arrondi(haut, 100), yinf = arrondi(bas, 100);
  st.cotes = {xtot,
              ytot,
              arrondi(s.xa * xtot, 100),
              arrondi(s.ya * ytot, 100),
              yinf,
              arrondi(s.segh * xtot, 100),
              arrondi(s.segv * yinf, 100),
              s.ep};
  return st;
}

} // namespace

std::vector<Station> stations_depuis_lignes(const LignesTracees& l, const SectionReference& s,
                                            const Interruption* arret) {
  if (!(s.xa > 0 && s.xa < 1)) refuser("section.xa : doit être entre 0 et 1 (exclus)");
  if (!(s.ya > 0 && s.ya < 1)) refuser("section.ya : doit être entre 0 et 1 (exclus)");
  if (!(s.ep > 0 && s.ep <= 1000)) refuser("section.ep : doit être positive (mm)");
  if (!(s.segh >= 0 && s.segh < 1)) refuser("section.segh : doit être de 0 à 1 (exclu)");
  if (!(s.segv >= 0 && s.segv < 1)) refuser("section.segv : doit être de 0 à 1 (exclu)");
  const std::vector<PointMm> datum{{l.dos.empty() ? 0 : l.dos.front().x, 0}, {l.dos.empty() ? 1 : l.dos.back().x, 0}};
  const std::vector<PointMm> demi_largeur = demi_largeur_de(l.demi_largeur);
  const Verite v{courbe_de(l.dos, "dos"), courbe_de(l.ventre, "ventre"),
                 l.niveau ? courbe_de(*l.niveau, "niveau") : courbe_de(datum, "niveau"),
                 courbe_de(demi_largeur, "demi_largeur")};
  // From the nose to the tail: where every line is.
  double nez = std::max({l.dos.front().x, l.ventre.front().x, demi_largeur.front().x});
  double queue = std::min({l.dos.back().x, l.ventre.back().x, demi_largeur.back().x});
  if (l.niveau) nez = std::max(nez, l.niveau->front().x), queue = std::min(queue, l.niveau->back().x);
  if (!(queue - nez >= 1)) refuser("lignes : elles n'ont pas en commun un tronçon d'au moins 1 mm");

  // The lines checked on a fine comb, their own points included.
  constexpr int DENTS = 4000;
  std::vector<double> peigne;
  for (int k = 0; k <= DENTS; ++k) peigne.push_back(nez + (queue - nez) * k / DENTS);
  for (const auto* ligne : {&l.dos, &l.ventre, &demi_largeur})
    for (const PointMm& p : *ligne)
      if (p.x > nez && p.x < queue) peigne.push_back(p.x);
  std::sort(peigne.begin(), peigne.end());
  for (const double x : peigne) {
    const auto [demi, haut, bas] = v.cotes(x);
    if (!(haut > 0)) refuser("lignes : le dos n'est pas au-dessus du niveau à x = " + mm(x));
    if (!(bas > 0)) refuser("lignes : le ventre n'est pas sous le niveau à x = " + mm(x));
    if (!(demi > 0.05)) refuser("lignes.demi_largeur : la demi-largeur s'annule à x = " + mm(x));
  }

  // Stations at the nose and the tail, then one where the series strays most, until it strays no more.
  std::vector<Station> stations{station_a(v, s, nez), station_a(v, s, queue)};
  while (true) {
    verifier(arret);
    std::array<std::vector<double>, 3> valeurs;
    std::vector<double> positions;
    for (const Station& st : stations) {
      positions.push_back(st.position);
      valeurs[0].push_back(st.cotes[0]);
      valeurs[1].push_back(st.cotes[1]);
      valeurs[2].push_back(st.cotes[4]);
    }
    const std::array<Courbe, 3> serie{Courbe(positions, valeurs[0], Interpolation::Lisse),
                                      Courbe(positions, valeurs[1], Interpolation::Lisse),
                                      Courbe(positions, valeurs[2], Interpolation::Lisse)};
    double pire = 0, ou = nez;
    for (const double x : peigne) {
      const auto vraies = v.cotes(x);
      for (std::size_t c = 0; c < 3; ++c)
        if (const double e = std::abs(serie[c](x) - vraies[c]); e > pire) pire = e, ou = x;
    }
    // The margin keeps the hundredths of the stations and the comb's gaps within the limit.
    if (pire <= ECART_MAX_LIGNES - 0.02) break;
    if (stations.size() >= STATIONS_MAX_LIGNES)
      refuser("lignes : plus de " + std::to_string(STATIONS_MAX_LIGNES) +
              " stations ne suivraient pas encore les lignes à 0,2 mm (près de x = " + mm(ou) + ")");
    const Station nouvelle = station_a(v, s, ou);
    const auto place = std::lower_bound(stations.begin(), stations.end(), nouvelle.position,
                                        [](const Station& a, double p) { return a.position < p; });
    if (place != stations.end() && place->position == nouvelle.position) // the tenth of a mm is not enough
      refuser("lignes : elles changent trop vite pour des stations au dixième de mm près de x = " + mm(ou));
    stations.insert(place, nouvelle);
  }
  return stations;
}

} // namespace bilobe
