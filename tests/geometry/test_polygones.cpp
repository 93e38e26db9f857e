#include "geometry/polygones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace bilobe::polygones {
namespace {

Chemin carre(Entier x, Entier y, Entier cote) { return {{x, y}, {x + cote, y}, {x + cote, y + cote}, {x, y + cote}}; }

std::size_t trous(const Zone& z) {
  std::size_t n = 0;
  for (const Polygone& p : z) n += p.trous.size();
  return n;
}

// Each operation on small squares whose answer is known: the area, the
// pieces and the holes left.
TEST(Polygones, OperationsSurDesCarres) {
  struct Cas {
    std::string nom;
    Zone resultat;
    double aire;
    std::size_t morceaux, trous;
  };
  const Cas cas[] = {
      // The tools overlap: they count once, as one region.
      {"moins deux outils qui se chevauchent",
       difference(zone_de(carre(0, 0, 10)), {{carre(2, 2, 4), {}}, {carre(4, 2, 4), {}}}), 100 - 24, 1, 1},
      {"réunion de carrés qui se chevauchent", reunion({{carre(0, 0, 10), {}}, {carre(5, 5, 10), {}}}), 175, 1, 0},
      {"réunion de carrés éloignés", reunion({{carre(0, 0, 10), {}}, {carre(100, 0, 10), {}}}), 200, 2, 0},
      {"intersection", intersection(zone_de(carre(0, 0, 10)), zone_de(carre(5, 5, 10))), 25, 1, 0},
      {"intersection vide", intersection(zone_de(carre(0, 0, 10)), zone_de(carre(50, 0, 10))), 0, 0, 0},
      {"coupé en deux", difference(zone_de(carre(0, 0, 10)), zone_de({{4, -1}, {6, -1}, {6, 11}, {4, 11}})), 80, 2, 0},
      {"anneaux sans aire ignorés", reunion({{{{0, 0}, {10, 0}, {20, 0}}, {}}, {carre(0, 0, 10), {}}}), 100, 1, 0},
      {"rien moins quelque chose", difference({}, zone_de(carre(0, 0, 10))), 0, 0, 0},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    EXPECT_DOUBLE_EQ(aire(k.resultat), k.aire);
    EXPECT_EQ(k.resultat.size(), k.morceaux);
    EXPECT_EQ(trous(k.resultat), k.trous);
  }
  // An island in a hole stays: the region is what the polygons cover.
  Chemin trou = carre(5, 5, 20);
  trou = {trou[3], trou[2], trou[1], trou[0]}; // a hole turns the other way
  const Zone ile = reunion({{carre(0, 0, 30), {trou}}, {carre(10, 10, 10), {}}});
  EXPECT_DOUBLE_EQ(aire(ile), 900 - 400 + 100);
  EXPECT_EQ(ile.size(), 2u);
  EXPECT_EQ(trous(ile), 1u);
}

// Round offsets: the area of a square grown by d is s² + 4sd + πd² less the
// chords' sagitta; shrunk past its half side, nothing is left.
TEST(Polygones, DecalagesArrondis) {
  const double pi = std::acos(-1.0);
  struct Cas {
    Entier cote;
    double delta, ecart;
  };
  for (const Cas& k : {Cas{10000, 3000, 0.25}, Cas{10000, 50, 0.25}, Cas{10000, 3000, 20}}) {
    SCOPED_TRACE(std::to_string(k.delta) + " µm, arcs à " + std::to_string(k.ecart));
    const Zone z = decaler(zone_de(carre(0, 0, k.cote)), k.delta, k.ecart);
    ASSERT_EQ(z.size(), 1u);
    const double s = static_cast<double>(k.cote), exacte = s * s + 4 * s * k.delta + pi * k.delta * k.delta;
    // Chords inside the circle, by at most the allowed distance; points rounded to the µm.
    EXPECT_LE(aire(z), exacte + 4 * (s + 2 * k.delta));
    EXPECT_GE(aire(z), exacte - 2 * pi * k.delta * k.ecart - 4 * (s + 2 * k.delta));
  }
  const Zone reduit = decaler(zone_de(carre(0, 0, 10000)), -3000, 0.25);
  ASSERT_EQ(reduit.size(), 1u);
  EXPECT_NEAR(aire(reduit), 4000.0 * 4000, 4 * 4000);
  EXPECT_TRUE(decaler(zone_de(carre(0, 0, 10000)), -5001, 0.25).empty());
}

} // namespace
} // namespace bilobe::polygones
