#include "common/erreurs.h"
#include "volume/section.h"
#include "volume/solide.h"
#include "volume/triangulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace bilobe {
namespace {

double aire(const PointMm& a, const PointMm& b, const PointMm& c) {
  return ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
}

// Every polygon is cut into n - 2 counter-clockwise triangles that cover it
// exactly and use each of its points, those on straight runs included.
TEST(Triangulation, CouvreLePolygoneAvecTousSesPoints) {
  const std::map<std::string, Boucle> polygones{
      {"carré avec points sur ses côtés", {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}}},
      {"deux lobes", {{0, -3}, {4, 0}, {3, 3}, {1, 3}, {0, 1.5}, {-1, 3}, {-3, 3}, {-4, 0}}},
      {"peigne", {{0, 0}, {5, 0}, {5, 3}, {4, 3}, {4, 1}, {3, 1}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}}},
  };
  for (const auto& [nom, p] : polygones) {
    const auto triangles = trianguler(p, "essai");
    ASSERT_EQ(triangles.size(), p.size() - 2) << nom;
    double somme = 0;
    std::set<std::size_t> utilises;
    for (const auto& [a, b, c] : triangles) {
      EXPECT_GT(aire(p[a], p[b], p[c]), 0) << nom;
      somme += aire(p[a], p[b], p[c]);
      utilises.insert({a, b, c});
    }
    EXPECT_NEAR(somme, aire_signee(p), 1e-12) << nom;
    EXPECT_EQ(utilises.size(), p.size()) << nom;
  }
  EXPECT_THROW(trianguler({{0, 0}, {2, 2}, {2, 0}, {0, 2}}, "noeud papillon"), ErreurExecution);
  EXPECT_THROW(trianguler({{0, 0}, {1, 0}, {2, 0}}, "plat"), ErreurExecution);
}

TEST(Section, MoitieDroiteDeLAxeBasALAxeHaut) {
  // A diamond that starts on its left side: the half still runs bottom to top.
  const Boucle losange{{-2, 1}, {-1, -1}, {1, -1}, {2, 1}, {0, 3}};
  const std::vector<PointMm> moitie = moitie_droite(losange, "essai");
  const std::vector<PointMm> attendue{{0, -1}, {1, -1}, {2, 1}, {0, 3}};
  EXPECT_EQ(moitie, attendue);
  const std::vector<PointMm> points = repartir(moitie, 8);
  ASSERT_EQ(points.size(), 9u);
  EXPECT_EQ(points.front(), attendue.front());
  EXPECT_EQ(points.back(), attendue.back());
  const double pas = std::hypot(points[1].x - points[0].x, points[1].y - points[0].y);
  for (std::size_t k = 1; k < points.size(); ++k) // evenly spread, corners cut no more than a step
    EXPECT_LE(std::hypot(points[k].x - points[k - 1].x, points[k].y - points[k - 1].y), pas + 1e-12);
  const Boucle tour = anneau(points);
  EXPECT_EQ(tour.size(), 16u);
  EXPECT_GT(aire_signee(tour), 0);
  EXPECT_THROW(moitie_droite({{1, 0}, {2, 0}, {2, 1}}, "à droite de l'axe"), ErreurExecution);
}

// Each edge of a closed, consistently turned mesh is run once each way.
void ferme(const Maillage& m) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, int> aretes;
  for (const Triangle& t : m.triangles)
    for (int k = 0; k < 3; ++k) ++aretes[{t[k], t[(k + 1) % 3]}];
  for (const auto& [arete, fois] : aretes) {
    EXPECT_EQ(fois, 1);
    EXPECT_EQ(aretes.count({arete.second, arete.first}), 1u);
  }
}

TEST(Solide, PleinOuCreuxFermeEtDeVolumeExact) {
  const Boucle carre{{-5, -5}, {0, -5}, {5, -5}, {5, 5}, {-5, 5}}, trou{{-2, -2}, {0, -2}, {2, -2}, {2, 2}, {-2, 2}};
  struct Cas {
    const char* nom;
    Boucle interieur;
    double volume;
  };
  for (const Cas& k : {Cas{"plein", {}, 100 * 30.0}, Cas{"creux", trou, 84 * 30.0}}) {
    const Maillage m = solide_par_tranches(
        std::vector<Tranche>{{0, carre, k.interieur}, {10, carre, k.interieur}, {30, carre, k.interieur}}, "essai");
    EXPECT_NEAR(volume(m), k.volume, 1e-9) << k.nom;
    EXPECT_TRUE(sans_triangle_degenere(m)) << k.nom;
    ferme(m);
  }
  EXPECT_THROW(solide_par_tranches(std::vector<Tranche>{{0, carre, {}}, {10, trou, trou}}, "essai"), ErreurExecution);
}

} // namespace
} // namespace bilobe
