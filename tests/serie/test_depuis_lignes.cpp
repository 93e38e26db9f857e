// The stations of a fuselage from lines traced over a plan: the series they
// give follows the lines within 0.2 mm, with few stations where they are
// straight, and lines that cannot make a fuselage are refused by name.
#include "common/erreurs.h"
#include "serie/depuis_lignes.h"
#include "serie/fichier_fuselage.h"
#include "serie/interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace bilobe {
namespace {

std::vector<PointMm> echantillons(double de, double a, int n, const std::function<double(double)>& f) {
  std::vector<PointMm> points;
  for (int k = 0; k < n; ++k) {
    const double x = de + (a - de) * k / (n - 1);
    points.push_back({x, f(x)});
  }
  return points;
}

// The lines of the example's own series (drawn from its profile, so the
// truth is known), traced by 25 points each, the level line slanted.
TEST(DepuisLignes, LaSerieSuitLesLignesAu2DixiemesPres) {
  const DescriptionSerie exemple = lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  std::vector<double> positions;
  std::array<std::vector<double>, NB_COTES> cotes;
  for (const Station& s : exemple.stations) {
    positions.push_back(s.position);
    for (std::size_t c = 0; c < NB_COTES; ++c) cotes[c].push_back(s.cotes[c]);
  }
  const Courbe xtot(positions, cotes[0], Interpolation::Lisse), ytot(positions, cotes[1], Interpolation::Lisse),
      yinf(positions, cotes[4], Interpolation::Lisse);
  const auto niveau = [](double x) { return 5 - 0.01 * x; };
  LignesTracees lignes;
  lignes.dos = echantillons(0, 1000, 25, [&](double x) { return niveau(x) + ytot(x); });
  lignes.ventre = echantillons(0, 1000, 25, [&](double x) { return niveau(x) - yinf(x); });
  lignes.niveau = echantillons(0, 1000, 2, niveau);
  lignes.demi_largeur = echantillons(0, 1000, 25, [&](double x) { return xtot(x); });
  const std::vector<Station> stations = stations_depuis_lignes(lignes, {0.5, 0.6, 2.5});
  ASSERT_GE(stations.size(), 3u);
  EXPECT_LT(stations.size(), 40u);
  EXPECT_EQ(stations.front().position, 0);
  EXPECT_EQ(stations.back().position, 1000);

  // What the series makes of them, against the traced lines.
  std::vector<double> p;
  std::array<std::vector<double>, 3> v;
  for (const Station& s : stations) {
    p.push_back(s.position);
    v[0].push_back(s.cotes[0]), v[1].push_back(s.cotes[1]), v[2].push_back(s.cotes[4]);
    EXPECT_DOUBLE_EQ(s.cotes[2], std::round(0.5 * s.cotes[0] * 100) / 100);
    EXPECT_EQ(s.cotes[7], 2.5);
  }
  const Courbe sx(p, v[0], Interpolation::Lisse), sh(p, v[1], Interpolation::Lisse), sb(p, v[2], Interpolation::Lisse);
  const auto ligne = [](const std::vector<PointMm>& pts) {
    std::vector<double> x, y;
    for (const PointMm& q : pts) x.push_back(q.x), y.push_back(q.y);
    return Courbe(x, y, Interpolation::Lisse);
  };
  const Courbe ldos = ligne(lignes.dos), lventre = ligne(lignes.ventre), ldemi = ligne(lignes.demi_largeur);
  double pire = 0;
  for (int k = 0; k <= 9973; ++k) {
    const double x = 1000.0 * k / 9973;
    pire = std::max({pire, std::abs(sx(x) - ldemi(x)), std::abs(sh(x) - (ldos(x) - niveau(x))),
                     std::abs(sb(x) - (niveau(x) - lventre(x)))});
  }
  EXPECT_LE(pire, ECART_MAX_LIGNES);
}

// Both sides of the centre line traced, one a little wider than the other
// (a scan not quite square): the series follows their mean.
TEST(DepuisLignes, LesDeuxCotesDeLAxeSontMoyennes) {
  LignesTracees lignes;
  lignes.dos = {{0, 30}, {500, 40}, {1000, 10}};
  lignes.ventre = {{0, -20}, {1000, -8}};
  lignes.demi_largeur = {{0, 20.5}, {500, 30.5}, {1000, 8.5}};
  for (const PointMm p : {PointMm{0, -19.5}, PointMm{250, -27}, PointMm{500, -29.5}, PointMm{1000, -7.5}})
    lignes.demi_largeur.push_back(p);
  const auto stations = stations_depuis_lignes(lignes, {});
  std::vector<double> x, demi;
  for (const Station& s : stations) x.push_back(s.position), demi.push_back(s.cotes[0]);
  const Courbe serie(x, demi, Interpolation::Lisse);
  const Courbe dessus({0, 500, 1000}, {20.5, 30.5, 8.5}, Interpolation::Lisse),
      dessous({0, 250, 500, 1000}, {19.5, 27, 29.5, 7.5}, Interpolation::Lisse);
  for (int k = 0; k <= 1000; ++k) EXPECT_NEAR(serie(k), (dessus(k) + dessous(k)) / 2, ECART_MAX_LIGNES) << k;
}

// Straight lines need only the nose and the tail.
TEST(DepuisLignes, DesLignesDroitesDeuxStations) {
  LignesTracees lignes;
  lignes.dos = {{0, 30}, {400, 60}, {800, 90}};
  lignes.ventre = {{0, -20}, {800, -40}};
  lignes.demi_largeur = {{0, 25}, {800, 45}};
  const auto stations = stations_depuis_lignes(lignes, {});
  ASSERT_EQ(stations.size(), 2u);
  EXPECT_EQ(stations[1].cotes, (std::array<double, NB_COTES>{45, 90, 27, 54, 40, 0, 0, 3}));
  // Stopped from another thread (a newer click), nothing comes out.
  Interruption arret;
  arret.demander();
  EXPECT_THROW(stations_depuis_lignes(lignes, {}, &arret), TravailInterrompu);
}

TEST(DepuisLignes, LignesRefusees) {
  LignesTracees bonnes;
  bonnes.dos = {{0, 30}, {500, 40}, {1000, 10}};
  bonnes.ventre = {{0, -20}, {1000, -8}};
  bonnes.demi_largeur = {{0, 20}, {500, 30}, {1000, 8}};
  const struct {
    const char* nom;
    std::function<void(LignesTracees&, SectionReference&)> changer;
    const char* message;
  } cas[] = {
      {"un seul point",
       [](LignesTracees& l, SectionReference&) {
         l.dos = {{0, 30}};
       },
       "lignes.dos : il faut au moins deux points"},
      {"x en arrière",
       [](LignesTracees& l, SectionReference&) {
         l.ventre = {{0, -20}, {600, -9}, {500, -8}};
       },
       "lignes.ventre : les x doivent croître (point 3)"},
      {"dos sous le niveau",
       [](LignesTracees& l, SectionReference&) {
         l.dos = {{0, 30}, {1000, -5}};
       },
       "lignes : le dos n'est pas au-dessus du niveau"},
      {"ventre au-dessus du niveau",
       [](LignesTracees& l, SectionReference&) {
         l.ventre = {{0, 5}, {1000, -8}};
       },
       "lignes : le ventre n'est pas sous le niveau à x = 0 mm"},
      {"demi-largeur nulle avant la queue",
       [](LignesTracees& l, SectionReference&) {
         l.demi_largeur = {{0, 20}, {900, 0}, {1000, 0}};
       },
       "lignes.demi_largeur : la demi-largeur s'annule"},
      {"infini", [](LignesTracees& l, SectionReference&) { l.dos[1].y = INFINITY; },
       "lignes.dos : point 2 hors des limites"},
      {"sans tronçon commun",
       [](LignesTracees& l, SectionReference&) {
         l.ventre = {{2000, -1}, {3000, -1}};
       },
       "lignes : elles n'ont pas en commun"},
      {"côtés de l'axe sans tronçon commun",
       [](LignesTracees& l, SectionReference&) {
         l.demi_largeur = {{0, 20}, {400, 30}, {600, -30}, {1000, -8}};
       },
       "lignes.demi_largeur : les deux côtés de l'axe n'ont pas de tronçon commun"},
      {"un côté de l'axe d'un seul point",
       [](LignesTracees& l, SectionReference&) {
         l.demi_largeur = {{0, 20}, {400, -30}, {1000, 8}};
       },
       "lignes.demi_largeur (au-dessous de l'axe) : il faut au moins deux points"},
      {"xa de 1", [](LignesTracees&, SectionReference& s) { s.xa = 1; }, "section.xa : doit être entre 0 et 1"},
      {"paroi nulle", [](LignesTracees&, SectionReference& s) { s.ep = 0; }, "section.ep : doit être positive"},
      {"trop de stations",
       [](LignesTracees& l, SectionReference&) {
         l.demi_largeur.clear();
         for (int k = 0; k <= 1000; ++k) l.demi_largeur.push_back({double(k), k % 2 ? 30.0 : 20.0});
       },
       "lignes :"},
  };
  for (const auto& k : cas) {
    LignesTracees l = bonnes;
    SectionReference s;
    k.changer(l, s);
    try {
      stations_depuis_lignes(l, s);
      ADD_FAILURE() << k.nom;
    } catch (const DescriptionInvalide& e) {
      EXPECT_NE(std::string(e.what()).find(k.message), std::string::npos) << k.nom << " : " << e.what();
    }
  }
  EXPECT_NO_THROW(stations_depuis_lignes(bonnes, {}));
}

} // namespace
} // namespace bilobe
