#include "common/texte_nombre.h"
#include "serie/description.h"
#include "serie/interpolation.h"
#include "serie/serie_imbriquee.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bilobe {
namespace {

TEST(TexteAuCentieme, ArrondiDeLaValeurExacte) {
  struct Cas {
    double valeur;
    const char* attendu;
  };
  const Cas cas[] = {
      {32.5, "32.5"},       {40, "40"},
      {100.0 / 3, "33.33"}, {0.125, "0.13"}, // an exact tie: away from zero
      {-0.125, "-0.13"},                     // on both sides
      {0.375, "0.38"},      {2.675, "2.67"}, // the double is 2.67499999…: no tie
      {1.005, "1"},                          // 1.00499999…
      {-0.004, "0"},                         // a negative value that rounds to zero is never "-0"
      {-0.005, "-0.01"},    {-0.0, "0"},
      {1e-300, "0"},        {999.999, "1000"},
      {9.995, "9.99"}, // 9.99499999…
      {0.5, "0.5"},         {1234567.891, "1234567.89"},
  };
  for (const Cas& c : cas) EXPECT_EQ(texte_au_centieme(c.valeur), c.attendu) << c.valeur;
  EXPECT_THROW(texte_au_centieme(std::numeric_limits<double>::infinity()), Depassement);
  EXPECT_THROW(texte_au_centieme(std::nan("")), Depassement);
}

// Two stations 0 → 100 mm, each dimension given at both ends.
DescriptionSerie deux_stations(const std::array<double, NB_COTES>& debut, const std::array<double, NB_COTES>& fin) {
  DescriptionSerie d;
  d.nombre = 5;
  d.planche = {600, 300, 5, 4};
  d.stations = {{0, debut}, {100, fin}};
  return d;
}

TEST(SerieLineaire, TextesDesChamps) {
  // xtot 0 → 0.25 holds exact binary values, one of them a tie at 50 mm;
  // segh 0.004 → -0.036 goes through a negative value that rounds to zero.
  DescriptionSerie d = deux_stations({0, 100, 30, 60, 40, 0.004, 20, 10}, {0.25, 120, 30, 64, 40, -0.036, 20, 10});
  d.nombre.reset();
  d.positions = std::vector<double>{0, 12.5, 25, 50, 100};
  const std::vector<CoupleSerie> couples = couples_de(d);
  ASSERT_EQ(couples.size(), 5u);
  struct Attendu {
    const char* nom;
    double position;
    const char *xtot, *ytot, *ya, *segh;
  };
  const Attendu attendus[] = {
      {"F1", 0, "0", "100", "60", "0"},           // the station's own values; 0.004 rounds to "0"
      {"F2", 12.5, "0.03", "102.5", "60.5", "0"}, // 0.03125; segh -0.001 is "0", never "-0"
      {"F3", 25, "0.06", "105", "61", "-0.01"},   // 0.0625 is below the tie; -0.006
      {"F4", 50, "0.13", "110", "62", "-0.02"},   // 0.125: a tie, away from zero
      {"F5", 100, "0.25", "120", "64", "-0.04"},  // the last station's own values
  };
  for (std::size_t i = 0; i < couples.size(); ++i) {
    const Attendu& a = attendus[i];
    EXPECT_EQ(couples[i].nom, a.nom);
    EXPECT_EQ(couples[i].position, a.position);
    EXPECT_EQ(couples[i].champs.xtot, a.xtot) << a.nom;
    EXPECT_EQ(couples[i].champs.ytot, a.ytot) << a.nom;
    EXPECT_EQ(couples[i].champs.ya, a.ya) << a.nom;
    EXPECT_EQ(couples[i].champs.segh, a.segh) << a.nom;
    EXPECT_EQ(couples[i].champs.xa, "30") << a.nom;
    EXPECT_EQ(couples[i].champs.nbptel, "90") << a.nom;
  }
}

TEST(SerieLineaire, PositionsRegulieresCalculeesDansLOrdre) {
  DescriptionSerie d = deux_stations({50, 100, 30, 60, 40, 30, 20, 10}, {50, 100, 30, 60, 40, 30, 20, 10});
  d.stations[0].position = 0.1;
  d.stations[1].position = 0.7;
  d.nombre = 7;
  const std::vector<double> positions = positions_des_couples(d);
  ASSERT_EQ(positions.size(), 7u);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(positions[i - 1], 0.1 + ((0.7 - 0.1) * (i - 1)) / 6) << i;
}

// Dense samples of a piece between two stations.
std::vector<double> echantillons(const Courbe& c, double a, double b) {
  std::vector<double> v;
  for (int i = 0; i <= 1000; ++i) v.push_back(c(a + (b - a) * i / 1000));
  return v;
}

TEST(SerieLisse, PasseParChaqueStationSansDepasser) {
  struct Cas {
    const char* nom;
    std::vector<double> x, y;
  };
  const Cas cas[] = {
      {"plateau", {0, 100, 200, 300, 400}, {10, 10, 30, 30, 12}},
      {"changement brusque", {0, 10, 400, 500}, {0, 100, 101, 0}},
      {"pics alternés", {0, 50, 60, 200, 210}, {5, 80, 2, 90, 1}},
      {"deux stations", {0, 1000}, {45, 12}},
      {"valeurs négatives", {-100, 0, 30}, {-5, -0.5, -20}},
  };
  for (const Cas& k : cas) {
    const Courbe lisse(k.x, k.y, Interpolation::Lisse);
    for (std::size_t i = 0; i < k.x.size(); ++i) EXPECT_EQ(lisse(k.x[i]), k.y[i]) << k.nom << " station " << i;
    for (std::size_t i = 0; i + 1 < k.x.size(); ++i) {
      const std::vector<double> v = echantillons(lisse, k.x[i], k.x[i + 1]);
      const double bas = std::min(k.y[i], k.y[i + 1]), haut = std::max(k.y[i], k.y[i + 1]);
      const bool monte = k.y[i + 1] >= k.y[i];
      for (std::size_t j = 0; j < v.size(); ++j) {
        ASSERT_GE(v[j], bas) << k.nom << " pièce " << i;
        ASSERT_LE(v[j], haut) << k.nom << " pièce " << i;
        if (j > 0) {
          ASSERT_TRUE(monte ? v[j] >= v[j - 1] : v[j] <= v[j - 1]) << k.nom << " pièce " << i << " " << j;
        }
      }
    }
  }
}

TEST(SerieLisse, SansCassureAuxStations) {
  // Between stations that keep going the same way, the smooth line has one
  // slope on both sides of a station; the straight line breaks there.
  const std::vector<double> x{0, 100, 250, 600, 1000}, y{22, 34, 40, 28, 12};
  const Courbe lisse(x, y, Interpolation::Lisse), droite(x, y, Interpolation::Lineaire);
  const double h = 1e-4;
  for (std::size_t k = 1; k + 1 < x.size(); ++k) {
    const double gauche = (lisse(x[k]) - lisse(x[k] - h)) / h, apres = (lisse(x[k] + h) - lisse(x[k])) / h;
    EXPECT_NEAR(gauche, apres, 1e-4) << "station " << k;
  }
  const double gauche = (droite(100) - droite(100 - h)) / h, apres = (droite(100 + h) - droite(100)) / h;
  EXPECT_GT(std::abs(gauche - apres), 0.05);
  EXPECT_NE(lisse(175), droite(175)); // smooth is not straight
}

TEST(Serie, DescriptionsRefusees) {
  struct Cas {
    const char* nom;
    void (*changer)(DescriptionSerie&);
    const char* cle;
  };
  const Cas cas[] = {
      {"une station", [](DescriptionSerie& d) { d.stations.pop_back(); }, "station"},
      {"stations à rebours", [](DescriptionSerie& d) { d.stations[1].position = -1; }, "station.position"},
      {"stations confondues", [](DescriptionSerie& d) { d.stations[1].position = 0; }, "station.position"},
      {"cote infinie", [](DescriptionSerie& d) { d.stations[1].cotes[7] = INFINITY; }, "station.ep"},
      {"ni nombre ni positions", [](DescriptionSerie& d) { d.nombre.reset(); }, "nombre"},
      {"nombre et positions", [](DescriptionSerie& d) { d.positions = std::vector<double>{0}; }, "positions"},
      {"un seul couple", [](DescriptionSerie& d) { d.nombre = 1; }, "nombre"},
      {"trop de couples", [](DescriptionSerie& d) { d.nombre = NOMBRE_MAX + 1; }, "nombre"},
      {"position avant la première station",
       [](DescriptionSerie& d) {
         d.nombre.reset();
         d.positions = std::vector<double>{-0.5, 50};
       },
       "positions"},
      {"position après la dernière station",
       [](DescriptionSerie& d) {
         d.nombre.reset();
         d.positions = std::vector<double>{50, 100.001};
       },
       "positions"},
      {"positions non croissantes",
       [](DescriptionSerie& d) {
         d.nombre.reset();
         d.positions = std::vector<double>{0, 60, 60};
       },
       "positions"},
      {"marges trop larges", [](DescriptionSerie& d) { d.planche.marge = 150; }, "planche.hauteur"},
      {"marge négative", [](DescriptionSerie& d) { d.planche.marge = -1; }, "planche.marge"},
      {"planche sans largeur", [](DescriptionSerie& d) { d.planche.largeur = 0; }, "planche.largeur"},
      {"espacement négatif", [](DescriptionSerie& d) { d.planche.espacement = -1; }, "planche.espacement"},
      {"saignée négative", [](DescriptionSerie& d) { d.gabarit.saignee = -0.1; }, "planche.saignee"},
  };
  for (const Cas& k : cas) {
    DescriptionSerie d = deux_stations({50, 100, 30, 60, 40, 30, 20, 10}, {50, 100, 30, 60, 40, 30, 20, 10});
    ASSERT_FALSE(defaut_description(d)) << k.nom;
    k.changer(d);
    const auto defaut = defaut_description(d);
    ASSERT_TRUE(defaut) << k.nom;
    EXPECT_EQ(defaut->cle, k.cle) << k.nom;
    EXPECT_THROW(couples_de(d), DescriptionInvalide) << k.nom;
  }
}

TEST(Serie, CoupleQuiEchoueNommeAvecLErreurDeLaFenetre) {
  // xtot shrinks below xa: the formers from F2 on cannot be traced.
  DescriptionSerie d = deux_stations({50, 100, 30, 60, 40, 30, 20, 10}, {0, 100, 30, 60, 40, 30, 20, 10});
  d.nombre = 3;
  const std::vector<CoupleSerie> couples = couples_de(d);
  ASSERT_EQ(couples[1].champs.xtot, "25");
  EXPECT_NO_THROW(tracer(couples[0].champs));
  std::string fenetre; // what the window shows for the same fields
  try {
    tracer(couples[1].champs);
  } catch (const ErreurExecution& e) {
    fenetre = e.what();
  }
  ASSERT_FALSE(fenetre.empty());
  try {
    preparer_serie(d);
    FAIL() << "le couple F2 devait échouer";
  } catch (const ErreurCouple& e) {
    EXPECT_EQ(std::string(e.what()), "F2 : " + fenetre);
  }
}

TEST(Serie, FormeImpossibleNommee) {
  // A wall that thins down to nothing: traced, but not cut.
  DescriptionSerie d = deux_stations({50, 100, 30, 60, 40, 30, 20, 10}, {50, 100, 30, 60, 40, 30, 20, 0});
  d.nombre = 2;
  try {
    preparer_serie(d);
    FAIL() << "le couple F2 devait être refusé";
  } catch (const ErreurCouple& e) {
    EXPECT_EQ(std::string(e.what()).rfind("F2 : ", 0), 0u) << e.what();
    EXPECT_NE(std::string(e.what()).find("forme impossible à découper"), std::string::npos) << e.what();
  }
}

} // namespace
} // namespace bilobe
